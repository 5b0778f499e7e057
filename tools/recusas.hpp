#pragma once
// Why a value is refused: the reason of a refusal by the text box's rules, and the
// stricter rules of a cleaning pass, which refuse values that the box lets through
// but that no clean file should hold.

#include <cstdint>
#include <string_view>

#include "motivos.hpp"

namespace vumocaixa::cli {

// Whether the digits of valor (and, in a CNPJ with letters, its letters) are exactly
// as many as the positions of the type's mask, so that valor can be laid into it.
// Only for CIC, CNPJ, Cartão de Crédito, CEP and PIS.
//   CabeNaMascara(kCEP, "01310-100", false) is true; CabeNaMascara(kCEP, "abcdefghij", false) is
//   false.
[[nodiscard]] bool CabeNaMascara(std::int16_t tipo, std::string_view valor, bool alfanumerico);

// The reason why the box of data type tipo refuses valor, for a value it refuses:
// kTamanho for a document or card number without the mask's count of digits,
// kDigitoVerificador for one with it; kTamanho for a CEP; kDataInexistente for a
// date shaped as dd/mm/aaaa that is no day, kFormato for any other date or e-mail.
[[nodiscard]] Motivo MotivoDaRecusa(std::int16_t tipo, std::string_view valor, bool alfanumerico);

// The reason why the strict rules refuse valor, which the box accepts, or kNenhum:
// an empty value (kVazio); a CIC, CNPJ or PIS of one repeated digit
// (kDigitosRepetidos); a CEP that is not 8 digits (kTamanho); an e-mail that is not
// one local part, one "@" and a domain with a dot, without blanks (kFormato); a card
// number of a length its issuer does not use (kEmissor).
[[nodiscard]] Motivo RecusaEstrita(std::int16_t tipo, std::string_view valor, bool alfanumerico);

}  // namespace vumocaixa::cli
