#pragma once
// Reading the digits of a document or card number without building a new text.

#include <array>
#include <cstddef>
#include <string_view>

namespace vumocaixa::detail {

// Collects the values of the digits 0 to 9 of text into digits, skipping every other
// character. True when text holds exactly N digits; stops early at the (N+1)th.
template <std::size_t N>
[[nodiscard]] constexpr bool ExactDigits(std::string_view text, std::array<int, N>& digits) {
  std::size_t count = 0;
  for (char c : text) {
    if (c < '0' || c > '9') continue;
    if (count == N) return false;
    digits[count++] = c - '0';
  }
  return count == N;
}

}  // namespace vumocaixa::detail
