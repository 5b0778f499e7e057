#pragma once
// MascaraContinua: typing into a masked box, digit after digit at the end of a text
// that already fills the mask, without re-masking the whole text at each digit.
//
// Once every digit position of the mask is taken, a digit typed at the end of the
// masked text only follows it: re-masking text + digit gives text + digit. Knowing
// that the box holds such a text (and how long it is) saves reading and re-masking
// the text at every keystroke, so a keystroke costs the same however long the text.
// The knowledge holds while every change of the box is the digit this object let
// through; any other change (a paste, an assignment, a deletion, a host's handler)
// forgets it, and the next digit re-masks the text as AplicaMascara always does.

#include <cstdint>
#include <string>
#include <string_view>

#include <vumocaixa/host/widget.hpp>

namespace vumocaixa {

class MascaraContinua {
 public:
  // In place of AplicaMascara for a character typed into caixa: the same result.
  void Digita(Widget& caixa, std::string_view mascara, std::int16_t& KeyAscii);
  // After the host has seen the key: the box is about to insert KeyAscii, which may
  // be the digit that simply follows the text.
  void Espera(const Widget& caixa, std::int16_t KeyAscii);
  // The box's text changed.
  void Mudou();
  // Any other event of the box: nothing is on its way to it.
  void NadaAChegar() { m_digitoAChegar = false; }

 private:
  // Whether caixa holds the known text, with the caret at its end and no selection.
  [[nodiscard]] bool Conhece(const Widget& caixa, std::string_view mascara) const;
  void Aprende(const Widget& caixa, std::string_view mascara);

  std::string m_mascara;         // the mask of the known text
  std::int32_t m_tamanho = -1;   // its characters; -1 when the text is not known
  bool m_prepara = false;        // Digita let a digit through that just follows it
  bool m_digitoAChegar = false;  // the box is inserting that digit
};

}  // namespace vumocaixa
