#pragma once
// What the text box Caixa makes of an entry when the user leaves it, as a pure
// function: the text as the box then holds it, and the message of a refused entry.
// The box's handler and any other reader of entries (a batch check of a file of
// document numbers, say) share this one rule.

#include <cstdint>
#include <string>
#include <string_view>

#include <vumocaixa/host/regional.hpp>

namespace vumocaixa {

// The options of the control that the verdict depends on.
struct OpcoesDeSaida {
  bool maiusculoEMinusculo = false;  // Texto: words are capitalised
  bool endereco = false;             // Texto, with capitalisation: a street address
  bool cnpjAlfanumerico = false;     // CNPJ: letters allowed in the root and order
};

// Judges texto, the entry of a text box of data type tipo, and rewrites it in place
// as the box holds it afterwards. Gives the message of a refused entry, such as
// "CIC inválido. Redigite.", or an empty view when the entry is accepted.
//
// - Texto: with maiusculoEMinusculo a non-empty text is tidied by FormataPalavras;
//   an empty one stays empty, and so does one of spaces only with endereco. Never
//   refused.
// - Data: a date the locale reads is rewritten in the short form; anything else but
//   the empty text is refused and left as it was.
// - CIC, CNPJ, Cartão de Crédito, CEP, PIS: a text whose digits (and, for a CNPJ with
//   letters, letters) fill the type's mask exactly is first laid into the mask
//   ("01310-100" gives "01.310-100", "12345678909" gives "123.456.789-09"); then the
//   check digits are verified (a CEP needs only the mask's length). A text with too
//   few or too many digits is judged as it stands.
// - email: refused without an "@".
// - Every other type, and the empty text of any type, is accepted unchanged.
//
// Does not allocate when the text is already in the mask's form, nor for the
// laying itself when texto has room for the mask.
//   std::string t = "12345678909";
//   ConfereSaidaDaCaixa(kCIC, t, {}) is empty and t == "123.456.789-09"
[[nodiscard]] std::string_view ConfereSaidaDaCaixa(std::int16_t tipo, std::string& texto,
                                                   const OpcoesDeSaida& opcoes = {},
                                                   const RegionalSettings& r = PtBR());

}  // namespace vumocaixa
