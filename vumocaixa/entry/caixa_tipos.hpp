#pragma once
// How the text box Caixa treats each data type: which types mask their digits while
// the user types, and the fixed mask of each document type.

#include <cstdint>
#include <string_view>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/mascara.hpp>

namespace vumocaixa {

// Whether data type t lays a mask over its digits while the user types: the date
// and the five document types. Their boxes select the whole entry on entering and
// cut the text at the caret on Delete and Backspace.
[[nodiscard]] constexpr bool TipoMascarado(std::int16_t t) {
  return t == kData || t == kCIC || t == kCNPJ || t == kCartaoDeCredito || t == kCEP ||
         t == kPIS;
}

// The fixed mask of a document type (CIC, CNPJ, card, CEP, PIS), for example
// "999.999.999-99" for kCIC; empty for every other type, the date included (its
// mask comes from the regional settings).
[[nodiscard]] constexpr std::string_view MascaraDoTipo(std::int16_t t) {
  switch (t) {
    case kCIC: return kMascaraCIC;
    case kCNPJ: return kMascaraCNPJ;
    case kCartaoDeCredito: return kMascaraCartao;
    case kCEP: return kMascaraCEP;
    case kPIS: return kMascaraPIS;
    default: return {};
  }
}

}  // namespace vumocaixa
