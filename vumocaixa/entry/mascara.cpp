#include <vumocaixa/entry/mascara.hpp>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {

void AplicaMascara(Widget& caixa, std::string_view mascara, std::int16_t& KeyAscii) {
  if (TeclaDeControle(KeyAscii)) return;
  // The codes 48 to 57 are the only ones whose character reads as a number alone;
  // -1 (a character without a code) and every other code are swallowed.
  if (!IsAsciiDigit(KeyAscii)) {
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
