// TEMPORARY: stand-ins for members whose real definitions are still being written,
// so that the library links meanwhile. Owners: when your file defines a member,
// delete its stand-in here in the same commit; delete this file with the last one.
//   control/propriedades.cpp  Habilitado ... ForeColor (all but TipoDados)
//   control/persistencia.cpp  UserControl_ReadProperties, UserControl_WriteProperties
#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa {

// --- control/propriedades.cpp -----------------------------------------------------
bool VumoCaixaControl::Habilitado() const { return m_Caixa->Enabled(); }
void VumoCaixaControl::SetHabilitado(bool value) {
  m_Caixa->SetEnabled(value);
  m_Container.PropertyChanged("Enabled");
}
bool VumoCaixaControl::TeclaEnter() const { return m_TeclaEnter; }
void VumoCaixaControl::SetTeclaEnter(bool value) {
  m_TeclaEnter = value;
  m_Container.PropertyChanged("TeclaEnter");
}
bool VumoCaixaControl::MaiusculoEMinusculo() const { return m_MaiusculoEMinusculo; }
void VumoCaixaControl::SetMaiusculoEMinusculo(bool value) {
  m_MaiusculoEMinusculo = value;
  m_Container.PropertyChanged("MaiusculoEMinusculo");
}
bool VumoCaixaControl::TudoMaiusculo() const { return m_TudoMaiusculo; }
void VumoCaixaControl::SetTudoMaiusculo(bool value) {
  m_TudoMaiusculo = value;
  m_Container.PropertyChanged("TudoMaiusculo");
}
std::int32_t VumoCaixaControl::TamanhoMáximo() const {
  return m_TipoDados == kExtenso ? 0 : m_Caixa->MaxLength();
}
void VumoCaixaControl::SetTamanhoMáximo(std::int32_t value) {
  if (m_TipoDados != kExtenso) {
    m_Caixa->SetMaxLength(value);
  }
  m_Container.PropertyChanged("TamanhoMáximo");
}
bool VumoCaixaControl::Endereço() const { return m_Endereco != 0; }
void VumoCaixaControl::SetEndereço(bool value) {
  m_Endereco = value ? -1 : 0;
  m_Container.PropertyChanged("Endereço");
}
Color VumoCaixaControl::BackColor() const { return Caixa().BackColor(); }
void VumoCaixaControl::SetBackColor(Color value) {
  Caixa().SetBackColor(value);
  Caixa1().SetBackColor(value);
  Caixa2().SetBackColor(value);
  m_Container.PropertyChanged("BackColor");
}
FontRef VumoCaixaControl::Font() const { return Caixa().Font(); }
void VumoCaixaControl::SetFont(FontRef value) {
  Caixa().SetFont(value);
  Caixa1().SetFont(value);
  Caixa2().SetFont(value);
  UserControl_Resize();
  m_Container.PropertyChanged("Font");
}
Color VumoCaixaControl::ForeColor() const { return Caixa().ForeColor(); }
void VumoCaixaControl::SetForeColor(Color value) {
  Caixa().SetForeColor(value);
  Caixa1().SetForeColor(value);
  Caixa2().SetForeColor(value);
  m_Container.PropertyChanged("ForeColor");
}

// --- control/persistencia.cpp -----------------------------------------------------
void VumoCaixaControl::UserControl_ReadProperties(PropertyBag&) {}
void VumoCaixaControl::UserControl_WriteProperties(PropertyBag&) {}

}  // namespace vumocaixa
