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
#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

constexpr std::string_view kMensagemInvalido = "Valor Inválido. Redigite.";
constexpr std::string_view kTituloInvalido = "Erro nos dados";

// A comma typed as '.' with a grouping point left of it was a grouping point too
// ("1.000,000", typed as 1.000.000): the user who groups with points does not also
// write the decimals after one. Nothing unless the text reads as a number both ways,
// so that whether the entry is refused stays a matter of the text as shown.
std::optional<std::string> AgrupamentoCompleto(std::string_view texto, std::int32_t virgula,
                                               const RegionalSettings& r) {
  const std::size_t ponto = texto.find('.');
  const std::size_t ultimaVirgula = texto.rfind(',');
  if (virgula < 0 || ponto == std::string_view::npos || ultimaVirgula == std::string_view::npos ||
      ponto > ultimaVirgula) {
    return std::nullopt;
  }
  const std::optional<std::string> agrupado =
      DesfazVirgulaDoPonto(texto, std::numeric_limits<std::int32_t>::max(), virgula);
  if (!agrupado || !IsNumericText(texto, r) || !IsNumericText(*agrupado, r)) return std::nullopt;
  return agrupado;
}

// Three digits after a comma typed as '.' in an amount, and nothing after them, were
// thousands ("1.234" is R$ 1.234,00): money never has three decimals. Not when a
// comma was typed as ',' too, nor after a leading zero ("0.500" is R$ 0,50), and only
// when the text then reads as a number.
std::optional<std::string> MilharDoPonto(std::string_view texto, std::int32_t virgula,
                                         const RegionalSettings& r) {
  if (virgula < 0) return std::nullopt;
  std::u32string caracteres = DecodeUtf8(texto);
  const auto posicao = static_cast<std::size_t>(virgula);
  if (caracteres.size() != posicao + 4 || caracteres[posicao] != U',') return std::nullopt;
  const auto digito = [](char32_t c) { return IsAsciiDigit(static_cast<int>(c)); };
  if (!std::all_of(caracteres.begin() + virgula + 1, caracteres.end(), digito)) {
    return std::nullopt;
  }
  if (std::count(caracteres.begin(), caracteres.end(), U',') != 1) return std::nullopt;
  const auto primeiro = std::find_if(caracteres.begin(), caracteres.end(), digito);
  if (primeiro - caracteres.begin() >= virgula || *primeiro == U'0') return std::nullopt;
  caracteres[posicao] = U'.';
  std::string agrupado = EncodeUtf8(caracteres);
  if (!IsNumericText(agrupado, r)) return std::nullopt;
  return agrupado;
}

// The entry with the commas typed as '.' that were grouping points made points again.
std::optional<std::string> Agrupamento(std::string_view texto, std::int16_t tipo,
                                       std::int32_t virgula, const RegionalSettings& r) {
  if (auto agrupado = AgrupamentoCompleto(texto, virgula, r)) return agrupado;
  if (tipo == kMoeda) return MilharDoPonto(texto, virgula, r);
  return std::nullopt;
}

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
  if (const auto agrupado = Agrupamento(caixa.Text(), m_TipoDados, virgula, r)) {
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
