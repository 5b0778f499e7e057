#include <vumocaixa/pages/propriedades.hpp>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/pages/property_access.hpp>

namespace vumocaixa {
namespace {

using K = PageWidgetKind;

constexpr PageLayout kPage{"Propriedades", 5910, 3975};

constexpr Color kVermelho{0x000000C0u};

constexpr std::array<PageWidgetLayout, 13> kLayout = {{
    {"Area_1", K::Frame, "Mascara", 120, 120, 5655, 1335, "", 0},
    {"txtTipoDados", K::TextBox, "", 5160, 240, 420, 330, "Area_1", 1, false},
    {"lblTipoDados", K::Label, "TipoDados:", 120, 480, 2700, 240, "Area_1", 2},
    {"TipoDados", K::DropDownList, "", 150, 720, 3735, 315, "Area_1", 3},
    {"chkTeclaEnter", K::CheckBox, "TeclaEnter", 4080, 720, 1260, 285, "Area_1", 4},
    {"Area_2", K::Frame, "Especificações", 120, 1560, 5655, 2295, "", 5},
    {"chkMaiusculoEMinusculo", K::CheckBox, "MaiusculoEMinusculo", 240, 600, 2220, 285, "Area_2",
     6},
    {"chkTudoMaiusculo", K::CheckBox, "TudoMaiusculo", 240, 1080, 2340, 285, "Area_2", 7},
    {"lblTamanhoMáximo", K::Label, "TamanhoMáximo:", 2760, 480, 2700, 240, "Area_2", 8},
    {"txtTamanhoMáximo", K::TextBox, "", 2760, 720, 2700, 330, "Area_2", 9},
    {"chkEndereço", K::CheckBox, "Endereço", 2760, 1200, 2625, 285, "Area_2", 10},
    {"chkExtensoNorma", K::CheckBox, "ExtensoNorma", 240, 1560, 2340, 285, "Area_2", 11},
    {"lblAviso",
     K::Label,
     "",
     240,
     1980,
     5295,
     240,
     "Area_2",
     12,
     true,
     {},
     0,
     false,
     PageAlignment::Left,
     kVermelho},
}};

// A check box's value for a Boolean property read by name: the lowest bit of the
// property's whole-number form (True is -1).
int LowestBit(const GeneralValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? 1 : 0;
  if (const auto* whole = std::get_if<std::int32_t>(&value)) return *whole & 1;
  return 0;
}

bool Checked(const PageWidget& box) { return box.Value() == 1; }

// The list position a type number names, the number rounded half to even: -1 for no
// choice, 0 to 16 for a type; nothing for a number the list does not hold.
std::optional<int> PosicaoNaLista(std::string_view numero) {
  double posicao = 0;
  try {
    posicao = std::nearbyint(LeadingNumber(numero));
  } catch (const OverflowError&) {
    return std::nullopt;
  }
  if (!(posicao >= -1 && posicao < static_cast<double>(kTiposDeDados.size()))) {
    return std::nullopt;
  }
  return static_cast<int>(posicao);
}

bool NomeiaUmTipo(std::string_view numero) { return PosicaoNaLista(numero).value_or(-1) >= 0; }

// Whether a maximum length typed on the page can be written: a whole number from 0 to
// the largest 32-bit one, digits only, spaces around allowed.
bool TamanhoValido(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(' ');
  if (inicio == std::string_view::npos) return false;
  texto = texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
  std::int64_t valor = 0;
  for (char c : texto) {
    if (c < '0' || c > '9') return false;
    valor = valor * 10 + (c - '0');
    if (valor > std::numeric_limits<std::int32_t>::max()) return false;
  }
  return true;
}

}  // namespace

std::span<const PageWidgetLayout> PropriedadesLayout() { return kLayout; }
const PageLayout& PropriedadesPage() { return kPage; }

Propriedades::Propriedades(PageSurface& surface) {
  surface.SetPage(kPage);
  for (const PageWidgetLayout& layout : kLayout) Wire(surface.Add(layout), layout.name);
  for (const TipoDadosInfo& tipo : kTiposDeDados) m_TipoDados->AddItem(tipo.rotulo);
}

void Propriedades::Wire(PageWidget& w, std::string_view name) {
  if (name == "txtTipoDados") {
    m_txtTipoDados = &w;
    w.SetNotify([this](PageNotification) { txtTipoDados_Change(); });
  } else if (name == "TipoDados") {
    m_TipoDados = &w;
    w.SetNotify([this](PageNotification n) {
      n == PageNotification::Click ? TipoDados_Click() : TipoDados_Change();
    });
  } else if (name == "chkTeclaEnter") {
    m_chkTeclaEnter = &w;
    w.SetNotify([this](PageNotification) { chkTeclaEnter_Click(); });
  } else if (name == "chkMaiusculoEMinusculo") {
    m_chkMaiusculoEMinusculo = &w;
    w.SetNotify([this](PageNotification) { chkMaiusculoEMinusculo_Click(); });
  } else if (name == "chkTudoMaiusculo") {
    m_chkTudoMaiusculo = &w;
    w.SetNotify([this](PageNotification) { chkTudoMaiusculo_Click(); });
  } else if (name == "txtTamanhoMáximo") {
    m_txtTamanhoMáximo = &w;
    w.SetNotify([this](PageNotification) { txtTamanhoMáximo_Change(); });
  } else if (name == "chkEndereço") {
    m_chkEndereço = &w;
    w.SetNotify([this](PageNotification) { chkEndereço_Click(); });
  } else if (name == "chkExtensoNorma") {
    m_chkExtensoNorma = &w;
    w.SetNotify([this](PageNotification) { chkExtensoNorma_Click(); });
  } else if (name == "lblAviso") {
    m_lblAviso = &w;
  }
}

void Propriedades::SetSelectedControls(std::vector<VumoCaixaControl*> controls) {
  m_Selected = std::move(controls);
}

VumoCaixaControl* Propriedades::First() const {
  return m_Selected.empty() ? nullptr : m_Selected.front();
}

// Loading sets the widgets without writing anything: their notifications only keep
// the list and the number box together.
void Propriedades::PropertyPage_SelectionChanged() {
  VumoCaixaControl* control = First();
  if (control == nullptr) return;
  m_Carregando = true;
  m_chkExtensoNorma->SetValue(LowestBit(GetProperty(*control, "ExtensoNorma")));
  m_chkEndereço->SetValue(LowestBit(GetProperty(*control, "Endereço")));
  m_txtTamanhoMáximo->SetText(GeneralText(GetProperty(*control, "TamanhoMáximo")));
  m_chkTudoMaiusculo->SetValue(LowestBit(GetProperty(*control, "TudoMaiusculo")));
  m_chkMaiusculoEMinusculo->SetValue(LowestBit(GetProperty(*control, "MaiusculoEMinusculo")));
  m_chkTeclaEnter->SetValue(LowestBit(GetProperty(*control, "TeclaEnter")));
  m_txtTipoDados->SetText(GeneralText(GetProperty(*control, "TipoDados")));
  // A stored type that names no list position leaves the list without a choice.
  m_TipoDados->SetListIndex(PosicaoNaLista(m_txtTipoDados->Text()).value_or(-1));
  m_TipoEscolhido = false;
  AjustaOpcoes(control->TipoDados());
  MostraAviso();
  m_Carregando = false;
}

// A value the control cannot take from its text (a type the list does not hold) is
// not passed on: the control keeps its value and the page goes on with the next one.
void Propriedades::Write(VumoCaixaControl& control, std::string_view name,
                         const std::string& text) {
  try {
    SetProperty(control, name, text);
  } catch (const PropertyError&) {
  }
}

void Propriedades::PropertyPage_ApplyChanges() {
  VumoCaixaControl* control = First();
  if (control == nullptr) return;
  // A loaded type the list does not hold is the control's own: written back, the
  // control would refuse it.
  if (m_TipoEscolhido || NomeiaUmTipo(m_txtTipoDados->Text())) {
    Write(*control, "TipoDados", m_txtTipoDados->Text());
  }
  SetProperty(*control, "TeclaEnter", Checked(*m_chkTeclaEnter));
  if (TamanhoValido(m_txtTamanhoMáximo->Text())) {
    Write(*control, "TamanhoMáximo", m_txtTamanhoMáximo->Text());
  }
  MostraAviso();
  // Judged by the type the control now has, so that no option is written on where
  // the control would refuse it.
  const std::int16_t t = control->TipoDados();
  SetProperty(*control, "Endereço", Checked(*m_chkEndereço) && PermiteEndereço(t));
  SetProperty(*control, "TudoMaiusculo", Checked(*m_chkTudoMaiusculo) && PermiteTudoMaiusculo(t));
  SetProperty(*control, "MaiusculoEMinusculo",
              Checked(*m_chkMaiusculoEMinusculo) && PermiteMaiusculoEMinusculo(t));
  SetProperty(*control, "ExtensoNorma", Checked(*m_chkExtensoNorma) && UsaExtensoNorma(t));
}

// The options the type refuses or does not use are shown unchecked and cannot be
// checked; the others can. With no type chosen, nothing is refused.
void Propriedades::AjustaOpcoes(std::optional<std::int16_t> tipo) {
  const std::int16_t t = tipo.value_or(kTexto);
  const bool livre = !tipo;
  const std::pair<PageWidget*, bool> opcoes[] = {
      {m_chkMaiusculoEMinusculo, livre || PermiteMaiusculoEMinusculo(t)},
      {m_chkTudoMaiusculo, livre || PermiteTudoMaiusculo(t)},
      {m_chkEndereço, livre || PermiteEndereço(t)},
      {m_chkExtensoNorma, livre || UsaExtensoNorma(t)},
  };
  for (const auto& [caixa, permitida] : opcoes) {
    if (!permitida) caixa->SetValue(0);
    caixa->SetEnabled(permitida);
  }
}

void Propriedades::MostraAviso() {
  const bool valido = TamanhoValido(m_txtTamanhoMáximo->Text());
  m_lblAviso->SetText(valido ? std::string_view{} : kAvisoTamanhoMáximo);
}

// Loading sets the list from the number, never the other way.
void Propriedades::TipoDados_Click() {
  if (m_Carregando) return;
  m_txtTipoDados->SetText(NumberText(static_cast<std::int32_t>(m_TipoDados->ListIndex())));
  m_Changed = true;
}

void Propriedades::TipoDados_Change() { TipoDados_Click(); }

// The number box drives the list; a number that names no list position (outside -1 to
// 16, or no number at all) is not passed on to the control at once. A type the user
// chose is written at once, with the whole page.
void Propriedades::txtTipoDados_Change() {
  if (m_Carregando) return;
  m_TipoEscolhido = true;
  const std::optional<int> posicao = PosicaoNaLista(m_txtTipoDados->Text());
  if (!posicao) return;
  m_TipoDados->SetListIndex(*posicao);
  AjustaOpcoes(*posicao < 0 ? std::nullopt
                            : std::optional<std::int16_t>(static_cast<std::int16_t>(*posicao)));
  PropertyPage_ApplyChanges();
  m_Changed = true;
}

void Propriedades::txtTamanhoMáximo_Change() {
  MostraAviso();
  if (!m_Carregando) m_Changed = true;
}
void Propriedades::chkTeclaEnter_Click() {
  if (!m_Carregando) m_Changed = true;
}
void Propriedades::chkMaiusculoEMinusculo_Click() {
  if (!m_Carregando) m_Changed = true;
}
void Propriedades::chkTudoMaiusculo_Click() {
  if (!m_Carregando) m_Changed = true;
}
void Propriedades::chkEndereço_Click() {
  if (!m_Carregando) m_Changed = true;
}
void Propriedades::chkExtensoNorma_Click() {
  if (!m_Carregando) m_Changed = true;
}

}  // namespace vumocaixa
