#pragma once
// Reading and assigning a control's public properties by name, with a tagged general
// value: what a designer's property page or a script uses.
//
// Names: "TipoDados", "Habilitado" (also "Enabled"), "TeclaEnter",
// "MaiusculoEMinusculo", "TudoMaiusculo", "TamanhoMáximo", "Endereço",
// "CNPJAlfanumerico", "ExtensoNorma", "Text", "BackColor", "ForeColor". A text is
// converted to the property's type (16-bit or 32-bit whole number, Boolean) in the
// pt-BR locale, whole numbers rounding half to even; the assignment then goes through
// the control's own accessor and rules.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa {

// A tagged general value: text, whole number or Boolean.
using GeneralValue = std::variant<std::string, std::int32_t, bool>;

// The names GetProperty and SetProperty accept, in the control's interface order.
[[nodiscard]] std::span<const std::string_view> AccessibleProperties();

// The property's current value: a whole number for TipoDados, TamanhoMáximo and the
// colours, a Boolean for the options, the text form of Text.
// Throws PropertyError for an unknown name.
[[nodiscard]] GeneralValue GetProperty(const VumoCaixaControl& control, std::string_view name);

// Assigns value to the property. Throws PropertyError, naming the property, for an
// unknown name or a value that does not convert to the property's type; the control
// is then left unchanged.
void SetProperty(VumoCaixaControl& control, std::string_view name, const GeneralValue& value);

// The default text form of a general value (a Boolean as "True" or "False").
[[nodiscard]] std::string GeneralText(const GeneralValue& value);

}  // namespace vumocaixa
