#pragma once
// Reading the digits of a document or card number without building a new text.

#include <array>
#include <cstddef>
#include <string_view>

namespace vumocaixa::detail {

constexpr unsigned DigitValue(char c) { return static_cast<unsigned char>(c) - unsigned{'0'}; }

// Collects the values of the digits 0 to 9 of text into digits, skipping every other
// character. True when text holds exactly N digits.
template <std::size_t N>
[[nodiscard, gnu::noinline]] constexpr bool ExactDigits(std::string_view text, std::array<int, N>& digits) {
  std::size_t count = 0;
  for (char c : text) {
    if (DigitValue(c) > 9) continue;
    if (count == N) return false;
    digits[count++] = static_cast<int>(DigitValue(c));
  }
  return count == N;
}

// A mask as a fixed-size array, so that reading a text laid out by it unrolls.
template <std::size_t M>
[[nodiscard]] constexpr std::array<char, M> MaskLayout(std::string_view mask) {
  std::array<char, M> layout{};
  for (std::size_t i = 0; i < M && i < mask.size(); ++i) layout[i] = mask[i];
  return layout;
}

// The layout of N bare digits.
template <std::size_t N>
[[nodiscard]] constexpr std::array<char, N> BareLayout() {
  std::array<char, N> layout{};
  layout.fill('9');
  return layout;
}

// The same as ExactDigits for a text laid out exactly as mask: a digit at each "9" of
// the mask and something else at each other position. True only for such a text;
// the common cases (the number as its box shows it, or its bare digits) are read
// without a branch per character.
template <std::size_t N, std::size_t M>
[[nodiscard, gnu::always_inline]] constexpr bool LaidOutDigits(std::string_view text, const std::array<char, M>& mask,
                                           std::array<int, N>& digits) {
  if (text.size() != M) return false;
  bool fits = true;
  std::size_t count = 0;
#pragma GCC unroll 20
  for (std::size_t i = 0; i < M; ++i) {
    const unsigned d = DigitValue(text[i]);
    if (mask[i] == '9') {
      if (count < N) digits[count] = static_cast<int>(d);
      ++count;
      fits &= d <= 9;
    } else {
      fits &= d > 9;
    }
  }
  return fits && count == N;
}

// Exactly N digits from text: quickly when it is laid out as mask or as N bare
// digits, by ExactDigits otherwise.
template <std::size_t N, std::size_t M>
[[nodiscard, gnu::always_inline]] constexpr bool ReadDigits(std::string_view text, const std::array<char, M>& mask,
                                        std::array<int, N>& digits) {
  constexpr std::array<char, N> kBare = BareLayout<N>();
  return LaidOutDigits(text, mask, digits) || LaidOutDigits(text, kBare, digits) ||
         ExactDigits(text, digits);
}

}  // namespace vumocaixa::detail
