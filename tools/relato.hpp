#pragma once
// What a run of "valida" writes: the lines or rows as asked, the totals, and the
// problems of the input on standard error.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "linhas.hpp"
#include "motivos.hpp"
#include "opcoes.hpp"
#include "plataforma.hpp"

namespace vumocaixa::cli {

// Exit statuses.
inline constexpr int kAllValid = 0;
inline constexpr int kSomeInvalid = 1;
inline constexpr int kUsageError = 2;
inline constexpr int kBadInput = 3;

// The problem of a line beyond kLinhaMaxima.
inline constexpr std::string_view kLinhaLongaDemais = "mais de 8 MiB sem fim de linha; ignorada";

// How many problems are shown in full; the rest are only counted.
inline constexpr std::uint64_t kShownProblems = 10;

// Where the problems of an input are told, each with the number of its line.
class Avisos {
 public:
  virtual void Report(std::uint64_t line, std::string_view what) = 0;

 protected:
  ~Avisos() = default;
};

// Problems of the input, each with where it happened: the first few in full on
// standard error, then only how many there were.
class Problemas final : public Avisos {
 public:
  // Where the following lines come from: a file name, or empty for standard input.
  void SetOrigem(std::string_view origem) { origem_ = origem; }
  // One problem of line `line` ("linha 7: <what>"), or of value `line` when values
  // come from the command line.
  void Report(std::uint64_t line, std::string_view what) override;
  // A problem of the whole input, such as a file that cannot be opened.
  void Report(std::string_view what);
  // Problems that are counted without being shown.
  void CountUnshown(std::uint64_t count) { count_ += count; }
  void ReportValues() { unidade_ = "valor"; }
  [[nodiscard]] bool Any() const { return count_ > 0; }
  // Says how many problems went unshown.
  void Finish() const;

 private:
  void Show(const std::string& text);

  std::string origem_;
  std::string_view unidade_ = "linha";
  std::uint64_t count_ = 0;
};

// Problems kept to be told later, in order: those of the rows that one thread judged.
// Only as many are kept as could be shown; the rest are counted.
class AvisosGuardados final : public Avisos {
 public:
  void Report(std::uint64_t line, std::string_view what) override;
  // Tells them to problemas, the line numbers counted from `first` on.
  void TellTo(Problemas& problemas, std::uint64_t first) const;
  void Clear() {
    kept_.clear();
    more_ = 0;
  }

 private:
  std::vector<std::pair<std::uint64_t, std::string>> kept_;
  std::uint64_t more_ = 0;
};

// How a run writes what it judged.
struct Escrita {
  Saida saida = Saida::kTodas;
  bool motivo = false;   // adds the reason of each refusal, or with kContagem counts by reason
  char separador = ';';  // before each field added to a CSV row
};

// The output, totals and problems of one run.
class Relato {
 public:
  explicit Relato(const Escrita& escrita) : escrita_(escrita) {}

  // The header row, written for the first file only, after prefixo (a byte-order mark).
  void Header(std::string_view prefixo, std::string_view header, bool crlf);
  // What a thread made of a part of the input, told in order: its text, its totals
  // and its problems, whose lines are numbered from first_line.
  void Part(std::string_view text, const Contas& contas, const AvisosGuardados& avisos,
            std::uint64_t first_line);

  // Whether the input that starts now is the run's first: only its byte-order mark
  // is written back, at the start of the output.
  [[nodiscard]] bool StartsFirstInput() { return inputs_++ == 0; }

  [[nodiscard]] const Escrita& escrita() const { return escrita_; }
  Output& out() { return out_; }
  Problemas& problemas() { return problemas_; }
  Contas& contas() { return contas_; }

  // Writes the totals when asked for them, flushes and gives the exit status:
  // 3 when some problem was reported, else 1 when some value failed, else 0.
  [[nodiscard]] int Finish();

 private:
  void WriteTotals();

  Escrita escrita_;
  Output out_{kSaidaPadrao};
  Problemas problemas_;
  Contas contas_;
  bool header_written_ = false;
  std::uint64_t inputs_ = 0;
};

}  // namespace vumocaixa::cli
