// The installed vumocaixa command, run as a separate process with its arguments,
// standard input, standard output, standard error and exit status.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
  long peak_kb = 0;  // the child's largest resident set
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string TempPath(std::string_view name) {
  return ::testing::TempDir() + "vumocaixa_cli_" + std::to_string(::getpid()) + "_" +
         std::string(name);
}

// Runs the installed tool with args, its standard input read from in_path.
Result RunToolOnFile(const std::vector<std::string>& args, const std::string& in_path) {
  const std::string out_path = TempPath("out"), err_path = TempPath("err");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  std::vector<std::string> all{VUMOCAIXA_INSTALLED_CLI};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  Result result;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    result.peak_kb = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = ReadFile(out_path);
  result.err = ReadFile(err_path);
  return result;
}

// Runs the installed tool with args, feeding input to its standard input.
Result RunTool(const std::vector<std::string>& args, const std::string& input = "") {
  const std::string in_path = TempPath("in");
  std::ofstream(in_path, std::ios::binary) << input;
  return RunToolOnFile(args, in_path);
}

struct Row {
  std::vector<std::string> args;
  std::string input;
  std::string expected_out;
  int expected_status;
  std::string name;
};

void CheckRows(const std::vector<Row>& rows) {
  for (const auto& r : rows) {
    const Result result = RunTool(r.args, r.input);
    EXPECT_EQ(r.expected_out, result.out) << r.name;
    EXPECT_EQ(r.expected_status, result.status) << r.name << "\n" << result.err;
  }
}

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
      {{"valida", "email", "a@", "ab.com"}, "", "a@\tválido\nab.com\tinválido\n", 1, "email"},
      {{"valida", "data", "31/12/2026", "31/02/2026", ""},
       "",
       "31/12/2026\tválido\n31/02/2026\tinválido\n\tválido\n",
       1,
       "data"},
      {{"valida", "cic", "--", "-1"}, "", "-1\tinválido\n", 1, "valor depois de --"},
  });
}

TEST(ValidaCommand, RefusesTextThatIsNotUtf8) {
  CheckRows({
      {{"valida", "cep"}, "\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\n",
       "\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\tinválido\n", 1, "cep de bytes inválidos"},
      {{"valida", "email"}, "a\xc3@\n", "a\xc3@\tinválido\n", 1, "email com byte solto"},
      {{"valida", "cic"}, "123.456.789-09\xed\xa0\x80\n", "123.456.789-09\xed\xa0\x80\tinválido\n",
       1, "substituto codificado"},
  });
}

TEST(Streaming, ReadsOneValuePerLine) {
  CheckRows({
      {{"valida", "cic"}, "123.456.789-09\r\n123.456.789-00\n\n111.111.111-11",
       "123.456.789-09\tválido\n123.456.789-00\tinválido\n\tválido\n111.111.111-11\tválido\n",
       1, "crlf, linha vazia e última sem fim de linha"},
      {{"valida", "cic"}, "", "", 0, "entrada vazia"},
      {{"palavras"}, "abc\r\r\n", "Abc\r\n", 0, "só um \\r é tirado"},
      {{"palavras"}, "rua das flores\nJOSÉ DA SILVA\n", "Rua das Flores\nJosé da Silva\n", 0,
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
  EXPECT_LT(large.peak_kb, small.peak_kb + 8 * 1024)
      << "30 MB in: " << large.peak_kb << " kB, 300 kB in: " << small.peak_kb << " kB";
  EXPECT_EQ(1, large.status);
  EXPECT_EQ(2000000, std::count(large.out.begin(), large.out.end(), '\n'));
  EXPECT_EQ("123.456.789-09\tválido\n987.654.321-01\tinválido\n", large.out.substr(0, 48));
}

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
      {{"mascara", "cic", "", "abc", "123456789012"}, "", "\n\n123.456.789-012\n", 0,
       "vazio, sem dígitos, dígito a mais"},
      {{"mascara", "cic"}, "1\xff" "2\n", "12\n", 0, "bytes inválidos somem com as letras"},
  });
}

TEST(ExtensoCommand, WritesAmountsInWords) {
  CheckRows({
      {{"extenso", "1234,56"}, "",
       "Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos\n", 0, "quantia"},
      {{"extenso", "0,01", "1000000"}, "", "Um Centavo\nUm Milhão de  Reais\n", 0,
       "centavo e milhão"},
      {{"extenso", "-5", "abc", "", "0"}, "", "\n\n\n\n", 0, "sem palavras"},
      {{"extenso"}, "1\n\xff\n2\n", "Um Real\n\nDois Reais\n", 0, "linha inválida fica vazia"},
      {{"extenso", "--norma", "1000", "2.500.000", "3,01"}, "",
       "mil reais\ndois milhões e quinhentos mil reais\ntrês reais e um centavo\n", 0, "norma"},
      {{"extenso", "--maiusculas", "--norma"}, "1000000\r\n-1\n1050\n",
       "Um Milhão de Reais\n\nMil e Cinquenta Reais\n", 0, "norma com maiúsculas, em linhas"},
  });
}

TEST(PalavrasCommand, CapitalisesAndNormalisesAddresses) {
  CheckRows({
      {{"palavras", "dom pedro ii"}, "", "Dom Pedro II\n", 0, "nome"},
      {{"palavras", "--endereco", "av paulista, 1.578", "paulista"}, "",
       "Av. Paulista, 1.578\nRua Paulista\n", 0, "endereço"},
      {{"palavras", "r.augusta", "--endereço"}, "", "Rua Augusta\n", 0,
       "opção depois do valor, com cedilha"},
      {{"palavras", "--", "--endereco"}, "", "--endereco\n", 0, "depois de -- é valor"},
      {{"palavras"}, "\xff" "abc\n", "\xef\xbf\xbd" "abc\n", 0, "byte inválido substituído"},
  });
}

TEST(Usage, ExplainsAndRefuses) {
  struct UsageRow {
    std::vector<std::string> args;
    int status;
    std::string in_out, in_err, name;
  } rows[] = {
      {{"--help"}, 0, "Uso: vumocaixa COMANDO", "", "ajuda geral"},
      {{"-h"}, 0, "Situação de saída", "", "ajuda curta"},
      {{"valida", "--help"}, 0, "Uso: vumocaixa valida TIPO", "", "ajuda de valida"},
      {{"valida", "cic", "--help"}, 0, "cartao", "", "ajuda depois do tipo"},
      {{"mascara", "--help"}, 0, "99.999.999/9999-99", "", "ajuda de mascara"},
      {{"extenso", "--help"}, 0, "reais e centavos", "", "ajuda de extenso"},
      {{"palavras", "--help"}, 0, "--endereco", "", "ajuda de palavras"},
      {{"--version"}, 0, "vumocaixa ", "", "versão"},
      {{}, 2, "", "falta o comando", "sem argumentos"},
      {{"validar"}, 2, "", "comando desconhecido: 'validar'", "comando errado"},
      {{"valida"}, 2, "", "falta o TIPO", "sem tipo"},
      {{"valida", "cpf", "1"}, 2, "", "Para CPF, use cic", "tipo cpf"},
      {{"mascara", "email", "a"}, 2, "", "tipo desconhecido para mascara: 'email'",
       "tipo só de valida"},
      {{"extenso", "--centavos", "1"}, 2, "", "opção desconhecida: '--centavos'",
       "opção errada"},
      {{"valida", "cic", "--endereco"}, 2, "", "opção desconhecida", "opção de outro comando"},
      {{"extenso", "--maiusculas", "1"}, 2, "", "--maiusculas só vale com --norma",
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
      {{"valida", "cnpj", "12.ABC.345/01DE-35"}, "", "12.ABC.345/01DE-35\tinválido\n", 1,
       "sem a opção, letras não contam"},
      {{"mascara", "--alfanumerico", "cnpj", "12abc34501de35", "12ABC"},
       "",
       "12.ABC.345/01DE-35\n12.ABC.\n",
       0,
       "opção antes do tipo"},
      {{"mascara", "cnpj", "12abc34501de35"}, "", "12.345.013/5\n", 0,
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
