#include <vumocaixa/host/decimal.hpp>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vumocaixa {
namespace {

// A decimal split into its integer digits (no leading zeros) and fraction digits
// (no trailing zeros), so that two values compare as texts.
struct SplitDigits {
  std::string whole;
  std::string fraction;
};

SplitDigits Split(const Decimal& d) {
  std::string digits = MagnitudeDigits(d.magnitude);
  const std::size_t scale = d.scale;
  if (digits.size() <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
  SplitDigits s{digits.substr(0, digits.size() - scale), digits.substr(digits.size() - scale)};
  const std::size_t first = s.whole.find_first_not_of('0');
  s.whole.erase(0, first == std::string::npos ? s.whole.size() : first);
  const std::size_t last = s.fraction.find_last_not_of('0');
  s.fraction.resize(last == std::string::npos ? 0 : last + 1);
  return s;
}

std::strong_ordering CompareMagnitudes(const Decimal& a, const Decimal& b) {
  const SplitDigits x = Split(a);
  const SplitDigits y = Split(b);
  if (x.whole.size() != y.whole.size()) return x.whole.size() <=> y.whole.size();
  if (const int c = x.whole.compare(y.whole); c != 0) return c <=> 0;
  return x.fraction.compare(y.fraction) <=> 0;
}

}  // namespace

std::string MagnitudeDigits(unsigned __int128 magnitude) {
  std::string digits;
  do {
    digits.push_back(static_cast<char>('0' + static_cast<int>(magnitude % 10)));
    magnitude /= 10;
  } while (magnitude != 0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

std::strong_ordering CompareDecimal(const Decimal& a, const Decimal& b) {
  const bool aNegative = a.negative && a.magnitude != 0;
  const bool bNegative = b.negative && b.magnitude != 0;
  if (aNegative != bNegative) {
    return aNegative ? std::strong_ordering::less : std::strong_ordering::greater;
  }
  const std::strong_ordering m = CompareMagnitudes(a, b);
  return aNegative ? 0 <=> m : m;
}

bool SameValue(const Decimal& a, const Decimal& b) {
  return CompareDecimal(a, b) == std::strong_ordering::equal;
}

Decimal NormalizeDecimal(Decimal d) {
  while (d.scale > 0 && d.magnitude % 10 == 0) {
    d.magnitude /= 10;
    --d.scale;
  }
  if (d.magnitude == 0) d = Decimal{};
  return d;
}

Decimal DecimalFromCurrency(Currency c) {
  Decimal d;
  d.negative = c.raw < 0;
  // Negating in unsigned arithmetic keeps the lowest value (-2^63) exact.
  const auto raw = static_cast<std::uint64_t>(c.raw);
  d.magnitude = d.negative ? (~raw + 1) : raw;
  d.scale = 4;
  return d;
}

std::string DecimalText(const Decimal& d, char decimalSeparator) {
  const Decimal n = NormalizeDecimal(d);
  std::string digits = MagnitudeDigits(n.magnitude);
  if (n.scale > 0) {
    const std::size_t scale = n.scale;
    if (digits.size() <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
    digits.insert(digits.size() - scale, 1, decimalSeparator);
  }
  if (n.negative) digits.insert(0, 1, '-');
  return digits;
}

}  // namespace vumocaixa
