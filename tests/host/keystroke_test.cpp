#include <vumocaixa/host/keystroke.hpp>

#include <gtest/gtest.h>

namespace vumocaixa {
namespace {

TEST(Keystroke, WhatTheBoxDoesWithTheCodeHandedBack) {
  struct Row {
    std::int16_t typed;
    std::int16_t handed;
    CharAction expected;
    const char* name;
  } rows[] = {
      {97, 97, CharAction::InsertCode, "unchanged character"},
      {97, 65, CharAction::InsertCode, "changed into another character"},
      {97, 0, CharAction::Nothing, "swallowed"},
      {-1, -1, CharAction::InsertTyped, "character without a code, unchanged"},
      {-1, 0, CharAction::Nothing, "character without a code, refused"},
      {-1, 63, CharAction::InsertCode, "character without a code, replaced"},
      {97, -1, CharAction::Nothing, "a code turned into -1 has no character"},
      {8, 8, CharAction::Backspace, "Backspace passes"},
      {97, 8, CharAction::Backspace, "a character turned into Backspace"},
      {13, 13, CharAction::DefaultKeyAction, "Enter left alone"},
      {10, 10, CharAction::DefaultKeyAction, "line feed left alone"},
      {27, 27, CharAction::DefaultKeyAction, "Escape left alone"},
      {127, 127, CharAction::DefaultKeyAction, "Ctrl+Backspace left alone"},
      {97, 13, CharAction::Nothing, "a character turned into Enter inserts nothing"},
      {97, 10, CharAction::Nothing, "a character turned into a line feed inserts nothing"},
      {97, 127, CharAction::Nothing, "a character turned into DEL inserts nothing"},
      {97, 129, CharAction::Nothing, "an unassigned code of the code page"},
      {97, 256, CharAction::Nothing, "a code beyond the code page"},
      {97, 255, CharAction::InsertCode, "y with diaeresis, the last code"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ActionFor(r.typed, r.handed), r.expected) << r.name;
  }
}

TEST(Keystroke, CommittedTextLeavesControlCharactersOut) {
  EXPECT_EQ(CommittedChars(U"a\tç\x7f日\r"),
            (std::vector<TypedChar>{{97, U'a'}, {231, U'ç'}, {-1, U'日'}}));
}

}  // namespace
}  // namespace vumocaixa
