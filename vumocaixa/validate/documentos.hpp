#pragma once
// Check digits of Brazilian document numbers: CPF (CIC), CNPJ and PIS.
//
// Each routine takes the number as displayed, masked or not, and works on its digits
// only: every other character is ignored. An empty text is accepted, so that an
// empty box is never refused; a text without the right number of digits is not.

#include <string_view>

namespace vumocaixa {

// Whether texto holds a CPF number: 11 digits whose last two are its modulus-11 check
// digits. ValidaCIC("123.456.789-09") and ValidaCIC("12345678909") are true.
// Numbers of one repeated digit pass when their check digits fit ("000.000.000-00").
[[nodiscard]] bool ValidaCIC(std::string_view texto);

// Whether texto holds a CNPJ number: 14 digits whose last two are its modulus-11
// check digits. ValidaCNPJ("12.345.678/0001-95") is true.
[[nodiscard]] bool ValidaCNPJ(std::string_view texto);

// Whether texto holds a PIS number: 11 digits whose last one is its modulus-11 check
// digit. ValidaPIS("100.00000.00.8") is true.
[[nodiscard]] bool ValidaPIS(std::string_view texto);

}  // namespace vumocaixa
