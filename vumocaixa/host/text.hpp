#pragma once
// UTF-8 texts counted in characters, Windows-1252 character codes, and the upper and
// lower case of every letter of Windows-1252.
//
// Malformed UTF-8 is never undefined behaviour: decoding replaces each byte that does
// not start a well-formed sequence by U+FFFD.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vumocaixa {

inline constexpr char32_t kReplacementChar = U'\uFFFD';

[[nodiscard]] bool IsValidUtf8(std::string_view text);
[[nodiscard]] std::u32string DecodeUtf8(std::string_view text);
// Decodes the character that starts at byte i of text (i < text.size()) and moves i
// past it; a byte that does not start a well-formed sequence gives U+FFFD and moves
// i by one, as DecodeUtf8 does.
[[nodiscard]] char32_t DecodeNext(std::string_view text, std::size_t& i);
[[nodiscard]] std::string EncodeUtf8(std::u32string_view text);
[[nodiscard]] std::string EncodeUtf8(char32_t c);

// The number of characters (code points) of a UTF-8 text.
[[nodiscard]] std::size_t CharCount(std::string_view text);
// The first n characters of a UTF-8 text.
[[nodiscard]] std::string LeftChars(std::string_view text, std::size_t n);

// The Windows-1252 code of a character, or -1 when the code page has none.
[[nodiscard]] std::int16_t ToWindows1252(char32_t c);
// The character of a Windows-1252 code (0 to 255); U+FFFD for the five unassigned
// codes and for codes outside 0 to 255.
[[nodiscard]] char32_t FromWindows1252(std::int16_t code);

// Upper and lower case of a character; letters outside Windows-1252 are left as
// they are, as are characters without case.
[[nodiscard]] char32_t UpperChar(char32_t c);
[[nodiscard]] char32_t LowerChar(char32_t c);
[[nodiscard]] std::string UpperText(std::string_view text);
[[nodiscard]] std::string LowerText(std::string_view text);

// The same on Windows-1252 codes; a code with no character is returned unchanged.
[[nodiscard]] std::int16_t UpperCode(std::int16_t code);
[[nodiscard]] std::int16_t LowerCode(std::int16_t code);

}  // namespace vumocaixa
