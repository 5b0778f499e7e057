// Leaving the text box Caixa: the entry is tidied or checked for its data type
// (ConfereSaidaDaCaixa), a refused entry is reported and gets the focus back, and in
// every case the box's text then goes to the control's value property.

#include <string>
#include <string_view>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/saida_caixa.hpp>
#include <vumocaixa/host/errors.hpp>

namespace vumocaixa {
namespace {

constexpr std::string_view kTituloValorInvalido = "Valor inválido";

}  // namespace

void VumoCaixaControl::Caixa_LostFocus() {
  Widget& caixa = Caixa();
  const OpcoesDeSaida opcoes{m_MaiusculoEMinusculo, Endereço(), m_CNPJAlfanumerico};
  std::string texto = caixa.Text();
  const std::string_view mensagem =
      ConfereSaidaDaCaixa(m_TipoDados, texto, opcoes, m_Runtime.Regional());
  if (texto != caixa.Text()) caixa.SetText(texto);
  if (!mensagem.empty()) {
    m_Runtime.ShowMessage(mensagem, kInformationIcon, kTituloValorInvalido);
    try {
      caixa.SetFocus();
    } catch (const Error&) {
      // The focus could not come back; the user has moved on with the refused entry.
    }
  }
  SetText(Variant(caixa.Text()));
  m_Container.PropertyChanged("Text");
}

}  // namespace vumocaixa
