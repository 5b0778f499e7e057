#include <vumocaixa/host/text.hpp>

#include <gtest/gtest.h>

namespace vumocaixa {
namespace {

TEST(Text, CountsCharactersNotBytes) {
  EXPECT_EQ(CharCount("Cartão"), 6u);
  EXPECT_EQ(LeftChars("ção ok", 3), "ção");
  EXPECT_EQ(CharCount(""), 0u);
}

TEST(Text, MalformedUtf8IsReplacedNeverOverread) {
  const std::string bad = "a\xC3";  // truncated sequence
  EXPECT_FALSE(IsValidUtf8(bad));
  EXPECT_EQ(DecodeUtf8(bad), (std::u32string{U'a', kReplacementChar}));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));   // a literal U+FFFD
}

TEST(Text, CaseCoversWindows1252Letters) {
  struct Row {
    const char* lower;
    const char* upper;
  } rows[] = {{"ç", "Ç"}, {"á", "Á"}, {"õ", "Õ"}, {"ü", "Ü"},    {"š", "Š"},
              {"œ", "Œ"}, {"ÿ", "Ÿ"}, {"ž", "Ž"}, {"abc", "ABC"}};
  for (const Row& r : rows) {
    EXPECT_EQ(UpperText(r.lower), r.upper) << r.lower;
    EXPECT_EQ(LowerText(r.upper), r.lower) << r.upper;
  }
  EXPECT_EQ(UpperText("ß÷1-"), "ß÷1-");
  EXPECT_EQ(UpperCode(0xE7), 0xC7);  // ç -> Ç
  EXPECT_EQ(LowerCode('A'), 'a');
  EXPECT_EQ(UpperCode(0x9A), 0x8A);  // š -> Š in the 0x80 block
  EXPECT_EQ(UpperCode(0xFF), 0x9F);  // ÿ -> Ÿ
}

TEST(Text, Windows1252RoundTrip) {
  for (int code = 0; code <= 255; ++code) {
    const char32_t c = FromWindows1252(static_cast<std::int16_t>(code));
    if (c == kReplacementChar) continue;
    EXPECT_EQ(ToWindows1252(c), code);
  }
  EXPECT_EQ(ToWindows1252(U'€'), 0x80);
  EXPECT_EQ(ToWindows1252(U'中'), -1);
  EXPECT_EQ(FromWindows1252(0x81), kReplacementChar);
  EXPECT_EQ(FromWindows1252(300), kReplacementChar);
}

}  // namespace
}  // namespace vumocaixa
