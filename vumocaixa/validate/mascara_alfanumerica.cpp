#include <vumocaixa/validate/mascara_alfanumerica.hpp>

#include <algorithm>
#include <cstddef>
#include <limits>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

constexpr char kPosicaoDigito = '9';
constexpr char kPosicaoLetra = 'A';

bool IsPosicao(char m) { return m == kPosicaoDigito || m == kPosicaoLetra; }

// The kind of the mask's position n (0-based, counting positions only), or 0 when
// the mask has fewer positions.
char TipoDaPosicao(std::string_view mascara, std::size_t n) {
  for (char m : mascara) {
    if (!IsPosicao(m)) continue;
    if (n == 0) return m;
    --n;
  }
  return 0;
}

// Literal bytes of a multi-byte character are never "9" or "A", so the mask can be
// walked byte by byte whatever its literals are.
void CopiaLiterais(std::string_view mascara, std::size_t& m, std::string& out) {
  while (m < mascara.size() && !IsPosicao(mascara[m])) out += mascara[m++];
}

}  // namespace

std::string SoDigitosELetras(std::string_view texto) {
  std::string out;
  out.reserve(texto.size());
  for (char c : texto) {
    if (IsAsciiDigit(c) || IsAsciiUpper(c)) {
      out += c;
    } else if (IsAsciiLower(c)) {
      out += AsciiUpper(c);
    }
  }
  return out;
}

bool CabeNaPosicao(char c, std::size_t posicao, std::string_view mascara) {
  if (IsAsciiDigit(c)) return true;
  return IsAsciiUpper(c) && TipoDaPosicao(mascara, posicao) == kPosicaoLetra;
}

std::string FormataMascaraAlfanumerica(std::string_view texto, std::string_view mascara) {
  const std::string caracteres = SoDigitosELetras(texto);
  std::string out;
  out.reserve(mascara.size() + caracteres.size());
  std::size_t m = 0;
  for (char c : caracteres) {
    CopiaLiterais(mascara, m, out);
    out += c;
    if (m < mascara.size()) ++m;  // the position just filled
  }
  CopiaLiterais(mascara, m, out);
  return out;
}

}  // namespace vumocaixa
