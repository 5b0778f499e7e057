#include <vumocaixa/host/decimal.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace vumocaixa {
namespace {

enum class Outcome { Value, Overflow, Mismatch };

// The outcome of a conversion and, when it succeeds, its default text.
std::pair<Outcome, std::string> Convert(const Variant& v, NumberKind kind) {
  try {
    return {Outcome::Value, NumberText(ToNumber(v, kind, PtBR()), PtBR())};
  } catch (const OverflowError&) {
    return {Outcome::Overflow, ""};
  } catch (const TypeMismatchError&) {
    return {Outcome::Mismatch, ""};
  }
}

struct Row {
  std::string text;
  NumberKind kind;
  Outcome outcome;
  std::string expected;  // the NumberText of the result
  const char* name;
};

void CheckRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    const auto [outcome, text] = Convert(Variant{row.text}, row.kind);
    EXPECT_EQ(row.outcome, outcome) << row.name;
    EXPECT_EQ(row.expected, text) << row.name;
  }
}

constexpr auto V = Outcome::Value;
constexpr auto O = Outcome::Overflow;
constexpr auto M = Outcome::Mismatch;

TEST(ToNumber, WholeKindsAtTheirBoundaries) {
  using K = NumberKind;
  CheckRows({
      {"32767", K::Int16, V, "32767", "maior inteiro"},
      {"32768", K::Int16, O, "", "maior inteiro mais um"},
      {"-32768", K::Int16, V, "-32768", "menor inteiro"},
      {"-32769", K::Int16, O, "", "menor inteiro menos um"},
      {"32767,4999", K::Int16, V, "32767", "arredonda para baixo no limite"},
      {"32767,5", K::Int16, O, "", "meio acima do limite vai ao par 32768"},
      {"-32768,5", K::Int16, V, "-32768", "meio abaixo do limite vai ao par"},
      {"-32768,51", K::Int16, O, "", "passa do meio abaixo do limite"},
      {"32.767", K::Int16, V, "32767", "agrupado"},
      {"40.000", K::Int16, O, "", "agrupado fora do intervalo"},
      {"2147483647", K::Int32, V, "2147483647", "maior longo"},
      {"2147483648", K::Int32, O, "", "maior longo mais um"},
      {"-2147483648", K::Int32, V, "-2147483648", "menor longo"},
      {"-2147483649", K::Int32, O, "", "menor longo menos um"},
      {"2.147.483.647", K::Int32, V, "2147483647", "longo agrupado"},
      {"2147483646,5", K::Int32, V, "2147483646", "meio vai ao par no limite"},
      {"2147483647,5", K::Int32, O, "", "meio passa do limite"},
      {"3,2767E+4", K::Int16, V, "32767", "expoente no limite"},
      {"1E+5", K::Int16, O, "", "expoente fora"},
      {"1E-999999999999999", K::Int16, V, "0", "expoente enorme negativo"},
      {"0E+999999999999999", K::Int16, V, "0", "zero com expoente enorme"},
      {"18446744073709551616", K::Int32, O, "", "acima de 64 bits"},
      {std::string(5000, '9'), K::Int32, O, "", "milhares de dígitos"},
  });
}

TEST(ToNumber, WholeKindsRoundHalfToEven) {
  using K = NumberKind;
  CheckRows({
      {"2,5", K::Int16, V, "2", "2,5 vai a 2"},
      {"3,5", K::Int16, V, "4", "3,5 vai a 4"},
      {"0,5", K::Int16, V, "0", "0,5 vai a 0"},
      {"1,5", K::Int16, V, "2", "1,5 vai a 2"},
      {"-2,5", K::Int16, V, "-2", "-2,5 vai a -2"},
      {"-3,5", K::Int32, V, "-4", "-3,5 vai a -4"},
      {"-0,5", K::Int32, V, "0", "-0,5 vai a zero sem sinal"},
      {"2,50000000000000000001", K::Int32, V, "3", "pouco acima do meio"},
      {"2,49999999999999999999", K::Int32, V, "2", "pouco abaixo do meio"},
      {"0,4", K::Int16, V, "0", "abaixo do meio"},
      {"0,6", K::Int16, V, "1", "acima do meio"},
      {"25E-1", K::Int16, V, "2", "meio escrito com expoente"},
  });
}

TEST(ToNumber, CurrencyKeepsFourDecimalsExactly) {
  using K = NumberKind;
  CheckRows({
      {"922337203685477,5807", K::Currency, V, "922337203685477,5807", "maior moeda"},
      {"922337203685477,5808", K::Currency, O, "", "maior moeda mais um"},
      {"-922337203685477,5808", K::Currency, V, "-922337203685477,5808", "menor moeda"},
      {"-922337203685477,5809", K::Currency, O, "", "menor moeda menos um"},
      {"922337203685477,58074", K::Currency, V, "922337203685477,5807", "quinta casa some"},
      {"922337203685477,58075", K::Currency, O, "", "quinta casa arredonda para fora"},
      {"R$ 922.337.203.685.477,58", K::Currency, V, "922337203685477,58",
       "texto de moeda no limite"},
      {"R$ 922.337.203.685.477,59", K::Currency, O, "", "texto de moeda acima do limite"},
      {"R$ 1.234,56", K::Currency, V, "1234,56", "texto de moeda"},
      {"-R$ 1.234,50", K::Currency, V, "-1234,5", "moeda negativa"},
      {"0,00005", K::Currency, V, "0", "meio vai ao par zero"},
      {"0,00015", K::Currency, V, "0,0002", "meio vai ao par dois"},
      {"0,00025", K::Currency, V, "0,0002", "meio vai ao par dois de novo"},
      {"0,000250001", K::Currency, V, "0,0003", "pouco acima do meio"},
      {"1,23455", K::Currency, V, "1,2346", "meio na quinta casa"},
      {"0,1", K::Currency, V, "0,1", "um décimo exato"},
      {"9999999999999999999999", K::Currency, O, "", "muito grande"},
  });
}

TEST(ToNumber, DecimalKeepsTwentyEightOrTwentyNineDigits) {
  using K = NumberKind;
  const std::string nines28(28, '9');
  CheckRows({
      {nines28, K::Decimal, V, nines28, "vinte e oito noves"},
      {std::string(29, '9'), K::Decimal, O, "", "vinte e nove noves"},
      {std::string(30, '9'), K::Decimal, O, "", "trinta noves"},
      {"79228162514264337593543950335", K::Decimal, V, "79228162514264337593543950335",
       "maior decimal"},
      {"79228162514264337593543950336", K::Decimal, O, "", "maior decimal mais um"},
      {"-79228162514264337593543950335", K::Decimal, V, "-79228162514264337593543950335",
       "menor decimal"},
      {"7,9228162514264337593543950335", K::Decimal, V, "7,9228162514264337593543950335",
       "vinte e nove dígitos com escala 28"},
      {"7,9228162514264337593543950336", K::Decimal, V, "7,922816251426433759354395034",
       "um a mais perde a última casa"},
      {"0,1234567890123456789012345678", K::Decimal, V, "0,1234567890123456789012345678",
       "escala 28"},
      {"0,12345678901234567890123456785", K::Decimal, V, "0,1234567890123456789012345678",
       "escala 29 arredonda ao par"},
      {"0,00000000000000000000000000005", K::Decimal, V, "0", "abaixo da menor casa"},
      {"0,0000000000000000000000000001", K::Decimal, V, "0,0000000000000000000000000001",
       "menor decimal positivo"},
      {"1,50", K::Decimal, V, "1,5", "sem zeros no fim"},
      {"1E+28", K::Decimal, V, "10000000000000000000000000000", "expoente"},
      {"1E+29", K::Decimal, O, "", "expoente grande demais"},
  });
}

TEST(ToNumber, FloatingKindsRoundOnceAndOverflowBeyondRange) {
  using K = NumberKind;
  CheckRows({
      {"3,402823E+38", K::Single, V, "3,402823E+38", "maior simples"},
      {"3,4028235E+38", K::Single, V, "3,402823E+38", "arredonda para o maior"},
      {"3,4028236E+38", K::Single, O, "", "simples estoura"},
      {"1E+39", K::Single, O, "", "simples bem acima"},
      {"1E-50", K::Single, V, "0", "simples pequeno demais"},
      {"1,401298E-45", K::Single, V, "1,401298E-45", "menor subnormal simples"},
      {"1,79769313486231E+308", K::Double, V, "1,79769313486231E+308", "quase o maior duplo"},
      {"1,7976931348623158E+308", K::Double, V, "1,79769313486231E+308", "maior duplo é cortado"},
      {"1,79769313486232E+308", K::Double, O, "", "acima do maior duplo"},
      {"1,8E+308", K::Double, O, "", "duplo estoura"},
      {"-1E+309", K::Double, O, "", "duplo negativo estoura"},
      {"4,94065645841247E-324", K::Double, V, "4,94065645841247E-324", "menor subnormal duplo"},
      {"1E-400", K::Double, V, "0", "duplo pequeno demais"},
      {"0,1", K::Double, V, "0,1", "um décimo"},
  });
  // A text read straight into single precision, not through double, rounds once.
  EXPECT_EQ(1.00000006f, std::get<float>(ToNumber(std::string("1,00000005960464477539062500001"),
                                                  NumberKind::Single)));
}

TEST(ToNumber, TextsThatAreNoNumbersAreTypeMismatch) {
  for (const char* text : {"", " ", "abc", "12w", ",", "-", "1,2,3", "1.00", "R$", "\xC3\x28"}) {
    for (NumberKind kind : {NumberKind::Int16, NumberKind::Int32, NumberKind::Single,
                            NumberKind::Double, NumberKind::Currency, NumberKind::Decimal}) {
      EXPECT_EQ(Outcome::Mismatch, Convert(Variant{std::string(text)}, kind).first) << text;
    }
  }
}

TEST(ToNumber, ErrorsCarryTheirMessages) {
  try {
    (void)ToNumber(std::string("40000"), NumberKind::Int16);
    ADD_FAILURE() << "sem erro";
  } catch (const OverflowError& e) {
    EXPECT_STREQ("Estouro", e.what());
  }
  try {
    (void)ToNumber(std::string("doze"), NumberKind::Int16);
    ADD_FAILURE() << "sem erro";
  } catch (const TypeMismatchError& e) {
    EXPECT_STREQ("Tipos incompatíveis", e.what());
  }
}

TEST(ToNumber, ConvertsEveryKindOfValue) {
  using K = NumberKind;
  struct VRow {
    Variant value;
    K kind;
    Outcome outcome;
    std::string expected;
    const char* name;
  } rows[] = {
      {Empty{}, K::Int16, V, "0", "vazio é zero"},
      {true, K::Int16, V, "-1", "verdadeiro é -1"},
      {false, K::Double, V, "0", "falso é zero"},
      {true, K::Currency, V, "-1", "verdadeiro em moeda"},
      {std::int16_t{-32768}, K::Int32, V, "-32768", "inteiro para longo"},
      {std::int32_t{32768}, K::Int16, O, "", "longo grande para inteiro"},
      {std::int32_t{-2147483647 - 1}, K::Decimal, V, "-2147483648", "menor longo em decimal"},
      {2.5, K::Int16, V, "2", "duplo ao par"},
      {3.5, K::Int32, V, "4", "duplo ao par acima"},
      {0.1, K::Decimal, V, "0,1", "duplo pelos dígitos mais curtos"},
      {0.1, K::Currency, V, "0,1", "duplo em moeda"},
      {1.00005, K::Currency, V, "1", "meio na quinta casa vai ao par"},
      {922337203685477.5, K::Currency, V, "922337203685477,5", "duplo perto do limite"},
      {1e300, K::Single, O, "", "duplo grande para simples"},
      {3.4028235e38, K::Single, V, "3,402823E+38", "duplo que arredonda ao maior simples"},
      {0.1f, K::Double, V, "0,100000001490116", "simples alarga exato"},
      {0.1f, K::Decimal, V, "0,1", "simples pelos dígitos mais curtos"},
      {std::numeric_limits<double>::infinity(), K::Int32, O, "", "infinito"},
      {std::numeric_limits<double>::quiet_NaN(), K::Currency, O, "", "não número"},
      {Currency{-9223372036854775807 - 1}, K::Decimal, V, "-922337203685477,5808", "menor moeda"},
      {Currency{-9223372036854775807 - 1}, K::Int32, O, "", "menor moeda para longo"},
      {Currency{25000}, K::Int16, V, "2", "moeda 2,5 ao par"},
      {Decimal{15, 1, true}, K::Int16, V, "-2", "decimal -1,5 ao par"},
      {Decimal{kDecimalMagnitudeLimit - 1, 0, false}, K::Currency, O, "", "maior decimal em moeda"},
      {Decimal{kDecimalMagnitudeLimit - 1, 0, false}, K::Double, V, "7,92281625142643E+28",
       "maior decimal em duplo"},
      {Date{1899, 12, 30}, K::Int32, V, "0", "data zero"},
      {Date{1900, 1, 1}, K::Int32, V, "2", "primeiro dia de 1900"},
      {Date{2024, 2, 29}, K::Double, V, "45351", "dia bissexto"},
      {Date{100, 1, 1}, K::Int32, V, "-657434", "menor data"},
      {Date{9999, 12, 31}, K::Int16, O, "", "maior data não cabe em inteiro"},
      {Date{2023, 2, 29}, K::Int32, M, "", "data impossível"},
      {std::string("12"), K::Int16, V, "12", "texto"},
  };
  for (const VRow& row : rows) {
    const auto [outcome, text] = Convert(row.value, row.kind);
    EXPECT_EQ(row.outcome, outcome) << row.name;
    EXPECT_EQ(row.expected, text) << row.name;
  }
}

TEST(ToNumber, ResultHasTheRequestedKind) {
  const Variant v = std::string("7");
  EXPECT_TRUE(std::holds_alternative<std::int16_t>(ToNumber(v, NumberKind::Int16)));
  EXPECT_TRUE(std::holds_alternative<std::int32_t>(ToNumber(v, NumberKind::Int32)));
  EXPECT_TRUE(std::holds_alternative<float>(ToNumber(v, NumberKind::Single)));
  EXPECT_TRUE(std::holds_alternative<double>(ToNumber(v, NumberKind::Double)));
  EXPECT_TRUE(std::holds_alternative<Currency>(ToNumber(v, NumberKind::Currency)));
  EXPECT_TRUE(std::holds_alternative<Decimal>(ToNumber(v, NumberKind::Decimal)));
  EXPECT_EQ(Currency{70000}, std::get<Currency>(ToNumber(v, NumberKind::Currency)));
}

}  // namespace
}  // namespace vumocaixa
