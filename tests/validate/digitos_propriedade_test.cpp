// Every number whose check digits are computed here, by a generator written apart
// from the validators, must be accepted, masked or not; every single-digit change of
// it must be refused unless the generator itself finds the changed number valid.
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <string_view>

namespace vumocaixa {
namespace {

int Value(char c) { return c - '0'; }
char Digit(int v) { return static_cast<char>('0' + v); }

// Modulus 11 with the weights 2, 3, ... counted from the right, wrapping after
// `wrap` (9 for CNPJ and PIS; never for CPF). Written as the bookkeeping offices
// write it: ten times the sum, modulo 11, modulo 10.
char Mod11Digit(std::string_view body, int wrap) {
  int sum = 0;
  int weight = 2;
  for (auto it = body.rbegin(); it != body.rend(); ++it) {
    sum += Value(*it) * weight;
    weight = weight == wrap ? 2 : weight + 1;
  }
  return Digit(sum * 10 % 11 % 10);
}

// Luhn from the right: the last digit is the check digit, the one before it is
// doubled, and so on every second digit.
char LuhnDigit(std::string_view body) {
  int sum = 0;
  bool doubled = true;
  for (auto it = body.rbegin(); it != body.rend(); ++it) {
    int d = Value(*it) * (doubled ? 2 : 1);
    sum += d / 10 + d % 10;
    doubled = !doubled;
  }
  return Digit((10 - sum % 10) % 10);
}

std::string CompleteCpf(std::string body) {
  body += Mod11Digit(body, 1000);
  body += Mod11Digit(body, 1000);
  return body;
}
std::string CompleteCnpj(std::string body) {
  body += Mod11Digit(body, 9);
  body += Mod11Digit(body, 9);
  return body;
}
std::string CompletePis(std::string body) {
  body += Mod11Digit(body, 9);
  return body;
}
std::string CompleteCard(std::string body) {
  body += LuhnDigit(body);
  return body;
}

struct Kind {
  std::string_view name;
  std::size_t body_length;
  bool luhn;
  std::string_view mask;
  std::function<std::string(std::string)> complete;
  std::function<bool(std::string_view)> validate;
};

std::string RandomBody(std::mt19937& random, std::size_t length) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::string body;
  for (std::size_t i = 0; i < length; ++i) body += Digit(digit(random));
  return body;
}

// Whether number is what the generator makes of its own body.
bool GeneratorAccepts(const Kind& kind, const std::string& number) {
  return kind.complete(number.substr(0, kind.body_length)) == number;
}

void CheckKind(const Kind& kind, int samples) {
  std::mt19937 random(20261207);
  int collisions = 0;
  for (int n = 0; n < samples; ++n) {
    const std::string number = kind.complete(RandomBody(random, kind.body_length));
    ASSERT_TRUE(kind.validate(number)) << kind.name << " " << number;
    ASSERT_TRUE(kind.validate(FormataMascara(number, kind.mask))) << kind.name << " " << number;
    for (std::size_t i = 0; i < number.size(); ++i) {
      for (char d = '0'; d <= '9'; ++d) {
        if (d == number[i]) continue;
        std::string changed = number;
        changed[i] = d;
        const bool also_valid = GeneratorAccepts(kind, changed);
        if (also_valid) {
          // Remainders 0 and 1 share the check digit 0, so a modulus-11 number with a
          // check digit 0 can have valid neighbours; Luhn numbers never do.
          ASSERT_FALSE(kind.luhn) << kind.name << " " << changed;
          ASSERT_LT(i, kind.body_length) << kind.name << " " << changed;
          ASSERT_NE(std::string::npos, number.find('0', kind.body_length))
              << kind.name << " " << changed;
          ++collisions;
        }
        ASSERT_EQ(also_valid, kind.validate(changed)) << kind.name << " " << changed;
      }
    }
  }
  // The exceptions are rare: well under one neighbour in ten.
  EXPECT_LT(collisions * 10, samples * static_cast<int>(kind.body_length) * 9) << kind.name;
}

TEST(CheckDigitProperty, GeneratedNumbersPassAndSingleDigitChangesFail) {
  const Kind kinds[] = {
      {"cpf", 9, false, kMascaraCIC, CompleteCpf, [](std::string_view t) { return ValidaCIC(t); }},
      {"cnpj", 12, false, kMascaraCNPJ, CompleteCnpj,
       [](std::string_view t) { return ValidaCNPJ(t); }},
      {"pis", 10, false, kMascaraPIS, CompletePis, [](std::string_view t) { return ValidaPIS(t); }},
      {"cartão", 15, true, kMascaraCartao, CompleteCard,
       [](std::string_view t) { return ValidaCartao(t); }},
  };
  for (const auto& kind : kinds) CheckKind(kind, 3000);
}

TEST(CheckDigitProperty, OtherLengthsFail) {
  std::mt19937 random(7);
  for (std::size_t length = 1; length <= 20; ++length) {
    const std::string digits = RandomBody(random, length);
    if (length != 11) {
      EXPECT_FALSE(ValidaCIC(digits)) << digits;
    }
    if (length != 11) {
      EXPECT_FALSE(ValidaPIS(digits)) << digits;
    }
    if (length != 14) {
      EXPECT_FALSE(ValidaCNPJ(digits)) << digits;
    }
    if (length != 16) {
      EXPECT_FALSE(ValidaCartao(digits)) << digits;
    }
  }
}

}  // namespace
}  // namespace vumocaixa
