// Masks and check digits of document and card numbers: SoDigitos, FormataMascara, the
// document validators and the card check, each against a plain model of its rule.
//
// Input: a selector byte, then a text (or a mask length and a mask followed by digits).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace vc = vumocaixa;

constexpr std::array<std::string_view, 7> kMasks = {
    vc::kMascaraCIC, vc::kMascaraCNPJ,  vc::kMascaraCartao, vc::kMascaraCEP,
    vc::kMascaraPIS, vc::kMascaraData2, vc::kMascaraData4};

std::string Digits(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= '0' && c <= '9') out += c;
  }
  return out;
}

int Mod11Digit(int sum) {
  const int r = sum % 11;
  return r < 2 ? 0 : 11 - r;
}

int WeightedSum(std::string_view s, std::size_t count, int firstWeight) {
  int sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += (s[i] - '0') * (firstWeight - static_cast<int>(i));
  return sum;
}

bool ModelCIC(std::string_view s) {
  return s.size() == 11 && Mod11Digit(WeightedSum(s, 9, 10)) == s[9] - '0' &&
         Mod11Digit(WeightedSum(s, 10, 11)) == s[10] - '0';
}

bool ModelCNPJ(std::string_view s) {
  if (s.size() != 14) return false;
  static constexpr int kWeights[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  int a = 0;
  int b = 0;
  for (std::size_t i = 0; i < 13; ++i) {
    if (i < 12) a += (s[i] - '0') * kWeights[i + 1];
    b += (s[i] - '0') * kWeights[i];
  }
  return Mod11Digit(a) == s[12] - '0' && Mod11Digit(b) == s[13] - '0';
}

bool ModelPIS(std::string_view s) {
  static constexpr int kWeights[] = {3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  if (s.size() != 11) return false;
  int sum = 0;
  for (std::size_t i = 0; i < 10; ++i) sum += (s[i] - '0') * kWeights[i];
  return Mod11Digit(sum) == s[10] - '0';
}

bool ModelLuhn(std::string_view s) {
  if (s.size() != 16) return false;
  int sum = 0;
  for (std::size_t i = 0; i < 16; ++i) {
    int d = s[i] - '0';
    if (i % 2 == 0) d = d * 2 > 9 ? d * 2 - 9 : d * 2;
    sum += d;
  }
  return sum % 10 == 0;
}

// FormataMascara's rule on plain ASCII texts: per digit position, the literals up to
// the next "9", then the character if it is a digit; one more pass for the literals
// after the last one.
std::string ModelMask(std::string_view digits, std::string_view mask) {
  std::string out;
  std::size_t m = 0;
  for (std::size_t d = 0; d <= digits.size(); ++d) {
    do {
      if (m < mask.size() && mask[m] == '9') break;
      if (m < mask.size()) out += mask[m];
      ++m;
    } while (m < mask.size());
    if (d < digits.size() && digits[d] >= '0' && digits[d] <= '9') out += digits[d];
    ++m;
  }
  return out;
}

bool IsAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

void CheckMask(std::string_view text, std::string_view mask) {
  const std::string masked = vc::FormataMascara(text, mask);
  if (IsAscii(text) && IsAscii(mask)) {
    Require(masked == ModelMask(text, mask), "FormataMascara lays the digits into the mask",
            std::string(text) + " | " + std::string(mask) + " -> " + masked);
  }
  if (Digits(mask).find_first_not_of('9') == std::string::npos) {
    Require(Digits(masked) == Digits(text), "a mask keeps exactly the digits of the text",
            std::string(text) + " -> " + masked);
  }
  if (vc::IsValidUtf8(text) && vc::IsValidUtf8(mask)) {
    Require(vc::IsValidUtf8(masked), "masking valid UTF-8 gives valid UTF-8", masked);
  }
}

void CheckValidators(const std::string& text) {
  const std::string s = Digits(text);
  const bool empty = text.empty();
  Require(vc::ValidaCIC(text) == (empty || ModelCIC(s)), "ValidaCIC", text);
  Require(vc::ValidaCNPJ(text) == (empty || ModelCNPJ(s)), "ValidaCNPJ", text);
  Require(vc::ValidaPIS(text) == (empty || ModelPIS(s)), "ValidaPIS", text);
  Require(vc::ValidaCartao(text) == (empty || ModelLuhn(s)), "ValidaCartao", text);
  // The same number shown in its box's mask is judged the same.
  Require(vc::ValidaCIC(vc::FormataMascara(s, vc::kMascaraCIC)) == (s.empty() || ModelCIC(s)),
          "ValidaCIC of the masked number", s);
  Require(vc::ValidaCNPJ(vc::FormataMascara(s, vc::kMascaraCNPJ)) == (s.empty() || ModelCNPJ(s)),
          "ValidaCNPJ of the masked number", s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0: {
      const std::string text = in.ConsumeRemainingBytesAsString();
      Require(vc::SoDigitos(text) == Digits(text), "SoDigitos keeps the digits", text);
      break;
    }
    case 1: {
      const std::string_view mask = kMasks[in.ConsumeIntegralInRange<std::size_t>(0, 6)];
      CheckMask(in.ConsumeRemainingBytesAsString(), mask);
      break;
    }
    case 2: {
      const std::string mask = in.ConsumeRandomLengthString(24);
      CheckMask(in.ConsumeRemainingBytesAsString(), mask);
      break;
    }
    case 3: CheckValidators(in.ConsumeRemainingBytesAsString()); break;
    default: {
      const auto n = in.ConsumeIntegral<long long>();
      Require(vc::EPar(n) == (n % 2 == 0), "EPar", std::to_string(n));
      break;
    }
  }
  return 0;
}
