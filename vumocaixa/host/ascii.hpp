#pragma once
// The classes and case of ASCII characters, the same whatever the C locale (the
// <cctype> functions depend on it). Characters and codes outside ASCII, negative
// ones included, are in no class and keep their case.
//   IsAsciiDigit('7') == true;  AsciiUpper('q') == 'Q';  AsciiUpper('\xE7') == '\xE7'

#include <algorithm>
#include <string_view>

namespace vumocaixa {

[[nodiscard]] constexpr bool IsAsciiDigit(int c) { return c >= '0' && c <= '9'; }
[[nodiscard]] constexpr bool IsAsciiUpper(int c) { return c >= 'A' && c <= 'Z'; }
[[nodiscard]] constexpr bool IsAsciiLower(int c) { return c >= 'a' && c <= 'z'; }

// For a char and for a character code (std::int16_t, char32_t) alike.
template <typename C>
[[nodiscard]] constexpr C AsciiUpper(C c) {
  return IsAsciiLower(static_cast<int>(c)) ? static_cast<C>(c - ('a' - 'A')) : c;
}
template <typename C>
[[nodiscard]] constexpr C AsciiLower(C c) {
  return IsAsciiUpper(static_cast<int>(c)) ? static_cast<C>(c + ('a' - 'A')) : c;
}

// Whether two texts are equal when the case of A to Z is not counted; every other
// byte must match exactly.   EqualsIgnoringAsciiCase("Moeda", "MOEDA") == true
[[nodiscard]] constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace vumocaixa
