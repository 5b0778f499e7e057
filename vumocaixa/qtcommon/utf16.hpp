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

// An editor's caret in UTF-16 units: the ends of its selection (equal, or both -1, when
// nothing is selected) and its cursor.
struct Utf16Caret {
  int selectionStart = 0;
  int selectionEnd = 0;
  int cursor = 0;
};
struct CodePointSpan {
  int start = 0;
  int length = 0;
};
struct Utf16Span {
  int from = 0;
  int to = 0;
};
// The caret in code points: where the selection starts (the cursor when nothing is
// selected) and how many characters it holds.
[[nodiscard]] CodePointSpan CodePointSelection(const QString& text, Utf16Caret caret);
// The UTF-16 ends of length code points from start, both clamped to the text.
[[nodiscard]] Utf16Span Utf16Range(const QString& text, int start, int length);

}  // namespace vumocaixa::qtcommon
