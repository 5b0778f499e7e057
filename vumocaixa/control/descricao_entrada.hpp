#pragma once
// What a screen reader says about an entry of each data type, and what the "..."
// button of the e-mail and home-page boxes does. Every host names its parts with these.

#include <string_view>

namespace vumocaixa {

// The description of an entry of data type tipo ("CPF", "Valor em reais"), from the
// table of data types; an empty text outside 0 to 16.
[[nodiscard]] std::string_view DescricaoDaEntrada(int tipo);

// The name and tooltip of the "..." button of data type tipo ("Enviar e-mail"), or an
// empty text for a type without the button.
[[nodiscard]] std::string_view AcaoDoBotao(int tipo);

}  // namespace vumocaixa
