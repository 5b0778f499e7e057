// The keyboard side of the numeric box Caixa1: digits, one decimal comma and one
// leading minus sign as the data type allows, a typed point turned into a comma,
// Enter moving to the next field, and no line breaks from Ctrl+Enter.
//
// Unlike the text box, this box hands its own arguments to the host's key events:
// what the host's handler writes into them is what the box goes on with.

#include <optional>
#include <string>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/numerico.hpp>
#include <vumocaixa/host/teclas.hpp>

namespace vumocaixa {
namespace {

bool ECtrlEnter(std::int16_t KeyCode, std::int16_t Shift) {
  return KeyCode == kTeclaEnter && Shift == kComCtrl;
}

// Whether a sign under regra may go into the box, testing it against the box's
// current text and caret only when the rule asks for it.
template <typename Teste>
bool SinalAceito(RegraSinal regra, const Widget& caixa, Teste teste) {
  switch (regra) {
    case RegraSinal::Livre: return true;
    case RegraSinal::Recusado: return false;
    case RegraSinal::Condicional: return teste(caixa.Text(), caixa.SelStart());
  }
  return false;
}

}  // namespace

void VumoCaixaControl::Caixa1_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  if (ECtrlEnter(KeyCode, Shift)) {
    KeyCode = 0;
    Shift = 0;
  }
  m_Container.Events().KeyDown(KeyCode, Shift);
}

void VumoCaixaControl::Caixa1_KeyPress(std::int16_t& KeyAscii) {
  switch (ClassificaTecla(KeyAscii, m_Runtime.Regional())) {
    case ClasseTecla::Enter:
      VaiAoProximoCampo();
      KeyAscii = 0;
      return;
    case ClasseTecla::Outra: KeyAscii = 0; return;
    case ClasseTecla::Virgula: {
      const bool ponto = KeyAscii == kCodigoPonto;
      KeyAscii = kCodigoVirgula;
      const RegraSinal regra = RegraDaVirgula(m_TipoDados);
      if (regra == RegraSinal::Condicional) AgrupaVirgulaDoPonto();
      if (!SinalAceito(regra, Caixa1(), AceitaVirgula)) {
        KeyAscii = 0;
      } else {
        m_VirgulaDoPonto = ponto ? Caixa1().SelStart() : -1;
      }
      break;
    }
    case ClasseTecla::Menos:
      if (!SinalAceito(RegraDoMenos(m_TipoDados), Caixa1(), AceitaMenos)) KeyAscii = 0;
      break;
    case ClasseTecla::Controle:
    case ClasseTecla::Digito: break;
  }
  m_Container.Events().KeyPress(KeyAscii);
}

// The caret and selection stay where they were, so the separator goes in at the
// caret as typed.
void VumoCaixaControl::AgrupaVirgulaDoPonto() {
  Widget& caixa = Caixa1();
  const std::int32_t caret = caixa.SelStart();
  const std::optional<std::string> agrupado =
      DesfazVirgulaDoPonto(caixa.Text(), caret, m_VirgulaDoPonto);
  m_VirgulaDoPonto = -1;
  if (!agrupado) return;
  const std::int32_t selecao = caixa.SelLength();
  caixa.SetText(*agrupado);
  caixa.SetSelStart(caret);
  caixa.SetSelLength(selecao);
}

void VumoCaixaControl::Caixa1_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  if (ECtrlEnter(KeyCode, Shift)) {
    // Carriage returns and line feeds are single bytes in UTF-8 and never part of
    // a longer sequence, so removing them bytewise keeps every other character.
    std::string texto = Caixa1().Text();
    std::erase_if(texto, [](char c) { return c == '\r' || c == '\n'; });
    Caixa1().SetText(texto);
    KeyCode = 0;
    Shift = 0;
  }
  m_Container.Events().KeyUp(KeyCode, Shift);
}

}  // namespace vumocaixa
