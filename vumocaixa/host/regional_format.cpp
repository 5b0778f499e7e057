// FormatValue: the short date, the currency form and numeric pictures.

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/regional_detail.hpp>
#include <vumocaixa/host/text.hpp>

#include <cmath>

namespace vumocaixa {
namespace {

using detail::ExactNumber;
using detail::Rounding;

// A numeric picture: '0' a digit always shown, '#' a digit shown when significant,
// ',' among the whole digits turns digit grouping on, '.' the decimal separator.
struct Picture {
  int minWhole = 0;
  bool grouping = false;
  int minFraction = 0;
  int maxFraction = 0;
};

// Pictures may hold up to this many whole digits of a value; beyond it is overflow.
constexpr int kPictureWholeDigits = 29;

std::optional<Picture> ParsePicture(std::string_view format) {
  Picture p;
  const std::size_t point = format.find('.');
  const std::string_view whole = format.substr(0, point);
  for (const char c : whole) {
    if (c == '0')
      ++p.minWhole;
    else if (c == ',')
      p.grouping = true;
    else if (c != '#')
      return std::nullopt;
  }
  if (point != std::string_view::npos) {
    for (const char c : format.substr(point + 1)) {
      if (c != '0' && c != '#') return std::nullopt;
      if (c == '0') p.minFraction = p.maxFraction + 1;
      ++p.maxFraction;
    }
  }
  if (format.find_first_of("0#") == std::string_view::npos) return std::nullopt;
  return p;
}

std::string Grouped(const std::string& whole, char group) {
  std::string out;
  out.reserve(whole.size() + whole.size() / 3);
  for (std::size_t k = 0; k < whole.size(); ++k) {
    if (k > 0 && (whole.size() - k) % 3 == 0) out += group;
    out += whole[k];
  }
  return out;
}

// Splits |x| rounded half away from zero to `places` decimals into its whole
// digits (no leading zeros) and exactly `places` fraction digits.
std::pair<std::string, std::string> RoundedParts(const ExactNumber& x, int places, int maxWhole) {
  const std::optional<std::string> scaled =
      detail::ScaledDigits(x, places, Rounding::HalfAwayFromZero, maxWhole + places);
  if (!scaled) detail::ThrowOverflow();
  std::string digits = *scaled;
  const auto fraction = static_cast<std::size_t>(places);
  if (digits.size() < fraction) digits.insert(0, fraction - digits.size(), '0');
  return {digits.substr(0, digits.size() - fraction), digits.substr(digits.size() - fraction)};
}

bool AllZero(std::string_view digits) { return digits.find_first_not_of('0') == digits.npos; }

std::string CurrencyForm(const ExactNumber& x, const RegionalSettings& r) {
  // The amount must fit the currency kind, exactly as ToNumber reads it.
  (void)detail::ExactToCurrency(x);
  auto [whole, cents] = RoundedParts(x, 2, 20);
  const bool negative = x.negative && !(AllZero(whole) && AllZero(cents));
  std::string text = negative ? "-" : "";
  if (!r.currencySymbol.empty()) text.append(r.currencySymbol).append(" ");
  text += Grouped(whole.empty() ? "0" : whole, r.groupSeparator);
  return text + r.decimalSeparator + cents;
}

std::string PictureForm(const ExactNumber& x, const Picture& p, const RegionalSettings& r) {
  auto [whole, fraction] = RoundedParts(x, p.maxFraction, kPictureWholeDigits);
  const bool negative = x.negative && !(AllZero(whole) && AllZero(fraction));
  while (fraction.size() > static_cast<std::size_t>(p.minFraction) && fraction.back() == '0') {
    fraction.pop_back();
  }
  if (whole.size() < static_cast<std::size_t>(p.minWhole)) {
    whole.insert(0, static_cast<std::size_t>(p.minWhole) - whole.size(), '0');
  }
  std::string text = negative ? "-" : "";
  text += p.grouping ? Grouped(whole, r.groupSeparator) : whole;
  if (!fraction.empty()) text.append(1, r.decimalSeparator).append(fraction);
  return text;
}

// The date a number stands for as a day serial, its fraction (the time) dropped.
std::optional<Date> SerialDate(const Variant& value) {
  const double serial = detail::ExactToDouble(detail::ExactFromVariant(value, PtBR()));
  if (std::fabs(serial) > 1e7) return std::nullopt;
  return detail::DateFromSerial(static_cast<std::int64_t>(std::trunc(serial)));
}

bool IsNonFinite(const Variant& value) {
  if (const double* d = std::get_if<double>(&value)) return !std::isfinite(*d);
  if (const float* f = std::get_if<float>(&value)) return !std::isfinite(*f);
  return false;
}

std::string ShortDate(const Variant& value, const RegionalSettings& r) {
  if (const std::string* text = std::get_if<std::string>(&value)) {
    const std::optional<Date> date = detail::ParseDateText(*text, r);
    return date ? detail::FormatDate(*date, r.shortDatePattern) : *text;
  }
  if (std::holds_alternative<Empty>(value) || std::holds_alternative<bool>(value) ||
      std::holds_alternative<Date>(value)) {
    return ToText(value, r);
  }
  const std::optional<Date> date = IsNonFinite(value) ? std::nullopt : SerialDate(value);
  return date ? detail::FormatDate(*date, r.shortDatePattern) : NumberText(value, r);
}

}  // namespace

std::string FormatValue(const Variant& value, std::string_view format, const RegionalSettings& r) {
  if (EqualsIgnoringAsciiCase(format, kShortDate)) return ShortDate(value, r);
  const bool currency = EqualsIgnoringAsciiCase(format, kCurrencyFormat);
  const std::optional<Picture> picture = currency ? std::nullopt : ParsePicture(format);
  if (!currency && !picture) throw Error("Formato não suportado: " + std::string(format));
  if (std::holds_alternative<Empty>(value)) return {};
  ExactNumber x;
  if (const std::string* text = std::get_if<std::string>(&value)) {
    std::optional<ExactNumber> parsed = detail::ParseLocaleNumber(*text, r);
    if (!parsed) return *text;
    x = std::move(*parsed);
  } else {
    x = detail::ExactFromVariant(value, r);
  }
  return currency ? CurrencyForm(x, r) : PictureForm(x, *picture, r);
}

std::size_t CurrencyWidth(const RegionalSettings& r) {
  constexpr Currency kNearLowest{-9'223'372'036'854'765'800};
  return CharCount(FormatValue(kNearLowest, kCurrencyFormat, r));
}

}  // namespace vumocaixa
