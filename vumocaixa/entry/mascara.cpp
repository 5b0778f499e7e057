#include <vumocaixa/entry/mascara.hpp>

#include <algorithm>
#include <cstddef>
#include <limits>

#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsContinuation(std::string_view s, std::size_t i) {
  return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
}

// The byte length of the character that starts at s[i]: the length of a
// well-formed UTF-8 sequence, or 1 for a byte that does not start one.
std::size_t CharBytes(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) return 1;
  const auto b1 = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0u;
  if (b0 >= 0xC2 && b0 <= 0xDF) return IsContinuation(s, i + 1) ? 2 : 1;
  if (b0 >= 0xE0 && b0 <= 0xEF) {
    // No overlong forms (E0 80..9F) and no surrogates (ED A0..BF).
    const bool ok = IsContinuation(s, i + 1) && IsContinuation(s, i + 2) &&
                    !(b0 == 0xE0 && b1 < 0xA0) && !(b0 == 0xED && b1 >= 0xA0);
    return ok ? 3 : 1;
  }
  if (b0 >= 0xF0 && b0 <= 0xF4) {
    // No overlong forms (F0 80..8F) and nothing above U+10FFFF (F4 90..).
    const bool ok = IsContinuation(s, i + 1) && IsContinuation(s, i + 2) &&
                    IsContinuation(s, i + 3) && !(b0 == 0xF0 && b1 < 0x90) &&
                    !(b0 == 0xF4 && b1 >= 0x90);
    return ok ? 4 : 1;
  }
  return 1;
}

// Appends the mask's literals from byte m up to its next digit position or its end.
// Past the end nothing is left to copy.
void CopyLiterals(std::string_view mascara, std::size_t& m, std::string& out) {
  while (m < mascara.size()) {
    if (mascara[m] == '9') return;
    const std::size_t n = CharBytes(mascara, m);
    out.append(mascara.substr(m, n));
    m += n;
  }
}

}  // namespace

std::string SoDigitos(std::string_view texto) {
  std::string out;
  out.reserve(texto.size());
  for (char c : texto) {
    if (IsDigit(c)) out += c;
  }
  return out;
}

std::string FormataMascara(std::string_view digitos, std::string_view mascara) {
  std::string out;
  out.reserve(mascara.size() + digitos.size());
  std::size_t d = 0;
  std::size_t m = 0;
  // One pass per character of digitos, and one more that only copies the literals
  // that follow the last digit.
  for (;;) {
    CopyLiterals(mascara, m, out);
    if (d >= digitos.size()) break;
    const std::size_t n = CharBytes(digitos, d);
    if (n == 1 && IsDigit(digitos[d])) out += digitos[d];
    d += n;
    if (m < mascara.size()) ++m;  // the digit position just used, always a "9"
  }
  return out;
}

bool TeclaDeControle(std::int16_t codigo) {
  switch (codigo) {
    case 8:
    case 9:
    case 10:
    case 13:
    case 16:
    case 17:
      return true;
    default:
      return false;
  }
}

void AplicaMascara(Widget& caixa, std::string_view mascara, std::int16_t& KeyAscii) {
  if (TeclaDeControle(KeyAscii)) return;
  // The codes 48 to 57 are the only ones whose character reads as a number alone;
  // -1 (a character without a code) and every other code are swallowed.
  if (KeyAscii < '0' || KeyAscii > '9') {
    KeyAscii = 0;
    return;
  }
  std::string t = caixa.Text();
  const auto caret = static_cast<std::size_t>(std::max(caixa.SelStart(), 0));
  if (CharCount(t) != caret) t = LeftChars(t, caret);
  const std::string novo = FormataMascara(SoDigitos(t), mascara);
  caixa.SetText(novo);
  const std::size_t length = CharCount(novo);
  const auto limit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  caixa.SetSelStart(static_cast<std::int32_t>(std::min(length, limit)));
}

}  // namespace vumocaixa
