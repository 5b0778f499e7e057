// The keyboard and focus-entry side of the text box Caixa: the whole masked entry
// selected on entering, Delete and Backspace cutting a masked entry at the caret,
// the masks and case rules applied per typed character, and the Enter key.
//
// Every key handler forwards a copy of the code it received, so the host sees the
// key as the user produced it even when the box gets another code (or none), and a
// code changed by the host's handler never reaches the box.

#include <cstddef>
#include <cstdint>
#include <string>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/entry/mascara_alfanumerica.hpp>
#include <vumocaixa/entry/mascara_continua.hpp>
#include <vumocaixa/host/teclas.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

// In a masked box an unmodified Delete or Backspace drops everything right of the
// caret and leaves the caret at the end; the key is then marked as handled (0).
// A Backspace character still follows and removes the character left of the caret.
void CortaNoCursor(Widget& caixa, std::int16_t& KeyCode) {
  const std::int32_t inicio = caixa.SelStart();
  const std::string texto =
      LeftChars(caixa.Text(), inicio > 0 ? static_cast<std::size_t>(inicio) : 0);
  caixa.SetText(texto);
  caixa.SetSelStart(static_cast<std::int32_t>(CharCount(texto)));
  KeyCode = 0;
}

bool CortaATecla(std::int16_t tipo, std::int16_t KeyCode, std::int16_t Shift) {
  return TipoMascarado(tipo) && Shift == 0 &&
         (KeyCode == kTeclaDelete || KeyCode == kTeclaBackspace);
}

}  // namespace

void VumoCaixaControl::Caixa_GotFocus() {
  if (!TipoMascarado(m_TipoDados)) return;
  Widget& caixa = Caixa();
  caixa.SetSelStart(0);
  caixa.SetSelLength(static_cast<std::int32_t>(CharCount(caixa.Text())));
}

void VumoCaixaControl::Caixa_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  m_MascaraContinua->NadaAChegar();
  std::int16_t tecla = KeyCode;
  if (CortaATecla(m_TipoDados, KeyCode, Shift)) CortaNoCursor(Caixa(), KeyCode);
  m_Container.Events().KeyDown(tecla, Shift);
}

void VumoCaixaControl::Caixa_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  m_MascaraContinua->NadaAChegar();
  std::int16_t tecla = KeyCode;
  if (CortaATecla(m_TipoDados, KeyCode, Shift)) CortaNoCursor(Caixa(), KeyCode);
  m_Container.Events().KeyUp(tecla, Shift);
}

void VumoCaixaControl::Caixa_KeyPress(std::int16_t& KeyAscii) {
  std::int16_t tecla = KeyAscii;
  if (KeyAscii == kTeclaEnter) {
    // Enter never types anything and never reaches the host as a KeyPress.
    KeyAscii = 0;
    VaiAoProximoCampo();
    return;
  }
  switch (m_TipoDados) {
    case kTexto:
    case kByte:
      if (m_TudoMaiusculo) KeyAscii = UpperCode(KeyAscii);
      break;
    case kData: m_MascaraContinua->Digita(Caixa(), m_MascaraData, KeyAscii); break;
    case kEmail: KeyAscii = LowerCode(KeyAscii); break;
    case kCNPJ:
      if (m_CNPJAlfanumerico) {
        AplicaMascaraAlfanumerica(Caixa(), kMascaraCNPJAlfanumerico, KeyAscii);
      } else {
        m_MascaraContinua->Digita(Caixa(), kMascaraCNPJ, KeyAscii);
      }
      break;
    default:
      if (!MascaraDoTipo(m_TipoDados).empty()) {
        m_MascaraContinua->Digita(Caixa(), MascaraDoTipo(m_TipoDados), KeyAscii);
      }
      break;
  }
  m_Container.Events().KeyPress(tecla);
  m_MascaraContinua->Espera(Caixa(), KeyAscii);
}

}  // namespace vumocaixa
