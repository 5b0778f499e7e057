#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/entry/mascara_alfanumerica.hpp>
#include <vumocaixa/host/memory_widget.hpp>

#include <gtest/gtest.h>

#include <cstdint>
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
  const std::string_view entradas[] = {"", "1", "12", "123", "12345678", "12345678000195",
                                       "123456780001950", "12.345.678/0001-95"};
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
      {'A', 0, true, "letra no início"},         {'Z', 11, true, "letra na última da ordem"},
      {'Z', 12, false, "letra no 1º verificador"}, {'Z', 13, false, "letra no 2º verificador"},
      {'Z', 14, false, "letra além da máscara"},  {'0', 12, true, "dígito no verificador"},
      {'9', 14, true, "dígito além da máscara"},  {'a', 0, false, "minúscula não é letra aqui"},
      {'.', 0, false, "separador"},               {'@', 0, false, "antes do A"},
      {'[', 0, false, "depois do Z"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.expected, CabeNaPosicao(r.c, r.posicao, kMascaraCNPJAlfanumerico)) << r.name;
  }
}

TEST(AplicaMascaraAlfanumerica, ReactsToEachKindOfKey) {
  const struct {
    std::string_view text;
    std::int32_t caret;
    std::int16_t key, expected_key;
    std::string_view expected_text, name;
  } rows[] = {
      {"12.AB", 5, 'c', 'C', "12.AB", "minúscula vira maiúscula"},
      {"12.AB", 5, 'w', 'W', "12.AB", "w também é letra"},
      {"12", 2, 'C', 'C', "12.", "separador posto antes da letra"},
      {"12.ABC.345/01DE-", 16, 'A', 0, "12.ABC.345/01DE-", "letra no verificador"},
      {"12.ABC.345/01DE-", 16, '3', '3', "12.ABC.345/01DE-", "dígito no verificador"},
      {"12.ABC.345/01DE-3", 17, 'x', 0, "12.ABC.345/01DE-3", "letra no último"},
      {"12.ABC.345/01D", 14, 'E', 'E', "12.ABC.345/01D", "letra na última da ordem"},
      {"12.ABC.345/01DE-35", 5, 'Q', 'Q', "12.AB", "corta no cursor"},
      {"12.AB", 5, '.', 0, "12.AB", "ponto recusado"},
      {"12.AB", 5, -1, 0, "12.AB", "caractere sem código"},
      {"12.AB", 5, 231, 0, "12.AB", "ç recusado"},
      {"12.AB", 5, 8, 8, "12.AB", "backspace passa"},
      {"12.AB", 5, 9, 9, "12.AB", "tab passa"},
  };
  for (const auto& r : rows) {
    MemoryWidget caixa(WidgetKind::EditBox);
    caixa.SetText(r.text);
    caixa.SetSelStart(r.caret);
    std::int16_t key = r.key;
    AplicaMascaraAlfanumerica(caixa, kMascaraCNPJAlfanumerico, key);
    EXPECT_EQ(r.expected_key, key) << r.name;
    EXPECT_EQ(r.expected_text, caixa.Text()) << r.name;
    if (key != 0 && r.key != 8 && r.key != 9) {
      EXPECT_EQ(static_cast<std::int32_t>(caixa.Text().size()), caixa.SelStart()) << r.name;
    }
  }
}

}  // namespace
}  // namespace vumocaixa
