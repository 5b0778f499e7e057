#include <vumocaixa/words/extenso.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <variant>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/host/values.hpp>

namespace vumocaixa {
namespace {

// A word of at most 15 bytes, kept in 16 so that it is copied in one move.
struct Word {
  std::array<char, 16> bytes{};
  std::size_t size = 0;

  // Words are written as literals; one longer than 15 bytes does not compile.
  consteval Word(const char* text) {  // NOLINT(google-explicit-constructor)
    while (text[size] != '\0') {
      bytes.at(size) = text[size];
      ++size;
    }
  }
};

using Units = std::array<Word, 20>;
constexpr Units kUnits = {"",        "Um ",        "Dois ",      "Tres ",    "Quatro ",
                          "Cinco ",  "Seis ",      "Sete ",      "Oito ",    "Nove ",
                          "Dez ",    "Onze ",      "Doze ",      "Treze ",   "Quatorze ",
                          "Quinze ", "Dezesseis ", "Dezessete ", "Dezoito ", "Dezenove "};
// The units of the written norm: three with its accent.
constexpr Units kUnitsNorma = [] {
  Units units = kUnits;
  units[3] = "Três ";
  return units;
}();
constexpr std::array<Word, 10> kTens = {"",          "",           "Vinte ",    "Trinta ",
                                        "Quarenta ", "Cinquenta ", "Sessenta ", "Setenta ",
                                        "Oitenta ",  "Noventa "};
constexpr std::array<Word, 10> kHundreds = {"",
                                            "Cento ",
                                            "Duzentos ",
                                            "Trezentos ",
                                            "Quatrocentos ",
                                            "Quinhentos ",
                                            "Seiscentos ",
                                            "Setecentos ",
                                            "Oitocentos ",
                                            "Novecentos "};

// The words being written. The longest text, that of 777 777 777 777 777,77, has
// fewer than 300 bytes, so a fixed buffer holds every one without allocating; its
// slack lets each word be copied as a whole 16-byte block.
class WordBuffer {
 public:
  // With lower_initials, each word starts in lower case: the only capitals of the
  // words are the ASCII letters that start them.
  explicit WordBuffer(bool lower_initials) : initial_bits_(lower_initials ? 0x20 : 0) {}

  WordBuffer& operator+=(const Word& word) {
    std::memcpy(bytes_.data() + size_, word.bytes.data(), word.bytes.size());
    // The case bit is already set in every other first byte: blank, comma, lower case.
    bytes_[size_] = static_cast<char>(bytes_[size_] | initial_bits_);
    size_ += word.size;
    return *this;
  }
  // The text without the blanks at both ends.
  [[nodiscard]] std::string Trimmed() const {
    std::size_t first = 0;
    std::size_t last = size_;
    while (first < last && bytes_[first] == ' ') ++first;
    while (last > first && bytes_[last - 1] == ' ') --last;
    return std::string(bytes_.data() + first, last - first);
  }

 private:
  std::array<char, 512> bytes_;
  std::size_t size_ = 0;
  char initial_bits_ = 0;
};

// The six groups of three digits of the formatted amount: trilhões, bilhões,
// milhões, mil, reais, and the centavos behind a leading 0.
using Groups = std::array<int, 6>;

// Reads the groups from the amount formatted as 15 integer digits, the decimal
// separator (one character, whatever it is) and 2 decimal digits.
std::optional<Groups> ReadGroups(std::string_view formatted) {
  if (formatted.size() < 18 || (formatted.size() > 18 && CharCount(formatted) != 18)) {
    return std::nullopt;
  }
  const std::string_view cents = formatted.substr(formatted.size() - 2);
  for (char c : formatted.substr(0, 15)) {
    if (!IsAsciiDigit(c)) return std::nullopt;
  }
  if (!IsAsciiDigit(cents[0]) || !IsAsciiDigit(cents[1])) return std::nullopt;
  Groups g{};
  for (std::size_t k = 0; k < 5; ++k) {
    for (std::size_t i = 0; i < 3; ++i) g[k] = g[k] * 10 + (formatted[k * 3 + i] - '0');
  }
  g[5] = (cents[0] - '0') * 10 + (cents[1] - '0');
  return g;
}

// Appends the words of a group of value 0 to 999, each followed by one blank; a group
// of 0 appends nothing.
void AppendGroup(int v, WordBuffer& out, const Units& units = kUnits) {
  const auto h = static_cast<std::size_t>(v / 100);
  const auto d = static_cast<std::size_t>(v / 10 % 10);
  const auto u = static_cast<std::size_t>(v % 10);
  if (v >= 100) {
    if (d == 0 && u == 0) {
      out += h == 1 ? Word("Cem ") : kHundreds[h];
      return;
    }
    out += kHundreds[h];
    out += "e ";
  }
  if (v < 10) {
    out += units[u];
    return;
  }
  const std::size_t t = d * 10 + u;
  if (t < 20) {
    out += units[t];
    return;
  }
  out += kTens[d];
  if (u != 0) {
    out += "e ";
    out += units[u];
  }
}

// Appends a blank, the group's words and its scale word, singular for 1.
void AppendScale(int v, const Word& one, const Word& many, WordBuffer& out) {
  out += " ";
  AppendGroup(v, out);
  out += v == 1 ? one : many;
}

// The connector before a scale: "," when the group below it holds a value, " e"
// when it is zero, even when a lower group follows.
Word Connector(int below) { return below != 0 ? Word(",") : Word(" e"); }

// The integer part from trilhões down to the thousands. When every lower group is
// zero it ends in " de " instead, as in "Um Milhão de".
void AppendScales(const Groups& g, WordBuffer& out) {
  const auto [v1, v2, v3, v4, v5, cents] = g;
  static_cast<void>(cents);
  if (v1 != 0) {
    AppendGroup(v1, out);
    out += v1 == 1 ? Word("Trilhão") : Word("Trilhões");
  }
  if (v2 == 0 && v3 == 0 && v4 == 0 && v5 == 0) {
    out += " de ";
    return;
  }
  if (v1 != 0) out += Connector(v2);
  if (v2 != 0) AppendScale(v2, "Bilhão", "Bilhões", out);
  if (v3 == 0 && v4 == 0 && v5 == 0) {
    out += " de ";
    return;
  }
  if (v2 != 0) out += Connector(v3);
  if (v3 != 0) AppendScale(v3, "Milhão", "Milhões", out);
  if (v4 == 0 && v5 == 0) {
    out += " de ";
    return;
  }
  if (v3 != 0) out += Connector(v4);
  if (v4 != 0) AppendScale(v4, "Mil", "Mil", out);
  // Between thousands and units: " e" before a whole hundred or a value below 100.
  if (v4 != 0 && v5 != 0) out += (v5 % 100 == 0 || v5 < 100) ? Word(" e") : Word(",");
}

bool IsOneReal(const Groups& g) {
  return g[0] == 0 && g[1] == 0 && g[2] == 0 && g[3] == 0 && g[4] == 1;
}

// The integer part in the written norm, ending in "Real " or "Reais ". The scales
// stand side by side; "e" joins the last one that holds a value when that value is
// below one hundred or a whole hundred ("Dois Milhões e Quinhentos Mil", "Mil e
// Cinquenta", but "Mil Duzentos e Trinta"). One thousand is "Mil" alone, and "de"
// follows a scale when every lower group is zero ("Um Milhão de Reais").
void AppendReaisNorma(const Groups& g, WordBuffer& out) {
  static constexpr std::array<std::array<Word, 2>, 4> kScales = {{{"Trilhão ", "Trilhões "},
                                                                  {"Bilhão ", "Bilhões "},
                                                                  {"Milhão ", "Milhões "},
                                                                  {"Mil ", "Mil "}}};
  std::size_t last = 4;
  while (last > 0 && g[last] == 0) --last;
  bool started = false;
  for (std::size_t k = 0; k <= last; ++k) {
    const int v = g[k];
    if (v == 0) continue;
    if (started && k == last && (v < 100 || v % 100 == 0)) out += "e ";
    started = true;
    if (k != 3 || v != 1) AppendGroup(v, out, kUnitsNorma);
    if (k < 4) out += kScales[k][v == 1 ? 0 : 1];
  }
  if (last < 3) out += "de ";
  out += IsOneReal(g) ? Word("Real ") : Word("Reais ");
}

// The integer part in the classic style, ending in "Real " or "Reais ".
void AppendReaisClassico(const Groups& g, WordBuffer& out) {
  AppendScales(g, out);
  out += " ";
  AppendGroup(g[4], out);
  out += IsOneReal(g) ? Word("Real ") : Word("Reais ");
}

std::string Words(const Groups& g, EstiloExtenso estilo) {
  const bool classico = estilo == EstiloExtenso::Classico;
  const bool no_reais = g[0] == 0 && g[1] == 0 && g[2] == 0 && g[3] == 0 && g[4] == 0;
  const int cents = g[5];
  WordBuffer out(estilo == EstiloExtenso::Norma);
  if (!no_reais) {
    if (classico) {
      AppendReaisClassico(g, out);
    } else {
      AppendReaisNorma(g, out);
    }
    if (cents != 0) out += "e ";
  }
  if (cents != 0) {
    AppendGroup(cents, out, classico ? kUnits : kUnitsNorma);
    out += cents == 1 ? Word("Centavo") : Word("Centavos");
  }
  // An amount below half a centavo shows as all zeros and has no words.
  return out.Trimmed();
}

// The groups of an amount in whole centavos.
Groups GroupsOfCentavos(std::int64_t centavos) {
  Groups g{};
  g[5] = static_cast<int>(centavos % 100);
  std::int64_t reais = centavos / 100;
  for (std::size_t k = 5; k-- > 0;) {
    g[k] = static_cast<int>(reais % 1000);
    reais /= 1000;
  }
  return g;
}

// The groups of valor, or nothing when it is not a positive currency amount.
std::optional<Groups> AmountGroups(std::string_view valor, const RegionalSettings& r) {
  const Variant text{std::string(valor)};
  const Variant amount = ToNumber(text, NumberKind::Currency, r);
  const auto* currency = std::get_if<Currency>(&amount);
  if (currency == nullptr || currency->raw <= 0) return std::nullopt;
  // An amount in whole centavos is shown as it is. The exact value of its text lies
  // within half a unit of the fourth decimal of it, so the picture, which rounds the
  // text to two decimals, gives the same digits; only other amounts need it.
  if (currency->raw % 100 == 0) return GroupsOfCentavos(currency->raw / 100);
  return ReadGroups(FormatValue(text, kAmountPicture, r));
}

}  // namespace

std::string ValorPorExtenso(std::string_view valor, const RegionalSettings& r,
                            OpcoesExtenso opcoes) {
  if (valor.empty()) return {};
  try {
    const std::optional<Groups> groups = AmountGroups(valor, r);
    return groups ? Words(*groups, opcoes.estilo) : std::string();
  } catch (const Error&) {
    return {};
  }
}

}  // namespace vumocaixa
