#pragma once
// What a run of "valida" writes: the lines or rows as asked, the totals, and the
// problems of the input on standard error.

#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "linhas.hpp"
#include "opcoes.hpp"

namespace vumocaixa::cli {

// Exit statuses.
inline constexpr int kAllValid = 0;
inline constexpr int kSomeInvalid = 1;
inline constexpr int kUsageError = 2;
inline constexpr int kBadInput = 3;

// The problem of a line beyond kLinhaMaxima.
inline constexpr std::string_view kLinhaLongaDemais = "mais de 8 MiB sem fim de linha; ignorada";

// Problems of the input, each with where it happened: the first few in full on
// standard error, then only how many there were.
class Problemas {
 public:
  // Where the following lines come from: a file name, or empty for standard input.
  void SetOrigem(std::string_view origem) { origem_ = origem; }
  // One problem of line `line` ("linha 7: <what>"), or of value `line` when values
  // come from the command line.
  void Report(std::uint64_t line, std::string_view what);
  // A problem of the whole input, such as a file that cannot be opened.
  void Report(std::string_view what);
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

// The output and totals of one run.
class Relato {
 public:
  Relato(Saida saida, char separador) : saida_(saida), separador_(separador) {}

  // A line and its verdict: "<line>\tválido" or "<line>\tinválido".
  template <Saida S>
  void Line(std::string_view line, bool valid) {
    Count(valid);
    if constexpr (S == Saida::kTodas) {
      out_.Write(line);
      out_.Write(valid ? std::string_view("\tválido\n") : std::string_view("\tinválido\n"));
    } else if constexpr (S == Saida::kInvalidos) {
      if (!valid) WriteLine(line, false);
    }
  }

  // A CSV row and its verdict, as one more field before the row's own line end.
  template <Saida S>
  void Row(std::string_view row, bool valid, bool crlf) {
    Count(valid);
    if constexpr (S == Saida::kTodas) {
      out_.Write(row);
      out_.Write(separador_);
      out_.Write(valid ? std::string_view("válido") : std::string_view("inválido"));
      out_.Write(crlf ? std::string_view("\r\n") : std::string_view("\n"));
    } else if constexpr (S == Saida::kInvalidos) {
      if (!valid) WriteLine(row, crlf);
    }
  }

  // The header row, written for the first file only.
  void Header(std::string_view header, bool crlf);
  // A line or row that failed without being written: one more invalid.
  void Unwritten() { ++invalidos_; }
  [[nodiscard]] Saida saida() const { return saida_; }
  Problemas& problemas() { return problemas_; }

  // Writes the totals when asked for them, flushes and gives the exit status:
  // 3 when some problem was reported, else 1 when some value failed, else 0.
  [[nodiscard]] int Finish();

 private:
  void Count(bool valid) { ++(valid ? validos_ : invalidos_); }
  void WriteLine(std::string_view text, bool crlf) {
    out_.Write(text);
    out_.Write(crlf ? std::string_view("\r\n") : std::string_view("\n"));
  }

  Saida saida_;
  char separador_;
  Output out_{STDOUT_FILENO};
  Problemas problemas_;
  std::uint64_t validos_ = 0;
  std::uint64_t invalidos_ = 0;
  bool header_written_ = false;
};

}  // namespace vumocaixa::cli
