// Regular files are judged by threads in parts; pipes and one thread read one stream.
// Both must write the same bytes, report the same problems and end alike, whatever
// rows cross the parts' ends.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "executa.hpp"

namespace {

using namespace vumocaixa::testing;

class RandomRows {
 public:
  explicit RandomRows(unsigned seed) : rng_(seed) {}

  // A file of lines, or of CSV rows of up to four fields separated by ";".
  std::string File(bool csv) {
    std::string file = Chance(10) ? "\xEF\xBB\xBF" : "";
    for (int rows = Between(0, 60); rows > 0; --rows) {
      file += csv ? Row() : Value();
      file += Pick({"\n", "\n", "\r\n", "\n\n"});
    }
    if (Chance(20) && !file.empty()) file.pop_back();  // a last line without its end
    if (csv && Chance(10)) file += "z;\"never closed\n1";
    return file;
  }

  std::vector<std::string> Args(bool csv) {
    std::vector<std::string> args{"valida", Pick({"cpf", "cep", "email", "data"})};
    if (csv) {
      args.insert(args.end(), {"--coluna", std::to_string(Between(1, 3))});
      if (Chance(30)) args.emplace_back("--cabecalho");
    }
    const std::string saida = Pick({"", "--invalidos", "--contagem"});
    if (!saida.empty()) args.push_back(saida);
    if (Chance(40)) args.emplace_back("--motivo");
    if (Chance(40)) args.emplace_back("--estrito");
    const std::string forma = Pick({"", "", "--formata", "--compacta"});
    if (!forma.empty()) args.push_back(forma);
    return args;
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution(low, high)(rng_); }
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  std::string Pick(std::initializer_list<const char*> choices) {
    return *(choices.begin() + Between(0, static_cast<int>(choices.size()) - 1));
  }

  // A CPF number, masked or not, one in five with a wrong last digit.
  std::string Cpf() {
    std::string digits;
    for (int i = 0; i < 9; ++i) digits += static_cast<char>('0' + Between(0, 9));
    for (int n = 10; n <= 11; ++n) {
      int sum = 0;
      for (int i = 0; i < n - 1; ++i) sum += (digits[i] - '0') * (n - i);
      digits += static_cast<char>('0' + (sum % 11 < 2 ? 0 : 11 - sum % 11));
    }
    if (Chance(20)) digits.back() = static_cast<char>('0' + (digits.back() - '0' + 1) % 10);
    if (Chance(50)) return digits;
    return digits.substr(0, 3) + "." + digits.substr(3, 3) + "." + digits.substr(6, 3) + "-" +
           digits.substr(9);
  }

  std::string Value() {
    if (Chance(70)) return Cpf();
    return Pick({"", "01310-100", "ana@empresa.com", "fulano@", "31/02/2026", "1/2/26", "Zé",
                 "\xff", std::string("a\0b", 3).c_str()});
  }

  std::string Row() {
    std::string row;
    for (int fields = Between(1, 4); fields > 0; --fields) {
      if (!row.empty()) row += ';';
      row += Chance(25) ? Pick({"\"Silva; Ana\"", "\"rua\nnova\"", "\"a\"\"b\"", "\"\n\n\"",
                                "Bar \"do Zé\"", "\"x\"y", "\"\r\n\""})
                        : Value();
    }
    return row;
  }

  std::mt19937 rng_;
};

TEST(Partes, ThreadsWriteWhatOneStreamWrites) {
  RandomRows random(2026);
  const std::string path = TempPath("partes");
  for (int file = 0; file < 80; ++file) {
    const bool csv = file % 2 == 0;
    const std::string input = random.File(csv);
    TempFile("partes", input);
    const std::vector<std::string> args = random.Args(csv);
    std::string described;
    for (const auto& a : args) described += a + " ";
    const Result stream = RunToolOnFile(args, path, {"VUMOCAIXA_THREADS=1"});
    for (const char* chunk : {"1", "7", "64"}) {
      const Result parts = RunToolOnFile(
          args, path, {"VUMOCAIXA_THREADS=3", std::string("VUMOCAIXA_CHUNK=") + chunk});
      EXPECT_EQ(stream, parts) << described << "in parts of " << chunk << " bytes, input:\n"
                               << input << "\nstream:\n"
                               << stream.out << stream.err << "\nparts:\n"
                               << parts.out << parts.err;
    }
  }
}

}  // namespace
