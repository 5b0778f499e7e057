#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vumocaixa {
namespace {

TEST(IsNumericText, ReadsTheBrazilianForms) {
  const RegionalSettings r = PtBR();
  struct Row {
    std::string text;
    bool numeric;
    const char* name;
  } rows[] = {
      {"0", true, "um dígito"},
      {"7", true, "um caractere numérico"},
      {"1234,56", true, "vírgula decimal"},
      {"1.234,56", true, "agrupamento de milhar"},
      {"1.234.567", true, "vários grupos"},
      {",5", true, "sem parte inteira"},
      {"5,", true, "vírgula sem decimais"},
      {"-3", true, "sinal negativo"},
      {"+3", true, "sinal positivo"},
      {"  -3  ", true, "espaços em volta"},
      {"1E5", true, "expoente"},
      {"1,5E+20", true, "expoente com sinal"},
      {"1e-05", true, "expoente minúsculo"},
      {"R$ 1.234,56", true, "texto de moeda"},
      {"-R$ 1.234,50", true, "moeda negativa"},
      {"R$ -1.234,50", true, "sinal depois do símbolo"},
      {"R$1,5", true, "símbolo colado"},
      {"", false, "texto vazio"},
      {" ", false, "só espaço"},
      {",", false, "vírgula sozinha"},
      {"-", false, "menos sozinho"},
      {"+", false, "mais sozinho"},
      {".", false, "ponto sozinho"},
      {"...", false, "só separadores"},
      {",,", false, "duas vírgulas"},
      {"12w", false, "letra no fim"},
      {"w12", false, "letra no início"},
      {"1,2,3", false, "duas vírgulas decimais"},
      {"1.00", false, "grupo de dois dígitos"},
      {"1.0000", false, "grupo de quatro dígitos"},
      {"1234.567", false, "primeiro grupo longo"},
      {"1.", false, "ponto no fim"},
      {".5", false, "ponto não é decimal"},
      {"1,234.5", false, "ponto depois da vírgula"},
      {"--3", false, "dois sinais"},
      {"-R$ -3", false, "sinal antes e depois do símbolo"},
      {"R$", false, "só o símbolo"},
      {"1E", false, "expoente sem dígitos"},
      {"1E+", false, "expoente só com sinal"},
      {"E5", false, "expoente sem mantissa"},
      {"1 2", false, "espaço no meio"},
      {"3-", false, "sinal no fim"},
      {"1\xC3", false, "utf-8 truncado"},
      {"\xFF\xFE", false, "bytes inválidos"},
      {std::string("1\0", 2), false, "caractere nulo"},
      {"１", false, "dígito de largura total"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.numeric, IsNumericText(row.text, r)) << row.name;
}

TEST(IsNumericText, FollowsTheConfiguredSeparators) {
  RegionalSettings us;
  us.decimalSeparator = '.';
  us.groupSeparator = ',';
  us.currencySymbol = "US$";
  EXPECT_TRUE(IsNumericText("1,234.5", us));
  EXPECT_TRUE(IsNumericText("US$ 1,234.50", us));
  EXPECT_FALSE(IsNumericText("1.234,5", us));
  EXPECT_FALSE(IsNumericText("R$ 1", us));
}

TEST(IsNumericText, OnlyDigitsAreNumericAlone) {
  for (int c = 1; c < 128; ++c) {
    const std::string text(1, static_cast<char>(c));
    EXPECT_EQ(c >= '0' && c <= '9', IsNumericText(text)) << "código " << c;
  }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  struct Row {
    const char* text;
    double expected;
    const char* name;
  } rows[] = {
      {"12abc", 12, "letras depois"},
      {"1.5x", 1.5, "ponto decimal"},
      {"abc", 0, "sem número"},
      {"", 0, "texto vazio"},
      {"-3", -3, "negativo"},
      {"+7", 7, "sinal positivo"},
      {"1.000.000", 1, "pára no segundo ponto"},
      {"   42", 42, "espaços antes"},
      {"\t\n8", 8, "tabulação e quebra antes"},
      {"1,5", 1, "vírgula não é decimal"},
      {".5", 0.5, "começa com ponto"},
      {"-.25", -0.25, "negativo começa com ponto"},
      {"1e3", 1000, "expoente"},
      {"2E-2x", 0.02, "expoente negativo"},
      {"12e", 12, "expoente incompleto"},
      {"12e+", 12, "expoente só com sinal"},
      {"-", 0, "sinal sozinho"},
      {".", 0, "ponto sozinho"},
      {"- 3", 0, "espaço depois do sinal"},
      {"007", 7, "zeros à esquerda"},
      {"922337203685477", 922337203685477.0, "quinze dígitos"},
      {"1e-400", 0, "pequeno demais vira zero"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.expected, LeadingNumber(row.text)) << row.name;
}

TEST(LeadingNumber, NeverGivesNegativeZero) {
  EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
  EXPECT_FALSE(std::signbit(LeadingNumber("-1e-999")));
}

TEST(LeadingNumber, OverflowIsAnError) {
  EXPECT_THROW((void)LeadingNumber("1e309"), OverflowError);
  EXPECT_THROW((void)LeadingNumber("-" + std::string(400, '9')), OverflowError);
  EXPECT_EQ(1.7976931348623157e308, LeadingNumber("1.7976931348623157e308"));
}

}  // namespace
}  // namespace vumocaixa
