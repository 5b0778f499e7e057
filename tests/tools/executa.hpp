#pragma once
// Running the installed vumocaixa command as a separate process: its arguments,
// standard input, environment, standard output, standard error and exit status.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

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

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string TempPath(std::string_view name) {
  return ::testing::TempDir() + "vumocaixa_cli_" + std::to_string(::getpid()) + "_" +
         std::string(name);
}

// Writes text to a file of its own and gives its path.
inline std::string TempFile(std::string_view name, std::string_view text) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Runs the installed tool with args, its standard input read from in_path (a regular
// file), with the variables of `env` ("NAME=value") added to its environment.
inline Result RunToolOnFile(const std::vector<std::string>& args, const std::string& in_path,
                            const std::vector<std::string>& env = {}) {
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
  std::vector<std::string> variables(env);
  std::vector<char*> envp;
  for (auto& v : variables) envp.push_back(v.data());
  for (char** e = environ; *e != nullptr; ++e) envp.push_back(*e);
  envp.push_back(nullptr);
  pid_t pid = 0;
  Result result;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
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
