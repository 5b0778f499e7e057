#pragma once
// Masks whose positions take letters as well as digits, for the CNPJ numbers whose
// root and order may hold the letters A to Z.
//
// In such a mask "9" is a position for a digit, "A" a position for a digit or a
// letter, and every other character is a literal copied into the display. Letters
// are the 26 of the Latin alphabet and are always shown in upper case.

#include <cstddef>
#include <string>
#include <string_view>

namespace vumocaixa {

// The CNPJ with letters allowed in its first 12 positions; the two check digits
// stay digits. Same length and separators as kMascaraCNPJ.
inline constexpr std::string_view kMascaraCNPJAlfanumerico = "AA.AAA.AAA/AAAA-99";

// The digits 0 to 9 and the letters A to Z of texto, in order, letters upper-cased;
// everything else (separators, spaces, accented letters) is dropped.
// SoDigitosELetras("12.abc.345/01DE-35") == "12ABC34501DE35".
[[nodiscard]] std::string SoDigitosELetras(std::string_view texto);

// Whether character c (a digit, or an upper-case letter A to Z) may stand at the
// 0-based position posicao of the mask's digit and letter positions. Past the last
// position only digits may follow, as extra digits do in a numeric mask.
// CabeNaPosicao('B', 11, kMascaraCNPJAlfanumerico) is true, at 12 it is false.
[[nodiscard]] bool CabeNaPosicao(char c, std::size_t posicao, std::string_view mascara);

// The digits and letters of texto (SoDigitosELetras) laid into the mask, one per
// position, whichever kind the position is: the text is shown, not judged. As with
// FormataMascara, the literals that follow the last character up to the next
// position are already in the result, and characters beyond the mask follow it
// without separators. FormataMascaraAlfanumerica("12abc", kMascaraCNPJAlfanumerico)
// == "12.ABC."; an empty text gives the mask's leading literals (none here).
[[nodiscard]] std::string FormataMascaraAlfanumerica(std::string_view texto,
                                                     std::string_view mascara);

}  // namespace vumocaixa
