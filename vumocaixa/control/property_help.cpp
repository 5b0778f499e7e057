#include <vumocaixa/control/property_help.hpp>

#include <array>

namespace vumocaixa {
namespace {

// The same texts stand beside the accessors in vumocaixa_control.hpp.
constexpr std::array<PropertyHelp, 12> kPropriedades{{
    {"TipoDados", "TipoDados", "Especifíca a máscara de entrada para a caixa."},
    {"Habilitado", "Enabled", "Utiliza Propriedade Enabled do Objeto"},
    {"TeclaEnter", "TeclaEnter",
     "Especifica se a tecla Enter envia para o próximo campo disponível."},
    {"MaiusculoEMinusculo", "MaiusculoEMinusculo",
     "Coloca as primeiras letras das frases em maiusculo."},
    {"TudoMaiusculo", "TudoMaiusculo", "Coloca todas as letras em maiusculo."},
    {"TamanhoMáximo", "TamanhoMáximo", "Numero máximo de Caracteres (Igual ao MaxLenght)."},
    {"Endereço", "Endereço", "Exige que seja colocado Rua, Av., Viela, etc."},
    {"CNPJAlfanumerico", "CNPJAlfanumerico",
     "Aceita letras nas 12 primeiras posições do CNPJ (novo formato alfanumérico)."},
    {"Text", "Text", "Recebe/Devolve o valor da caixa de texto."},
    {"BackColor", "BackColor", "Define / retorna a cor de fundo da caixa de texto."},
    {"Font", "Font", "Define / retorna a fonte utilizada."},
    {"ForeColor", "ForeColor", "Define / retorna a cor da fonte usada."},
}};

}  // namespace

std::span<const PropertyHelp> PropertyHelpTexts() { return kPropriedades; }

std::string_view PropertyHelpText(std::string_view name) {
  if (name.empty()) return {};
  for (const PropertyHelp& p : kPropriedades) {
    if (p.member == name || p.notified == name) return p.help;
  }
  return {};
}

}  // namespace vumocaixa
