#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/property_values.hpp>

#include <gtest/gtest.h>

namespace vumocaixa {
namespace {

TEST(PropertyValues, WholeNumbersAcceptWhatReadsAsOneWithinRange) {
  struct Row {
    PropertyValue stored;
    int expected;
    const char* name;
  } rows[] = {
      {std::int16_t{7}, 7, "16 bits"},
      {std::int32_t{32767}, 32767, "32 bits no limite de cima"},
      {std::int32_t{-32768}, -32768, "32 bits no limite de baixo"},
      {true, -1, "verdadeiro vale -1"},
      {false, 0, "falso vale 0"},
      {std::string(" 16 "), 16, "texto com espaços"},
      {std::string("+3"), 3, "texto com sinal de mais"},
      {std::string("-20"), -20, "texto negativo"},
      {Empty{}, 0, "vazio vale 0"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(PropertyToInt16(r.stored, "TipoDados"), r.expected) << r.name;
    EXPECT_EQ(PropertyToInt32(r.stored, "TipoDados"), r.expected) << r.name;
  }
}

TEST(PropertyValues, WholeNumbersRefuseWhatDoesNot) {
  struct Row {
    PropertyValue stored;
    const char* name;
  } rows[] = {
      {std::int32_t{32768}, "um acima do 16 bits"},
      {std::int32_t{-32769}, "um abaixo do 16 bits"},
      {std::string("abc"), "texto sem número"},
      {std::string("3,5"), "fração"},
      {std::string("1e3"), "expoente"},
      {std::string(""), "texto vazio"},
      {std::string("-"), "só o sinal"},
      {std::string("99999999999999999999"), "além de 64 bits"},
      {Color{5}, "cor"},
      {std::make_shared<Font>(), "fonte"},
  };
  for (const Row& r : rows) {
    EXPECT_THROW((void)PropertyToInt16(r.stored, "TipoDados"), PropertyError) << r.name;
  }
  EXPECT_THROW((void)PropertyToInt32(std::string("2147483648"), "X"), PropertyError);
  EXPECT_EQ(PropertyToInt32(std::string("-2147483648"), "X"), -2147483647 - 1);
}

TEST(PropertyValues, TheErrorNamesTheKeyAndTheStoredValue) {
  try {
    (void)PropertyToBool(std::string("talvez"), "TeclaEnter");
    FAIL() << "no error";
  } catch (const PropertyError& e) {
    EXPECT_STREQ(e.what(),
                 "Propriedade \"TeclaEnter\": o valor guardado (texto \"talvez\") não se "
                 "converte em valor lógico");
  }
}

TEST(PropertyValues, Booleans) {
  struct Row {
    PropertyValue stored;
    bool expected;
    const char* name;
  } rows[] = {
      {true, true, "verdadeiro"},
      {false, false, "falso"},
      {std::int16_t{-1}, true, "-1"},
      {std::int32_t{5}, true, "qualquer não zero"},
      {std::int16_t{0}, false, "zero"},
      {std::string("True"), true, "texto True"},
      {std::string("FALSE"), false, "texto FALSE"},
      {std::string("0"), false, "texto 0"},
      {Empty{}, false, "vazio"},
  };
  for (const Row& r : rows) EXPECT_EQ(PropertyToBool(r.stored, "Enabled"), r.expected) << r.name;
  EXPECT_THROW((void)PropertyToBool(Color{1}, "Enabled"), PropertyError);
}

TEST(PropertyValues, ColoursKeepTheBitPatternOfSignedValues) {
  struct Row {
    PropertyValue stored;
    std::uint32_t expected;
    const char* name;
  } rows[] = {
      {Color{0x80000005u}, 0x80000005u, "cor"},
      {std::int32_t{-2147483643}, 0x80000005u, "cor do sistema guardada com sinal"},
      {std::int32_t{0xFF}, 0xFFu, "vermelho"},
      {std::int16_t{255}, 255u, "16 bits positivo"},
      {std::string("4294967295"), 0xFFFFFFFFu, "texto no limite sem sinal"},
      {std::string("-1"), 0xFFFFFFFFu, "texto negativo"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(PropertyToColor(r.stored, "BackColor").value, r.expected) << r.name;
  }
  EXPECT_THROW((void)PropertyToColor(std::string("4294967296"), "BackColor"), PropertyError);
  EXPECT_THROW((void)PropertyToColor(std::int16_t{-1}, "BackColor"), PropertyError);
  EXPECT_THROW((void)PropertyToColor(true, "BackColor"), PropertyError);
}

TEST(PropertyValues, FontsComeBackAsCopiesAndAMissingFontIsRefused) {
  const FontRef guardada = std::make_shared<Font>(Font{"Arial", 10, true});
  const FontRef lida = PropertyToFont(guardada, "Font");
  ASSERT_NE(lida, nullptr);
  EXPECT_NE(lida.get(), guardada.get());
  EXPECT_EQ(*lida, *guardada);
  EXPECT_THROW((void)PropertyToFont(FontRef{}, "Font"), PropertyError);
  EXPECT_THROW((void)PropertyToFont(std::string("Arial"), "Font"), PropertyError);
}

TEST(PropertyValues, SameValueComparesNumbersAcrossKindsAndFontsByDescription) {
  const auto arial = [] { return std::make_shared<Font>(Font{"Arial", 10}); };
  struct Row {
    PropertyValue a, b;
    bool same;
    const char* name;
  } rows[] = {
      {std::int32_t{0}, false, true, "zero de 32 bits e falso"},
      {std::int32_t{-1}, true, true, "-1 e verdadeiro"},
      {std::int32_t{1}, true, false, "1 não é verdadeiro"},
      {std::int16_t{20}, std::int32_t{20}, true, "16 e 32 bits"},
      {Color{5}, std::int32_t{5}, false, "cor não é número"},
      {arial(), arial(), true, "fontes iguais em objetos diferentes"},
      {arial(), std::make_shared<Font>(), false, "fontes diferentes"},
      {arial(), FontRef{}, false, "fonte e nenhuma"},
      {std::string("0"), std::int16_t{0}, false, "texto não é número"},
      {Empty{}, Empty{}, true, "vazios"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(SamePropertyValue(r.a, r.b), r.same) << r.name;
    EXPECT_EQ(SamePropertyValue(r.b, r.a), r.same) << r.name << " (invertido)";
  }
}

}  // namespace
}  // namespace vumocaixa
