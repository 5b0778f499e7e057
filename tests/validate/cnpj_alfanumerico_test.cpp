#include <vumocaixa/entry/mascara_alfanumerica.hpp>
#include <vumocaixa/validate/documentos.hpp>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vumocaixa {
namespace {

struct Row {
  std::string_view input;
  bool expected;
  std::string_view name;
};

// The root and order of each number followed by the two check digits it needs.
struct Vector {
  std::string_view raiz;
  std::string_view digitos;
};

constexpr Vector kVectors[] = {
    {"12ABC34501DE", "35"}, {"000000000001", "91"}, {"AA3456780001", "14"}, {"AA345678000A", "29"},
    {"12345678000A", "08"}, {"AAAAAAAAAAAA", "45"}, {"AA3456780003", "86"},
};

TEST(ValidaCNPJAlfanumerico, KnownVectorsPassAndEveryOtherCheckPairFails) {
  for (const Vector& v : kVectors) {
    const std::string raiz(v.raiz);
    EXPECT_TRUE(ValidaCNPJAlfanumerico(raiz + std::string(v.digitos))) << raiz;
    for (int par = 0; par < 100; ++par) {
      const std::string digitos{static_cast<char>('0' + par / 10),
                                static_cast<char>('0' + par % 10)};
      if (digitos == v.digitos) continue;
      EXPECT_FALSE(ValidaCNPJAlfanumerico(raiz + digitos)) << raiz << digitos;
    }
  }
}

TEST(ValidaCNPJAlfanumerico, WorkedNumbers) {
  const Row rows[] = {
      {"12.ABC.345/01DE-35", true, "exemplo mascarado"},
      {"12ABC34501DE35", true, "sem máscara"},
      {"12.ABC.345/01DE-45", false, "dígitos da leitura A=10"},
      {"12.abc.345/01de-35", true, "minúsculas lidas como maiúsculas"},
      {"12.ABC.345/01DE-53", false, "dígitos trocados"},
      {"12.ABC.345/01DE-3", false, "13 caracteres"},
      {"12.ABC.345/01DE-355", false, "15 caracteres"},
      {"12.ABC.345/01D3-5E", false, "letra no último dígito verificador"},
      {"12.ABC.345/01DE-A5", false, "letra no primeiro dígito verificador"},
      {"", true, "vazio"},
      {" ", false, "um espaço não é vazio"},
      {"./-", false, "só separadores"},
      {"12 ABC 345 01DE 35", true, "espaços como separadores"},
      {"12.ÁBC.345/01DE-35", false, "letra acentuada não conta"},
      {"CNPJ 12.ABC.345/01DE-35", false, "rótulo conta como letras"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, ValidaCNPJAlfanumerico(r.input)) << r.name;
}

// Digits keep their values, so a number of digits only is judged exactly as before.
TEST(ValidaCNPJAlfanumerico, AgreesWithTheNumericCheckOnDigitsOnly) {
  const std::string_view numeros[] = {
      "12.345.678/0001-95", "11.222.333/0001-81", "12.345.678/0001-59", "00.000.000/0000-00",
      "99.999.999/9999-99", "12345678000195",     "12.345.678/0001-9",  "1234567800019500",
  };
  for (std::string_view n : numeros) EXPECT_EQ(ValidaCNPJ(n), ValidaCNPJAlfanumerico(n)) << n;
  EXPECT_TRUE(ValidaCNPJAlfanumerico("12.345.678/0001-95"));
  EXPECT_FALSE(ValidaCNPJ("12.ABC.345/01DE-35"));
}

// Every single character of the root replaced by another digit or letter fails,
// unless the two values differ by a multiple of 11 ('0' and 'B', 'A' and 'L'): both
// sums then keep their remainders. The example's first remainder is 8, so no other
// change can land on the same first check digit.
TEST(ValidaCNPJAlfanumerico, EverySingleCharacterChangeFailsUnlessElevenApart) {
  const std::string valido = "12ABC34501DE35";
  const std::string_view alfabeto = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (std::size_t i = 0; i < 12; ++i) {
    for (char c : alfabeto) {
      if (c == valido[i]) continue;
      std::string outro = valido;
      outro[i] = c;
      const bool mesmoResto = (c - valido[i]) % 11 == 0;
      EXPECT_EQ(mesmoResto, ValidaCNPJAlfanumerico(outro)) << outro;
    }
  }
}

TEST(SoDigitosELetras, KeepsDigitsAndUpperCasedLetters) {
  const struct {
    std::string_view input, expected, name;
  } rows[] = {
      {"12.abc.345/01DE-35", "12ABC34501DE35", "cnpj mascarado"},
      {"", "", "vazio"},
      {"./- \t", "", "só separadores"},
      {"azAZ09", "AZAZ09", "limites das faixas"},
      {"@[`{/:", "", "vizinhos das faixas"},
      {"ção", "O", "acentuadas caem"},
      {"a\xFF"
       "b",
       "AB", "byte inválido cai"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, SoDigitosELetras(r.input)) << r.name;
}

}  // namespace
}  // namespace vumocaixa
