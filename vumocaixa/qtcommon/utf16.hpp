#pragma once
// Texts between the control's UTF-8, counted in characters (code points), and Qt's
// UTF-16 QString, counted in 16-bit units.

#include <string_view>

#include <QString>

namespace vumocaixa::qtcommon {

[[nodiscard]] inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One character as a QString: a surrogate pair beyond 16 bits.
[[nodiscard]] inline QString CharText(char32_t c) { return QString::fromUcs4(&c, 1); }

// The number of code points in the first utf16 units of text, and the number of
// UTF-16 units of its first codePoints code points; both clamped to the text. A
// position inside a surrogate pair counts the pair's character:
// CodePointsBefore("a😀", 2) is 2.
[[nodiscard]] int CodePointsBefore(const QString& text, int utf16);
[[nodiscard]] int Utf16Before(const QString& text, int codePoints);

}  // namespace vumocaixa::qtcommon
