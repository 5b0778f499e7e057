// "valida" as a cleaning pass: values rewritten in their canonical form, the reason of
// each refusal, the strict rules, and the CSV reader's edges, as a user gets them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "executa.hpp"

namespace {

using namespace vumocaixa::testing;

TEST(Limpeza, WritesEachValueInTheFormAsked) {
  CheckRows({
      {{"valida", "cpf", "--formata", "12345678909", "123.456.789-09", "123"},
       "",
       "123.456.789-09\tválido\n123.456.789-09\tválido\n123\tinválido\n",
       1,
       "cpf na máscara; o que não cabe nela fica como foi lido"},
      {{"valida", "cpf", "--compacta", "123.456.789-09", "123.456.789-00", ""},
       "",
       "12345678909\tválido\n12345678900\tinválido\n\tválido\n",
       1,
       "só os dígitos, também do recusado; vazio continua vazio"},
      {{"valida", "cep", "--formata", "01310100", "01310-100", "abcdefghij"},
       "",
       "01.310-100\tválido\n01.310-100\tválido\nabcdefghij\tinválido\n",
       1,
       "cep fora da máscara passa na caixa, mas não tem forma"},
      {{"valida", "cnpj", "--alfanumerico", "--formata", "12abc34501de35"},
       "",
       "12.ABC.345/01DE-35\tválido\n",
       0,
       "cnpj com letras em maiúsculas"},
      {{"valida", "cnpj", "--alfanumerico", "--compacta", "12.abc.345/01de-35"},
       "",
       "12ABC34501DE35\tválido\n",
       0,
       "cnpj com letras, compacto"},
      {{"valida", "data", "--formata", "1/2/26", "31/02/2026"},
       "",
       "01/02/2026\tválido\n31/02/2026\tinválido\n",
       1,
       "data na forma curta; a inexistente como foi lida"},
      {{"valida", "data", "--compacta", "31/12/2026"},
       "",
       "31122026\tválido\n",
       0,
       "data compacta"},
      {{"valida", "email", "--formata", "Ana@Exemplo.com"},
       "",
       "Ana@Exemplo.com\tválido\n",
       0,
       "e-mail não tem máscara"},
      {{"valida", "cpf", "--formata", "--invalidos"},
       "12345678909\r\n12345678900\r\n1\r\n",
       "123.456.789-00\r\n1\r\n",
       1,
       "só os inválidos, na forma e com o fim de linha lido"},
      {{"valida", "cep", "--formata", "--contagem"},
       "01310100\nabcdefghij\n",
       "válidos: 1\tinválidos: 1\n",
       1,
       "a contagem vê o valor que não cabe na máscara"},
      {{"valida", "cpf", "--coluna", "2", "--formata"},
       "1;\"12345678909\";x\r\n2;12345678909;\"a;b\"\n3;1;y\n",
       "1;\"123.456.789-09\";x;válido\r\n2;123.456.789-09;\"a;b\";válido\n3;1;y;inválido\n",
       1,
       "a coluna reescrita no lugar, aspas e o resto da linha mantidos"},
      {{"valida", "cpf", "--coluna", "2", "--separador", ".", "--formata"},
       "1.12345678909.x\n",
       "1.\"123.456.789-09\".x.válido\n",
       0,
       "valor com o separador vai entre aspas"},
      {{"valida", "cpf", "--coluna", "cpf", "--compacta", "--invalidos"},
       "nome;cpf\nAna;123.456.789-09\nZé;123.456.789-00\n",
       "nome;cpf\nZé;12345678900\n",
       1,
       "csv, só os inválidos, compactos"},
      {{"valida", "cpf", "--formata", "--compacta"},
       "",
       "",
       2,
       "as duas formas não se combinam",
       "--formata e --compacta não se combinam"},
  });
}

TEST(Limpeza, NamesTheReasonOfEachRefusal) {
  CheckRows({
      {{"valida", "cic", "--motivo", "123.456.789-09", "123", "123.456.789-00"},
       "",
       "123.456.789-09\tválido\t\n123\tinválido\ttamanho\n"
       "123.456.789-00\tinválido\tdígito verificador\n",
       1,
       "cpf: válido com motivo vazio, tamanho, dígito verificador"},
      {{"valida", "cartao", "--motivo", "4111.1111.1111.111", "4111.1111.1111.1112"},
       "",
       "4111.1111.1111.111\tinválido\ttamanho\n4111.1111.1111.1112\tinválido\tdígito verificador\n",
       1,
       "cartão"},
      {{"valida", "data", "--motivo", "31/02/2026", "ontem", "2026-02-28"},
       "",
       "31/02/2026\tinválido\tdata inexistente\nontem\tinválido\tformato\n"
       "2026-02-28\tinválido\tformato\n",
       1,
       "data inexistente e data ilegível"},
      {{"valida", "email", "--motivo", "--invalidos"},
       "ab.com\r\na@b\n",
       "ab.com\tformato\r\n",
       1,
       "só os inválidos, com o motivo antes do fim de linha"},
      {{"valida", "cep", "--motivo"},
       "12.345-67\n\xff\n",
       "12.345-67\tinválido\ttamanho\n\xff\tinválido\tcodificação\n",
       3,
       "cep curto e texto que não é UTF-8",
       "linha 2: o texto não é UTF-8"},
      {{"valida", "cpf", "--coluna", "CPF", "--motivo"},
       "cod;CPF\r\n1;123.456.789-09\r\n2;123\r\n3\r\n",
       "cod;CPF;validação;motivo\r\n1;123.456.789-09;válido;\r\n2;123;inválido;tamanho\r\n"
       "3;inválido;coluna ausente\r\n",
       3,
       "csv: cabeçalho, válido, tamanho, coluna ausente",
       "linha 4: a linha tem 1 campo e falta a coluna 2"},
      {{"valida", "cpf", "--coluna", "CPF", "--motivo", "--invalidos"},
       "cod;CPF\n1;123.456.789-09\n2;123\n",
       "cod;CPF;motivo\n2;123;tamanho\n",
       1,
       "csv, só os inválidos com o motivo"},
      {{"valida", "cpf", "--coluna", "2", "--separador", " ", "--motivo", "--invalidos"},
       "1 12345678900\n",
       "1 12345678900 \"dígito verificador\"\n",
       1,
       "motivo com o separador vai entre aspas"},
      {{"valida", "cpf", "--coluna", "2", "--motivo", "--contagem"},
       "a;1\nb;123.456.789-00\nc;2\nd\ne;123.456.789-09\nf;\"1\n",
       "válidos: 1\tinválidos: 5\ntamanho: 2\ndígito verificador: 1\ncoluna ausente: 1\n"
       "aspas abertas: 1\n",
       3,
       "contagem por motivo, na ordem da ajuda",
       "linha 6: aspas abertas e não fechadas"},
  });
}

TEST(Limpeza, StrictModeRefusesWhatNoCleanFileHolds) {
  struct StrictRow {
    std::string tipo, valor, motivo;  // motivo: empty when the value passes
  } rows[] = {
      {"cpf", "", "vazio"},
      {"cpf", "000.000.000-00", "dígitos repetidos"},
      {"cpf", "111.111.111-11", "dígitos repetidos"},
      {"cpf", "123.456.789-09", ""},
      {"cnpj", "00.000.000/0000-00", "dígitos repetidos"},
      {"cnpj", "12.345.678/0001-95", ""},
      {"pis", "000.00000.00.0", "dígitos repetidos"},
      {"pis", "100.00000.00.8", ""},
      {"cep", "abcdefghij", "tamanho"},
      {"cep", "12.345-6789", "tamanho"},
      {"cep", "01310-100", ""},
      {"email", "fulano@", "formato"},
      {"email", "fulano@empresa", "formato"},
      {"email", "@empresa.com", "formato"},
      {"email", "ana@@empresa.com", "formato"},
      {"email", "ana maria@empresa.com", "formato"},
      {"email", "ana@empresa.com\xC2\xA0", "formato"},
      {"email", "ana@empresa..com", "formato"},
      {"email", "ana@empresa.com.br", ""},
      {"cartao", "0000.0000.0000.0000", "emissor"},
      {"cartao", "1234.5678.1234.5670", "emissor"},
      {"cartao", "3714.4963.5398.4314", "emissor"},
      {"cartao", "7000.0000.0000.0005", "emissor"},
      {"cartao", "4111.1111.1111.1111", ""},
      {"cartao", "5555.5555.5555.4444", ""},
      {"cartao", "2221.0000.0000.0009", ""},
      {"cartao", "6011.1111.1111.1117", ""},
      {"cartao", "3622.2222.2222.2228", ""},
      {"data", "", "vazio"},
      {"data", "31/12/2026", ""},
  };
  for (const auto& r : rows) {
    const Result box = RunTool({"valida", r.tipo, "--motivo", "--", r.valor});
    EXPECT_EQ(r.valor + "\tválido\t\n", box.out)
        << r.tipo << " " << r.valor << ": the box's verdict";
    const Result strict = RunTool({"valida", r.tipo, "--motivo", "--estrito", "--", r.valor});
    const std::string verdict = r.motivo.empty() ? "válido" : "inválido";
    EXPECT_EQ(r.valor + "\t" + verdict + "\t" + r.motivo + "\n", strict.out)
        << r.tipo << " " << r.valor;
    EXPECT_EQ(r.motivo.empty() ? 0 : 1, strict.status) << r.tipo << " " << r.valor;
  }
}

// A row of `size` bytes in quotes, with line breaks inside.
std::string QuotedRow(std::size_t size) {
  std::string row = "x;\"";
  while (row.size() < size) row += "rua das flores\n";
  return row + "\";1\n";
}

TEST(CsvEdges, ReadsWhatUsersFilesHold) {
  CheckRows({
      {{"valida", "cpf", "--coluna", "2"},
       "\xEF\xBB\xBF\"Silva; Ana\";123.456.789-09\n\"Zé\nda Silva\";1\n",
       "\xEF\xBB\xBF\"Silva; Ana\";123.456.789-09;válido\n\"Zé\nda Silva\";1;inválido\n",
       1,
       "marca de ordem de bytes antes de um campo entre aspas"},
      {{"valida", "cpf", "--invalidos"},
       "123.456.789-09\r\n1\r\n2\n",
       "1\r\n2\n",
       1,
       "linhas inválidas sem mudança, CRLF incluído"},
      {{"valida", "cpf", "--coluna", "2"},
       "a;123.456.789-09\r\nb;\"1\r\n\r\nc;2\r\n",
       "a;123.456.789-09;válido\r\nb;\"1\r\n\r\nc;2\r\n",
       3,
       "aspas não fechadas: o registro sai como foi lido",
       "linha 2: aspas abertas e não fechadas"},
      {{"valida", "cpf", "--coluna", "2", "--invalidos"},
       "a;1\nb;\"1",
       "a;1\nb;\"1",
       3,
       "aspas não fechadas sem fim de linha",
       "linha 2: aspas abertas e não fechadas"},
      {{"valida", "cpf", "--coluna", "1", "--contagem", "/proc/self/cmdline"},
       "",
       "válidos: 0\tinválidos: 1\n",
       3,
       "arquivo do núcleo que se diz vazio e não é",
       "linha 1: o texto tem um byte nulo"},
  });
  for (const std::string coluna : {"-1", "0", "-0", "+0"}) {
    const Result result = RunTool({"valida", "cpf", "--coluna", coluna});
    EXPECT_EQ(2, result.status) << coluna;
    EXPECT_NE(std::string::npos, result.err.find("coluna inválida: " + coluna)) << result.err;
  }
}

TEST(CsvEdges, SkipsALongQuotedRowUpToItsRealEnd) {
  const std::string path =
      TempFile("longa.csv", QuotedRow(9 << 20) + "y;123.456.789-09\nz;123.456.789-00\n");
  for (const std::vector<std::string>& env :
       {std::vector<std::string>{"VUMOCAIXA_THREADS=1"},
        std::vector<std::string>{"VUMOCAIXA_THREADS=3", "VUMOCAIXA_CHUNK=65536"}}) {
    const Result all = RunToolOnFile({"valida", "cpf", "--coluna", "2"}, path, env);
    EXPECT_EQ("y;123.456.789-09;válido\nz;123.456.789-00;inválido\n", all.out) << env.front();
    EXPECT_EQ(3, all.status);
    EXPECT_EQ("vumocaixa: linha 1: mais de 8 MiB sem fim de linha; ignorada\n", all.err);
    const Result bad = RunToolOnFile({"valida", "cpf", "--coluna", "2", "--invalidos"}, path, env);
    EXPECT_EQ("z;123.456.789-00\n", bad.out) << env.front();
  }
}

}  // namespace
