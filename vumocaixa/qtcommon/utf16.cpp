#include <vumocaixa/qtcommon/utf16.hpp>

#include <algorithm>

namespace vumocaixa::qtcommon {

int CodePointsBefore(const QString& text, int utf16) {
  const int end = std::clamp(utf16, 0, static_cast<int>(text.size()));
  int count = 0;
  for (int i = 0; i < end; ++i) {
    if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) ++count;
  }
  return count;
}

int Utf16Before(const QString& text, int codePoints) {
  int i = 0;
  for (int n = 0; n < codePoints && i < text.size(); ++n) {
    const bool pair =
        text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    i += pair ? 2 : 1;
  }
  return i;
}

CodePointSpan CodePointSelection(const QString& text, Utf16Caret caret) {
  if (caret.selectionStart == caret.selectionEnd) return {CodePointsBefore(text, caret.cursor), 0};
  const int start = CodePointsBefore(text, caret.selectionStart);
  return {start, CodePointsBefore(text, caret.selectionEnd) - start};
}

Utf16Span Utf16Range(const QString& text, int start, int length) {
  const int from = Utf16Before(text, std::max(start, 0));
  return {from, Utf16Before(text, std::max(start, 0) + std::max(length, 0))};
}

}  // namespace vumocaixa::qtcommon
