#pragma once
// Value types that cross the host interface: the number kinds, dates, the general
// Variant value, colours and fonts.

#include <compare>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace vumocaixa {

// A currency amount: a signed 64-bit integer scaled by 10 000 (four decimal places).
// Range -922 337 203 685 477,5808 to 922 337 203 685 477,5807.
struct Currency {
  static constexpr std::int64_t kScale = 10000;
  std::int64_t raw = 0;

  friend constexpr auto operator<=>(Currency, Currency) = default;
};

// A decimal number: a 96-bit unsigned magnitude, a sign and a scale of 0 to 28
// (value = +-magnitude / 10^scale). Equal values with different scales compare
// unequal with ==; use the regional runtime's numeric comparison for value equality.
struct Decimal {
  static constexpr int kMaxScale = 28;
  unsigned __int128 magnitude = 0;  // always below 2^96
  std::uint8_t scale = 0;
  bool negative = false;

  friend constexpr bool operator==(const Decimal&, const Decimal&) = default;
};

// A calendar date.
struct Date {
  int year = 1899;
  int month = 12;
  int day = 30;

  friend constexpr auto operator<=>(const Date&, const Date&) = default;
};

// The "nothing assigned" value.
using Empty = std::monostate;

// The general value of the control's Text property and of the regional runtime:
// empty, Boolean, a number of one of the six kinds, a date or a UTF-8 text.
using Variant = std::variant<Empty, bool, std::int16_t, std::int32_t, float, double, Currency,
                             Decimal, Date, std::string>;

// The number kinds of ToNumber.
enum class NumberKind { Int16, Int32, Single, Double, Currency, Decimal };

// A 32-bit colour value. Values with the high bit set name a system colour.
struct Color {
  std::uint32_t value = 0;

  friend constexpr bool operator==(Color, Color) = default;
};

inline constexpr Color kSystemWindowColor{0x80000005u};
inline constexpr Color kSystemWindowTextColor{0x80000008u};

// A font description. Fonts are shared by reference (FontRef) among widgets.
struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;

  friend bool operator==(const Font&, const Font&) = default;
};

using FontRef = std::shared_ptr<Font>;

}  // namespace vumocaixa
