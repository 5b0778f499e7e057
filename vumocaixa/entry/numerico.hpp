#pragma once
// The decisions of the numeric box Caixa1, kept apart from its handlers: which
// typed characters it takes, where a comma and a minus sign may go, which numbers
// each data type takes on leaving and how it shows them, and the shortening of a
// number too large for its kind.
//
// Texts are UTF-8; carets count characters before the caret (0 = at the start).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/values.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>

namespace vumocaixa {

// Whether a comma typed at caret may go into texto: never in front of a leading
// minus sign, never a second one. The selection is not taken into account, so a
// comma is refused even when the selection covers the one already there.
//   AceitaVirgula("12", 2) == true;  AceitaVirgula("-3", 0) == false
//   AceitaVirgula("1,5", 0) == false
[[nodiscard]] bool AceitaVirgula(std::string_view texto, std::int32_t caret);

// Whether a minus sign typed at caret may go into texto: only as the first
// character, and only once.
//   AceitaMenos("45", 0) == true;  AceitaMenos("45", 1) == false
//   AceitaMenos("-45", 0) == false
[[nodiscard]] bool AceitaMenos(std::string_view texto, std::int32_t caret);

// The grouping point that an earlier '.' stood for. A '.' typed into the box becomes
// its decimal comma; when a second decimal separator (',' or '.') is typed at caret,
// right of that comma, the earlier key was a grouping point after all. virgulaDoPonto
// is the character position of the comma typed as '.', or -1 for none. Gives texto
// with that comma turned back into '.', or nothing when texto holds no comma there
// or the caret stands before it.
//   DesfazVirgulaDoPonto("1,234", 5, 1) == "1.234"
//   DesfazVirgulaDoPonto("1,234", 0, 1) and DesfazVirgulaDoPonto("1,234", 5, -1) give nothing
[[nodiscard]] std::optional<std::string> DesfazVirgulaDoPonto(std::string_view texto,
                                                              std::int32_t caret,
                                                              std::int32_t virgulaDoPonto);

// What a typed character code is to the numeric box.
enum class ClasseTecla {
  Enter,     // 13: moves on or beeps, never typed
  Controle,  // a pass-through code (backspace, tab, line feed, ...)
  Digito,    // reads as a number on its own
  Virgula,   // ',' or '.', which the box turns into ','
  Menos,     // '-'
  Outra,     // anything else, including -1 (no Windows-1252 code): refused
};

// The class of a typed Windows-1252 code, in this order: Enter, the pass-through
// codes of TeclaDeControle, comma or point, minus, a character that reads as a
// number on its own in the locale (the digits 0 to 9), anything else.
//   ClassificaTecla('.') == ClasseTecla::Virgula;  ClassificaTecla('w') == Outra
[[nodiscard]] ClasseTecla ClassificaTecla(std::int16_t KeyAscii,
                                          const RegionalSettings& r = PtBR());

// Whether an amount lies within the currency box's range, the limits included: it
// keeps one unit inside the currency kind's own range, 922 337 203 685 476,58 and
// its negative.
//   MoedaNaFaixa(922337203685476,58) == true;  MoedaNaFaixa(922337203685476,59) == false
[[nodiscard]] bool MoedaNaFaixa(const Decimal& valor);

// What a numeric box of data type tipo shows for texto when the user leaves it, or
// nothing when it refuses the entry: texto reads as no number, or as a number the
// type cannot hold.
// - Moeda: the "Currency" form of an amount within MoedaNaFaixa ("1234,5" gives
//   "R$ 1.234,50"); beyond it, refused.
// - Inteiro, Longo: the number rounded half to even, within -32768..32767 or
//   -2147483648..2147483647 ("12,5" gives "12"); beyond, refused ("32768").
// - Simples, Duplo, Decimal: a number too large for the kind is shortened from the
//   right (EncurtaNumero); one with no start that converts shows "0".
// - Any other type (a stored type outside 0 to 16): any number, as it is.
[[nodiscard]] std::optional<std::string> NumeroDoTipo(std::string_view texto, std::int16_t tipo,
                                                      const RegionalSettings& r = PtBR());

// The outcome of converting a text to a number kind.
struct Conversao {
  std::optional<Variant> valor;  // the number, when the text converts
  bool estouro = false;          // the text is a number beyond the kind's range
};

// Converts texto to kind with the locale's rules. Malformed UTF-8 is no number.
//   Converte("12,5", Double).valor == 12.5;  Converte("70000", Int16).estouro
[[nodiscard]] Conversao Converte(std::string_view texto, NumberKind kind,
                                 const RegionalSettings& r = PtBR());

// The NumberText of the longest start of texto that converts to kind (Single,
// Double or Decimal): a number too large for its kind loses characters from the
// right until it fits. Nothing when no start converts.
//   EncurtaNumero(thirty 9s, Decimal) == twenty-eight 9s
[[nodiscard]] std::optional<std::string> EncurtaNumero(std::string_view texto, NumberKind kind,
                                                       const RegionalSettings& r = PtBR());

}  // namespace vumocaixa
