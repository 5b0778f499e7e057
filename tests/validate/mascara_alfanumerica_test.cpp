#include <vumocaixa/validate/mascara.hpp>
#include <vumocaixa/validate/mascara_alfanumerica.hpp>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace vumocaixa {
namespace {

TEST(FormataMascaraAlfanumerica, LaysDigitsAndLettersIntoTheMask) {
  const struct {
    std::string_view texto, mascara, expected, name;
  } rows[] = {
      {"12ABC34501DE35", kMascaraCNPJAlfanumerico, "12.ABC.345/01DE-35", "completo"},
      {"12abc34501de35", kMascaraCNPJAlfanumerico, "12.ABC.345/01DE-35", "minúsculas"},
      {"12.ABC.345/01DE-35", kMascaraCNPJAlfanumerico, "12.ABC.345/01DE-35", "já mascarado"},
      {"12", kMascaraCNPJAlfanumerico, "12.", "separador seguinte já posto"},
      {"12ABC34501DE", kMascaraCNPJAlfanumerico, "12.ABC.345/01DE-", "até a raiz e a ordem"},
      {"", kMascaraCNPJAlfanumerico, "", "vazio"},
      {"12ABC34501DEAB", kMascaraCNPJAlfanumerico, "12.ABC.345/01DE-AB",
       "letras nos dígitos verificadores são mostradas"},
      {"12ABC34501DE357", kMascaraCNPJAlfanumerico, "12.ABC.345/01DE-357", "a mais no fim"},
      {"12345678000195", kMascaraCNPJAlfanumerico, "12.345.678/0001-95", "só dígitos"},
      {"1A", "", "1A", "máscara vazia"},
      {"ab", "(AA)", "(AB)", "literal no início e no fim"},
      {"", "(AA)", "(", "vazio dá os literais do início"},
      {"12", "A·A", "1·2", "literal de dois bytes"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.expected, FormataMascaraAlfanumerica(r.texto, r.mascara)) << r.name;
  }
}

TEST(FormataMascaraAlfanumerica, AgreesWithTheDigitMaskOnDigits) {
  const std::string_view entradas[] = {
      "", "1", "12", "123", "12345678", "12345678000195", "123456780001950", "12.345.678/0001-95"};
  for (std::string_view e : entradas) {
    EXPECT_EQ(FormataMascara(SoDigitos(e), kMascaraCNPJ),
              FormataMascaraAlfanumerica(e, kMascaraCNPJAlfanumerico))
        << e;
  }
}

TEST(CabeNaPosicao, LettersOnlyInTheFirstTwelvePositions) {
  const struct {
    char c;
    std::size_t posicao;
    bool expected;
    std::string_view name;
  } rows[] = {
      {'A', 0, true, "letra no início"},
      {'Z', 11, true, "letra na última da ordem"},
      {'Z', 12, false, "letra no 1º verificador"},
      {'Z', 13, false, "letra no 2º verificador"},
      {'Z', 14, false, "letra além da máscara"},
      {'0', 12, true, "dígito no verificador"},
      {'9', 14, true, "dígito além da máscara"},
      {'a', 0, false, "minúscula não é letra aqui"},
      {'.', 0, false, "separador"},
      {'@', 0, false, "antes do A"},
      {'[', 0, false, "depois do Z"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.expected, CabeNaPosicao(r.c, r.posicao, kMascaraCNPJAlfanumerico)) << r.name;
  }
}

}  // namespace
}  // namespace vumocaixa
