#include <vumocaixa/words/extenso.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/host/values.hpp>

namespace vumocaixa {
namespace {

constexpr std::array<std::string_view, 20> kUnits = {
    "",         "Um ",      "Dois ",      "Tres ",      "Quatro ",  "Cinco ",    "Seis ",
    "Sete ",    "Oito ",    "Nove ",      "Dez ",       "Onze ",    "Doze ",     "Treze ",
    "Quatorze ", "Quinze ", "Dezesseis ", "Dezessete ", "Dezoito ", "Dezenove "};
constexpr std::array<std::string_view, 10> kTens = {
    "", "", "Vinte ", "Trinta ", "Quarenta ", "Cinquenta ", "Sessenta ", "Setenta ",
    "Oitenta ", "Noventa "};
constexpr std::array<std::string_view, 10> kHundreds = {
    "",           "Cento ",      "Duzentos ",   "Trezentos ", "Quatrocentos ",
    "Quinhentos ", "Seiscentos ", "Setecentos ", "Oitocentos ", "Novecentos "};

// The six groups of three digits of the formatted amount: trilhões, bilhões,
// milhões, mil, reais, and the centavos behind a leading 0.
using Groups = std::array<int, 6>;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the groups from the amount formatted as 15 integer digits, the decimal
// separator (one character, whatever it is) and 2 decimal digits.
std::optional<Groups> ReadGroups(std::string_view formatted) {
  if (formatted.size() < 18 || CharCount(formatted) != 18) return std::nullopt;
  const std::string_view cents = formatted.substr(formatted.size() - 2);
  for (char c : formatted.substr(0, 15)) {
    if (!IsDigit(c)) return std::nullopt;
  }
  if (!IsDigit(cents[0]) || !IsDigit(cents[1])) return std::nullopt;
  Groups g{};
  for (std::size_t k = 0; k < 5; ++k) {
    for (std::size_t i = 0; i < 3; ++i) g[k] = g[k] * 10 + (formatted[k * 3 + i] - '0');
  }
  g[5] = (cents[0] - '0') * 10 + (cents[1] - '0');
  return g;
}

// Appends the words of a group of value 0 to 999, each followed by one blank; a group
// of 0 appends nothing.
void AppendGroup(int v, std::string& out) {
  const auto h = static_cast<std::size_t>(v / 100);
  const auto d = static_cast<std::size_t>(v / 10 % 10);
  const auto u = static_cast<std::size_t>(v % 10);
  if (v >= 100) {
    if (d == 0 && u == 0) {
      out += h == 1 ? "Cem " : kHundreds[h];
      return;
    }
    out += kHundreds[h];
    out += "e ";
  }
  if (v < 10) {
    out += kUnits[u];
    return;
  }
  const std::size_t t = d * 10 + u;
  if (t < 20) {
    out += kUnits[t];
    return;
  }
  out += kTens[d];
  if (u != 0) {
    out += "e ";
    out += kUnits[u];
  }
}

// Appends a blank, the group's words and its scale word, singular for 1.
void AppendScale(int v, std::string_view one, std::string_view many, std::string& out) {
  out += ' ';
  AppendGroup(v, out);
  out += v == 1 ? one : many;
}

// The connector before a scale: "," when the group below it holds a value, " e"
// when it is zero, even when a lower group follows.
std::string_view Connector(int below) { return below != 0 ? "," : " e"; }

// The integer part from trilhões down to the thousands. When every lower group is
// zero it ends in " de " instead, as in "Um Milhão de".
void AppendScales(const Groups& g, std::string& out) {
  const auto [v1, v2, v3, v4, v5, cents] = g;
  static_cast<void>(cents);
  if (v1 != 0) {
    AppendGroup(v1, out);
    out += v1 == 1 ? "Trilhão" : "Trilhões";
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
  if (v4 != 0 && v5 != 0) out += (v5 % 100 == 0 || v5 < 100) ? " e" : ",";
}

std::string Words(const Groups& g) {
  const bool no_reais = g[0] == 0 && g[1] == 0 && g[2] == 0 && g[3] == 0 && g[4] == 0;
  const bool one_real = g[0] == 0 && g[1] == 0 && g[2] == 0 && g[3] == 0 && g[4] == 1;
  const int cents = g[5];
  std::string out;
  out.reserve(192);
  if (!no_reais) {
    AppendScales(g, out);
    out += ' ';
    AppendGroup(g[4], out);
    out += one_real ? "Real " : "Reais ";
    if (cents != 0) out += "e ";
  }
  if (cents != 0) {
    AppendGroup(cents, out);
    out += cents == 1 ? "Centavo" : "Centavos";
  }
  const auto first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// Whether valor is a positive currency amount in the locale.
bool IsPositiveAmount(const Variant& valor, const RegionalSettings& r) {
  const Variant amount = ToNumber(valor, NumberKind::Currency, r);
  const auto* currency = std::get_if<Currency>(&amount);
  return currency != nullptr && currency->raw > 0;
}

}  // namespace

std::string ValorPorExtenso(std::string_view valor, const RegionalSettings& r) {
  if (valor.empty()) return {};
  try {
    const Variant text{std::string(valor)};
    if (!IsPositiveAmount(text, r)) return {};
    // The picture is applied to the text itself, so that its decimals are rounded
    // as the locale rounds them for display.
    const std::optional<Groups> groups = ReadGroups(FormatValue(text, kAmountPicture, r));
    // An amount below half a centavo formats to all zeros and has no words.
    return groups ? Words(*groups) : std::string();
  } catch (const Error&) {
    return {};
  }
}

}  // namespace vumocaixa
