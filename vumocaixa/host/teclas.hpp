#pragma once
// The numbers of the key events, by name. KeyDown and KeyUp carry a key code and a
// modifier state; KeyPress carries a Windows-1252 character code (KeyAscii). The two
// kinds of code share numbers with other meanings: 46 is the Delete key but the
// character '.', 8 is both the Backspace key and the backspace character. Only Enter
// means the same as a key and as a character, and has one name.

#include <cstdint>

namespace vumocaixa {

inline constexpr std::int16_t kTeclaEnter = 13;

// Key codes (KeyCode). Letters are 65 to 90 and digits 48 to 57, as their capitals
// and digits are in ASCII.
inline constexpr std::int16_t kTeclaBackspace = 8;
inline constexpr std::int16_t kTeclaTab = 9;
inline constexpr std::int16_t kTeclaEscape = 27;
inline constexpr std::int16_t kTeclaEspaco = 32;
inline constexpr std::int16_t kTeclaDelete = 46;
// The ç key of a Brazilian keyboard, where a US keyboard has ';'.
inline constexpr std::int16_t kTeclaCedilha = 186;
inline constexpr std::int16_t kTeclaVirgula = 188;
inline constexpr std::int16_t kTeclaMenos = 189;
inline constexpr std::int16_t kTeclaPonto = 190;
inline constexpr std::int16_t kTeclaBarra = 191;

// Modifier states (Shift), added up: Ctrl+Shift is 3.
inline constexpr std::int16_t kComShift = 1;
inline constexpr std::int16_t kComCtrl = 2;
inline constexpr std::int16_t kComAlt = 4;

// Character codes (KeyAscii).
inline constexpr std::int16_t kCodigoBackspace = 8;
inline constexpr std::int16_t kCodigoTab = 9;
inline constexpr std::int16_t kCodigoQuebraDeLinha = 10;  // the line feed Ctrl+Enter types
inline constexpr std::int16_t kCodigoEscape = 27;
inline constexpr std::int16_t kCodigoVirgula = 44;
inline constexpr std::int16_t kCodigoMenos = 45;
inline constexpr std::int16_t kCodigoPonto = 46;
inline constexpr std::int16_t kCodigoDel = 127;  // what Ctrl+Backspace types

}  // namespace vumocaixa
