#include <vumocaixa/entry/mascara_alfanumerica.hpp>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/validate/mascara.hpp>

namespace vumocaixa {

void AplicaMascaraAlfanumerica(Widget& caixa, std::string_view mascara, std::int16_t& KeyAscii) {
  if (TeclaDeControle(KeyAscii)) return;
  KeyAscii = AsciiUpper(KeyAscii);
  std::string t = caixa.Text();
  const auto caret = static_cast<std::size_t>(std::max(caixa.SelStart(), 0));
  if (CharCount(t) != caret) t = LeftChars(t, caret);
  const std::string caracteres = SoDigitosELetras(t);
  // Only ASCII codes can be digits or letters; the range check keeps the narrowing
  // to char exact.
  const bool ascii = KeyAscii > 0 && KeyAscii < 128;
  if (!ascii || !CabeNaPosicao(static_cast<char>(KeyAscii), caracteres.size(), mascara)) {
    KeyAscii = 0;
    return;
  }
  const std::string novo = FormataMascaraAlfanumerica(caracteres, mascara);
  caixa.SetText(novo);
  const std::size_t length = CharCount(novo);
  const auto limit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  caixa.SetSelStart(static_cast<std::int32_t>(std::min(length, limit)));
}

}  // namespace vumocaixa
