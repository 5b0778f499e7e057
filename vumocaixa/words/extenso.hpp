#pragma once
// Monetary amounts written out in Brazilian Portuguese words.

#include <cstdint>
#include <string>
#include <string_view>

#include <vumocaixa/host/regional.hpp>

namespace vumocaixa {

// How an amount is written out.
enum class EstiloExtenso : std::uint8_t {
  // Each number and scale word capitalised, "Tres" without its accent, "Um Mil" for one
  // thousand, "," or " e" between scales and two blanks after "de":
  //   "Um Mil, Duzentos e Tres Reais", "Um Milhão de  Reais"
  Classico,
  // The written norm, in lower case: "três", "mil" alone for one thousand, one blank
  // between words, scales side by side and "e" only before the last one that holds a
  // value when it is below one hundred or a whole hundred:
  //   "mil duzentos e três reais", "mil e duzentos reais", "um milhão de reais",
  //   "dois milhões e quinhentos mil reais"
  Norma,
  // The words of Norma with each number and scale word capitalised, as Classico does:
  //   "Mil Duzentos e Três Reais", "Dois Milhões e Quinhentos Mil Reais"
  NormaMaiusculas,
};

struct OpcoesExtenso {
  EstiloExtenso estilo = EstiloExtenso::Classico;
};

// The amount in valor, a number in the locale of r ("1.234,56" in pt-BR), in reais
// and centavos, written in the style of opcoes:
//   "1234,56"  -> "Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos"
//   "0,01"     -> "Um Centavo"
//   "1000000"  -> "Um Milhão de  Reais"  (two blanks after "de")
//   "1234,56", Norma -> "mil duzentos e trinta e quatro reais e cinquenta e seis centavos"
// The two decimals are rounded as FormatValue rounds them. Gives the empty text for
// an empty valor, a text that is not a number, an amount beyond the currency range,
// zero, a negative amount, and a positive amount below half a centavo. Never throws.
[[nodiscard]] std::string ValorPorExtenso(std::string_view valor,
                                          const RegionalSettings& r = PtBR(),
                                          OpcoesExtenso opcoes = {});

}  // namespace vumocaixa
