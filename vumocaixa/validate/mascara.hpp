#pragma once
// Entry masks and the pure routines that lay digits into them.
//
// A mask is a text in which every "9" is one digit position and every other
// character is a literal copied into the display: "999.999.999-99" shows the digits
// 12345678901 as 123.456.789-01. Texts are UTF-8 and counted in characters.

#include <cstdint>
#include <string>
#include <string_view>

#include <vumocaixa/host/regional.hpp>

namespace vumocaixa {

inline constexpr std::string_view kMascaraCIC = "999.999.999-99";
inline constexpr std::string_view kMascaraCNPJ = "99.999.999/9999-99";
inline constexpr std::string_view kMascaraCartao = "9999.9999.9999.9999";
inline constexpr std::string_view kMascaraCEP = "99.999-999";
inline constexpr std::string_view kMascaraPIS = "999.99999.99.9";
inline constexpr std::string_view kMascaraData2 = "99/99/99";
inline constexpr std::string_view kMascaraData4 = "99/99/9999";

// The date mask that fits the user's short date: kMascaraData2 when the short date
// of 10 October 1999 is 8 characters long (a two-digit year), kMascaraData4 otherwise.
[[nodiscard]] std::string_view MascaraDeData(const RegionalSettings& r = PtBR());

// The digits 0 to 9 of texto, in order; every other character is dropped.
// SoDigitos("123.456-7") == "1234567"; an empty text gives an empty text.
[[nodiscard]] std::string SoDigitos(std::string_view texto);

// The digits laid into the mask. The literals that follow the last digit, up to the
// next digit position, are already in the result ("123" in "999.999.999-99" gives
// "123."); digits beyond the mask's positions follow the filled mask without
// separators. A character of digitos that is no digit is skipped but still takes
// its position. An empty mask gives the digits unchanged. No length limit.
// A byte that is not valid UTF-8 counts as one character and is copied as it is.
[[nodiscard]] std::string FormataMascara(std::string_view digitos, std::string_view mascara);

// Whether a character code passes a masked or numeric box untouched: true exactly
// for 8 (Backspace), 9 (Tab), 10 (line feed), 13 (Enter), 16 and 17.
[[nodiscard]] bool TeclaDeControle(std::int16_t codigo);

}  // namespace vumocaixa
