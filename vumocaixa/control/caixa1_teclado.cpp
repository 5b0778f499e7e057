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
#include <vumocaixa/entry/virgula_do_ponto.hpp>
#include <vumocaixa/host/teclas.hpp>

namespace vumocaixa {
namespace {

bool ECtrlEnter(std::int16_t KeyCode, std::int16_t Shift) {
  return KeyCode == kTeclaEnter && Shift == kComCtrl;
}

// Whether a sign under regra may go into texto at caret, testing it only when the
// rule asks for it.
template <typename Teste>
bool SinalAceito(RegraSinal regra, std::string_view texto, std::int32_t caret, Teste teste) {
  switch (regra) {
    case RegraSinal::Livre: return true;
    case RegraSinal::Recusado: return false;
    case RegraSinal::Condicional: return teste(texto, caret);
  }
  return false;
}

}  // namespace

void VumoCaixaControl::Caixa1_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  m_VirgulaDoPonto->NadaAChegar();
  if (ECtrlEnter(KeyCode, Shift)) {
    KeyCode = 0;
    Shift = 0;
  }
  m_Container.Events().KeyDown(KeyCode, Shift);
}

void VumoCaixaControl::Caixa1_KeyPress(std::int16_t& KeyAscii) {
  Widget& caixa = Caixa1();
  bool ponto = false;
  switch (ClassificaTecla(KeyAscii, m_Runtime.Regional())) {
    case ClasseTecla::Enter:
      m_VirgulaDoPonto->NadaAChegar();
      VaiAoProximoCampo();
      KeyAscii = 0;
      return;
    case ClasseTecla::Outra:
      m_VirgulaDoPonto->NadaAChegar();
      KeyAscii = 0;
      return;
    case ClasseTecla::Virgula: {
      const RegraSinal regra = RegraDaVirgula(m_TipoDados);
      ponto = KeyAscii == kCodigoPonto && regra == RegraSinal::Condicional;
      KeyAscii = kCodigoVirgula;
      // A separator right of a comma typed as '.' is judged as if that comma were
      // the grouping point it then becomes.
      const std::optional<std::string> agrupado = m_VirgulaDoPonto->Agrupado(caixa);
      if (!SinalAceito(regra, agrupado ? *agrupado : caixa.Text(), caixa.SelStart(),
                       AceitaVirgula)) {
        KeyAscii = 0;
      }
      break;
    }
    case ClasseTecla::Menos:
      if (!SinalAceito(RegraDoMenos(m_TipoDados), caixa.Text(), caixa.SelStart(), AceitaMenos)) {
        KeyAscii = 0;
      }
      break;
    case ClasseTecla::Controle:
    case ClasseTecla::Digito: break;
  }
  m_Container.Events().KeyPress(KeyAscii);
  m_VirgulaDoPonto->Espera(caixa, KeyAscii, ponto);
}

// The caret stays after the separator just typed.
void VumoCaixaControl::AgrupaVirgulaDoPonto(const std::string& agrupado) {
  Widget& caixa = Caixa1();
  const std::int32_t caret = caixa.SelStart();
  caixa.SetText(agrupado);
  caixa.SetSelStart(caret);
}

void VumoCaixaControl::Caixa1_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  m_VirgulaDoPonto->NadaAChegar();
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
