// The amount in words: ValorPorExtenso on any text, its words read back as a number
// and compared with the amount that the regional runtime reads from the same text.
//
// Input: a settings byte (last), then the amount text.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/words/extenso.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace vc = vumocaixa;

const std::map<std::string_view, int>& NumberWords() {
  static const std::map<std::string_view, int> words = {
      {"Um", 1},           {"Dois", 2},         {"Tres", 3},         {"Quatro", 4},
      {"Cinco", 5},        {"Seis", 6},         {"Sete", 7},         {"Oito", 8},
      {"Nove", 9},         {"Dez", 10},         {"Onze", 11},        {"Doze", 12},
      {"Treze", 13},       {"Quatorze", 14},    {"Quinze", 15},      {"Dezesseis", 16},
      {"Dezessete", 17},   {"Dezoito", 18},     {"Dezenove", 19},    {"Vinte", 20},
      {"Trinta", 30},      {"Quarenta", 40},    {"Cinquenta", 50},   {"Sessenta", 60},
      {"Setenta", 70},     {"Oitenta", 80},     {"Noventa", 90},     {"Cem", 100},
      {"Cento", 100},      {"Duzentos", 200},   {"Trezentos", 300},  {"Quatrocentos", 400},
      {"Quinhentos", 500}, {"Seiscentos", 600}, {"Setecentos", 700}, {"Oitocentos", 800},
      {"Novecentos", 900}};
  return words;
}

struct Scale {
  std::int64_t factor;
  int groups;  // 1 singular, 2 plural, 0 either
};

const std::map<std::string_view, Scale>& ScaleWords() {
  static const std::map<std::string_view, Scale> words = {{"Trilhão", {1'000'000'000'000, 1}},
                                                          {"Trilhões", {1'000'000'000'000, 2}},
                                                          {"Bilhão", {1'000'000'000, 1}},
                                                          {"Bilhões", {1'000'000'000, 2}},
                                                          {"Milhão", {1'000'000, 1}},
                                                          {"Milhões", {1'000'000, 2}},
                                                          {"Mil", {1'000, 0}}};
  return words;
}

struct Amount {
  std::int64_t reais = 0;
  std::int64_t centavos = 0;
};

// Folds one word into the amount read so far.
void ReadWord(std::string_view word, std::int64_t& total, std::int64_t& group, Amount& a,
              const std::string& words) {
  if (word == "e" || word == "de") return;
  if (const auto n = NumberWords().find(word); n != NumberWords().end()) {
    group += n->second;
  } else if (const auto s = ScaleWords().find(word); s != ScaleWords().end()) {
    const int expected = s->second.groups;
    Require(expected == 0 || (expected == 1) == (group == 1), "singular scale word for one", words);
    total += group * s->second.factor, group = 0;
  } else if (word == "Real" || word == "Reais") {
    a.reais = total + group, total = group = 0;
    Require((word == "Real") == (a.reais == 1), "Real for one, Reais otherwise", words);
  } else if (word == "Centavo" || word == "Centavos") {
    a.centavos = group, group = 0;
    Require((word == "Centavo") == (a.centavos == 1), "Centavo for one", words);
  } else {
    Require(false, "only known words", std::string(word) + " in " + words);
  }
}

Amount ReadWords(const std::string& words) {
  Amount a;
  std::int64_t total = 0;
  std::int64_t group = 0;
  std::size_t start = 0;
  while (start <= words.size()) {
    std::size_t end = words.find(' ', start);
    if (end == std::string::npos) end = words.size();
    std::string_view word(words.data() + start, end - start);
    if (!word.empty() && word.back() == ',') word.remove_suffix(1);
    if (!word.empty()) ReadWord(word, total, group, a, words);
    start = end + 1;
  }
  Require(total == 0 && group == 0, "the words end with Reais or Centavos", words);
  return a;
}

// The amount that the regional runtime reads from text, in ten-thousandths; 0 when it
// reads none.
std::int64_t ReadAmount(const std::string& text, const vc::RegionalSettings& r) {
  try {
    return std::get<vc::Currency>(vc::ToNumber(text, vc::NumberKind::Currency, r)).raw;
  } catch (const vc::OverflowError&) {
  } catch (const vc::TypeMismatchError&) {
  }
  return 0;
}

void CheckWords(const std::string& text, const vc::RegionalSettings& r) {
  const std::string words = vc::ValorPorExtenso(text, r);
  const std::int64_t raw = ReadAmount(text, r);
  if (raw <= 0) {
    Require(words.empty(), "no words for what is no positive amount", text + " -> " + words);
    return;
  }
  // Below half a centavo the amount rounds to nothing; what it shows is left open.
  if (raw <= 50) return;
  Require(!words.empty() && words.front() != ' ' && words.back() != ' ',
          "a positive amount has words without blanks at the ends", text + " -> " + words);
  const Amount a = ReadWords(words);
  const std::int64_t said = (a.reais * 100 + a.centavos) * 100;
  Require(a.centavos < 100 && said - raw <= 50 && raw - said <= 50,
          "the words say the amount to the cent", text + " -> " + words);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  vc::RegionalSettings r = vc::PtBR();
  if (in.ConsumeBool()) r.decimalSeparator = '.', r.groupSeparator = ',';
  CheckWords(in.ConsumeRemainingBytesAsString(), r);
  return 0;
}
