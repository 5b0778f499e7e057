// The control's value, Text: read from the active widget, assigned by value (shaped
// for the data type) or by reference (as given).

#include <optional>
#include <string>
#include <variant>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/entry/mascara_alfanumerica.hpp>
#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/words/extenso.hpp>

namespace vumocaixa {
namespace {

// Text reaches the widgets as UTF-8; malformed bytes are refused before anything
// changes, so a box never holds text it cannot count in characters.
void ExigeUtf8Valido(const Variant& value) {
  const auto* texto = std::get_if<std::string>(&value);
  if (texto != nullptr && !IsValidUtf8(*texto)) {
    throw InvalidTextError("Texto inválido: a sequência UTF-8 está malformada.");
  }
}

// An amount in the currency form. A text that reads as no number is refused as the
// numeric types refuse it; an empty text empties the box.
std::string TextoMoeda(const Variant& value, const RegionalSettings& r) {
  const auto* texto = std::get_if<std::string>(&value);
  if (texto != nullptr && !texto->empty() && !IsNumericText(*texto, r)) {
    throw TypeMismatchError(std::string(kTypeMismatchMessage));
  }
  return FormatValue(value, kCurrencyFormat, r);
}

// A document number is written as its digits laid into the type's mask. The text
// the box already shows is left alone, so an entry refused on leaving stays
// exactly as the user typed it.
std::optional<std::string> TextoMascarado(const Variant& value, std::string_view mascara,
                                          const std::string& atual, const RegionalSettings& r) {
  const std::string texto = ToText(value, r);
  if (texto == atual) return std::nullopt;
  return FormataMascara(SoDigitos(texto), mascara);
}

// A CNPJ that may hold letters is written as its digits and letters laid into the
// mask, letters upper-cased. The text the box already shows keeps its layout, so a
// refused entry stays as typed, but its letters are upper-cased, as if typed.
std::optional<std::string> TextoCNPJAlfanumerico(const Variant& value, const std::string& atual,
                                                 const RegionalSettings& r) {
  const std::string texto = ToText(value, r);
  if (texto != atual) return FormataMascaraAlfanumerica(texto, kMascaraCNPJAlfanumerico);
  std::string maiusculo = atual;
  for (char& c : maiusculo) c = AsciiUpper(c);
  if (maiusculo == atual) return std::nullopt;
  return maiusculo;
}

// What the active box shows when value is assigned to a control of data type tipo;
// nothing for a type that has no rule. Numeric conversions may throw OverflowError
// or TypeMismatchError.
std::optional<std::string> TextoDoTipo(std::int16_t tipo, const Variant& value,
                                       const std::string& atual, const RegionalSettings& r) {
  switch (tipo) {
    case kTexto:
    case kByte:
    case kHomePage: return ToText(value, r);
    case kData: return FormatValue(value, kShortDate, r);
    case kMoeda: return TextoMoeda(value, r);
    case kInteiro:
    case kLongo:
    case kSimples:
    case kDuplo:
    case kDecimal: return NumberText(ToNumber(value, *TipoNumerico(tipo), r), r);
    case kEmail: return LowerText(ToText(value, r));
    default:
      if (MascaraDoTipo(tipo).empty()) return std::nullopt;
      return TextoMascarado(value, MascaraDoTipo(tipo), atual, r);
  }
}

}  // namespace

OpcoesExtenso VumoCaixaControl::EstiloDoExtenso() const {
  return {m_ExtensoNorma ? EstiloExtenso::Norma : EstiloExtenso::Classico};
}

Variant VumoCaixaControl::Text() const {
  if (!m_Container.CanPropertyChange("Text")) return Empty{};
  m_Caixa->Refresh();
  return m_Caixa->Text();
}

void VumoCaixaControl::SetText(const Variant& value) {
  ExigeUtf8Valido(value);
  const RegionalSettings& r = m_Runtime.Regional();
  if (m_TipoDados == kExtenso) {
    m_Caixa->SetText(ValorPorExtenso(ToText(value, r), r, EstiloDoExtenso()));
    return;
  }
  // Everything is converted before the box is touched, so a failed conversion
  // leaves the box as it was.
  const std::optional<std::string> texto =
      m_TipoDados == kCNPJ && m_CNPJAlfanumerico
          ? TextoCNPJAlfanumerico(value, m_Caixa->Text(), r)
          : TextoDoTipo(m_TipoDados, value, m_Caixa->Text(), r);
  if (texto) m_Caixa->SetText(*texto);
}

void VumoCaixaControl::SetTextByReference(const Variant& value) {
  ExigeUtf8Valido(value);
  const RegionalSettings& r = m_Runtime.Regional();
  if (TipoDados() == kExtenso) {
    m_Caixa->SetText(ValorPorExtenso(ToText(value, r), r, EstiloDoExtenso()));
    return;
  }
  m_Caixa->SetText(ToText(value, r));
}

}  // namespace vumocaixa
