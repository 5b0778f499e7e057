#pragma once
// Typing into a masked box: each digit re-masks the text left of the caret. The
// masks and the pure routines that lay digits into them are in validate/mascara.hpp.

#include <cstdint>
#include <string_view>

#include <vumocaixa/host/widget.hpp>
#include <vumocaixa/validate/mascara.hpp>

namespace vumocaixa {

// Called for each character typed into a masked box, before the box inserts it.
// Pass-through codes change nothing. Any other code that is not a digit is
// swallowed (KeyAscii becomes 0). For a digit, the box's text left of the caret is
// re-masked and the caret put at its end; whatever stood right of the caret, and any
// selection, is dropped. KeyAscii is then left as it is, so the box inserts the
// digit at the end. Only the box's Text and SelStart are used.
void AplicaMascara(Widget& caixa, std::string_view mascara, std::int16_t& KeyAscii);

}  // namespace vumocaixa
