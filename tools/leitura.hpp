#pragma once
// Judging every line or CSV row that a reader gives, from a stream or from one part
// of a file, up to the first one that starts at a given offset.

#include <cstdint>
#include <limits>
#include <string_view>

#include "avaliador.hpp"
#include "csv.hpp"
#include "linhas.hpp"

namespace vumocaixa::cli {

inline constexpr std::uint64_t kSemFim = std::numeric_limits<std::uint64_t>::max();

// Calls run with the output mode as a template argument, so that each mode gets a
// loop of its own.
template <class Run>
void WithSaida(Saida saida, Run run) {
  switch (saida) {
    case Saida::kTodas: return run.template operator()<Saida::kTodas>();
    case Saida::kInvalidos: return run.template operator()<Saida::kInvalidos>();
    case Saida::kContagem: return run.template operator()<Saida::kContagem>();
  }
}

// Where a reading stopped: the offset of the first line or row not judged, and the
// number that line has.
struct Parada {
  std::uint64_t offset = 0;
  std::uint64_t line = 1;
};

// Judges the lines that in gives, numbered from `line` on, up to the end of the input
// or to the first line that starts at `stop` or later. Lines are split here, from
// blocks: the loop over millions of short lines is the tool's hottest.
template <Saida S>
Parada JulgaLinhas(LineReader& in, Avaliador& av, std::uint64_t line,
                   std::uint64_t stop = kSemFim) {
  std::string_view lines;
  for (;;) {
    const std::uint64_t block_start = in.Offset();
    if (block_start >= stop) return {block_start, line};
    const Lido lido = in.NextLines(lines);
    if (lido == Lido::kFim) return {in.Offset(), line};
    if (lido == Lido::kLongaDemais) {
      av.Longa(line++);
      continue;
    }
    const bool may_hold_nul = in.MayHoldNul();
    const char* const begin = lines.data();
    const char* const end = begin + lines.size();
    // Lines that start at stop or later are left for whoever reads on from there.
    const char* const last = block_start + lines.size() > stop ? begin + (stop - block_start) : end;
    const char* p = begin;
    while (p < last) {
      const char* const newline = LineEndAt(p);
      std::string_view text(p, static_cast<std::size_t>(newline - p));
      const bool crlf = !text.empty() && text.back() == '\r';
      if (crlf) text.remove_suffix(1);
      av.Linha<S>(text, crlf, may_hold_nul, line++);
      p = newline + 1;
    }
    if (p < end) return {block_start + static_cast<std::uint64_t>(p - begin), line};
  }
}

// Judges the CSV rows that in gives, as JulgaLinhas does lines; a row's number is that
// of its first line, counted from `line` for the reader's first line. Blank rows are
// skipped.
template <Saida S>
Parada JulgaRegistros(LineReader& in, RowEnd& row_end, Avaliador& av, std::uint64_t line,
                      std::uint64_t stop = kSemFim) {
  const std::uint64_t base = line - in.NextLine();
  std::string_view row;
  for (;;) {
    if (in.Offset() >= stop) break;
    const Lido lido = in.Next(row, row_end);
    if (lido == Lido::kFim) break;
    const std::uint64_t number = base + in.Line();
    if (lido == Lido::kLongaDemais) {
      av.Longa(number);
    } else if (row_end.LastRowUnclosed()) {
      av.Aberto<S>(row, in.EndedInCrLf(), in.EndedInNewline(), number);
    } else if (!row.empty()) {
      av.Registro<S>(row, in.EndedInCrLf(), in.MayHoldNul(), number);
    }
  }
  return {in.Offset(), base + in.NextLine()};
}

}  // namespace vumocaixa::cli
