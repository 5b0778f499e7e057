// The control's public properties other than TipoDados and Text: the enabled state,
// the Enter key, the text options and their type rules, the maximum length by data
// type, and the colours and font shared by the three boxes.
//
// Every assignment ends by telling the container which persisted property changed,
// also when a rule refused the value; an assignment that fails (an invalid argument
// or a widget failure) throws before anything is told.

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>

#include <optional>
#include <string>
#include <utility>

namespace vumocaixa {
namespace {

constexpr std::string_view kTituloErroPropriedade = "Erro na propriedade";

// The value an option keeps: true only where the data type allows it. A refused true
// is reported in a stop box and becomes false; false is always taken silently.
bool RegraDaOpcao(Runtime& runtime, bool value, bool permitido, std::string_view mensagem) {
  if (value && !permitido) {
    runtime.ShowMessage(mensagem, kStopIcon, kTituloErroPropriedade);
    return false;
  }
  return value;
}

std::int32_t Largura(std::size_t caracteres) { return static_cast<std::int32_t>(caracteres); }

}  // namespace

// --- Habilitado, TeclaEnter ------------------------------------------------------------

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

// --- Text options ------------------------------------------------------------------------

bool VumoCaixaControl::MaiusculoEMinusculo() const { return m_MaiusculoEMinusculo; }

void VumoCaixaControl::SetMaiusculoEMinusculo(bool value) {
  m_MaiusculoEMinusculo =
      RegraDaOpcao(m_Runtime, value, PermiteMaiusculoEMinusculo(m_TipoDados),
                   "MaiusculoEMinusculo só pode ser utilizada se a propriedade TipoDados for 0");
  m_Container.PropertyChanged("MaiusculoEMinusculo");
}

bool VumoCaixaControl::TudoMaiusculo() const { return m_TudoMaiusculo; }

void VumoCaixaControl::SetTudoMaiusculo(bool value) {
  m_TudoMaiusculo =
      RegraDaOpcao(m_Runtime, value, PermiteTudoMaiusculo(m_TipoDados),
                   "TudoMaiusculo só pode ser utilizada se a propriedade TipoDados for 0 ou 8");
  m_Container.PropertyChanged("TudoMaiusculo");
}

bool VumoCaixaControl::Endereço() const { return m_Endereco != 0; }

void VumoCaixaControl::SetEndereço(bool value) {
  const bool aceito =
      RegraDaOpcao(m_Runtime, value, PermiteEndereço(m_TipoDados),
                   "Endereço só pode ser utilizada se a propriedade TipoDados for 0");
  m_Endereco = aceito ? -1 : 0;
  m_Container.PropertyChanged("Endereço");
}

// --- TamanhoMáximo -------------------------------------------------------------------------

std::int32_t VumoCaixaControl::TamanhoMáximo() const {
  const TipoDadosInfo* info = InfoDoTipo(m_TipoDados);
  if (info != nullptr && info->largura == RegraLargura::SemLargura) return 0;
  return m_Caixa->MaxLength();
}

// The requested length counts only for the free-text types; every other type has
// the width of what it shows (0 means no limit). A label has no width, and a type
// outside the known ones keeps the width it has.
std::optional<std::int32_t> VumoCaixaControl::LarguraDoTipo(std::int32_t pedida) const {
  const TipoDadosInfo* info = InfoDoTipo(m_TipoDados);
  if (info == nullptr) return std::nullopt;
  switch (info->largura) {
    case RegraLargura::Pedida: return pedida;
    case RegraLargura::Data: return Largura(CharCount(m_MascaraData));
    case RegraLargura::Moeda: return Largura(CurrencyWidth(m_Runtime.Regional()));
    case RegraLargura::Fixa: return info->caracteres;
    case RegraLargura::SemLargura: return std::nullopt;
  }
  return std::nullopt;
}

void VumoCaixaControl::SetTamanhoMáximo(std::int32_t value) {
  const std::optional<std::int32_t> largura = LarguraDoTipo(value);
  if (largura && *largura < 0) {
    throw PropertyError("Propriedade \"TamanhoMáximo\": o tamanho " + std::to_string(value) +
                        " é negativo");
  }
  if (largura) m_Caixa->SetMaxLength(*largura);
  m_Container.PropertyChanged("TamanhoMáximo");
}

// --- Colours and font ------------------------------------------------------------------

Color VumoCaixaControl::BackColor() const { return m_Widgets.Caixa->BackColor(); }

void VumoCaixaControl::SetBackColor(Color value) {
  m_Widgets.Caixa->SetBackColor(value);
  m_Widgets.Caixa1->SetBackColor(value);
  m_Widgets.Caixa2->SetBackColor(value);
  m_Container.PropertyChanged("BackColor");
}

Color VumoCaixaControl::ForeColor() const { return m_Widgets.Caixa->ForeColor(); }

void VumoCaixaControl::SetForeColor(Color value) {
  m_Widgets.Caixa->SetForeColor(value);
  m_Widgets.Caixa1->SetForeColor(value);
  m_Widgets.Caixa2->SetForeColor(value);
  m_Container.PropertyChanged("ForeColor");
}

FontRef VumoCaixaControl::Font() const { return m_Widgets.Caixa->Font(); }

// The three boxes share the one font object; a new font may change their height, so
// the layout runs before the container hears of it.
void VumoCaixaControl::SetFont(FontRef value) {
  if (value == nullptr) throw PropertyError("Propriedade \"Font\": nenhuma fonte foi dada");
  m_Widgets.Caixa->SetFont(value);
  m_Widgets.Caixa1->SetFont(value);
  m_Widgets.Caixa2->SetFont(std::move(value));
  UserControl_Resize();
  m_Container.PropertyChanged("Font");
}

}  // namespace vumocaixa
