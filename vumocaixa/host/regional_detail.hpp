#pragma once
// Internals shared by the regional runtime's sources: an exact decimal form of any
// number, the locale and plain number readers, and exact rounding. Not part of the
// public interface.

#include <vumocaixa/host/regional.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vumocaixa::detail {

// An exact number: (-1)^negative * digits * 10^exponent. `digits` has no leading
// and no trailing zeros; empty digits are zero (and then never negative).
struct ExactNumber {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;

  [[nodiscard]] bool IsZero() const { return digits.empty(); }
  // The count of digits before the decimal point (zero or less below 1).
  [[nodiscard]] std::int64_t WholeDigits() const {
    return static_cast<std::int64_t>(digits.size()) + exponent;
  }
};

// Exponents written in a text are clamped to this magnitude; any number that far
// out is already beyond every kind (or rounds to zero).
inline constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

// Builds an exact number from the digits before and after the decimal point and a
// power of ten; both digit texts may carry leading or trailing zeros.
[[nodiscard]] ExactNumber MakeExact(bool negative, std::string_view whole,
                                    std::string_view fraction, std::int64_t exponent);
[[nodiscard]] ExactNumber ExactFromMagnitude(bool negative, unsigned __int128 magnitude,
                                             std::int64_t exponent);

// Reads a whole text as a number in the locale: blanks around, one sign, the
// currency symbol, '.'-grouped digits, ',' decimals, an exponent.
[[nodiscard]] std::optional<ExactNumber> ParseLocaleNumber(std::string_view text,
                                                           const RegionalSettings& r);

// Reads the plain number at the start of text ('.' decimal point, optional sign and
// exponent, no grouping); sets `used` to the bytes read, 0 when there is none.
[[nodiscard]] ExactNumber ScanPlainNumber(std::string_view text, std::size_t& used);

// The exact value of a Variant that ToNumber accepts: numbers, Booleans (true is
// -1), dates (their day serial), Empty (0) and texts that read as numbers. Floating
// values convert through their shortest round-trip digits.
// Throws TypeMismatchError or OverflowError (non-finite floating values).
[[nodiscard]] ExactNumber ExactFromVariant(const Variant& value, const RegionalSettings& r);

enum class Rounding { HalfEven, HalfAwayFromZero };

// The digits of |x| * 10^places rounded to a whole number, without leading zeros
// ("" for zero); nullopt when more than maxDigits digits precede the rounding.
[[nodiscard]] std::optional<std::string> ScaledDigits(const ExactNumber& x, int places,
                                                      Rounding mode, int maxDigits);
// The same as a number; maxDigits must stay at or below 37.
[[nodiscard]] std::optional<unsigned __int128> ScaledMagnitude(const ExactNumber& x, int places,
                                                               Rounding mode, int maxDigits);

// Correctly rounded conversions; throw OverflowError beyond the kind's range, and
// give zero for magnitudes below its smallest value.
[[nodiscard]] double ExactToDouble(const ExactNumber& x);
[[nodiscard]] float ExactToSingle(const ExactNumber& x);

// The currency value of x, rounded half to even at the fourth decimal.
[[nodiscard]] Currency ExactToCurrency(const ExactNumber& x);

// Dates and their day serials (0 is 30 December 1899).
[[nodiscard]] bool IsValidDate(const Date& d);
[[nodiscard]] std::int64_t DateSerial(const Date& d);
// The date of a serial; nullopt outside the years 100 to 9999.
[[nodiscard]] std::optional<Date> DateFromSerial(std::int64_t serial);
[[nodiscard]] std::optional<Date> ParseDateText(std::string_view text, const RegionalSettings& r);
[[nodiscard]] std::string FormatDate(const Date& d, std::string_view pattern);

[[noreturn]] void ThrowOverflow();
[[noreturn]] void ThrowTypeMismatch();

}  // namespace vumocaixa::detail
