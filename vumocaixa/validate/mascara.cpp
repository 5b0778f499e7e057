#include <vumocaixa/validate/mascara.hpp>

#include <algorithm>
#include <cstddef>
#include <limits>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

// The byte length of the character that starts at s[i]: that of a well-formed UTF-8
// sequence, or 1 for a byte that does not start one.
std::size_t CharBytes(std::string_view s, std::size_t i) {
  if (static_cast<unsigned char>(s[i]) < 0x80) return 1;
  std::size_t next = i;
  static_cast<void>(DecodeNext(s, next));
  return next - i;
}

// Copies the mask's literals from byte m up to its next digit position or its end.
// Past the end nothing is left to copy.
char* CopyLiterals(std::string_view mascara, std::size_t& m, char* out) {
  while (m < mascara.size() && mascara[m] != '9') {
    const std::size_t n = CharBytes(mascara, m);
    out = std::copy_n(mascara.data() + m, n, out);
    m += n;
  }
  return out;
}

}  // namespace

std::string_view MascaraDeData(const RegionalSettings& r) {
  const std::string data = FormatValue(std::string("10/10/1999"), kShortDate, r);
  return CharCount(data) == 8 ? kMascaraData2 : kMascaraData4;
}

std::string SoDigitos(std::string_view texto) {
  std::string out;
  out.reserve(texto.size());
  for (char c : texto) {
    if (IsAsciiDigit(c)) out += c;
  }
  return out;
}

std::string FormataMascara(std::string_view digitos, std::string_view mascara) {
  // Every byte of the result comes from one byte of either argument, at most once.
  std::string out(mascara.size() + digitos.size(), '\0');
  char* end = out.data();
  std::size_t d = 0;
  std::size_t m = 0;
  // One pass per character of digitos, and one more that only copies the literals
  // that follow the last digit.
  for (;;) {
    end = CopyLiterals(mascara, m, end);
    if (d >= digitos.size()) break;
    const std::size_t n = CharBytes(digitos, d);
    if (n == 1 && IsAsciiDigit(digitos[d])) *end++ = digitos[d];
    d += n;
    if (m < mascara.size()) ++m;  // the digit position just used, always a "9"
  }
  out.resize(static_cast<std::size_t>(end - out.data()));
  return out;
}

bool TeclaDeControle(std::int16_t codigo) {
  switch (codigo) {
    case 8:
    case 9:
    case 10:
    case 13:
    case 16:
    case 17: return true;
    default: return false;
  }
}

}  // namespace vumocaixa
