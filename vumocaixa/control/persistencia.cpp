// Loading and saving the control's design-time settings through the container's
// property bag: the keys of ChavesGuardadas, always in the same order, each with its
// default so that a bag need keep only what differs from a new control.
//
// Loading reads and converts every key before it changes anything. A stored value of
// the wrong kind is a PropertyError naming its key, and the control is then exactly
// as it was before the call (as the constructor left it, if nothing ran before),
// never half loaded.

#include <vumocaixa/control/chaves_guardadas.hpp>
#include <vumocaixa/control/property_help.hpp>
#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/property_values.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

namespace vumocaixa {
namespace {

// The value of an absent key, from the property list.
PropertyValue Padrao(std::string_view chave) {
  return std::visit(
      [](auto v) -> PropertyValue {
        if constexpr (std::is_same_v<decltype(v), std::monostate>) {
          return Empty{};
        } else {
          return v;
        }
      },
      SavedDefaultOf(chave));
}

// Everything a bag holds for one control, already converted to the fields' types.
struct Guardado {
  std::int16_t tipo = kTexto;
  bool habilitado = true;
  bool teclaEnter = true;
  bool maiusculoEMinusculo = true;
  bool tudoMaiusculo = false;
  std::optional<std::int32_t> tamanho;  // not kept for the amount in words
  std::int32_t endereco = 0;
  Color corDeFundo = kSystemWindowColor;
  FontRef fonte;
  Color corDaFonte = kSystemWindowTextColor;
  bool cnpjAlfanumerico = false;
  bool extensoNorma = false;
};

std::int32_t LeTamanho(PropertyBag& bag) {
  const PropertyValue lido = bag.ReadProperty("TamanhoMáximo", Padrao("TamanhoMáximo"));
  const std::int32_t tamanho = PropertyToInt32(lido, "TamanhoMáximo");
  if (tamanho < 0) {
    throw PropertyError("Propriedade \"TamanhoMáximo\": o tamanho guardado " +
                        std::to_string(tamanho) + " é negativo");
  }
  return tamanho;
}

// Reads the keys in their order. The maximum length is not read for the amount in
// words, whose label has no width.
Guardado LeGuardado(PropertyBag& bag, const FontRef& fonteDoAmbiente) {
  Guardado g;
  g.tipo = PropertyToInt16(bag.ReadProperty("TipoDados", Padrao("TipoDados")), "TipoDados");
  g.habilitado = PropertyToBool(bag.ReadProperty("Enabled", Padrao("Enabled")), "Enabled");
  g.teclaEnter = PropertyToBool(bag.ReadProperty("TeclaEnter", Padrao("TeclaEnter")), "TeclaEnter");
  g.maiusculoEMinusculo =
      PropertyToBool(bag.ReadProperty("MaiusculoEMinusculo", Padrao("MaiusculoEMinusculo")),
                     "MaiusculoEMinusculo");
  g.tudoMaiusculo =
      PropertyToBool(bag.ReadProperty("TudoMaiusculo", Padrao("TudoMaiusculo")), "TudoMaiusculo");
  const TipoDadosInfo* info = InfoDoTipo(g.tipo);
  if (info == nullptr || info->largura != RegraLargura::SemLargura) g.tamanho = LeTamanho(bag);
  g.endereco = PropertyToInt32(bag.ReadProperty("Endereço", Padrao("Endereço")), "Endereço");
  g.corDeFundo = PropertyToColor(bag.ReadProperty("BackColor", Padrao("BackColor")), "BackColor");
  // A copy: the control must never share the container's own font object.
  g.fonte = PropertyToFont(bag.ReadProperty("Font", fonteDoAmbiente), "Font");
  g.corDaFonte = PropertyToColor(bag.ReadProperty("ForeColor", Padrao("ForeColor")), "ForeColor");
  // The options added later come last and are off when absent, so forms saved before
  // them load as they were.
  g.cnpjAlfanumerico = PropertyToBool(
      bag.ReadProperty("CNPJAlfanumerico", Padrao("CNPJAlfanumerico")), "CNPJAlfanumerico");
  g.extensoNorma =
      PropertyToBool(bag.ReadProperty("ExtensoNorma", Padrao("ExtensoNorma")), "ExtensoNorma");
  return g;
}

// The font a bag without one gives: the form's, or the boxes' own default when the
// form has none, as a new control starts with.
FontRef FontePadrao(const FontRef& fonteDoAmbiente) {
  return fonteDoAmbiente ? fonteDoAmbiente : std::make_shared<Font>();
}

// Caixa takes the colour; the other two boxes take the colour that Caixa then has.
void CarregaCorDeFundo(const ConstituentWidgets& w, Color cor) {
  w.Caixa->SetBackColor(cor);
  w.Caixa1->SetBackColor(w.Caixa->BackColor());
  w.Caixa2->SetBackColor(w.Caixa->BackColor());
}

void CarregaCorDaFonte(const ConstituentWidgets& w, Color cor) {
  w.Caixa->SetForeColor(cor);
  w.Caixa1->SetForeColor(w.Caixa->ForeColor());
  w.Caixa2->SetForeColor(w.Caixa->ForeColor());
}

}  // namespace

void ConfereGuardado(PropertyBag& bag) { static_cast<void>(LeGuardado(bag, FontePadrao(nullptr))); }

void VumoCaixaControl::UserControl_ReadProperties(PropertyBag& bag) {
  const Guardado g = LeGuardado(bag, FontePadrao(m_Container.AmbientFont()));
  // A type outside the known ones is kept as it was saved, with the numeric box.
  m_TipoDados = g.tipo;
  SelecionaWidgets(m_TipoDados);
  m_Caixa->SetEnabled(g.habilitado);
  m_TeclaEnter = g.teclaEnter;
  m_MaiusculoEMinusculo = g.maiusculoEMinusculo;
  m_TudoMaiusculo = g.tudoMaiusculo;
  // The saved width is the one the width rules gave; they are not applied again.
  if (g.tamanho) m_Caixa->SetMaxLength(*g.tamanho);
  m_Endereco = g.endereco;
  CarregaCorDeFundo(m_Widgets, g.corDeFundo);
  SetFont(g.fonte);
  CarregaCorDaFonte(m_Widgets, g.corDaFonte);
  m_CNPJAlfanumerico = g.cnpjAlfanumerico;
  m_ExtensoNorma = g.extensoNorma;
  // Dates and amounts take their width from the user's regional settings.
  const RegionalSettings& regional = m_Runtime.Regional();
  if (m_TipoDados == kData) {
    m_MascaraData = MascaraDeData(regional);
    m_Caixa->SetMaxLength(static_cast<std::int32_t>(CharCount(m_MascaraData)));
  } else if (m_TipoDados == kMoeda) {
    m_Caixa->SetMaxLength(static_cast<std::int32_t>(CurrencyWidth(regional)));
  }
}

void VumoCaixaControl::UserControl_WriteProperties(PropertyBag& bag) {
  const FontRef fonteDoAmbiente = m_Container.AmbientFont();
  FontRef fonte = m_Widgets.Caixa->Font();
  if (fonte == nullptr) fonte = fonteDoAmbiente;  // a box without a font shows the ambient one
  bag.WriteProperty("TipoDados", m_TipoDados, Padrao("TipoDados"));
  bag.WriteProperty("Enabled", m_Caixa->Enabled(), Padrao("Enabled"));
  bag.WriteProperty("TeclaEnter", m_TeclaEnter, Padrao("TeclaEnter"));
  bag.WriteProperty("MaiusculoEMinusculo", m_MaiusculoEMinusculo, Padrao("MaiusculoEMinusculo"));
  bag.WriteProperty("TudoMaiusculo", m_TudoMaiusculo, Padrao("TudoMaiusculo"));
  bag.WriteProperty("TamanhoMáximo", TamanhoMáximo(), Padrao("TamanhoMáximo"));
  bag.WriteProperty("Endereço", m_Endereco, Padrao("Endereço"));
  bag.WriteProperty("BackColor", m_Widgets.Caixa->BackColor(), Padrao("BackColor"));
  bag.WriteProperty("Font", fonte, fonteDoAmbiente);
  bag.WriteProperty("ForeColor", m_Widgets.Caixa->ForeColor(), Padrao("ForeColor"));
  bag.WriteProperty("CNPJAlfanumerico", m_CNPJAlfanumerico, Padrao("CNPJAlfanumerico"));
  bag.WriteProperty("ExtensoNorma", m_ExtensoNorma, Padrao("ExtensoNorma"));
}

}  // namespace vumocaixa
