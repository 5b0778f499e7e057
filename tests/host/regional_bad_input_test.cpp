#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vumocaixa {
namespace {

constexpr NumberKind kKinds[] = {NumberKind::Int16,  NumberKind::Int32,    NumberKind::Single,
                                 NumberKind::Double, NumberKind::Currency, NumberKind::Decimal};

// Runs every service on a text; each must give a result or one of the library's
// conversion errors, and the number services must agree with IsNumericText.
void ExerciseAll(const std::string& text, const char* name) {
  const bool numeric = IsNumericText(text);
  for (NumberKind kind : kKinds) {
    try {
      (void)ToNumber(text, kind);
      EXPECT_TRUE(numeric) << name << ": convertido sem ser número";
    } catch (const OverflowError&) {
      EXPECT_TRUE(numeric) << name << ": estouro sem ser número";
    } catch (const TypeMismatchError&) {
      EXPECT_FALSE(numeric) << name << ": número recusado";
    }
  }
  for (std::string_view format : {kCurrencyFormat, kAmountPicture}) {
    try {
      const std::string formatted = FormatValue(text, format);
      if (!numeric) {
        EXPECT_EQ(text, formatted) << name;
      }
    } catch (const OverflowError&) {
      EXPECT_TRUE(numeric) << name;
    }
  }
  const bool date = IsDateText(text);
  const std::string shortDate = FormatValue(text, kShortDate);
  if (!date) {
    EXPECT_EQ(text, shortDate) << name;
  }
  EXPECT_EQ(text, ToText(text)) << name;
  try {
    (void)LeadingNumber(text);
  } catch (const OverflowError&) {
  }
}

TEST(BadInput, EveryServiceAnswersOrFailsWithATypedError) {
  const std::string mb = std::string(1 << 20, '9');
  struct Row {
    std::string text;
    const char* name;
  } rows[] = {
      {"", "vazio"},
      {"\xC3", "utf-8 truncado"},
      {"\xC0\xAF", "utf-8 longo demais"},
      {"\xED\xA0\x80", "surrogate"},
      {"\xFF\xFE\xFD", "bytes que nunca são utf-8"},
      {"1\xC3\xA7", "dígito e ç"},
      {"R\xC3$ 1", "símbolo quebrado"},
      {std::string("\0\0", 2), "nulos"},
      {std::string("12\0", 3), "dígitos e nulo"},
      {"...", "só pontos"},
      {",,,", "só vírgulas"},
      {"///", "só barras"},
      {"-.-,", "separadores misturados"},
      {"R$R$", "símbolo repetido"},
      {mb, "um mega de noves"},
      {"0," + mb, "um mega de casas"},
      {"0," + std::string(1 << 20, '0') + "1", "um mega de zeros antes do um"},
      {std::string(1 << 20, '0'), "um mega de zeros"},
      {std::string(1 << 20, ' '), "um mega de espaços"},
      {std::string(1 << 20, '.'), "um mega de pontos"},
      {std::string(1 << 20, '/'), "um mega de barras"},
      {"1" + std::string(1 << 19, 'E'), "muitos E"},
      {"1E" + mb, "expoente de um mega"},
      {"1E-" + mb, "expoente negativo de um mega"},
      {"9." + std::string(1 << 18, '9') + ".999", "grupos errados"},
      {"1.000", "milhar"},
      {"1/1/1" + mb, "data com ano enorme"},
      {mb + "/1/2024", "data com dia enorme"},
  };
  for (const Row& row : rows) ExerciseAll(row.text, row.name);
}

TEST(BadInput, HugeNumbersOverflowInsteadOfWrapping) {
  const std::string mb(1 << 20, '9');
  for (NumberKind kind : kKinds) {
    EXPECT_THROW((void)ToNumber(mb, kind), OverflowError);
    EXPECT_THROW((void)ToNumber("-" + mb, kind), OverflowError);
    EXPECT_THROW((void)ToNumber("1E" + mb, kind), OverflowError);
  }
  EXPECT_THROW((void)LeadingNumber(mb), OverflowError);
  EXPECT_THROW((void)FormatValue(mb, kCurrencyFormat), OverflowError);
  EXPECT_THROW((void)FormatValue(mb, kAmountPicture), OverflowError);
}

TEST(BadInput, TinyNumbersBecomeZero) {
  const std::string tiny = "0," + std::string(1 << 20, '0') + "1";
  for (NumberKind kind : kKinds) {
    EXPECT_EQ("0", NumberText(ToNumber(tiny, kind))) << static_cast<int>(kind);
    EXPECT_EQ("0", NumberText(ToNumber("-1E-" + std::string(1 << 20, '9'), kind)));
  }
  EXPECT_EQ("R$ 0,00", FormatValue(tiny, kCurrencyFormat));
}

TEST(BadInput, ManyDigitsStillConvertExactly) {
  // A million digits of 1,000...0005 round at their last place like any short text.
  const std::string zeros(1 << 20, '0');
  EXPECT_EQ("1,0000", FormatValue("1," + zeros + "5", "0.0000"));
  EXPECT_EQ("1", NumberText(ToNumber("1," + zeros + "5", NumberKind::Currency)));
  EXPECT_EQ("2", NumberText(ToNumber("1,5" + zeros, NumberKind::Int16)));
  EXPECT_EQ("2", NumberText(ToNumber("2,5" + zeros, NumberKind::Int16)));
  EXPECT_EQ("3", NumberText(ToNumber("2,5" + zeros + "1", NumberKind::Int16)));
  EXPECT_EQ("1234", NumberText(ToNumber("1234," + zeros, NumberKind::Int32)));
}

}  // namespace
}  // namespace vumocaixa
