#pragma once
// The check of credit-card numbers.

#include <string_view>

namespace vumocaixa {

// Whether texto holds a card number: exactly 16 digits with a valid Luhn checksum
// (every second digit from the left, beginning with the first, doubled). Only the
// digits count, so "1234.5678.1234.5670" and "1234567812345670" are both accepted;
// the issuer prefix is not examined. An empty text is accepted.
[[nodiscard]] bool ValidaCartao(std::string_view texto);

// Whether n is even: EPar(0) and EPar(-2) are true, EPar(1) and EPar(-3) false.
[[nodiscard]] bool EPar(long long n);

}  // namespace vumocaixa
