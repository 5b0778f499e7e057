// The command's input side: its argument parsing, its line and CSV row reader (with a
// small buffer, so that lines cross buffer ends and outgrow it), the fields of CSV
// rows, and "valida" run over a CSV file. Checks:
//
//  - the values of parsed arguments are arguments, in order;
//  - the reader gives the input's lines in order, with their numbers, each without
//    its "\n" and one "\r", skipping only lines at least as long as its limit;
//  - a CSV row has at least one field and no field longer than the row;
//  - "valida" over CSV rows ends with one of its statuses, and writes the same bytes
//    to standard output and error read as one stream and read by threads in parts.

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "csv.hpp"
#include "fuzz_check.hpp"
#include "linhas.hpp"
#include "opcoes.hpp"
#include "valida.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace cli = vumocaixa::cli;

constexpr std::size_t kCapacity = 16;
constexpr std::size_t kLimit = 64;

// A file in memory holding data; closed by the destructor.
class MemoryFile {
 public:
  explicit MemoryFile(std::string_view data) : m_fd(::memfd_create("entrada", 0)) {
    Require(m_fd >= 0, "a memory file can be made");
    for (std::size_t at = 0; at < data.size();) {
      const ssize_t n = ::write(m_fd, data.data() + at, data.size() - at);
      Require(n > 0, "a memory file takes the input");
      at += static_cast<std::size_t>(n);
    }
    ::lseek(m_fd, 0, SEEK_SET);
  }
  ~MemoryFile() { ::close(m_fd); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  [[nodiscard]] int Fd() const { return m_fd; }
  [[nodiscard]] std::string Path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

 private:
  int m_fd;
};

// Standard output and error go to memory files while it lives; Text() reads them.
class Capture {
 public:
  Capture() : m_out(::dup(STDOUT_FILENO)), m_err(::dup(STDERR_FILENO)), m_output(""), m_errors("") {
    std::fflush(stdout);
    std::fflush(stderr);
    ::dup2(m_output.Fd(), STDOUT_FILENO);
    ::dup2(m_errors.Fd(), STDERR_FILENO);
  }
  ~Capture() {
    std::fflush(stdout);
    std::fflush(stderr);
    ::dup2(m_out, STDOUT_FILENO);
    ::dup2(m_err, STDERR_FILENO);
    ::close(m_out);
    ::close(m_err);
  }
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;

  // What was written to standard output, then to standard error.
  std::string Text() const {
    std::fflush(stdout);
    std::fflush(stderr);
    return Read(m_output) + "\n--\n" + Read(m_errors);
  }

 private:
  static std::string Read(const MemoryFile& file) {
    std::string text;
    char block[4096];
    for (off_t at = 0;;) {
      const ssize_t n = ::pread(file.Fd(), block, sizeof block, at);
      if (n <= 0) return text;
      text.append(block, static_cast<std::size_t>(n));
      at += n;
    }
  }

  int m_out;
  int m_err;
  MemoryFile m_output;
  MemoryFile m_errors;
};

std::vector<std::string> Arguments(FuzzedDataProvider& in) {
  static constexpr std::string_view kWords[] = {
      "cic",        "cnpj",       "--coluna",       "--separador", "--cabecalho",  "--invalidos",
      "--contagem", "--endereco", "--alfanumerico", "--norma",     "--maiusculas", "--help",
      "--",         "-",          "-1,5",           "1",           "nome",         "--coluna=2",
      ";",          ",",          "--separador=\t", "--formata",   "--compacta",   "--motivo",
      "--estrito"};
  std::vector<std::string> args;
  for (int n = in.ConsumeIntegralInRange(0, 6); n > 0; --n) {
    if (in.ConsumeBool()) {
      args.emplace_back(kWords[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)]);
    } else {
      args.push_back(in.ConsumeRandomLengthString(10));
    }
  }
  return args;
}

cli::Opcoes Parse(std::string_view command, const std::vector<std::string>& args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  cli::Opcoes opcoes = cli::ParseOpcoes(command, views);
  // Every value is one of the arguments, in their order.
  std::size_t next = 0;
  for (std::string_view value : opcoes.valores) {
    while (next < args.size() && value.data() != args[next].data()) ++next;
    Require(next < args.size(), "a value is an argument", std::string(value));
    ++next;
  }
  return opcoes;
}

// The input's lines as the reader must give them.
std::vector<std::string_view> LinesOf(std::string_view data) {
  std::vector<std::string_view> lines;
  while (!data.empty()) {
    const std::size_t end = data.find('\n');
    lines.push_back(data.substr(0, end));
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
  }
  return lines;
}

void ReadLines(std::string_view data) {
  const std::vector<std::string_view> expected = LinesOf(data);
  const MemoryFile file(data);
  cli::LineReader reader(file.Fd(), kCapacity, kLimit);
  std::string_view line;
  std::size_t index = 0;
  for (cli::Lido lido; (lido = reader.Next(line)) != cli::Lido::kFim; ++index) {
    Require(index < expected.size(), "no more lines than the input holds");
    Require(reader.Line() == index + 1, "lines are numbered in order");
    std::string_view want = expected[index];
    if (lido == cli::Lido::kLongaDemais) {
      Require(want.size() >= kLimit, "only a long line is skipped", std::string(want));
      continue;
    }
    if (!want.empty() && want.back() == '\r') want.remove_suffix(1);
    Require(line == want, "a line as it stands in the input",
            std::string(line) + " / " + std::string(want));
  }
  Require(index == expected.size(), "every line is read");
}

void ReadRows(std::string_view data, char separator) {
  const MemoryFile file(data);
  cli::LineReader reader(file.Fd(), kCapacity, kLimit);
  cli::RowEnd rowEnd(separator);
  std::string_view row;
  std::string scratch;
  for (cli::Lido lido; (lido = reader.Next(row, rowEnd)) != cli::Lido::kFim;) {
    if (lido != cli::Lido::kLinha) continue;
    cli::Campos campos(row, separator);
    std::string_view field;
    std::size_t count = 0;
    while (campos.Next(field, scratch)) {
      Require(field.size() <= row.size(), "a field lies within its row");
      Require(++count <= row.size() + 1, "a row has no more fields than separators");
    }
    Require(count >= 1, "a row has a field");
  }
}

void CheckCsv(FuzzedDataProvider& in, std::string_view data) {
  std::vector<std::string> args = Arguments(in);
  args.insert(args.begin(), in.ConsumeBool() ? "--coluna" : "--coluna=2");
  if (args.size() == 1) args.emplace_back("1");
  const cli::Opcoes opcoes = Parse("valida", args);
  if (!opcoes.erro.empty() || !opcoes.coluna) return;
  const MemoryFile file(data);
  const std::string path = file.Path();
  const std::string_view arquivos[] = {path};
  // The text box's own verdict on leaving, for a data type of any kind, with the
  // options of a cleaning pass.
  const cli::Regras regras{.tipo = in.ConsumeIntegralInRange<std::int16_t>(0, 16),
                           .estrito = opcoes.estrito,
                           .forma = opcoes.forma};
  const cli::Divisao parts{.threads = 3, .part = in.ConsumeIntegralInRange<std::size_t>(1, 64)};
  const auto run = [&](const cli::Divisao& divisao) {
    const Capture capture;
    const int status = cli::CheckCsv(regras, opcoes, arquivos, divisao);
    return std::to_string(status) + "\n" + capture.Text();
  };
  const std::string stream = run({.threads = 1});
  Require(stream[0] >= '0' && stream[0] <= '3', "valida ends with a known status", stream);
  Require(stream == run(parts), "threads write what one stream writes", stream);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int mode = in.ConsumeIntegralInRange(0, 3);
  if (mode == 0) {
    static constexpr std::string_view kCommands[] = {"valida",   "mascara", "extenso",
                                                     "palavras", "ajuda",   ""};
    const std::string_view command =
        kCommands[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kCommands) - 1)];
    (void)Parse(command, Arguments(in));
    return 0;
  }
  if (mode == 3) {
    const std::string text = in.ConsumeRandomLengthString(4096);
    CheckCsv(in, text);
    return 0;
  }
  const char separator = in.ConsumeBool() ? ';' : ',';
  const std::string text = in.ConsumeRemainingBytesAsString();
  if (mode == 1)
    ReadLines(text);
  else
    ReadRows(text, separator);
  return 0;
}
