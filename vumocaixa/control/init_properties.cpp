#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa {

// A control newly placed on a form: type 0 with Caixa shown. No notification is
// sent and no size, colour or font is set.
void VumoCaixaControl::UserControl_InitProperties() {
  m_Caixa = &Caixa();
  Caixa().SetVisible(true);
  m_TipoDados = kTexto;
  m_TeclaEnter = true;
  m_MaiusculoEMinusculo = true;
  m_TudoMaiusculo = false;
  m_Endereco = 0;
}

}  // namespace vumocaixa
