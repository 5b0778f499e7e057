// NumberText and ToText: the default text forms of numbers and other values.

#include <vumocaixa/host/decimal.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/regional_detail.hpp>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vumocaixa {
namespace {

// Significant digits d1 d2 ... and the decimal exponent of d1.
struct Rounded {
  std::string digits;
  int exponent = 0;
};

template <typename Float>
Rounded RoundSignificant(Float magnitude, int precision) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, precision - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  Rounded r;
  for (const char c : text.substr(0, e)) {
    if (c != '.') r.digits += c;
  }
  const std::string_view power = text.substr(e + 1);
  std::from_chars(power.data() + (power[0] == '+' ? 1 : 0), power.data() + power.size(),
                  r.exponent);
  return r;
}

// Whether significant digits read back as a finite value of the kind.
template <typename Float>
bool ReadsBack(const Rounded& r) {
  const std::string text =
      r.digits + "e" + std::to_string(r.exponent - static_cast<int>(r.digits.size()) + 1);
  Float value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && !std::isinf(value);
}

// Rounding the largest values of a kind to fewer digits can go past the kind's
// range (1,79769313486232E+308 is no double); they are cut instead, so that
// every text written reads back.
template <typename Float>
void KeepInRange(Rounded& r) {
  if (r.exponent < std::numeric_limits<Float>::max_exponent10 || ReadsBack<Float>(r)) return;
  --r.digits.back();
}

std::string ExponentForm(const Rounded& r, char separator) {
  std::string text(1, r.digits[0]);
  if (r.digits.size() > 1) text.append(1, separator).append(r.digits, 1);
  const int power = std::abs(r.exponent);
  text += r.exponent < 0 ? "E-" : "E+";
  if (power < 10) text += '0';
  return text + std::to_string(power);
}

std::string PlainForm(const Rounded& r, char separator) {
  const auto count = static_cast<int>(r.digits.size());
  if (r.exponent < 0) {
    return "0" + std::string(1, separator) +
           std::string(static_cast<std::size_t>(-r.exponent - 1), '0') + r.digits;
  }
  if (count <= r.exponent + 1) {
    return r.digits + std::string(static_cast<std::size_t>(r.exponent + 1 - count), '0');
  }
  const auto point = static_cast<std::size_t>(r.exponent + 1);
  return r.digits.substr(0, point) + separator + r.digits.substr(point);
}

// Up to `precision` significant digits without trailing zeros; exponent form when
// the exponent reaches the precision or falls below -4 (1E+15, 1E-05).
template <typename Float>
std::string FloatingText(Float value, int precision, char separator) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinito" : "Infinito";
  if (value == 0) return "0";
  Rounded r = RoundSignificant(std::fabs(value), precision);
  KeepInRange<Float>(r);
  r.digits.resize(r.digits.find_last_not_of('0') + 1);
  const bool exponentForm = r.exponent >= precision || r.exponent < -4;
  const std::string text = exponentForm ? ExponentForm(r, separator) : PlainForm(r, separator);
  return value < 0 ? "-" + text : text;
}

std::string CurrencyText(Currency c, char separator) {
  return DecimalText(NormalizeDecimal(DecimalFromCurrency(c)), separator);
}

struct TextWriter {
  const RegionalSettings& r;

  std::string operator()(Empty) const { return {}; }
  std::string operator()(bool b) const { return std::string(b ? kTrueText : kFalseText); }
  std::string operator()(std::int16_t v) const { return std::to_string(v); }
  std::string operator()(std::int32_t v) const { return std::to_string(v); }
  std::string operator()(float v) const { return FloatingText(v, 7, r.decimalSeparator); }
  std::string operator()(double v) const { return FloatingText(v, 15, r.decimalSeparator); }
  std::string operator()(Currency c) const { return CurrencyText(c, r.decimalSeparator); }
  std::string operator()(const Decimal& d) const { return DecimalText(d, r.decimalSeparator); }
  std::string operator()(const Date& d) const {
    if (!detail::IsValidDate(d)) detail::ThrowTypeMismatch();
    return detail::FormatDate(d, r.shortDatePattern);
  }
  std::string operator()(const std::string& s) const { return s; }
};

}  // namespace

std::string NumberText(const Variant& value, const RegionalSettings& r) {
  return std::visit(TextWriter{r}, value);
}

std::string ToText(const Variant& value, const RegionalSettings& r) {
  return std::visit(TextWriter{r}, value);
}

}  // namespace vumocaixa
