#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/mascara.hpp>

namespace vumocaixa {

std::int16_t VumoCaixaControl::TipoDados() const { return m_TipoDados; }

void VumoCaixaControl::SetTipoDados(std::int16_t value) {
  if (InfoDoTipo(value) == nullptr) {
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
  const TipoDadosInfo* info = InfoDoTipo(t);
  const CaixaDoTipo caixa = info != nullptr ? info->caixa : CaixaDoTipo::Caixa1;
  Caixa().SetVisible(caixa == CaixaDoTipo::Caixa);
  Caixa1().SetVisible(caixa == CaixaDoTipo::Caixa1);
  Caixa2().SetVisible(caixa == CaixaDoTipo::Caixa2);
  Btn_Evento().SetVisible(info != nullptr && info->botao);
  switch (caixa) {
    case CaixaDoTipo::Caixa: m_Caixa = &Caixa(); break;
    case CaixaDoTipo::Caixa1: m_Caixa = &Caixa1(); break;
    case CaixaDoTipo::Caixa2: m_Caixa = &Caixa2(); break;
  }
}

}  // namespace vumocaixa
