#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vumocaixa {
namespace {

struct Row {
  Variant value;
  std::string expected;
  const char* name;
};

TEST(FormatValue, CurrencyForm) {
  const Row rows[] = {
      {std::string("1234,5"), "R$ 1.234,50", "texto com vírgula"},
      {std::string("1.234,5"), "R$ 1.234,50", "texto agrupado"},
      {std::string("R$ 1.234,56"), "R$ 1.234,56", "texto já formatado"},
      {std::string("-1234,5"), "-R$ 1.234,50", "negativo"},
      {std::string("0"), "R$ 0,00", "zero"},
      {std::string("0,5"), "R$ 0,50", "meio real"},
      {std::string("999"), "R$ 999,00", "sem milhar"},
      {std::string("1000"), "R$ 1.000,00", "um milhar"},
      {std::string("1234567,891"), "R$ 1.234.567,89", "milhões"},
      {std::string("2,345"), "R$ 2,35", "meio centavo arredonda para cima"},
      {std::string("2,355"), "R$ 2,36", "meio centavo sempre para longe do zero"},
      {std::string("-2,345"), "-R$ 2,35", "meio centavo negativo"},
      {std::string("2,3449999"), "R$ 2,34", "sem arredondar duas vezes"},
      {std::string("0,00499995"), "R$ 0,00", "sem arredondar na quarta casa antes"},
      {std::string("-0,004"), "R$ 0,00", "negativo que vira zero perde o sinal"},
      {std::string("922337203685477,5807"), "R$ 922.337.203.685.477,58", "maior moeda"},
      {std::string("-922337203685477,5808"), "-R$ 922.337.203.685.477,58", "menor moeda"},
      {Currency{-9223372036854765800}, "-R$ 922.337.203.685.476,58", "limite da caixa"},
      {Currency{12345}, "R$ 1,23", "moeda 1,2345"},
      {Currency{12350}, "R$ 1,24", "moeda 1,235"},
      {std::int16_t{-5}, "-R$ 5,00", "inteiro"},
      {2.345, "R$ 2,35", "duplo pelos dígitos que mostra"},
      {1234.5f, "R$ 1.234,50", "simples"},
      {Decimal{123456, 2, false}, "R$ 1.234,56", "decimal"},
      {true, "-R$ 1,00", "verdadeiro vale -1"},
      {std::string("abc"), "abc", "texto que não é número volta igual"},
      {std::string(""), "", "texto vazio fica vazio"},
      {Empty{}, "", "vazio"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, FormatValue(row.value, kCurrencyFormat)) << row.name;
}

TEST(FormatValue, CurrencyBeyondItsRangeIsOverflow) {
  EXPECT_THROW((void)FormatValue(std::string("922337203685477,5808"), kCurrencyFormat),
               OverflowError);
  EXPECT_THROW((void)FormatValue(1e300, kCurrencyFormat), OverflowError);
  EXPECT_THROW((void)FormatValue(std::numeric_limits<double>::infinity(), kCurrencyFormat),
               OverflowError);
}

TEST(FormatValue, AmountPicture) {
  const Row rows[] = {
      {std::string("1234,56"), "000000000001234,56", "valor comum"},
      {std::string("1.234,56"), "000000000001234,56", "texto agrupado"},
      {std::string("R$ 1.234,56"), "000000000001234,56", "texto de moeda"},
      {std::string("0,5"), "000000000000000,50", "meio real"},
      {std::string("1"), "000000000000001,00", "um real"},
      {std::string("0,005"), "000000000000000,01", "meio centavo para cima"},
      {std::string("0,0049"), "000000000000000,00", "abaixo do meio centavo"},
      {std::string("0,995"), "000000000000001,00", "vai ao real seguinte"},
      {std::string("922337203685477,5807"), "922337203685477,58", "maior moeda"},
      {std::string("999999999999999,995"), "1000000000000000,00", "mais dígitos que a máscara"},
      {std::string("-1,5"), "-000000000000001,50", "negativo"},
      {Currency{10000}, "000000000000001,00", "moeda"},
      {std::string("abc"), "abc", "texto que não é número"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, FormatValue(row.value, kAmountPicture)) << row.name;
}

TEST(FormatValue, OtherPictures) {
  EXPECT_EQ("1.234,5", FormatValue(1234.5, "#,##0.0#"));
  EXPECT_EQ("0,05", FormatValue(0.05, "0.0#"));
  EXPECT_EQ("12", FormatValue(std::string("12,4"), "0"));
  EXPECT_EQ("13", FormatValue(std::string("12,5"), "0"));
  EXPECT_THROW((void)FormatValue(1.0, "abc"), Error);
  EXPECT_THROW((void)FormatValue(std::string(40, '9'), "0.00"), OverflowError);
}

TEST(FormatValue, NamedFormatsIgnoreCase) {
  EXPECT_EQ("R$ 1,00", FormatValue(1.0, "currency"));
  EXPECT_EQ("01/02/2024", FormatValue(std::string("1/2/2024"), "SHORT DATE"));
}

TEST(FormatValue, FollowsTheConfiguredLocale) {
  RegionalSettings us;
  us.currencySymbol = "US$";
  us.decimalSeparator = '.';
  us.groupSeparator = ',';
  EXPECT_EQ("US$ 1,234.50", FormatValue(std::string("1,234.5"), kCurrencyFormat, us));
  EXPECT_EQ("000000000001234.50", FormatValue(std::string("1234.5"), kAmountPicture, us));
  RegionalSettings noSymbol;
  noSymbol.currencySymbol.clear();
  EXPECT_EQ("-1.234,50", FormatValue(-1234.5, kCurrencyFormat, noSymbol));
}

TEST(CurrencyWidth, IsTheLengthOfTheLowestBoxAmount) {
  EXPECT_EQ(26u, CurrencyWidth());
  EXPECT_EQ(std::string("-R$ 922.337.203.685.476,58").size(), CurrencyWidth());
  RegionalSettings euro;
  euro.currencySymbol = "€";
  EXPECT_EQ(25u, CurrencyWidth(euro));  // one character, three bytes
}

}  // namespace
}  // namespace vumocaixa
