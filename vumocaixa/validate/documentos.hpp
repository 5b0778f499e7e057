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

// Whether texto holds a CNPJ number in which the first 12 positions may also be
// letters A to Z (lower case read as upper case): 14 digits and letters, the last two
// digits, and those two the modulus-11 check digits of the others. Each character
// counts as its ASCII code minus 48 ('0' is 0, 'A' is 17, 'Z' is 42), so a number of
// digits only passes here exactly when it passes ValidaCNPJ.
// ValidaCNPJAlfanumerico("12.ABC.345/01DE-35") is true; "12.ABC.345/01DE-45" is not.
// Separators and any other character that is neither digit nor letter are ignored;
// an empty text is accepted.
[[nodiscard]] bool ValidaCNPJAlfanumerico(std::string_view texto);

// Whether texto holds a PIS number: 11 digits whose last one is its modulus-11 check
// digit. ValidaPIS("100.00000.00.8") is true.
[[nodiscard]] bool ValidaPIS(std::string_view texto);

}  // namespace vumocaixa
