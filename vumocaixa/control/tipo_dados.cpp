#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/mascara.hpp>

namespace vumocaixa {

std::int16_t VumoCaixaControl::TipoDados() const { return m_TipoDados; }

void VumoCaixaControl::SetTipoDados(std::int16_t value) {
  if (value < kTexto || value > kExtenso) {
    m_Runtime.ShowMessage("Erro na Propriedade", kStopIcon, "Erro");
    value = kTexto;
  }
  SelecionaWidgets(value);
  m_TipoDados = value;
  // A date box made in code gets the mask that loading would give it; a mask already
  // worked out stays, and the width is left to TamanhoMáximo as for every type.
  if (value == kData && m_MascaraData.empty()) {
    m_MascaraData = MascaraDeData(m_Runtime.Regional());
  }
  UserControl_Resize();
  m_Container.PropertyChanged("TipoDados");
}

// The visibilities are set in the order Caixa, Caixa1, Caixa2, Btn_Evento; a value
// outside 0 to 16 (a stored one, loaded without checks) shows the numeric box.
void VumoCaixaControl::SelecionaWidgets(std::int16_t t) {
  const bool texto = (t >= kTexto && t <= kData) || (t >= kByte && t <= kPIS);
  const bool botao = t == kEmail || t == kHomePage;
  const bool extenso = t == kExtenso;
  const bool numerico = !texto && !extenso;
  Caixa().SetVisible(texto);
  Caixa1().SetVisible(numerico);
  Caixa2().SetVisible(extenso);
  Btn_Evento().SetVisible(botao);
  if (texto) {
    m_Caixa = &Caixa();
  } else if (extenso) {
    m_Caixa = &Caixa2();
  } else {
    m_Caixa = &Caixa1();
  }
}

}  // namespace vumocaixa
