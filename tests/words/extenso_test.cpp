#include <vumocaixa/words/extenso.hpp>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vumocaixa {
namespace {

struct Row {
  std::string_view amount, expected;
};

void CheckRows(const Row* begin, const Row* end, const RegionalSettings& r = PtBR()) {
  for (const Row* row = begin; row != end; ++row) {
    EXPECT_EQ(row->expected, ValorPorExtenso(row->amount, r)) << "valor: " << row->amount;
  }
}

TEST(ValorPorExtenso, RefusesWhatIsNoPositiveAmount) {
  const Row rows[] = {
      {"", ""},
      {"0", ""},
      {"0,00", ""},
      {"-5", ""},
      {"-0,01", ""},
      {"cinco", ""},
      {"1.000.000.000.000.000", ""},
      {"922337203685477,5808", ""},
      {"1,2,3", ""},
      {"\xFF\xFE", ""},
  };
  CheckRows(std::begin(rows), std::end(rows));
}

TEST(ValorPorExtenso, BelowHalfACentavoHasNoWords) {
  const Row rows[] = {{"0,0001", ""}, {"0,004", ""}, {"0,0049", ""}};
  CheckRows(std::begin(rows), std::end(rows));
}

TEST(ValorPorExtenso, RoundsToTwoDecimalsAsTheDisplayDoes) {
  const Row rows[] = {
      {"0,005", "Um Centavo"},           {"0,125", "Treze Centavos"},
      {"1,005", "Um Real e Um Centavo"}, {"0,12499999", "Doze Centavos"},
      {"2,00004", "Dois Reais"},         {"0,999", "Um Real"},
      {"999,995", "Um Mil Reais"},
  };
  CheckRows(std::begin(rows), std::end(rows));
}

TEST(ValorPorExtenso, SmallAmounts) {
  const Row rows[] = {
      {"1", "Um Real"},
      {"2", "Dois Reais"},
      {"0,01", "Um Centavo"},
      {"0,5", "Cinquenta Centavos"},
      {"0,99", "Noventa e Nove Centavos"},
      {"1,5", "Um Real e Cinquenta Centavos"},
      {"1,01", "Um Real e Um Centavo"},
      {"12,34", "Doze Reais e Trinta e Quatro Centavos"},
      {"3", "Tres Reais"},
      {"14", "Quatorze Reais"},
      {"19", "Dezenove Reais"},
      {"20", "Vinte Reais"},
      {"45", "Quarenta e Cinco Reais"},
      {"100", "Cem Reais"},
      {"101", "Cento e Um Reais"},
      {"110", "Cento e Dez Reais"},
      {"115", "Cento e Quinze Reais"},
      {"120", "Cento e Vinte Reais"},
      {"121", "Cento e Vinte e Um Reais"},
      {"200", "Duzentos Reais"},
      {"250", "Duzentos e Cinquenta Reais"},
      {"999", "Novecentos e Noventa e Nove Reais"},
      {"0,10", "Dez Centavos"},
      {"0,11", "Onze Centavos"},
  };
  CheckRows(std::begin(rows), std::end(rows));
}

TEST(ValorPorExtenso, Thousands) {
  const Row rows[] = {
      {"1.000", "Um Mil Reais"},
      {"1000", "Um Mil Reais"},
      {"1.001", "Um Mil e Um Reais"},
      {"1.010", "Um Mil e Dez Reais"},
      {"1.100", "Um Mil e Cem Reais"},
      {"1.234", "Um Mil, Duzentos e Trinta e Quatro Reais"},
      {"1.000,01", "Um Mil Reais e Um Centavo"},
      {"101.000", "Cento e Um Mil Reais"},
      {"2.000", "Dois Mil Reais"},
  };
  CheckRows(std::begin(rows), std::end(rows));
}

TEST(ValorPorExtenso, MillionsAndAbove) {
  const Row rows[] = {
      {"1.000.000", "Um Milhão de  Reais"},
      {"1.000.001", "Um Milhão e Um Reais"},
      {"1.000.234", "Um Milhão e Duzentos e Trinta e Quatro Reais"},
      {"1.001.000", "Um Milhão, Um Mil Reais"},
      {"1.500.000", "Um Milhão, Quinhentos Mil Reais"},
      {"1.000.000,50", "Um Milhão de  Reais e Cinquenta Centavos"},
      {"2.000.000", "Dois Milhões de  Reais"},
      {"100.000.000", "Cem Milhões de  Reais"},
      {"1.000.000.000", "Um Bilhão de  Reais"},
      {"2.500.000.000", "Dois Bilhões, Quinhentos Milhões de  Reais"},
      {"2.000.001.234", "Dois Bilhões e Um Mil, Duzentos e Trinta e Quatro Reais"},
      {"1.000.000.000.000", "Um Trilhão de  Reais"},
      {"1.000.000.000.005", "Um Trilhão e Cinco Reais"},
      {"1.000.001.000.000", "Um Trilhão e Um Milhão de  Reais"},
      {"1.001.001.000.000", "Um Trilhão, Um Bilhão, Um Milhão de  Reais"},
      {"1.234.567,89",
       "Um Milhão, Duzentos e Trinta e Quatro Mil, Quinhentos e Sessenta e Sete Reais e "
       "Oitenta e Nove Centavos"},
      {"922.337.203.685.477",
       "Novecentos e Vinte e Dois Trilhões, Trezentos e Trinta e Sete Bilhões, Duzentos e "
       "Tres Milhões, Seiscentos e Oitenta e Cinco Mil, Quatrocentos e Setenta e Sete Reais"},
      {"922337203685477,58",
       "Novecentos e Vinte e Dois Trilhões, Trezentos e Trinta e Sete Bilhões, Duzentos e "
       "Tres Milhões, Seiscentos e Oitenta e Cinco Mil, Quatrocentos e Setenta e Sete Reais e "
       "Cinquenta e Oito Centavos"},
      {"5.000.000.000.000", "Cinco Trilhões de  Reais"},
  };
  CheckRows(std::begin(rows), std::end(rows));
}

TEST(ValorPorExtenso, FollowsTheDecimalSeparatorOfTheLocale) {
  RegionalSettings point = PtBR();
  point.decimalSeparator = '.';
  point.groupSeparator = ',';
  const Row rows[] = {
      {"1,234.56", "Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos"},
      {"0.01", "Um Centavo"},
  };
  CheckRows(std::begin(rows), std::end(rows), point);
}

}  // namespace
}  // namespace vumocaixa
