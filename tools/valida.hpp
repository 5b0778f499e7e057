#pragma once
// "valida": the verdicts on many values, from the command line, from lines of input
// or from one column of CSV files, as every row, only the failures or the totals.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include <vumocaixa/entry/saida_caixa.hpp>

#include "opcoes.hpp"

namespace vumocaixa::cli {

// A document check digit validator, such as ValidaCIC.
using Validator = bool (*)(std::string_view);

// The verdict of the text box of one data type when the user leaves it: true when
// the box accepts the value.
class Check {
 public:
  // The box's own rule, ConfereSaidaDaCaixa. Keeps the box's text between calls, so
  // that judging does not allocate once values stop growing.
  explicit Check(std::int16_t tipo, OpcoesDeSaida opcoes = {}) : tipo_(tipo), opcoes_(opcoes) {}
  // The validator that the box's rule ends with, alone: for the document types the
  // rule only lays the digits into the mask before it, which keeps them in order, and
  // the validators read nothing but the digits in order (and accept the empty text).
  // About twice as fast over millions of values.
  explicit Check(Validator validator) : validator_(validator) {}

  [[nodiscard]] bool operator()(std::string_view value) {
    return validator_ != nullptr ? validator_(value) : ByExitRule(value);
  }

 private:
  bool ByExitRule(std::string_view value);

  Validator validator_ = nullptr;
  std::int16_t tipo_ = 0;
  OpcoesDeSaida opcoes_;
  std::string texto_;
};

// Checks each value of `valores`, or each line of standard input when there are
// none. Lines are written with a tab and "válido" or "inválido"; a value that is not
// UTF-8 or holds a NUL is invalid and reported on standard error with its line
// number. Gives 0, 1 or 3 (some input reported).
[[nodiscard]] int CheckValues(Check& check, Saida saida, std::span<const std::string_view> valores);

// Checks one column of CSV rows read from the files, or from standard input when
// there are none ("-" is standard input too). Rows are written unchanged with one
// more field; the header, when there is one, gets "validação". Rows without the
// column, rows that are not UTF-8 or hold a NUL, unclosed quotes and rows longer
// than the reader holds are reported with their line numbers and the run goes on.
// Gives 0, 1, 2 (a column that cannot exist) or 3 (some input reported).
[[nodiscard]] int CheckCsv(Check& check, const Opcoes& opcoes,
                           std::span<const std::string_view> arquivos);

}  // namespace vumocaixa::cli
