#pragma once
// Reading the digits of a document or card number without building a new text.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vumocaixa::detail {

constexpr unsigned DigitValue(char c) { return static_cast<unsigned char>(c) - unsigned{'0'}; }

// The values of the digits 0 to 9 of text, every other character skipped, when
// text holds exactly N digits; nothing otherwise.
template <std::size_t N>
[[nodiscard, gnu::noinline]] constexpr std::optional<std::array<int, N>> ExactDigits(
    std::string_view text) {
  std::array<int, N> digits{};
  std::size_t count = 0;
  for (char c : text) {
    if (DigitValue(c) > 9) continue;
    if (count == N) return std::nullopt;
    digits[count++] = static_cast<int>(DigitValue(c));
  }
  if (count != N) return std::nullopt;
  return digits;
}

// A mask as a fixed-size array, usable as a template argument.
template <std::size_t M>
[[nodiscard]] constexpr std::array<char, M> MaskLayout(std::string_view mask) {
  std::array<char, M> layout{};
  for (std::size_t i = 0; i < M && i < mask.size(); ++i) layout[i] = mask[i];
  return layout;
}

// The layout of N bare digits.
template <std::size_t N>
inline constexpr std::array<char, N> kBareLayout = [] {
  std::array<char, N> layout{};
  layout.fill('9');
  return layout;
}();

// Bit i set where the mask has a digit position.
template <std::size_t M>
constexpr unsigned MaskDigitBits(const std::array<char, M>& mask) {
  unsigned bits = 0;
  for (std::size_t i = 0; i < M; ++i) bits |= (mask[i] == '9' ? 1u : 0u) << i;
  return bits;
}

#if defined(__SSE2__)
// Bit i set where byte i of the M bytes at p is a digit, for 8 <= M <= 32. The bytes
// are read in two overlapping blocks that both lie inside the text.
template <std::size_t M>
[[gnu::always_inline]] inline unsigned TextDigitBits(const char* p) {
  static_assert(M >= 8 && M <= 32);
  const auto bits = [](__m128i v) {
    v = _mm_sub_epi8(v, _mm_set1_epi8('0'));
    const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(9)), v);
    return static_cast<unsigned>(_mm_movemask_epi8(digit));
  };
  if constexpr (M <= 16) {
    const unsigned low = bits(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))) & 0xFFu;
    const unsigned high =
        bits(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + M - 8))) & 0xFFu;
    return low | high << (M - 8);
  } else {
    const unsigned low = bits(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    const unsigned high = bits(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + M - 16)));
    return low | high << (M - 16);
  }
}
#endif

// Whether text is laid out exactly as Mask: a digit at each "9" and something else
// at every other position.
template <const auto& Mask>
[[gnu::always_inline]] inline bool FitsLayout(std::string_view text) {
  constexpr std::size_t M = Mask.size();
  if (text.size() != M) return false;
#if defined(__SSE2__)
  if constexpr (M >= 8 && M <= 32) {
    return TextDigitBits<M>(text.data()) == MaskDigitBits(Mask);
  }
#endif
  bool fits = true;
  for (std::size_t i = 0; i < M; ++i) fits &= (DigitValue(text[i]) <= 9) == (Mask[i] == '9');
  return fits;
}

// The digits at the "9" positions of Mask, for a text that fits it.
template <const auto& Mask, std::size_t N>
[[gnu::always_inline]] inline void TakeLaidOutDigits(std::string_view text,
                                                     std::array<int, N>& digits) {
  std::size_t count = 0;
#pragma GCC unroll 32
  for (std::size_t i = 0; i < Mask.size(); ++i) {
    if (Mask[i] == '9' && count < N) digits[count++] = static_cast<int>(DigitValue(text[i]));
  }
}

// Exactly N digits from text: quickly when it is laid out as Mask (the number as its
// box shows it) or as N bare digits, by ExactDigits otherwise.
template <const auto& Mask, std::size_t N>
[[nodiscard, gnu::always_inline]] inline bool ReadDigits(std::string_view text,
                                                         std::array<int, N>& digits) {
  static_assert(MaskDigitBits(Mask) != 0);
  if (FitsLayout<Mask>(text)) {
    TakeLaidOutDigits<Mask>(text, digits);
    return true;
  }
  if (FitsLayout<kBareLayout<N>>(text)) {
    TakeLaidOutDigits<kBareLayout<N>>(text, digits);
    return true;
  }
  // The digits are copied back rather than written by reference, so that in the
  // quick cases they can stay in registers.
  const std::optional<std::array<int, N>> found = ExactDigits<N>(text);
  if (found) digits = *found;
  return found.has_value();
}

}  // namespace vumocaixa::detail
