#include <vumocaixa/host/decimal.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace vumocaixa {
namespace {

TEST(NumberText, DefaultFormOfEveryKind) {
  struct Row {
    Variant value;
    std::string expected;
    const char* name;
  } rows[] = {
      {std::int16_t{-32768}, "-32768", "menor inteiro"},
      {std::int16_t{32767}, "32767", "maior inteiro"},
      {std::int32_t{-2147483647 - 1}, "-2147483648", "menor longo"},
      {std::int32_t{0}, "0", "zero"},
      {1234.5, "1234,5", "vírgula sem agrupamento"},
      {-0.0, "0", "zero negativo"},
      {0.1, "0,1", "um décimo"},
      {1.0 / 3, "0,333333333333333", "quinze dígitos"},
      {2.0 / 3, "0,666666666666667", "quinze dígitos arredondados"},
      {123456789012345.0, "123456789012345", "quinze dígitos inteiros"},
      {1e15, "1E+15", "dezesseis dígitos vão a expoente"},
      {1e20, "1E+20", "expoente positivo"},
      {-1.5e300, "-1,5E+300", "expoente de três dígitos"},
      {0.0001, "0,0001", "quatro casas ainda sem expoente"},
      {0.00001, "1E-05", "cinco casas com expoente"},
      {0.000012345, "1,2345E-05", "mantissa com casas"},
      {DBL_MAX, "1,79769313486231E+308", "maior duplo cortado"},
      {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324", "menor duplo"},
      {1234567.0f, "1234567", "sete dígitos simples"},
      {12345678.0f, "1,234568E+07", "oito dígitos simples"},
      {0.1f, "0,1", "um décimo simples"},
      {FLT_MAX, "3,402823E+38", "maior simples"},
      {1e-5f, "1E-05", "expoente simples"},
      {Currency{12345000}, "1234,5", "moeda sem zeros no fim"},
      {Currency{1}, "0,0001", "menor moeda positiva"},
      {Currency{-9223372036854775807 - 1}, "-922337203685477,5808", "menor moeda"},
      {Currency{9223372036854775807}, "922337203685477,5807", "maior moeda"},
      {Decimal{1500, 3, false}, "1,5", "decimal sem zeros no fim"},
      {Decimal{5, 28, true}, "-0,0000000000000000000000000005", "decimal escala 28"},
      {Decimal{kDecimalMagnitudeLimit - 1, 0, false}, "79228162514264337593543950335",
       "maior decimal"},
      {Decimal{0, 3, true}, "0", "decimal zero negativo"},
      {std::numeric_limits<double>::infinity(), "Infinito", "infinito"},
      {-std::numeric_limits<double>::infinity(), "-Infinito", "menos infinito"},
      {std::numeric_limits<double>::quiet_NaN(), "NaN", "não número"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.expected, NumberText(row.value)) << row.name;
}

TEST(ToText, DefaultTextOfEveryValue) {
  RegionalSettings twoDigits;
  twoDigits.shortDatePattern = "dd/MM/yy";
  EXPECT_EQ("", ToText(Empty{}));
  EXPECT_EQ("Verdadeiro", ToText(true));
  EXPECT_EQ("Falso", ToText(false));
  EXPECT_EQ("1234,5", ToText(1234.5));
  EXPECT_EQ("texto", ToText(std::string("texto")));
  EXPECT_EQ("05/03/2024", ToText(Date{2024, 3, 5}));
  EXPECT_EQ("05/03/24", ToText(Date{2024, 3, 5}, twoDigits));
  EXPECT_THROW((void)ToText(Date{2024, 2, 30}), TypeMismatchError);
  EXPECT_EQ("Verdadeiro", NumberText(true));
}

// A fixed seed keeps every run identical.
std::mt19937_64 Random() { return std::mt19937_64(20240229); }

TEST(RoundTrip, WholeKindsGiveTheNumberBack) {
  for (int v = -32768; v <= 32767; ++v) {
    const auto x = static_cast<std::int16_t>(v);
    ASSERT_EQ(x, std::get<std::int16_t>(ToNumber(NumberText(x), NumberKind::Int16))) << v;
  }
  auto random = Random();
  std::uniform_int_distribution<std::int32_t> any;
  for (int k = 0; k < 20000; ++k) {
    const std::int32_t x = any(random);
    ASSERT_EQ(x, std::get<std::int32_t>(ToNumber(NumberText(x), NumberKind::Int32))) << x;
  }
}

TEST(RoundTrip, CurrencyGivesTheAmountBack) {
  auto random = Random();
  std::uniform_int_distribution<std::int64_t> any(std::numeric_limits<std::int64_t>::min());
  std::uniform_int_distribution<std::int64_t> small(-100000000, 100000000);
  for (int k = 0; k < 20000; ++k) {
    const Currency x{k % 2 ? any(random) : small(random)};
    ASSERT_EQ(x, std::get<Currency>(ToNumber(NumberText(x), NumberKind::Currency))) << x.raw;
  }
}

TEST(RoundTrip, DecimalGivesTheValueBack) {
  auto random = Random();
  std::uniform_int_distribution<std::uint64_t> word;
  std::uniform_int_distribution<int> scale(0, Decimal::kMaxScale);
  for (int k = 0; k < 20000; ++k) {
    const unsigned __int128 m =
        (static_cast<unsigned __int128>(word(random) >> 32) << 64) | word(random);
    // Magnitudes of every size, not only the largest.
    const Decimal x{m >> (k % 96), static_cast<std::uint8_t>(scale(random)), k % 3 == 0};
    const Decimal back = std::get<Decimal>(ToNumber(NumberText(x), NumberKind::Decimal));
    ASSERT_TRUE(SameValue(x, back)) << NumberText(x);
    ASSERT_EQ(NormalizeDecimal(x), back) << NumberText(x);
  }
}

TEST(RoundTrip, DoubleTextIsStable) {
  auto random = Random();
  std::uniform_int_distribution<std::uint64_t> bits;
  std::uniform_real_distribution<double> ordinary(-1e6, 1e6);
  for (int k = 0; k < 20000; ++k) {
    double x = k % 2 ? std::bit_cast<double>(bits(random)) : ordinary(random);
    if (!std::isfinite(x)) continue;
    const std::string text = NumberText(x);
    const double back = std::get<double>(ToNumber(text, NumberKind::Double));
    ASSERT_EQ(text, NumberText(back)) << text;
  }
  for (const double x : {DBL_MAX, -DBL_MAX, DBL_MIN, std::numeric_limits<double>::denorm_min()}) {
    const std::string text = NumberText(x);
    EXPECT_EQ(text, NumberText(ToNumber(text, NumberKind::Double))) << text;
  }
}

// Seven digits are more than a single always keeps: next to a power of ten the text of
// one single can read back as its neighbour. The text of what was read is stable.
std::string SettledText(float x) { return NumberText(ToNumber(NumberText(x), NumberKind::Single)); }

void ExpectSettles(float x) {
  const std::string settled = SettledText(x);
  ASSERT_EQ(settled, NumberText(ToNumber(settled, NumberKind::Single))) << NumberText(x);
}

TEST(RoundTrip, SingleTextSettlesAfterOneReading) {
  auto random = Random();
  std::uniform_int_distribution<std::uint32_t> bits;
  for (int k = 0; k < 20000; ++k) {
    const float x = std::bit_cast<float>(bits(random));
    if (std::isfinite(x)) ExpectSettles(x);
  }
  for (const float x : {FLT_MAX, -FLT_MAX, FLT_MIN, std::numeric_limits<float>::denorm_min()}) {
    ExpectSettles(x);
  }
}

TEST(RoundTrip, SingleTextSettlesNextToPowersOfTen) {
  for (int exponent = -37; exponent <= 38; ++exponent) {
    const float power = std::stof("1e" + std::to_string(exponent));
    float x = power;
    for (int k = 0; k < 64; ++k) x = std::nextafter(x, 0.0f);
    for (int k = 0; k < 128; ++k, x = std::nextafter(x, FLT_MAX)) ExpectSettles(x);
  }
}

TEST(RoundTrip, SingleNextToAPowerOfTenDriftsOnce) {
  const float x = 1.0000002e28f;  // just above 1E+28, whose nearest single lies below it
  EXPECT_EQ("1E+28", NumberText(x));
  EXPECT_EQ("9,999999E+27", SettledText(x));
}

}  // namespace
}  // namespace vumocaixa
