#include <vumocaixa/words/extenso.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace vumocaixa {
namespace {

struct StylesRow {
  std::string_view amount, classico, norma, maiusculas;
};

TEST(ValorPorExtensoEstilos, EachAmountInEveryStyle) {
  const StylesRow rows[] = {
      {"1", "Um Real", "um real", "Um Real"},
      {"1,01", "Um Real e Um Centavo", "um real e um centavo", "Um Real e Um Centavo"},
      {"0,03", "Tres Centavos", "três centavos", "Três Centavos"},
      {"100", "Cem Reais", "cem reais", "Cem Reais"},
      {"101", "Cento e Um Reais", "cento e um reais", "Cento e Um Reais"},
      {"1000", "Um Mil Reais", "mil reais", "Mil Reais"},
      {"999,995", "Um Mil Reais", "mil reais", "Mil Reais"},
      {"1001", "Um Mil e Um Reais", "mil e um reais", "Mil e Um Reais"},
      {"1050", "Um Mil e Cinquenta Reais", "mil e cinquenta reais", "Mil e Cinquenta Reais"},
      {"1200", "Um Mil e Duzentos Reais", "mil e duzentos reais", "Mil e Duzentos Reais"},
      {"1234,56", "Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos",
       "mil duzentos e trinta e quatro reais e cinquenta e seis centavos",
       "Mil Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos"},
      {"3.000", "Tres Mil Reais", "três mil reais", "Três Mil Reais"},
      {"101.000", "Cento e Um Mil Reais", "cento e um mil reais", "Cento e Um Mil Reais"},
      {"1.000.100", "Um Milhão e Cem Reais", "um milhão e cem reais", "Um Milhão e Cem Reais"},
      {"1.000.234", "Um Milhão e Duzentos e Trinta e Quatro Reais",
       "um milhão duzentos e trinta e quatro reais", "Um Milhão Duzentos e Trinta e Quatro Reais"},
      {"1.001.000", "Um Milhão, Um Mil Reais", "um milhão e mil reais", "Um Milhão e Mil Reais"},
      {"2000000", "Dois Milhões de  Reais", "dois milhões de reais", "Dois Milhões de Reais"},
      {"1.000.000,50", "Um Milhão de  Reais e Cinquenta Centavos",
       "um milhão de reais e cinquenta centavos", "Um Milhão de Reais e Cinquenta Centavos"},
      {"2500000", "Dois Milhões, Quinhentos Mil Reais", "dois milhões e quinhentos mil reais",
       "Dois Milhões e Quinhentos Mil Reais"},
      {"1000000000", "Um Bilhão de  Reais", "um bilhão de reais", "Um Bilhão de Reais"},
      {"2.000.001.234", "Dois Bilhões e Um Mil, Duzentos e Trinta e Quatro Reais",
       "dois bilhões mil duzentos e trinta e quatro reais",
       "Dois Bilhões Mil Duzentos e Trinta e Quatro Reais"},
      {"1.000.001.000.000", "Um Trilhão e Um Milhão de  Reais", "um trilhão e um milhão de reais",
       "Um Trilhão e Um Milhão de Reais"},
      {"922.337.203.685.477,58",
       "Novecentos e Vinte e Dois Trilhões, Trezentos e Trinta e Sete Bilhões, Duzentos e "
       "Tres Milhões, Seiscentos e Oitenta e Cinco Mil, Quatrocentos e Setenta e Sete Reais e "
       "Cinquenta e Oito Centavos",
       "novecentos e vinte e dois trilhões trezentos e trinta e sete bilhões duzentos e "
       "três milhões seiscentos e oitenta e cinco mil quatrocentos e setenta e sete reais e "
       "cinquenta e oito centavos",
       "Novecentos e Vinte e Dois Trilhões Trezentos e Trinta e Sete Bilhões Duzentos e "
       "Três Milhões Seiscentos e Oitenta e Cinco Mil Quatrocentos e Setenta e Sete Reais e "
       "Cinquenta e Oito Centavos"},
      {"0", "", "", ""},
      {"-5", "", "", ""},
      {"0,004", "", "", ""},
      {"1.000.000.000.000.000", "", "", ""},
  };
  for (const StylesRow& row : rows) {
    EXPECT_EQ(row.classico, ValorPorExtenso(row.amount)) << row.amount;
    EXPECT_EQ(row.classico, ValorPorExtenso(row.amount, PtBR(), {EstiloExtenso::Classico}))
        << row.amount;
    EXPECT_EQ(row.norma, ValorPorExtenso(row.amount, PtBR(), {EstiloExtenso::Norma})) << row.amount;
    EXPECT_EQ(row.maiusculas, ValorPorExtenso(row.amount, PtBR(), {EstiloExtenso::NormaMaiusculas}))
        << row.amount;
  }
}

// A reader of amounts written in the normative style, words to whole centavos.
const std::map<std::string_view, std::int64_t>& NumberWords() {
  static const std::map<std::string_view, std::int64_t> words = {
      {"um", 1},           {"dois", 2},         {"três", 3},         {"quatro", 4},
      {"cinco", 5},        {"seis", 6},         {"sete", 7},         {"oito", 8},
      {"nove", 9},         {"dez", 10},         {"onze", 11},        {"doze", 12},
      {"treze", 13},       {"quatorze", 14},    {"quinze", 15},      {"dezesseis", 16},
      {"dezessete", 17},   {"dezoito", 18},     {"dezenove", 19},    {"vinte", 20},
      {"trinta", 30},      {"quarenta", 40},    {"cinquenta", 50},   {"sessenta", 60},
      {"setenta", 70},     {"oitenta", 80},     {"noventa", 90},     {"cem", 100},
      {"cento", 100},      {"duzentos", 200},   {"trezentos", 300},  {"quatrocentos", 400},
      {"quinhentos", 500}, {"seiscentos", 600}, {"setecentos", 700}, {"oitocentos", 800},
      {"novecentos", 900}};
  return words;
}

struct ScaleWord {
  std::int64_t factor;
  bool singular;
};

const std::map<std::string_view, ScaleWord>& ScaleWords() {
  static const std::map<std::string_view, ScaleWord> words = {
      {"trilhão", {1'000'000'000'000, true}}, {"trilhões", {1'000'000'000'000, false}},
      {"bilhão", {1'000'000'000, true}},      {"bilhões", {1'000'000'000, false}},
      {"milhão", {1'000'000, true}},          {"milhões", {1'000'000, false}}};
  return words;
}

struct Reading {
  std::int64_t total = 0;  // reais of the scales read so far
  std::int64_t group = 0;  // the number being read before its scale
  std::int64_t reais = 0;
  std::int64_t centavos = 0;
  std::string previous;  // the word before, empty at the start
};

bool ReadScale(std::string_view word, Reading& r) {
  if (word == "mil") {
    // One thousand is "mil" alone, never "um mil".
    if (r.group == 1) return false;
    r.total += (r.group == 0 ? 1 : r.group) * 1000;
  } else {
    const auto scale = ScaleWords().find(word);
    if (scale == ScaleWords().end() || r.group == 0) return false;
    if (scale->second.singular != (r.group == 1)) return false;
    r.total += r.group * scale->second.factor;
  }
  r.group = 0;
  return true;
}

// Folds one word into r; false when the word is unknown or out of place.
bool ReadWord(std::string_view word, Reading& r) {
  if (r.previous == "de" && word != "reais") return false;
  if (word == "e") return !r.previous.empty() && r.previous != "e";
  if (word == "de") return r.group == 0 && r.total > 0;
  if (const auto n = NumberWords().find(word); n != NumberWords().end()) {
    r.group += n->second;
    return true;
  }
  if (word == "real" || word == "reais") {
    r.reais = r.total + r.group;
    r.total = r.group = 0;
    return r.reais > 0 && (word == "real") == (r.reais == 1);
  }
  if (word == "centavo" || word == "centavos") {
    r.centavos = r.group;
    const bool alone = r.total == 0 && r.centavos > 0 && r.centavos < 100;
    r.group = 0;
    return alone && (word == "centavo") == (r.centavos == 1);
  }
  return ReadScale(word, r);
}

// A word as the reader knows it: in lower case, or with a capital first letter when
// capitals are asked for ("e" and "de" stay lower case).
std::optional<std::string> Lowered(std::string_view word, bool capitals) {
  std::string lowered(word);
  const bool connector = word == "e" || word == "de";
  if (capitals && !connector) {
    if (word.empty() || word[0] < 'A' || word[0] > 'Z') return std::nullopt;
    lowered[0] = static_cast<char>(word[0] - 'A' + 'a');
  }
  for (char c : lowered) {
    if (c >= 'A' && c <= 'Z') return std::nullopt;
  }
  return lowered;
}

// The amount in whole centavos, or nothing when the text is not well written: an
// unknown word, a capital out of place, a blank too many, a word out of order.
std::optional<std::int64_t> ReadNorma(std::string_view text, bool capitals) {
  Reading r;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::optional<std::string> word = Lowered(text.substr(start, end - start), capitals);
    if (!word || !ReadWord(*word, r)) return std::nullopt;
    r.previous = *word;
    start = end + 1;
  }
  if (r.total != 0 || r.group != 0 || r.previous == "e") return std::nullopt;
  return r.reais * 100 + r.centavos;
}

// "1.234.567,89", or "1234567,89" when grouped is false.
std::string AmountText(std::int64_t centavos, bool grouped) {
  std::string whole = std::to_string(centavos / 100);
  for (auto i = static_cast<std::ptrdiff_t>(whole.size()) - 3; grouped && i > 0; i -= 3) {
    whole.insert(static_cast<std::size_t>(i), ".");
  }
  const std::int64_t fraction = centavos % 100;
  return whole + (fraction < 10 ? ",0" : ",") + std::to_string(fraction);
}

TEST(ValorPorExtensoEstilos, NormaReadsBackToTheAmount) {
  constexpr std::int64_t kLimit = 92233720368547758;  // the largest amount, in centavos
  std::mt19937_64 random(2026);
  for (int i = 0; i < 40000; ++i) {
    // Every number of digits from 1 to 17 equally often, so that every scale turns up.
    std::uint64_t top = 1;
    for (int d = 0; d <= i % 17; ++d) top = top > kLimit / 10 ? kLimit : top * 10;
    const auto centavos = i == 0 ? kLimit : static_cast<std::int64_t>(1 + random() % top);
    const std::string amount = AmountText(centavos, i % 2 == 0);
    const std::string norma = ValorPorExtenso(amount, PtBR(), {EstiloExtenso::Norma});
    const std::string maiusculas =
        ValorPorExtenso(amount, PtBR(), {EstiloExtenso::NormaMaiusculas});
    ASSERT_EQ(centavos, ReadNorma(norma, false)) << amount << " -> " << norma;
    ASSERT_EQ(centavos, ReadNorma(maiusculas, true)) << amount << " -> " << maiusculas;
  }
}

}  // namespace
}  // namespace vumocaixa
