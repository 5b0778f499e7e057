#pragma once
// Typing into a box whose mask takes letters as well as digits. The masks and the
// pure routines that lay characters into them are in validate/mascara_alfanumerica.hpp.

#include <cstdint>
#include <string_view>

#include <vumocaixa/host/widget.hpp>
#include <vumocaixa/validate/mascara_alfanumerica.hpp>

namespace vumocaixa {

// Called for each character typed into a box with such a mask, before the box
// inserts it. Pass-through codes (TeclaDeControle) change nothing. A lower-case
// letter becomes its upper-case code. A character that is neither a digit nor a
// letter, or a letter where the next position takes only digits, is swallowed
// (KeyAscii becomes 0) and the box is left as it was. Otherwise the box's text left
// of the caret is re-masked, the caret put at its end, and the character inserted
// there by the box; what stood right of the caret, and any selection, is dropped.
void AplicaMascaraAlfanumerica(Widget& caixa, std::string_view mascara, std::int16_t& KeyAscii);

}  // namespace vumocaixa
