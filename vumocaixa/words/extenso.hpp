#pragma once
// Monetary amounts written out in Brazilian Portuguese words.

#include <string>
#include <string_view>

#include <vumocaixa/host/regional.hpp>

namespace vumocaixa {

// The amount in valor, a number in the locale of r ("1.234,56" in pt-BR), in reais
// and centavos, each number and scale word capitalised:
//   "1234,56"  -> "Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos"
//   "0,01"     -> "Um Centavo"
//   "1000000"  -> "Um Milhão de  Reais"  (two blanks after "de")
// The two decimals are rounded as FormatValue rounds them. Gives the empty text for
// an empty valor, a text that is not a number, an amount beyond the currency range,
// zero, a negative amount, and a positive amount below half a centavo. Never throws.
[[nodiscard]] std::string ValorPorExtenso(std::string_view valor,
                                          const RegionalSettings& r = PtBR());

}  // namespace vumocaixa
