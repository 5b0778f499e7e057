#pragma once
// Running the installed vumocaixa command as a separate process: its arguments,
// standard input, environment, standard output, standard error and exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "processo.hpp"

namespace vumocaixa::testing {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
  long peak_kb = 0;  // the child's largest resident set

  bool operator==(const Result& other) const {
    return status == other.status && out == other.out && err == other.err;
  }
};

// A path given in UTF-8, whatever the system's code page.
inline std::filesystem::path Caminho(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(Caminho(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The files a test process made, removed when it ends so that runs leave no input or
// output behind (some are tens of megabytes).
class ArquivosDoTeste {
 public:
  void Anota(const std::string& path) { paths_.insert(path); }
  ~ArquivosDoTeste() {
    for (const auto& path : paths_) {
      std::error_code ignored;
      std::filesystem::remove(Caminho(path), ignored);
    }
  }

 private:
  std::set<std::string> paths_;
};

inline std::string TempPath(std::string_view name) {
  static ArquivosDoTeste arquivos;
  std::string path = ::testing::TempDir() + "vumocaixa_cli_" + std::to_string(IdDoProcesso()) +
                     "_" + std::string(name);
  arquivos.Anota(path);
  return path;
}

// Writes text to a file of its own and gives its path.
inline std::string TempFile(std::string_view name, std::string_view text) {
  const std::string path = TempPath(name);
  std::ofstream(Caminho(path), std::ios::binary) << text;
  return path;
}

// Runs the installed tool with args, its standard input read from in_path (a regular
// file), with the variables of `env` ("NAME=value") added to its environment.
inline Result RunToolOnFile(const std::vector<std::string>& args, const std::string& in_path,
                            const std::vector<std::string>& env = {}) {
  const Fluxos fluxos{in_path, TempPath("out"), TempPath("err")};
  std::vector<std::string> all{VUMOCAIXA_INSTALLED_CLI};
  all.insert(all.end(), args.begin(), args.end());
  const Saida saida = Executa(all, fluxos, env);
  return {saida.status, ReadFile(fluxos.saida), ReadFile(fluxos.erro), saida.peak_kb};
}

// Runs the installed tool with args, feeding input to its standard input.
inline Result RunTool(const std::vector<std::string>& args, const std::string& input = "",
                      const std::vector<std::string>& env = {}) {
  return RunToolOnFile(args, TempFile("in", input), env);
}

struct Row {
  std::vector<std::string> args;
  std::string input;
  std::string expected_out;
  int expected_status;
  std::string name;
  std::string in_err = {};  // a part of standard error
};

// The bytes of a literal, NULs included.
template <std::size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

inline void CheckRows(const std::vector<Row>& rows) {
  for (const auto& r : rows) {
    const Result result = RunTool(r.args, r.input);
    EXPECT_EQ(r.expected_out, result.out) << r.name;
    EXPECT_EQ(r.expected_status, result.status) << r.name << "\n" << result.err;
    EXPECT_NE(std::string::npos, result.err.find(r.in_err)) << r.name << "\n" << result.err;
  }
}

}  // namespace vumocaixa::testing
