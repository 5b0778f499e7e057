// The option that lets a CNPJ box take letters in the root and order of the number.

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa {

bool VumoCaixaControl::CNPJAlfanumerico() const { return m_CNPJAlfanumerico; }

// The box's current text is left as it is: it is judged by the new rule the next
// time the user leaves the box or a value is assigned.
void VumoCaixaControl::SetCNPJAlfanumerico(bool value) {
  m_CNPJAlfanumerico = value;
  m_Container.PropertyChanged("CNPJAlfanumerico");
}

}  // namespace vumocaixa
