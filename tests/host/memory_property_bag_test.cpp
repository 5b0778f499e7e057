#include <vumocaixa/host/memory_property_bag.hpp>

#include <gtest/gtest.h>

namespace vumocaixa {
namespace {

TEST(MemoryPropertyBag, AnAbsentNameGivesTheDefault) {
  MemoryPropertyBag bag;
  EXPECT_EQ(bag.ReadProperty("TipoDados", std::int16_t{0}), PropertyValue{std::int16_t{0}});
  EXPECT_EQ(bag.ReadProperty("Enabled", true), PropertyValue{true});
  EXPECT_TRUE(bag.Stored().empty());
}

TEST(MemoryPropertyBag, KeepsOnlyWhatDiffersFromTheDefault) {
  MemoryPropertyBag bag;
  bag.WriteProperty("TipoDados", std::int16_t{0}, std::int16_t{0});
  bag.WriteProperty("Endereço", std::int32_t{0}, false);
  bag.WriteProperty("TudoMaiusculo", true, false);
  ASSERT_EQ(bag.Stored().size(), 1u);
  EXPECT_EQ(bag.Stored()[0].name, "TudoMaiusculo");
  EXPECT_EQ(bag.Find("TudoMaiusculo"), PropertyValue{true});
  EXPECT_EQ(bag.WriteLog(), (std::vector<std::string>{"TipoDados", "Endereço", "TudoMaiusculo"}));
}

// Saving a value back to its default must not leave the older value behind, or the
// next load would bring back what the user had undone.
TEST(MemoryPropertyBag, WritingTheDefaultForgetsAnEarlierValue) {
  MemoryPropertyBag bag;
  bag.WriteProperty("TipoDados", std::int16_t{9}, std::int16_t{0});
  ASSERT_TRUE(bag.Contains("TipoDados"));
  bag.WriteProperty("TipoDados", std::int16_t{0}, std::int16_t{0});
  EXPECT_FALSE(bag.Contains("TipoDados"));
  EXPECT_EQ(bag.ReadProperty("TipoDados", std::int16_t{0}), PropertyValue{std::int16_t{0}});
}

TEST(MemoryPropertyBag, RewritingANameReplacesItsValueInPlace) {
  MemoryPropertyBag bag;
  bag.WriteProperty("A", std::int32_t{1}, std::int32_t{0});
  bag.WriteProperty("B", std::int32_t{2}, std::int32_t{0});
  bag.WriteProperty("A", std::int32_t{3}, std::int32_t{0});
  const auto stored = bag.Stored();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].name, "A");
  EXPECT_EQ(stored[0].value, PropertyValue{std::int32_t{3}});
  EXPECT_EQ(stored[1].name, "B");
}

TEST(MemoryPropertyBag, AStoredFontIsASnapshot) {
  MemoryPropertyBag bag;
  const FontRef fonte = std::make_shared<Font>(Font{"Arial", 10});
  bag.WriteProperty("Font", fonte, std::make_shared<Font>());
  fonte->bold = true;  // the control's font changes after the form was saved

  const FontRef lida = std::get<FontRef>(bag.ReadProperty("Font", FontRef{}));
  EXPECT_FALSE(lida->bold);
  lida->name = "Courier";  // whoever loaded it changes their own copy
  EXPECT_EQ(std::get<FontRef>(*bag.Find("Font"))->name, "Arial");
}

TEST(MemoryPropertyBag, AFontEqualToTheDefaultByDescriptionIsNotStored) {
  MemoryPropertyBag bag;
  bag.WriteProperty("Font", std::make_shared<Font>(), std::make_shared<Font>());
  EXPECT_FALSE(bag.Contains("Font"));
}

TEST(MemoryPropertyBag, StoreTakesAValueOfAnyKindAndLogsKeepCallOrder) {
  MemoryPropertyBag bag;
  bag.Store("TipoDados", std::string("nove"));
  EXPECT_EQ(bag.ReadProperty("TipoDados", std::int16_t{0}), PropertyValue{std::string("nove")});
  (void)bag.ReadProperty("Enabled", true);
  EXPECT_EQ(bag.ReadLog(), (std::vector<std::string>{"TipoDados", "Enabled"}));
  bag.ClearLogs();
  EXPECT_TRUE(bag.ReadLog().empty());
  bag.Remove("TipoDados");
  EXPECT_FALSE(bag.Find("TipoDados").has_value());
}

}  // namespace
}  // namespace vumocaixa
