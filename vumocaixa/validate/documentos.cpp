#include <vumocaixa/validate/documentos.hpp>

#include <array>
#include <cstddef>
#include <string>

#include <vumocaixa/validate/digitos.hpp>
#include <vumocaixa/validate/mascara.hpp>
#include <vumocaixa/validate/mascara_alfanumerica.hpp>

namespace vumocaixa {
namespace {

// The check digit of a weighted sum: 0 when the remainder by 11 is 0 or 1,
// otherwise 11 minus the remainder.
constexpr int Modulo11(int sum) {
  const int r = sum % 11;
  return r < 2 ? 0 : 11 - r;
}

// The sum of digits[0 .. weights.size()) times weights, in order.
template <std::size_t N, std::size_t W>
constexpr int WeightedSum(const std::array<int, N>& digits, const std::array<int, W>& weights) {
  static_assert(W <= N);
  int sum = 0;
#pragma GCC unroll 16
  for (std::size_t i = 0; i < W; ++i) sum += digits[i] * weights[i];
  return sum;
}

constexpr auto kCicLayout = detail::MaskLayout<kMascaraCIC.size()>(kMascaraCIC);
constexpr auto kCnpjLayout = detail::MaskLayout<kMascaraCNPJ.size()>(kMascaraCNPJ);
constexpr auto kPisLayout = detail::MaskLayout<kMascaraPIS.size()>(kMascaraPIS);

constexpr std::array<int, 9> kCicFirst = {10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 10> kCicSecond = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 12> kCnpjFirst = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 13> kCnpjSecond = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 10> kPis = {3, 2, 9, 8, 7, 6, 5, 4, 3, 2};

}  // namespace

bool ValidaCIC(std::string_view texto) {
  if (texto.empty()) return true;
  std::array<int, 11> s{};
  if (!detail::ReadDigits<kCicLayout>(texto, s)) return false;
  if (Modulo11(WeightedSum(s, kCicFirst)) != s[9]) return false;
  return Modulo11(WeightedSum(s, kCicSecond)) == s[10];
}

bool ValidaCNPJ(std::string_view texto) {
  if (texto.empty()) return true;
  std::array<int, 14> s{};
  if (!detail::ReadDigits<kCnpjLayout>(texto, s)) return false;
  // The second sum takes the thirteenth digit as written.
  return Modulo11(WeightedSum(s, kCnpjFirst)) == s[12] &&
         Modulo11(WeightedSum(s, kCnpjSecond)) == s[13];
}

bool ValidaCNPJAlfanumerico(std::string_view texto) {
  if (texto.empty()) return true;
  const std::string s = SoDigitosELetras(texto);
  if (s.size() != 14) return false;
  std::array<int, 14> valores{};
  for (std::size_t i = 0; i < s.size(); ++i) valores[i] = s[i] - '0';
  // The check digits themselves must be digits: a letter there has a value above 9.
  if (valores[12] > 9 || valores[13] > 9) return false;
  return Modulo11(WeightedSum(valores, kCnpjFirst)) == valores[12] &&
         Modulo11(WeightedSum(valores, kCnpjSecond)) == valores[13];
}

bool ValidaPIS(std::string_view texto) {
  if (texto.empty()) return true;
  std::array<int, 11> s{};
  if (!detail::ReadDigits<kPisLayout>(texto, s)) return false;
  return Modulo11(WeightedSum(s, kPis)) == s[10];
}

}  // namespace vumocaixa
