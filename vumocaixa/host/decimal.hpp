#pragma once
// Helpers for the Decimal number kind: comparison by value, the canonical form,
// exact conversion from Currency, and the digits of a magnitude.

#include <vumocaixa/host/values.hpp>

#include <compare>
#include <string>

namespace vumocaixa {

// Every Decimal magnitude stays below this bound (2^96).
inline constexpr unsigned __int128 kDecimalMagnitudeLimit = static_cast<unsigned __int128>(1) << 96;

// Orders two decimals by value: 1,50 (scale 2) and 1,5 (scale 1) are equivalent,
// and so are +0 and -0. Example: CompareDecimal(-1, 0,5) is less.
[[nodiscard]] std::strong_ordering CompareDecimal(const Decimal& a, const Decimal& b);

// Whether two decimals have the same value, whatever their scales.
[[nodiscard]] bool SameValue(const Decimal& a, const Decimal& b);

// The same value with no trailing zeros after the decimal point and a zero that is
// never negative: 1,50 (scale 2) becomes 1,5 (scale 1).
[[nodiscard]] Decimal NormalizeDecimal(Decimal d);

// A currency amount as an exact decimal (scale 4 before normalising); never fails,
// the lowest currency value included.
[[nodiscard]] Decimal DecimalFromCurrency(Currency c);

// The decimal digits of a magnitude, without leading zeros; "0" for zero.
[[nodiscard]] std::string MagnitudeDigits(unsigned __int128 magnitude);

// The text of a decimal with '.' or another separator, no trailing zeros:
// DecimalText({15, 1, true}, ',') gives "-1,5".
[[nodiscard]] std::string DecimalText(const Decimal& d, char decimalSeparator);

}  // namespace vumocaixa
