#pragma once
// The seventeen data types of the control and what each one is: its label, the box
// it shows, its mask and width, its number kind, where a comma and a minus sign may
// go, and which text options it allows. Every part of the library that needs one of
// these facts reads it here; behaviour that differs by type stays with the code that
// does it.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include <vumocaixa/host/values.hpp>
#include <vumocaixa/validate/mascara.hpp>

namespace vumocaixa {

// The seventeen data types.
enum TipoDadosValor : std::int16_t {
  kTexto = 0,
  kData = 1,
  kMoeda = 2,
  kInteiro = 3,
  kLongo = 4,
  kSimples = 5,
  kDuplo = 6,
  kDecimal = 7,
  kByte = 8,
  kCIC = 9,
  kCNPJ = 10,
  kCartaoDeCredito = 11,
  kCEP = 12,
  kEmail = 13,
  kHomePage = 14,
  kPIS = 15,
  kExtenso = 16,
};

// The constituent widget a data type enters or shows its value in.
enum class CaixaDoTipo : std::uint8_t {
  Caixa,   // the text box
  Caixa1,  // the numeric box
  Caixa2,  // the label of the amount in words
};

// Where a data type's maximum length comes from.
enum class RegraLargura : std::uint8_t {
  Pedida,     // the length asked for through TamanhoMáximo (0 means no limit)
  Data,       // the length of the date mask in use
  Moeda,      // the widest amount of the currency format
  Fixa,       // the row's own number of characters
  SemLargura  // a label: no length at all
};

// How a data type treats a comma or a minus sign typed into the numeric box.
enum class RegraSinal : std::uint8_t {
  Livre,        // no rule: the sign goes in
  Condicional,  // only where AceitaVirgula / AceitaMenos allow it
  Recusado,     // never
};

struct TipoDadosInfo {
  std::string_view rotulo{};     // the list entry, "9 - CIC"
  std::string_view nome{};       // the type's name, "CIC"
  std::string_view descricao{};  // what a screen reader says of the entry, "CPF"
  CaixaDoTipo caixa = CaixaDoTipo::Caixa;
  bool botao = false;          // the "..." button shows beside the box
  bool mascarado = false;      // the box lays a mask over the digits while typing
  std::string_view mascara{};  // the fixed mask of a document type, else empty
  RegraLargura largura = RegraLargura::Pedida;
  std::int32_t caracteres = 0;         // the width under RegraLargura::Fixa
  std::optional<NumberKind> numero{};  // the number kind of a numeric type
  RegraSinal virgula = RegraSinal::Livre;
  RegraSinal menos = RegraSinal::Livre;
  bool maiusculoEMinusculo = false;  // the type allows MaiusculoEMinusculo
  bool tudoMaiusculo = false;        // the type allows TudoMaiusculo
  bool endereco = false;             // the type allows Endereço
  bool extensoNorma = false;         // ExtensoNorma changes what the type shows
};

namespace tipos_detail {
using C = CaixaDoTipo;
using L = RegraLargura;
using S = RegraSinal;
using N = NumberKind;
}  // namespace tipos_detail

// One row per data type, indexed by its number.
// One row per type reads best as written.
// clang-format off
inline constexpr std::array<TipoDadosInfo, 17> kTiposDeDados = [] {
  using namespace tipos_detail;
  return std::array<TipoDadosInfo, 17>{{
      {.rotulo = "0 - Texto", .nome = "Texto",
       .descricao = "Texto", .maiusculoEMinusculo = true,
       .tudoMaiusculo = true, .endereco = true},
      {.rotulo = "1 - Data", .nome = "Data",
       .descricao = "Data (dia, mês e ano)", .mascarado = true, .largura = L::Data},
      {.rotulo = "2 - Moeda", .nome = "Moeda",
       .descricao = "Valor em reais", .caixa = C::Caixa1, .largura = L::Moeda,
       .numero = N::Currency, .virgula = S::Condicional, .menos = S::Condicional},
      {.rotulo = "3 - Inteiro", .nome = "Inteiro",
       .descricao = "Número inteiro", .caixa = C::Caixa1, .largura = L::Fixa,
       .caracteres = 6, .numero = N::Int16, .virgula = S::Recusado,
       .menos = S::Condicional},  // "-32768"
      {.rotulo = "4 - Longo", .nome = "Longo",
       .descricao = "Número inteiro longo", .caixa = C::Caixa1, .largura = L::Fixa,
       .caracteres = 11, .numero = N::Int32, .virgula = S::Recusado,
       .menos = S::Condicional},  // "-2147483648"
      {.rotulo = "5 - Simples", .nome = "Simples",
       .descricao = "Número com casas decimais", .caixa = C::Caixa1, .largura = L::Fixa,
       .caracteres = 12, .numero = N::Single, .virgula = S::Condicional, .menos = S::Condicional},
      {.rotulo = "6 - Duplo", .nome = "Duplo",
       .descricao = "Número com casas decimais, precisão dupla", .caixa = C::Caixa1, .largura = L::Fixa,
       .caracteres = 21, .numero = N::Double, .virgula = S::Condicional, .menos = S::Condicional},
      {.rotulo = "7 - Decimal", .nome = "Decimal",
       .descricao = "Número decimal", .caixa = C::Caixa1, .largura = L::Fixa,
       .caracteres = 31, .numero = N::Decimal, .virgula = S::Condicional,
       .menos = S::Condicional},
      {.rotulo = "8 - Byte", .nome = "Byte",
       .descricao = "Um caractere", .largura = L::Fixa, .caracteres = 1,
       .tudoMaiusculo = true},
      {.rotulo = "9 - CIC", .nome = "CIC",
       .descricao = "CPF", .mascarado = true, .mascara = kMascaraCIC,
       .largura = L::Fixa, .caracteres = 14},
      {.rotulo = "10 - CNPJ", .nome = "CNPJ",
       .descricao = "CNPJ", .mascarado = true, .mascara = kMascaraCNPJ,
       .largura = L::Fixa, .caracteres = 18},
      {.rotulo = "11 - Cartão de Crédito", .nome = "CartaoDeCredito",
       .descricao = "Número do cartão de crédito", .mascarado = true,
       .mascara = kMascaraCartao, .largura = L::Fixa, .caracteres = 19},
      {.rotulo = "12 - CEP", .nome = "CEP",
       .descricao = "CEP", .mascarado = true, .mascara = kMascaraCEP,
       .largura = L::Fixa, .caracteres = 10},
      {.rotulo = "13 - email", .nome = "email",
       .descricao = "Endereço de e-mail", .botao = true},
      {.rotulo = "14 - Home Page", .nome = "HomePage",
       .descricao = "Endereço de página na internet", .botao = true},
      {.rotulo = "15 - PIS", .nome = "PIS",
       .descricao = "PIS", .mascarado = true, .mascara = kMascaraPIS,
       .largura = L::Fixa, .caracteres = 14},
      {.rotulo = "16 - Extenso", .nome = "Extenso",
       .descricao = "Valor por extenso", .caixa = C::Caixa2,
       .largura = L::SemLargura, .extensoNorma = true},
  }};
}();
// clang-format on

// The row of data type t, or nothing for a number outside 0 to 16 (a stored value
// loaded without checks may be one).
[[nodiscard]] constexpr const TipoDadosInfo* InfoDoTipo(std::int16_t t) {
  if (t < 0 || static_cast<std::size_t>(t) >= kTiposDeDados.size()) return nullptr;
  return &kTiposDeDados[static_cast<std::size_t>(t)];
}

// Whether data type t lays a mask over its digits while the user types: the date
// and the five document types. Their boxes select the whole entry on entering and
// cut the text at the caret on Delete and Backspace.
[[nodiscard]] constexpr bool TipoMascarado(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr && info->mascarado;
}

// The fixed mask of a document type (CIC, CNPJ, card, CEP, PIS), for example
// "999.999.999-99" for kCIC; empty for every other type, the date included (its
// mask comes from the regional settings).
[[nodiscard]] constexpr std::string_view MascaraDoTipo(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr ? info->mascara : std::string_view{};
}

// The number kind of a numeric type (Moeda gives Currency); nothing for other types.
[[nodiscard]] constexpr std::optional<NumberKind> TipoNumerico(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr ? info->numero : std::nullopt;
}

// Whether data type t is shown at a width of the form's choosing instead of at the
// width of its characters: the types whose length is asked for through TamanhoMáximo
// (free text, e-mail, home page) and the label of Extenso. A number outside 0 to 16
// counts as free.
[[nodiscard]] constexpr bool LarguraLivre(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info == nullptr || info->largura == RegraLargura::Pedida ||
         info->largura == RegraLargura::SemLargura;
}

// Moeda, Simples, Duplo and Decimal take a comma where AceitaVirgula allows it;
// Inteiro and Longo never; any other type has no rule.
[[nodiscard]] constexpr RegraSinal RegraDaVirgula(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr ? info->virgula : RegraSinal::Livre;
}

// The six numeric types take a minus sign where AceitaMenos allows it; any other
// type has no rule.
[[nodiscard]] constexpr RegraSinal RegraDoMenos(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr ? info->menos : RegraSinal::Livre;
}

// The data types that allow each text option to be turned on.
[[nodiscard]] constexpr bool PermiteMaiusculoEMinusculo(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr && info->maiusculoEMinusculo;
}
[[nodiscard]] constexpr bool PermiteTudoMaiusculo(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr && info->tudoMaiusculo;
}
[[nodiscard]] constexpr bool PermiteEndereço(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr && info->endereco;
}
// The data types whose box ExtensoNorma changes; the control keeps the option on any
// type.
[[nodiscard]] constexpr bool UsaExtensoNorma(std::int16_t t) {
  const TipoDadosInfo* info = InfoDoTipo(t);
  return info != nullptr && info->extensoNorma;
}

}  // namespace vumocaixa
