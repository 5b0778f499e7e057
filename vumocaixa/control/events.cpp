#include <vumocaixa/control/vumocaixa_control.hpp>

#include <vumocaixa/entry/mascara_continua.hpp>
#include <vumocaixa/entry/virgula_do_ponto.hpp>
#include <vumocaixa/host/errors.hpp>

namespace vumocaixa {

void VumoCaixaControl::RaiseChangeAndNotify() {
  m_Container.Events().Change();
  m_Container.PropertyChanged("Text");
}

void VumoCaixaControl::Caixa_Change() {
  m_MascaraContinua->Mudou();
  RaiseChangeAndNotify();
}
// A separator typed right of a comma typed as '.' regroups the entry once the host has
// seen the insertion, unless its handler has changed the text meanwhile.
void VumoCaixaControl::Caixa1_Change() {
  const std::optional<std::string> agrupado = m_VirgulaDoPonto->Mudou(Caixa1());
  if (!agrupado) {
    RaiseChangeAndNotify();
    return;
  }
  const std::string inserido = Caixa1().Text();
  RaiseChangeAndNotify();
  if (Caixa1().Text() == inserido) AgrupaVirgulaDoPonto(*agrupado);
}

void VumoCaixaControl::Caixa_Click() { m_Container.Events().Click(); }
void VumoCaixaControl::Caixa1_Click() { m_Container.Events().Click(); }

void VumoCaixaControl::Caixa_DblClick() { m_Container.Events().DblClick(); }
void VumoCaixaControl::Caixa1_DblClick() { m_Container.Events().DblClick(); }

// The mouse events hand the widget's own arguments on, so that what the host writes
// into them reaches the widget.
void VumoCaixaControl::Caixa_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X,
                                       float& Y) {
  m_Container.Events().MouseDown(Button, Shift, X, Y);
}
void VumoCaixaControl::Caixa_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X,
                                       float& Y) {
  m_Container.Events().MouseMove(Button, Shift, X, Y);
}
void VumoCaixaControl::Caixa_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X,
                                     float& Y) {
  m_Container.Events().MouseUp(Button, Shift, X, Y);
}
void VumoCaixaControl::Caixa1_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X,
                                        float& Y) {
  m_Container.Events().MouseDown(Button, Shift, X, Y);
}
void VumoCaixaControl::Caixa1_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X,
                                        float& Y) {
  m_Container.Events().MouseMove(Button, Shift, X, Y);
}
void VumoCaixaControl::Caixa1_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X,
                                      float& Y) {
  m_Container.Events().MouseUp(Button, Shift, X, Y);
}

// Focus given to the control as a whole goes to the active widget. A widget that
// cannot take the focus (hidden, disabled, a label) leaves it where it was.
void VumoCaixaControl::UserControl_GotFocus() {
  try {
    m_Caixa->SetFocus();
  } catch (const Error&) {
  }
}

// Enter in either box: the host may cancel it in KeyEnter; otherwise, when TeclaEnter
// is on, a Tab is queued so the host moves the focus to the next field. Staying put
// beeps.
void VumoCaixaControl::VaiAoProximoCampo() {
  std::int16_t Cancel = 0;
  m_Container.Events().KeyEnter(Cancel);
  if (m_TeclaEnter && Cancel == 0) {
    m_Runtime.SendKeys("{Tab}", false);
  } else {
    m_Runtime.Beep();
  }
}

// The "..." button hands the address in Caixa to the host, then gives the focus
// back to Caixa. An empty Caixa raises nothing and leaves the focus alone.
void VumoCaixaControl::Btn_Evento_Click() {
  if (Caixa().Text().empty()) {
    return;
  }
  std::string endereco = Caixa().Text();
  if (m_TipoDados == kEmail) {
    m_Container.Events().MandarEmail(endereco);
  } else if (m_TipoDados == kHomePage) {
    m_Container.Events().AbrirHomePage(endereco);
  }
  try {
    Caixa().SetFocus();
  } catch (const Error&) {
  }
}

}  // namespace vumocaixa
