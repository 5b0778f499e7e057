#pragma once
// "valida": the verdicts on many values, from the command line, from lines of input
// or from one column of CSV files, as every row, only the failures or the totals,
// with the values in the form asked and the reasons of refusals.

#include <span>
#include <string_view>

#include "juiz.hpp"
#include "opcoes.hpp"
#include "paralelo.hpp"

namespace vumocaixa::cli {

// Checks each value of `valores`, or each line of standard input when there are
// none. Lines are written with a tab and "válido" or "inválido" (and a tab and the
// reason with opcoes.motivo); a value that is not UTF-8 or holds a NUL is invalid
// and reported on standard error with its line number. Standard input that is a
// regular file is judged by divisao's threads. Gives 0, 1 or 3 (some input
// reported).
[[nodiscard]] int CheckValues(const Regras& regras, const Opcoes& opcoes,
                              std::span<const std::string_view> valores,
                              const Divisao& divisao = DivisaoDaMaquina());

// Checks one column of CSV rows read from the files, or from standard input when
// there are none ("-" is standard input too). Rows are written unchanged with one
// more field; the header, when there is one, gets "validação". Rows without the
// column, rows that are not UTF-8 or hold a NUL, unclosed quotes and rows longer
// than the reader holds are reported with their line numbers and the run goes on.
// Regular files are judged by divisao's threads. Gives 0, 1, 2 (a column that
// cannot exist) or 3 (some input reported).
[[nodiscard]] int CheckCsv(const Regras& regras, const Opcoes& opcoes,
                           std::span<const std::string_view> arquivos,
                           const Divisao& divisao = DivisaoDaMaquina());

}  // namespace vumocaixa::cli
