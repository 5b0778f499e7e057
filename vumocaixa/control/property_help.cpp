#include <vumocaixa/control/property_help.hpp>

#include <vumocaixa/control/chaves_guardadas.hpp>

#include <algorithm>
#include <array>

namespace vumocaixa {
namespace {

// The same texts stand beside the accessors in vumocaixa_control.hpp. The saved
// keys keep their order in forms already saved: a new one goes after the last.
constexpr std::array<PropertyHelp, 13> kPropriedades{{
    {"TipoDados", "TipoDados", "Especifíca a máscara de entrada para a caixa.", 0, std::int16_t{0}},
    {"Habilitado", "Enabled", "Utiliza Propriedade Enabled do Objeto", 1, true},
    {"TeclaEnter", "TeclaEnter",
     "Especifica se a tecla Enter envia para o próximo campo disponível.", 2, true},
    {"MaiusculoEMinusculo", "MaiusculoEMinusculo",
     "Coloca as primeiras letras das frases em maiusculo.", 3, true},
    {"TudoMaiusculo", "TudoMaiusculo", "Coloca todas as letras em maiusculo.", 4, false},
    {"TamanhoMáximo", "TamanhoMáximo", "Numero máximo de Caracteres (Igual ao MaxLenght).", 5,
     std::int32_t{0}},
    {"Endereço", "Endereço", "Exige que seja colocado Rua, Av., Viela, etc.", 6, false},
    {"CNPJAlfanumerico", "CNPJAlfanumerico",
     "Aceita letras nas 12 primeiras posições do CNPJ (novo formato alfanumérico).", 10, false},
    {"ExtensoNorma", "ExtensoNorma",
     "Escreve o extenso como manda a norma (minúsculas, três com acento, mil sem um).", 11, false},
    {"Text", "Text", "Recebe/Devolve o valor da caixa de texto."},
    {"BackColor", "BackColor", "Define / retorna a cor de fundo da caixa de texto.", 7,
     kSystemWindowColor},
    {"Font", "Font", "Define / retorna a fonte utilizada.", 8},
    {"ForeColor", "ForeColor", "Define / retorna a cor da fonte usada.", 9, kSystemWindowTextColor},
}};

// The saved keys in their order, taken from the properties' places.
constexpr auto kChaves = [] {
  constexpr auto salvas = [] {
    std::size_t n = 0;
    for (const PropertyHelp& p : kPropriedades) n += p.saved >= 0 ? 1 : 0;
    return n;
  }();
  std::array<std::string_view, salvas> chaves{};
  for (const PropertyHelp& p : kPropriedades) {
    if (p.saved >= 0) chaves.at(static_cast<std::size_t>(p.saved)) = p.notified;
  }
  return chaves;
}();
static_assert(std::ranges::none_of(kChaves, [](std::string_view k) { return k.empty(); }),
              "every place among the saved keys is taken once");

// The events in the order of their numbers; ContainerEvents declares them in the same
// order.
constexpr std::array<EventHelp, 12> kEventos{{
    {1, "Change", "Evento acionado quando os dados na caixa de texto é alterado."},
    {2, "Click", "Evento acionado quando você clica na caixa."},
    {3, "DblClick", "Evento acionado quando você clica duas vezes na caixa."},
    {4, "KeyDown", "Evento gerado quando você \"abaixa\" a tecla."},
    {5, "KeyEnter", "Evento gerado quando é apertada a tecla Enter."},
    {6, "KeyPress", "Evento gerado quando você aperta a tecla."},
    {7, "KeyUp", "Evento gerado quando você \"solta\" a tecla."},
    {8, "MouseDown", "Evento gerado quando você \"abaixa\" um botão do mouse."},
    {9, "MouseMove", "Evento gerado quando você move o mouse sobre a caixa."},
    {10, "MouseUp", "Evento gerado quando você \"levanta\" um botão do mouse."},
    {11, "MandarEmail", "Evento acionado quando é pressinado o botão da caixa de texto."},
    {12, "AbrirHomePage", "Evento acionado quando é pressinado o botão da caixa de texto."},
}};

}  // namespace

std::span<const PropertyHelp> PropertyHelpTexts() { return kPropriedades; }

std::span<const std::string_view> ChavesGuardadas() { return kChaves; }

SavedDefault SavedDefaultOf(std::string_view key) {
  for (const PropertyHelp& p : kPropriedades) {
    if (p.saved >= 0 && p.notified == key) return p.savedDefault;
  }
  return {};
}

std::span<const EventHelp> EventHelpTexts() { return kEventos; }

std::string_view EventHelpText(std::string_view name) {
  for (const EventHelp& e : kEventos) {
    if (e.name == name) return e.help;
  }
  return {};
}

std::string_view PropertyHelpText(std::string_view name) {
  if (name.empty()) return {};
  for (const PropertyHelp& p : kPropriedades) {
    if (p.member == name || p.notified == name) return p.help;
  }
  return {};
}

}  // namespace vumocaixa
