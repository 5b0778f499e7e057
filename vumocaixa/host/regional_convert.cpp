// ToNumber: exact conversion of any value to the six number kinds.

#include <vumocaixa/host/decimal.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/regional_detail.hpp>

#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

namespace vumocaixa {
namespace detail {
namespace {

using U128 = unsigned __int128;

// Adds one to a text of decimal digits, growing it on a carry out of the first.
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

bool RoundsUp(const std::string& kept, char first, bool more, Rounding mode) {
  if (mode == Rounding::HalfAwayFromZero) return first >= '5';
  if (first != '5') return first > '5';
  return more || (!kept.empty() && (kept.back() - '0') % 2 == 1);
}

template <typename Float>
Float ExactToFloating(const ExactNumber& x, std::int64_t maxExponent, std::int64_t minExponent) {
  if (x.IsZero()) return 0;
  const std::int64_t leading = x.WholeDigits() - 1;
  if (leading > maxExponent) ThrowOverflow();
  if (leading < minExponent) return 0;
  std::string text;
  text.reserve(x.digits.size() + 24);
  if (x.negative) text += '-';
  text.append(x.digits).append("e").append(std::to_string(x.exponent));
  Float value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (leading > 0) ThrowOverflow();
    return 0;
  }
  if (ec != std::errc() || end != text.data() + text.size()) ThrowTypeMismatch();
  if (std::isinf(value)) ThrowOverflow();
  return value == 0 ? Float{0} : value;
}

template <typename Float>
ExactNumber ExactFromFloating(Float value) {
  if (!std::isfinite(value)) ThrowOverflow();
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::size_t used = 0;
  return ScanPlainNumber(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)),
                         used);
}

ExactNumber ExactFromInteger(std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  return ExactFromMagnitude(value < 0, value < 0 ? ~bits + 1 : bits, 0);
}

template <typename Int>
Int ExactToWhole(const ExactNumber& x) {
  const std::optional<U128> m = ScaledMagnitude(x, 0, Rounding::HalfEven, 20);
  const auto max = static_cast<U128>(std::numeric_limits<Int>::max());
  if (!m || *m > max + (x.negative ? 1 : 0)) ThrowOverflow();
  const auto magnitude = static_cast<std::int64_t>(*m);
  return static_cast<Int>(x.negative ? -magnitude : magnitude);
}

// The largest scale, at most 28, that keeps the rounded magnitude below 2^96:
// a decimal keeps 28 or 29 significant digits.
Decimal ExactToDecimal(const ExactNumber& x) {
  if (x.IsZero()) return Decimal{};
  const std::int64_t whole = x.WholeDigits();
  if (whole > 29) ThrowOverflow();
  std::int64_t scale = x.exponent < 0 ? std::min<std::int64_t>(-x.exponent, Decimal::kMaxScale) : 0;
  scale = std::min(scale, 29 - whole);
  for (; scale >= 0; --scale) {
    const std::optional<U128> m =
        ScaledMagnitude(x, static_cast<int>(scale), Rounding::HalfEven, 29);
    if (m && *m < kDecimalMagnitudeLimit) {
      return NormalizeDecimal(Decimal{*m, static_cast<std::uint8_t>(scale), x.negative});
    }
  }
  ThrowOverflow();
}

struct VariantReader {
  const RegionalSettings& r;

  ExactNumber operator()(Empty) const { return {}; }
  ExactNumber operator()(bool b) const { return b ? ExactFromInteger(-1) : ExactNumber{}; }
  ExactNumber operator()(std::int16_t v) const { return ExactFromInteger(v); }
  ExactNumber operator()(std::int32_t v) const { return ExactFromInteger(v); }
  ExactNumber operator()(float v) const { return ExactFromFloating(v); }
  ExactNumber operator()(double v) const { return ExactFromFloating(v); }
  ExactNumber operator()(Currency c) const {
    const Decimal d = DecimalFromCurrency(c);
    return ExactFromMagnitude(d.negative, d.magnitude, -d.scale);
  }
  ExactNumber operator()(const Decimal& d) const {
    return ExactFromMagnitude(d.negative, d.magnitude, -static_cast<std::int64_t>(d.scale));
  }
  ExactNumber operator()(const Date& d) const {
    if (!IsValidDate(d)) ThrowTypeMismatch();
    return ExactFromInteger(DateSerial(d));
  }
  ExactNumber operator()(const std::string& text) const {
    std::optional<ExactNumber> x = ParseLocaleNumber(text, r);
    if (!x) ThrowTypeMismatch();
    return std::move(*x);
  }
};

// Binary floating values widen exactly or round once; everything else goes through
// the exact form.
float ToSingle(const Variant& value, const RegionalSettings& r) {
  if (const float* f = std::get_if<float>(&value)) return *f;
  if (const double* d = std::get_if<double>(&value)) {
    // Below this bound a double rounds to a finite float; at or above it, to infinity.
    constexpr double kBound = 0x1.ffffffp+127;
    if (std::isfinite(*d) && std::fabs(*d) >= kBound) ThrowOverflow();
    return static_cast<float>(*d);
  }
  return ExactToSingle(ExactFromVariant(value, r));
}

double ToDouble(const Variant& value, const RegionalSettings& r) {
  if (const float* f = std::get_if<float>(&value)) return *f;
  if (const double* d = std::get_if<double>(&value)) return *d;
  return ExactToDouble(ExactFromVariant(value, r));
}

}  // namespace

std::optional<std::string> ScaledDigits(const ExactNumber& x, int places, Rounding mode,
                                        int maxDigits) {
  if (x.IsZero()) return std::string();
  const std::int64_t n = x.WholeDigits() + places;
  if (n > maxDigits) return std::nullopt;
  if (n < 0) return std::string();
  const auto keep = static_cast<std::size_t>(n);
  if (keep >= x.digits.size()) return x.digits + std::string(keep - x.digits.size(), '0');
  std::string kept = x.digits.substr(0, keep);
  if (RoundsUp(kept, x.digits[keep], x.digits.size() > keep + 1, mode)) IncrementDigits(kept);
  return kept;
}

std::optional<unsigned __int128> ScaledMagnitude(const ExactNumber& x, int places, Rounding mode,
                                                 int maxDigits) {
  const std::optional<std::string> digits = ScaledDigits(x, places, mode, maxDigits);
  if (!digits) return std::nullopt;
  U128 m = 0;
  for (const char c : *digits) m = m * 10 + static_cast<U128>(c - '0');
  return m;
}

double ExactToDouble(const ExactNumber& x) { return ExactToFloating<double>(x, 308, -400); }
float ExactToSingle(const ExactNumber& x) { return ExactToFloating<float>(x, 38, -50); }

Currency ExactToCurrency(const ExactNumber& x) {
  const std::optional<U128> m = ScaledMagnitude(x, 4, Rounding::HalfEven, 20);
  const U128 limit = (static_cast<U128>(1) << 63) - (x.negative ? 0 : 1);
  if (!m || *m > limit) ThrowOverflow();
  const auto bits = static_cast<std::uint64_t>(*m);
  return Currency{static_cast<std::int64_t>(x.negative ? ~bits + 1 : bits)};
}

ExactNumber ExactFromVariant(const Variant& value, const RegionalSettings& r) {
  return std::visit(VariantReader{r}, value);
}

}  // namespace detail

Variant ToNumber(const Variant& value, NumberKind kind, const RegionalSettings& r) {
  using namespace detail;
  switch (kind) {
    case NumberKind::Int16: return ExactToWhole<std::int16_t>(ExactFromVariant(value, r));
    case NumberKind::Int32: return ExactToWhole<std::int32_t>(ExactFromVariant(value, r));
    case NumberKind::Single: return ToSingle(value, r);
    case NumberKind::Double: return ToDouble(value, r);
    case NumberKind::Currency: return ExactToCurrency(ExactFromVariant(value, r));
    case NumberKind::Decimal: return ExactToDecimal(ExactFromVariant(value, r));
  }
  ThrowTypeMismatch();
}

}  // namespace vumocaixa
