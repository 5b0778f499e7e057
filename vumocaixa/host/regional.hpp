#pragma once
// The regional runtime: locale services for a Brazilian user (',' decimal separator,
// '.' digit grouping, "R$ 1.234,50", dd/MM/yyyy), configurable as a value type.
//
// Every routine keeps no state; each takes the settings as a parameter with the
// pt-BR default. Texts are UTF-8.

#include <vumocaixa/host/values.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace vumocaixa {

struct RegionalSettings {
  // Day, month and year fields: d or dd, M or MM, yy or yyyy; any other character is
  // written as it is. The order of the fields is also the order in which dates are read.
  std::string shortDatePattern = "dd/MM/yyyy";  // or "dd/MM/yy"
  std::string currencySymbol = "R$";
  char decimalSeparator = ',';
  char groupSeparator = '.';
  // Two-digit years are read as the years twoDigitYearStart to twoDigitYearStart + 99.
  int twoDigitYearStart = 1930;

  friend bool operator==(const RegionalSettings&, const RegionalSettings&) = default;
};

// The Brazilian defaults.
[[nodiscard]] const RegionalSettings& PtBR();

// The messages of the conversion errors (OverflowError, TypeMismatchError).
inline constexpr std::string_view kOverflowMessage = "Estouro";
inline constexpr std::string_view kTypeMismatchMessage = "Tipos incompatíveis";

// The texts of the two Boolean values.
inline constexpr std::string_view kTrueText = "Verdadeiro";
inline constexpr std::string_view kFalseText = "Falso";

// Named formats of FormatValue.
inline constexpr std::string_view kShortDate = "Short Date";
inline constexpr std::string_view kCurrencyFormat = "Currency";
inline constexpr std::string_view kAmountPicture = "000000000000000.00";

// Whether the text (or a single character) reads as a number in the locale: blanks
// around it, one sign before or after the currency symbol, digits grouped in threes
// ("1.234.567") or not grouped, one decimal separator, an exponent ("1,5E+20").
// "R$ 1.234,56", "-R$ 1.234,50", ",5" and "5," are numbers; "", ",", "-", "12w",
// "1,2,3" and "1.00" (a group of two) are not. Any byte sequence is safe.
[[nodiscard]] bool IsNumericText(std::string_view text, const RegionalSettings& r = PtBR());

// The number at the start of text, '.' as decimal point, leading blanks skipped,
// an optional sign and exponent; 0 when there is none, never -0.
// "12abc" 12, "1.5x" 1.5, "1.000.000" 1, "1e3" 1000, "abc" 0.
// Throws OverflowError when the number is beyond the range of a double.
[[nodiscard]] double LeadingNumber(std::string_view text);

// Converts value to the number kind; throws OverflowError outside the kind's range
// and TypeMismatchError when the value is not a number. Texts are read as
// IsNumericText reads them and converted exactly: whole kinds round half to even
// ("2,5" 2, "3,5" 4), Currency rounds half to even at the fourth decimal, Decimal
// keeps up to 28 decimals and 28-29 significant digits (rounding half to even),
// single and double take the nearest value. Empty is 0, true is -1, false 0, a date
// its day serial (30/12/1899 is 0); single and double values convert to the exact
// kinds by their shortest round-trip digits (0.1 is 0,1). Results carry no trailing
// zeros in a Decimal's scale and never a negative zero.
[[nodiscard]] Variant ToNumber(const Variant& value, NumberKind kind,
                               const RegionalSettings& r = PtBR());

// The default text form of a number in the locale: no grouping, no trailing zeros.
// Single shows 7 and double 15 significant digits, in exponent form when the
// exponent reaches that count or is below -4 ("1E+20", "1,5E-05"); Currency and
// Decimal are exact ("-922337203685477,5808"). Non-finite values give "Infinito",
// "-Infinito", "NaN". Any other value gives its ToText.
[[nodiscard]] std::string NumberText(const Variant& value, const RegionalSettings& r = PtBR());

// Formats value with a named format (case ignored) or a numeric picture.
// "Short Date": a date, a text that reads as a date, or a number as a day serial,
// in the short date pattern; any other text comes back unchanged ("" stays "").
// "Currency": "R$ 1.234,50", negatives "-R$ 1.234,50", two decimals rounded half
// away from zero straight from the exact value; beyond the Currency range it throws
// OverflowError. Pictures: '0' a digit always shown, '#' a digit when significant,
// ',' among the whole digits for grouping, '.' the decimal separator; rounded like
// "Currency". A text that is not a number comes back unchanged; Empty gives "".
// Throws Error for a format that is neither.
[[nodiscard]] std::string FormatValue(const Variant& value, std::string_view format,
                                      const RegionalSettings& r = PtBR());

// Whether the value reads as a date in the locale: day, month and year in the order
// of the short date pattern, separated by '/', '-' or '.' (one kind per date), day
// and month of one or two digits, the year of two (read in the two-digit window) or
// four digits (100 to 9999), on the real calendar. A valid Date is a date too.
[[nodiscard]] bool IsDateText(const Variant& value, const RegionalSettings& r = PtBR());

// The default conversion of any value to text: Empty "", Booleans "Verdadeiro" and
// "Falso", numbers in their NumberText form, dates in the short date pattern, texts
// unchanged. Throws TypeMismatchError for a Date that is not on the calendar.
[[nodiscard]] std::string ToText(const Variant& value, const RegionalSettings& r = PtBR());

// The field width of a currency entry: the length, in characters, of
// FormatValue(-922337203685476.58, "Currency").
[[nodiscard]] std::size_t CurrencyWidth(const RegionalSettings& r = PtBR());

}  // namespace vumocaixa
