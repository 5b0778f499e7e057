// Entering and leaving the numeric box Caixa1. Entering shows the plain number,
// selected, for editing; leaving checks that the entry is a number the data type
// holds, shows it in the type's form and stores it as Text.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/numerico.hpp>
#include <vumocaixa/entry/virgula_do_ponto.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

constexpr std::string_view kMensagemInvalido = "Valor Inválido. Redigite.";
constexpr std::string_view kTituloInvalido = "Erro nos dados";

}  // namespace

void VumoCaixaControl::Caixa1_GotFocus() {
  Widget& caixa = Caixa1();
  m_VirgulaDoPonto->Esquece();
  const RegionalSettings& r = m_Runtime.Regional();
  if (caixa.Text().empty()) caixa.SetText("0");
  if (m_TipoDados == kMoeda) {
    // Reads back the currency form shown outside the box ("R$ 1.234,50").
    const auto valor = Converte(caixa.Text(), NumberKind::Currency, r).valor;
    caixa.SetText(valor ? NumberText(*valor, r) : std::string("0"));
  }
  const std::size_t tamanho = CharCount(caixa.Text());
  caixa.SetSelStart(0);
  caixa.SetSelLength(static_cast<std::int32_t>(
      std::min<std::size_t>(tamanho, std::numeric_limits<std::int32_t>::max())));
}

// A number the type cannot hold is refused as what is no number at all: the user is
// told and retypes, rather than find another number stored.
void VumoCaixaControl::Caixa1_LostFocus() {
  Widget& caixa = Caixa1();
  const RegionalSettings& r = m_Runtime.Regional();
  const std::int32_t virgula = m_VirgulaDoPonto->Posicao();
  m_VirgulaDoPonto->Esquece();
  if (const auto agrupado = AgrupamentoNaSaida(caixa.Text(), m_TipoDados, virgula, r)) {
    caixa.SetText(*agrupado);
  }
  const std::string texto = caixa.Text();
  if (texto == "," || texto == "-") caixa.SetText("0");
  if (caixa.Text().empty()) caixa.SetText("0");
  std::optional<std::string> mostrado = NumeroDoTipo(caixa.Text(), m_TipoDados, r);
  if (!mostrado) {
    m_Runtime.ShowMessage(kMensagemInvalido, kInformationIcon, kTituloInvalido);
    caixa.SetText("0");
    try {
      caixa.SetFocus();
    } catch (const Error&) {
      // The focus may be refused (the box is being hidden or disabled); the entry
      // has been replaced all the same.
    }
    mostrado = NumeroDoTipo("0", m_TipoDados, r);
  }
  caixa.SetText(mostrado.value_or("0"));
  SetText(Variant{caixa.Text()});
  m_Container.PropertyChanged("Text");
}

}  // namespace vumocaixa
