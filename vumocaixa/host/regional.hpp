#pragma once
// The regional runtime: locale services for a Brazilian user (',' decimal separator,
// '.' digit grouping, "R$ 1.234,50", dd/MM/yyyy), configurable as a value type.
//
// Every routine keeps no state; each takes the settings as a parameter with the
// pt-BR default. Texts are UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

#include <vumocaixa/host/values.hpp>

namespace vumocaixa {

struct RegionalSettings {
  std::string shortDatePattern = "dd/MM/yyyy";  // or "dd/MM/yy"
  std::string currencySymbol = "R$";
  char decimalSeparator = ',';
  char groupSeparator = '.';

  friend bool operator==(const RegionalSettings&, const RegionalSettings&) = default;
};

// The Brazilian defaults.
[[nodiscard]] const RegionalSettings& PtBR();

// Named formats of FormatValue.
inline constexpr std::string_view kShortDate = "Short Date";
inline constexpr std::string_view kCurrencyFormat = "Currency";
inline constexpr std::string_view kAmountPicture = "000000000000000.00";

// Whether the text (or a single character) reads as a number in the locale.
[[nodiscard]] bool IsNumericText(std::string_view text, const RegionalSettings& r = PtBR());

// The number at the start of text, '.' as decimal point, leading spaces skipped;
// 0 when there is none.
[[nodiscard]] double LeadingNumber(std::string_view text);

// Converts value to the number kind; throws OverflowError outside the kind's range
// and TypeMismatchError when the value is not a number. Whole kinds round half to even.
[[nodiscard]] Variant ToNumber(const Variant& value, NumberKind kind,
                               const RegionalSettings& r = PtBR());

// The default text form of a number (or of any value) in the locale.
[[nodiscard]] std::string NumberText(const Variant& value, const RegionalSettings& r = PtBR());

// Formats value with a named format ("Short Date", "Currency") or a picture.
[[nodiscard]] std::string FormatValue(const Variant& value, std::string_view format,
                                      const RegionalSettings& r = PtBR());

// Whether the value reads as a date in the locale.
[[nodiscard]] bool IsDateText(const Variant& value, const RegionalSettings& r = PtBR());

// The default conversion of any value to text (a number in its NumberText form).
[[nodiscard]] std::string ToText(const Variant& value, const RegionalSettings& r = PtBR());

// The field width of a currency entry: the length, in characters, of
// FormatValue(-922337203685476.58, "Currency").
[[nodiscard]] std::size_t CurrencyWidth(const RegionalSettings& r = PtBR());

}  // namespace vumocaixa
