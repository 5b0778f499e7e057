#include <vumocaixa/validate/cartao.hpp>

#include <array>
#include <cstddef>

#include <vumocaixa/validate/digitos.hpp>
#include <vumocaixa/validate/mascara.hpp>

namespace vumocaixa {
namespace {

constexpr auto kCartaoLayout = detail::MaskLayout<kMascaraCartao.size()>(kMascaraCartao);

}  // namespace

bool ValidaCartao(std::string_view texto) {
  if (texto.empty()) return true;
  std::array<int, 16> s{};
  if (!detail::ReadDigits<kCartaoLayout>(texto, s)) return false;
  int sum = 0;
#pragma GCC unroll 16
  for (std::size_t i = 0; i < s.size(); ++i) {
    int d = s[i];
    // Positions are counted from 1: the odd ones are doubled.
    if (!EPar(static_cast<long long>(i + 1))) {
      d *= 2;
      if (d > 9) d -= 9;
    }
    sum += d;
  }
  return sum % 10 == 0;
}

bool EPar(long long n) { return n % 2 == 0; }

}  // namespace vumocaixa
