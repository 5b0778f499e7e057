#pragma once
// The issuers of payment cards, known by the first digits of their numbers, and the
// lengths of the numbers each one issues.

#include <string_view>

namespace vumocaixa::cli {

// Whether a card number of these digits (digits only) has a length that the issuer
// of its prefix uses. False when no known issuer uses the prefix: such numbers
// ("0000 0000 0000 0000", "1234 5678 1234 5670") are no payment card.
//   UsaOTamanhoDoEmissor("4111111111111111") is true (Visa, 16 digits);
//   UsaOTamanhoDoEmissor("3782822463100050") is false (American Express uses 15).
[[nodiscard]] bool UsaOTamanhoDoEmissor(std::string_view digitos);

}  // namespace vumocaixa::cli
