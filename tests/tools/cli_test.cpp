// The installed vumocaixa command, run as a separate process with its arguments,
// standard input, standard output, standard error and exit status.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "executa.hpp"

namespace {

using namespace vumocaixa::testing;

TEST(ValidaCommand, ChecksEachValue) {
  CheckRows({
      {{"valida", "cic", "123.456.789-09"}, "", "123.456.789-09\tválido\n", 0, "cpf válido"},
      {{"valida", "cic", "123.456.789-09", "123.456.789-00", ""},
       "",
       "123.456.789-09\tválido\n123.456.789-00\tinválido\n\tválido\n",
       1,
       "um inválido entre válidos"},
      {{"valida", "cnpj", "12.345.678/0001-95", "12.345.678/0001-59"},
       "",
       "12.345.678/0001-95\tválido\n12.345.678/0001-59\tinválido\n",
       1,
       "cnpj"},
      {{"valida", "pis", "100.00000.00.8"}, "", "100.00000.00.8\tválido\n", 0, "pis"},
      {{"valida", "cartao", "1234.5678.1234.5670", "4111.1111.1111.111"},
       "",
       "1234.5678.1234.5670\tválido\n4111.1111.1111.111\tinválido\n",
       1,
       "cartão"},
      {{"valida", "cep", "12.345-67", "12.345-678", "abcdefghij", "ç.ççç-çççç"},
       "",
       "12.345-67\tinválido\n12.345-678\tválido\nabcdefghij\tválido\nç.ççç-çççç\tválido\n",
       1,
       "cep conta caracteres"},
      {{"valida", "cep", "01310-100", "01310100", "0131010", "013101000"},
       "",
       "01310-100\tválido\n01310100\tválido\n0131010\tinválido\n013101000\tinválido\n",
       1,
       "cep do correio posto na máscara"},
      {{"valida", "email", "a@", "ab.com"}, "", "a@\tválido\nab.com\tinválido\n", 1, "email"},
      {{"valida", "data", "31/12/2026", "31/02/2026", ""},
       "",
       "31/12/2026\tválido\n31/02/2026\tinválido\n\tválido\n",
       1,
       "data"},
      {{"valida", "cic", "--", "-1"}, "", "-1\tinválido\n", 1, "valor depois de --"},
      {{"valida", "cpf", "123.456.789-09"}, "", "123.456.789-09\tválido\n", 0, "cpf é cic"},
      {{"valida", "cic", "--invalidos", "123.456.789-09", "1", ""},
       "",
       "1\n",
       1,
       "só os inválidos"},
      {{"valida", "cic", "--invalidos"}, "123.456.789-09\r\n", "", 0, "nenhum inválido"},
      {{"valida", "cic", "--contagem"},
       "123.456.789-09\n1\n\n",
       "válidos: 2\tinválidos: 1\n",
       1,
       "contagem"},
  });
}

TEST(ValidaCommand, ChecksAColumnOfCsvRows) {
  const std::string file = TempFile("clientes.csv", "cpf;nome\n123.456.789-00;Ana\n");
  const std::string bom_file = TempFile("bom.csv",
                                        "\xEF\xBB\xBF"
                                        "a;1\n");
  const std::string accented = TempFile("clientes São Paulo.csv", "cpf\r\n123.456.789-09\r\n");
  const std::string header = "cod;nome;CPF\r\n";
  const std::string rows = "1;\"Silva; Ana\";123.456.789-09\r\n2;Zé;123.456.789-00\r\n";
  CheckRows({
      {{"valida", "cic", "--coluna", "CPF"},
       header + rows,
       "cod;nome;CPF;validação\r\n1;\"Silva; Ana\";123.456.789-09;válido\r\n"
       "2;Zé;123.456.789-00;inválido\r\n",
       1,
       "coluna pelo nome, crlf e aspas mantidos"},
      {{"valida", "cic", "--coluna=cpf", "--invalidos"},
       header + rows,
       "cod;nome;CPF\r\n2;Zé;123.456.789-00\r\n",
       1,
       "nome sem caixa, só os inválidos"},
      {{"valida", "cic", "--coluna", "3", "--contagem"},
       rows,
       "válidos: 1\tinválidos: 1\n",
       1,
       "coluna pelo número, sem cabeçalho"},
      {{"valida", "cic", "--coluna", "3", "--cabecalho", "--contagem"},
       header + rows,
       "válidos: 1\tinválidos: 1\n",
       1,
       "número com cabeçalho"},
      {{"valida", "cic", "--coluna", "2", "--separador", ","},
       "a,\"1\"\"2\",x\n",
       "a,\"1\"\"2\",x,inválido\n",
       1,
       "vírgula e aspas dobradas"},
      {{"valida", "email", "--coluna", "2", "--separador", "tab"},
       "x\ta@b\n",
       "x\ta@b\tválido\n",
       0,
       "tabulação"},
      {{"valida", "cic", "--coluna", "2"},
       "\"rua\nnova\";123.456.789-09\n\nx;\n",
       "\"rua\nnova\";123.456.789-09;válido\nx;;válido\n",
       0,
       "campo de duas linhas, linha em branco pulada, campo vazio"},
      {{"valida", "cic", "--coluna", "cpf"},
       "\xEF\xBB\xBF"
       "cpf\n1\n",
       "\xEF\xBB\xBF"
       "cpf;validação\n1;inválido\n",
       1,
       "marca de ordem de bytes"},
      {{"valida", "cic", "--coluna", "2", "--", bom_file, bom_file},
       "",
       "\xEF\xBB\xBF"
       "a;1;inválido\na;1;inválido\n",
       1,
       "marca de ordem de bytes de dois arquivos, só no início da saída"},
      {{"valida", "cic", "--coluna", "cpf", "--", file, "-"},
       "cpf\n123.456.789-09\n",
       "cpf;nome;validação\n123.456.789-00;Ana;inválido\n123.456.789-09;válido\n",
       1,
       "arquivo e entrada padrão, um cabeçalho só"},
      {{"valida", "cic", "--coluna", "cpf", accented},
       "",
       "cpf;validação\r\n123.456.789-09;válido\r\n",
       0,
       "nome com acento e espaço"},
  });
}

// Input that is not what it should be is reported with its line number, the run goes
// on where it can, and the status is 3; memory stays bounded.
TEST(ValidaCommand, ReportsBadInput) {
  std::string thirteen_bad_lines;
  for (int i = 0; i < 13; ++i) thirteen_bad_lines += "\xff\n";
  CheckRows({
      {{"valida", "cep"},
       "\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\n",
       "\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\tinválido\n",
       3,
       "cep de bytes inválidos",
       "linha 1: o texto não é UTF-8"},
      {{"valida", "cic"},
       "1\n123.456.789-09\xed\xa0\x80\n",
       "1\tinválido\n123.456.789-09\xed\xa0\x80\tinválido\n",
       3,
       "substituto codificado",
       "linha 2: o texto não é UTF-8"},
      {{"valida", "cic"},
       Bytes("123.456.789-09\0\n"),
       Bytes("123.456.789-09\0\tinválido\n"),
       3,
       "byte nulo",
       "linha 1: o texto tem um byte nulo"},
      {{"valida", "cic", "--coluna", "2"},
       "a;123.456.789-09\nb;\"1\n\nc;2\n",
       "a;123.456.789-09;válido\nb;\"1\n\nc;2\n",
       3,
       "aspas não fechadas",
       "linha 2: aspas abertas e não fechadas"},
      {{"valida", "cic", "--coluna", "2"},
       "a;1\nb\nc;123.456.789-09\n",
       "a;1;inválido\nb;inválido\nc;123.456.789-09;válido\n",
       3,
       "registro curto",
       "linha 2: a linha tem 1 campo e falta a coluna 2"},
      {{"valida", "cic", "--coluna", "1", "--invalidos"},
       "Jo\xe3o;1\n123.456.789-09;S\xe3o\n",
       "Jo\xe3o;1\n",
       3,
       "csv em latin-1",
       "linha 2: o texto não é UTF-8"},
      {{"valida", "cic", "--coluna", "1"},
       Bytes("1\0;2\n"),
       Bytes("1\0;2;inválido\n"),
       3,
       "csv com byte nulo",
       "linha 1: o texto tem um byte nulo"},
      {{"valida", "cic", "--coluna", "cpf"},
       "",
       "",
       3,
       "arquivo vazio",
       "linha 1: a entrada está vazia: falta o cabeçalho"},
      {{"valida", "cic", "--coluna", "1"}, "", "", 0, "arquivo vazio sem cabeçalho"},
      {{"valida", "cic", "--coluna", "cpf"},
       "nome;CNPJ\n1;2\n",
       "",
       3,
       "cabeçalho sem a coluna",
       "linha 1: o cabeçalho não tem a coluna 'cpf' (colunas: nome, CNPJ)"},
      {{"valida", "cic", "--coluna", "cpf", "/não/existe.csv"},
       "",
       "",
       3,
       "arquivo que não há",
       "não foi possível abrir '/não/existe.csv': No such file or directory"},
      {{"valida", "cic", "--coluna", "1", "/"}, "", "", 3, "pasta", "'/' é uma pasta"},
      {{"valida", "email", "--contagem"},
       thirteen_bad_lines,
       "válidos: 0\tinválidos: 13\n",
       3,
       "avisos além dos dez primeiros",
       "vumocaixa: 13 problemas na entrada; só os 10 primeiros foram mostrados."},
  });
}

// Windows hands the arguments over as UTF-16, which holds no stray byte.
#if !defined(_WIN32)
TEST(ValidaCommand, ReportsAnArgumentThatIsNotUtf8) {
  CheckRows({
      {{"valida", "email", "x", "a\xc3@"},
       "",
       "x\tinválido\na\xc3@\tinválido\n",
       3,
       "email com byte solto",
       "valor 2: o texto não é UTF-8"},
      // Long ASCII runs before, between and after the bytes of other characters.
      {{"valida", "email", "maria.jose@empresa.com.br\xef\xbf\xbd", "jos\xc3\xa9@exemplo.com",
        "contato.exemplo@\xf0\x9f\x98\x80.com.br", "contato.exemplo@abc\xc3",
        "abcdefgh\xc0\x80@x.com", "abcdefghij@\xf4\x90\x80\x80", "abcdefgh@\xe0\x80\xafx.com.br"},
       "",
       "maria.jose@empresa.com.br\xef\xbf\xbd\tválido\njos\xc3\xa9@exemplo.com\tválido\n"
       "contato.exemplo@\xf0\x9f\x98\x80.com.br\tválido\ncontato.exemplo@abc\xc3\tinválido\n"
       "abcdefgh\xc0\x80@x.com\tinválido\nabcdefghij@\xf4\x90\x80\x80\tinválido\n"
       "abcdefgh@\xe0\x80\xafx.com.br\tinválido\n",
       3,
       "sequências de UTF-8 entre trechos ASCII",
       "valor 7: o texto não é UTF-8"},
  });
}
#endif

TEST(Streaming, ReadsOneValuePerLine) {
  CheckRows({
      {{"valida", "cic"},
       "123.456.789-09\r\n123.456.789-00\n\n111.111.111-11",
       "123.456.789-09\tválido\n123.456.789-00\tinválido\n\tválido\n111.111.111-11\tválido\n",
       1,
       "crlf, linha vazia e última sem fim de linha"},
      {{"valida", "cic"}, "", "", 0, "entrada vazia"},
      {{"palavras"}, "abc\r\r\n", "Abc\r\n", 0, "só um \\r é tirado"},
      {{"palavras"},
       "rua das flores\nJOSÉ DA SILVA\n",
       "Rua das Flores\nJosé da Silva\n",
       0,
       "palavras"},
  });
}

// Writes copies of two masked numbers, one valid and one not, to a file.
std::string NumbersFile(std::string_view name, int thousands) {
  const std::string path = TempPath(name);
  std::string block;
  for (int i = 0; i < 1000; ++i) block += "123.456.789-09\n987.654.321-01\n";
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < thousands; ++i) out << block;
  return path;
}

TEST(Streaming, KeepsMemoryConstantOverLargeInput) {
  // The inputs go to files first: a spawned child starts out sharing this process's
  // memory, which would count in its peak.
  const Result small = RunToolOnFile({"valida", "cic"}, NumbersFile("small", 10));
  const Result large = RunToolOnFile({"valida", "cic"}, NumbersFile("large", 1000));
  // Well below the 30 MB read or the 44 MB written, with room for what the sanitizer
  // build keeps of freed buffers.
  EXPECT_LT(large.peak_kb, small.peak_kb + 16 * 1024)
      << "30 MB in: " << large.peak_kb << " kB, 300 kB in: " << small.peak_kb << " kB";
  EXPECT_EQ(1, large.status);
  EXPECT_EQ(2000000, std::count(large.out.begin(), large.out.end(), '\n'));
  EXPECT_EQ("123.456.789-09\tválido\n987.654.321-01\tinválido\n", large.out.substr(0, 48));
}

TEST(Streaming, SkipsALineBeyondTheLimitInBoundedMemory) {
  const std::string path = TempPath("long");
  {
    std::ofstream out(path, std::ios::binary);
    const std::string block(1 << 20, '1');
    for (int i = 0; i < 40; ++i) out << block;
    out << "\n123.456.789-09\n";
  }
  const Result small = RunToolOnFile({"valida", "cic"}, NumbersFile("small", 10));
  const Result result = RunToolOnFile({"valida", "cic", "--contagem"}, path);
  EXPECT_EQ(3, result.status);
  EXPECT_EQ("válidos: 1\tinválidos: 1\n", result.out);
  EXPECT_EQ("vumocaixa: linha 1: mais de 8 MiB sem fim de linha; ignorada\n", result.err);
  // Well below the 40 MiB of the line, with room for what the sanitizer build keeps of
  // freed buffers.
  EXPECT_LT(result.peak_kb, small.peak_kb + 24 * 1024)
      << "40 MiB line: " << result.peak_kb << " kB";
}

#if !defined(_WIN32)
TEST(Streaming, SaysOnceThatItWaitsForATerminal) {
  // A terminal whose user has typed one value and then Ctrl+D.
  const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(0, ::grantpt(terminal));
  ASSERT_EQ(0, ::unlockpt(terminal));
  const std::string keyboard = ::ptsname(terminal);
  const int held = ::open(keyboard.c_str(), O_RDWR | O_NOCTTY);
  const std::string typed = "123.456.789-09\n\x04";
  ASSERT_EQ(static_cast<ssize_t>(typed.size()), ::write(terminal, typed.data(), typed.size()));
  const Result result = RunToolOnFile({"valida", "cpf"}, keyboard);
  ::close(held);
  ::close(terminal);
  EXPECT_EQ(0, result.status);
  EXPECT_EQ("123.456.789-09\tválido\n", result.out);
  EXPECT_EQ("vumocaixa: lendo da entrada padrão; Ctrl+D termina\n", result.err);
}
#endif

TEST(Streaming, ReadsALineLongerThanItsBuffer) {
  const std::string line(3 << 20, '1');
  const Result result = RunTool({"mascara", "cep"}, line + "\n");
  EXPECT_EQ(0, result.status);
  EXPECT_EQ(line.size() + 2 + 1, result.out.size());
  EXPECT_EQ("11.111-111111", result.out.substr(0, 13));
}

TEST(MascaraCommand, MasksTheDigits) {
  CheckRows({
      {{"mascara", "cic", "12345678909", "123"}, "", "123.456.789-09\n123.\n", 0, "cic"},
      {{"mascara", "cnpj", "12 345 678 0001 95"}, "", "12.345.678/0001-95\n", 0, "cnpj"},
      {{"mascara", "pis", "10000000008"}, "", "100.00000.00.8\n", 0, "pis"},
      {{"mascara", "cartao", "1234567812345670"}, "", "1234.5678.1234.5670\n", 0, "cartão"},
      {{"mascara", "cep", "01310100"}, "", "01.310-100\n", 0, "cep"},
      {{"mascara", "data", "31122026", "3112"}, "", "31/12/2026\n31/12/\n", 0, "data"},
      {{"mascara", "cic", "", "abc", "123456789012"},
       "",
       "\n\n123.456.789-012\n",
       0,
       "vazio, sem dígitos, dígito a mais"},
      {{"mascara", "cic"},
       "1\xff"
       "2\n",
       "12\n",
       0,
       "bytes inválidos somem com as letras"},
  });
}

TEST(ExtensoCommand, WritesAmountsInWords) {
  CheckRows({
      {{"extenso", "1234,56"},
       "",
       "Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos\n",
       0,
       "quantia"},
      {{"extenso", "0,01", "1000000"},
       "",
       "Um Centavo\nUm Milhão de  Reais\n",
       0,
       "centavo e milhão"},
      {{"extenso", "-5", "abc", "", "0", "0,0049"}, "", "\n\n\n\n\n", 1, "sem palavras"},
      {{"extenso", "0,005", "922.337.203.685.477,5807"},
       "",
       "Um Centavo\nNovecentos e Vinte e Dois Trilhões, Trezentos e Trinta e Sete Bilhões, "
       "Duzentos e Tres Milhões, Seiscentos e Oitenta e Cinco Mil, Quatrocentos e Setenta e "
       "Sete Reais e Cinquenta e Oito Centavos\n",
       0,
       "meio centavo e o limite"},
      {{"extenso", "922.337.203.685.477,5808"}, "", "\n", 1, "além do limite"},
      {{"extenso"}, "1\n\xff\n2\n", "Um Real\n\nDois Reais\n", 1, "linha inválida fica vazia"},
      {{"extenso", "--norma", "1000", "2.500.000", "3,01"},
       "",
       "mil reais\ndois milhões e quinhentos mil reais\ntrês reais e um centavo\n",
       0,
       "norma"},
      {{"extenso", "--maiusculas", "--norma"},
       "1000000\r\n-1\n1050\n",
       "Um Milhão de Reais\n\nMil e Cinquenta Reais\n",
       1,
       "norma com maiúsculas, em linhas"},
  });
}

TEST(PalavrasCommand, CapitalisesAndNormalisesAddresses) {
  CheckRows({
      {{"palavras", "dom pedro ii"}, "", "Dom Pedro II\n", 0, "nome"},
      {{"palavras", "--endereco", "av paulista, 1.578", "paulista"},
       "",
       "Av. Paulista, 1.578\nRua Paulista\n",
       0,
       "endereço"},
      {{"palavras", "r.augusta", "--endereço"},
       "",
       "Rua Augusta\n",
       0,
       "opção depois do valor, com cedilha"},
      {{"palavras", "--", "--endereco"}, "", "--endereco\n", 0, "depois de -- é valor"},
      {{"palavras"},
       "\xff"
       "abc\n",
       "\xef\xbf\xbd"
       "abc\n",
       0,
       "byte inválido substituído"},
  });
}

TEST(Usage, ExplainsAndRefuses) {
  struct UsageRow {
    std::vector<std::string> args;
    int status;
    std::string in_out, in_err, name;
  } rows[] = {
      {{"--help"}, 0, "Uso: vumocaixa COMANDO", "", "ajuda geral"},
      {{"-h"}, 0, "dígitos repetidos, formato", "", "ajuda curta, com os motivos"},
      {{"valida", "--help"}, 0, "Uso: vumocaixa valida TIPO", "", "ajuda de valida"},
      {{"valida", "cic", "--help"}, 0, "cartao", "", "ajuda depois do tipo"},
      {{"mascara", "--help"}, 0, "99.999.999/9999-99", "", "ajuda de mascara"},
      {{"extenso", "--help"}, 0, "reais e centavos", "", "ajuda de extenso"},
      {{"palavras", "--help"}, 0, "--endereco", "", "ajuda de palavras"},
      {{"--version"}, 0, "vumocaixa ", "", "versão"},
      {{}, 2, "", "falta o comando", "sem argumentos"},
      {{"validar"}, 2, "", "comando desconhecido: 'validar'", "comando errado"},
      {{"valida"}, 2, "", "falta o TIPO", "sem tipo"},
      {{"--verbose", "valida"}, 2, "", "opção desconhecida: --verbose", "opção antes do comando"},
      {{"valida", "cic", "--coluna", "0"}, 2, "", "coluna inválida: 0", "coluna zero"},
      {{"valida", "cic", "--coluna"}, 2, "", "falta o valor da opção --coluna", "coluna sem valor"},
      {{"valida", "cic", "--separador", ";;", "--coluna", "1"},
       2,
       "",
       "separador inválido",
       "separador de dois caracteres"},
      {{"valida", "cic", "--cabecalho"}, 2, "", "só valem com --coluna", "cabeçalho sem coluna"},
      {{"valida", "cic", "--invalidos", "--contagem"},
       2,
       "",
       "não se combinam",
       "inválidos e contagem"},
      {{"extenso", "--help"}, 0, "922.337.203.685.477,5807", "", "limite do extenso"},
      {{"mascara", "email", "a"},
       2,
       "",
       "tipo desconhecido para mascara: 'email'",
       "tipo só de valida"},
      {{"extenso", "--centavos", "1"}, 2, "", "opção desconhecida: --centavos", "opção errada"},
      {{"valida", "cic", "--endereco"}, 2, "", "opção desconhecida", "opção de outro comando"},
      {{"extenso", "--maiusculas", "1"},
       2,
       "",
       "--maiusculas só vale com --norma",
       "maiúsculas sem norma"},
      {{"palavras", "--norma", "a"}, 2, "", "opção desconhecida", "norma fora de extenso"},
  };
  for (const auto& r : rows) {
    const Result result = RunTool(r.args);
    EXPECT_EQ(r.status, result.status) << r.name;
    EXPECT_NE(std::string::npos, result.out.find(r.in_out)) << r.name << "\n" << result.out;
    EXPECT_NE(std::string::npos, result.err.find(r.in_err)) << r.name << "\n" << result.err;
    if (r.status == 2) {
      EXPECT_EQ("", result.out) << r.name;
      EXPECT_NE(std::string::npos, result.err.find("--help' para ver a ajuda")) << r.name;
    }
  }
}

TEST(CnpjAlfanumerico, ChecksAndMasksLettersOnlyWithTheOption) {
  CheckRows({
      {{"valida", "cnpj", "--alfanumerico", "12.ABC.345/01DE-35", "12.ABC.345/01DE-45"},
       "",
       "12.ABC.345/01DE-35\tválido\n12.ABC.345/01DE-45\tinválido\n",
       1,
       "válido e o da leitura A=10"},
      {{"valida", "cnpj", "--alfanumerico"},
       "12abc34501de35\n12.345.678/0001-95\n\n12ABC34501DEA5\n",
       "12abc34501de35\tválido\n12.345.678/0001-95\tválido\n\tválido\n"
       "12ABC34501DEA5\tinválido\n",
       1,
       "minúsculas, número antigo, vazio, letra no verificador"},
      {{"valida", "cnpj", "12.ABC.345/01DE-35"},
       "",
       "12.ABC.345/01DE-35\tinválido\n",
       1,
       "sem a opção, letras não contam"},
      {{"mascara", "--alfanumerico", "cnpj", "12abc34501de35", "12ABC"},
       "",
       "12.ABC.345/01DE-35\n12.ABC.\n",
       0,
       "opção antes do tipo"},
      {{"mascara", "cnpj", "12abc34501de35"},
       "",
       "12.345.013/5\n",
       0,
       "sem a opção, só os dígitos"},
  });
}

TEST(CnpjAlfanumerico, OptionIsRefusedWhereItMeansNothing) {
  const struct {
    std::vector<std::string> args;
    std::string in_err, name;
  } rows[] = {
      {{"valida", "cic", "--alfanumerico", "1"}, "só vale para o tipo cnpj", "outro tipo"},
      {{"mascara", "cep", "--alfanumerico", "1"}, "só vale para o tipo cnpj", "outro tipo"},
      {{"extenso", "--alfanumerico", "1"}, "opção desconhecida", "outro comando"},
      {{"palavras", "--alfanumerico", "a"}, "opção desconhecida", "outro comando"},
  };
  for (const auto& r : rows) {
    const Result result = RunTool(r.args);
    EXPECT_EQ(2, result.status) << r.name;
    EXPECT_EQ("", result.out) << r.name;
    EXPECT_NE(std::string::npos, result.err.find(r.in_err)) << r.name << "\n" << result.err;
  }
}

}  // namespace
