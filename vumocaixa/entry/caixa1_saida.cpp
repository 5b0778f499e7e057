// Entering and leaving the numeric box Caixa1. Entering shows the plain number,
// selected, for editing; leaving checks that the entry is a number, brings it into
// the range of the data type, shows it in the type's form and stores it as Text.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/numerico.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

constexpr std::string_view kMensagemInvalido = "Valor Inválido. Redigite.";
constexpr std::string_view kTituloInvalido = "Erro nos dados";

// Whether the box's text is a number for the data type: it reads as one, and the
// type's own conversion does not reject it as no number (being too large is left
// to the range checks).
bool LeComoNumero(std::string_view texto, std::int16_t tipo, const RegionalSettings& r) {
  if (!IsValidUtf8(texto) || !IsNumericText(texto, r)) return false;
  if (tipo != kMoeda && tipo != kInteiro && tipo != kLongo) return true;
  const NumberKind kind = tipo == kMoeda ? NumberKind::Decimal : *TipoNumerico(tipo);
  const Conversao c = Converte(texto, kind, r);
  return c.valor.has_value() || c.estouro;
}

// A number past a limit of its type, or too large to convert at all, takes the
// limit on the side of its sign.
Faixa LadoDoSinal(std::string_view texto, const RegionalSettings& r) {
  return TextoNegativo(texto, r) ? Faixa::NoLimiteInferior : Faixa::NoLimiteSuperior;
}

// The leading number of a text; one too large for a double counts as infinite, on
// the side of the text's sign.
double NumeroInicial(std::string_view texto, const RegionalSettings& r) {
  try {
    return LeadingNumber(texto);
  } catch (const OverflowError&) {
    const double infinito = std::numeric_limits<double>::infinity();
    return TextoNegativo(texto, r) ? -infinito : infinito;
  }
}

void MostraMoeda(Widget& caixa, const RegionalSettings& r) {
  const std::string texto = caixa.Text();
  const auto valor = Converte(texto, NumberKind::Decimal, r).valor;
  const Faixa faixa = valor ? FaixaMoeda(std::get<Decimal>(*valor)) : LadoDoSinal(texto, r);
  switch (faixa) {
    case Faixa::NoLimiteInferior:
      caixa.SetText(FormatValue(Currency{-kLimiteMoeda.raw}, kCurrencyFormat, r));
      break;
    case Faixa::NoLimiteSuperior:
      caixa.SetText(FormatValue(kLimiteMoeda, kCurrencyFormat, r));
      break;
    case Faixa::Dentro:
      // The exact decimal value is formatted, so that no digit is lost on the way.
      caixa.SetText(FormatValue(*valor, kCurrencyFormat, r));
      break;
  }
}

void MostraInteiro(Widget& caixa, std::int16_t tipo, const RegionalSettings& r) {
  const std::string texto = caixa.Text();
  Faixa faixa = FaixaInteira(NumeroInicial(texto, r), tipo);
  if (faixa == Faixa::Dentro) {
    // The leading number stops at a digit grouping ("1.000.000" reads as 1), so a
    // text inside by that test may still be too large for the kind.
    if (const auto valor = Converte(texto, *TipoNumerico(tipo), r).valor) {
      caixa.SetText(NumberText(*valor, r));
      return;
    }
    faixa = LadoDoSinal(texto, r);
  }
  caixa.SetText(faixa == Faixa::NoLimiteInferior ? LimiteInferiorTexto(tipo)
                                                 : LimiteSuperiorTexto(tipo));
}

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

// Brings the box's number into the form and range of the data type.
void MostraParaOTipo(Widget& caixa, std::int16_t tipo, const RegionalSettings& r) {
  switch (tipo) {
    case kMoeda: MostraMoeda(caixa, r); break;
    case kInteiro:
    case kLongo: MostraInteiro(caixa, tipo, r); break;
    case kSimples:
    case kDuplo:
    case kDecimal:
      caixa.SetText(EncurtaNumero(caixa.Text(), *TipoNumerico(tipo), r).value_or("0"));
      break;
    default: break;
  }
}

}  // namespace

void VumoCaixaControl::Caixa1_GotFocus() {
  Widget& caixa = Caixa1();
  m_VirgulaDoPonto = -1;
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

void VumoCaixaControl::Caixa1_LostFocus() {
  Widget& caixa = Caixa1();
  const RegionalSettings& r = m_Runtime.Regional();
  if (const auto agrupado = AgrupamentoCompleto(caixa.Text(), m_VirgulaDoPonto, r)) {
    caixa.SetText(*agrupado);
  }
  m_VirgulaDoPonto = -1;
  const std::string texto = caixa.Text();
  if (texto == "," || texto == "-") caixa.SetText("0");
  if (caixa.Text().empty()) caixa.SetText("0");
  if (!LeComoNumero(caixa.Text(), m_TipoDados, r)) {
    m_Runtime.ShowMessage(kMensagemInvalido, kInformationIcon, kTituloInvalido);
    caixa.SetText("0");
    try {
      caixa.SetFocus();
    } catch (const Error&) {
      // The focus may be refused (the box is being hidden or disabled); the entry
      // has been replaced all the same.
    }
  }
  MostraParaOTipo(caixa, m_TipoDados, r);
  SetText(Variant{caixa.Text()});
  m_Container.PropertyChanged("Text");
}

}  // namespace vumocaixa
