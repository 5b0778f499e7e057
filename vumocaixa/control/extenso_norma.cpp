// The option that writes the amount of an Extenso box in the written norm.

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa {

bool VumoCaixaControl::ExtensoNorma() const { return m_ExtensoNorma; }

// The words already shown stay as they are: the box keeps no amount to write again,
// so the style holds from the next value assigned.
void VumoCaixaControl::SetExtensoNorma(bool value) {
  m_ExtensoNorma = value;
  m_Container.PropertyChanged("ExtensoNorma");
}

}  // namespace vumocaixa
