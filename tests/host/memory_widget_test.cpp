#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/memory_focus.hpp>
#include <vumocaixa/host/memory_widget.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vumocaixa {
namespace {

// Writes every event of a widget into one line of text, and lets a test change the
// by-reference arguments as the control's handlers would.
class Recorder : public WidgetListener {
 public:
  std::string log;
  std::function<void(std::int16_t&, std::int16_t&)> onKeyDown;
  std::function<void(std::int16_t&)> onKeyPress;
  const MemoryWidget* box = nullptr;  // its text is written after each Change

  void Change() override { Add("Change:" + (box ? box->Text() : std::string())); }
  void Click() override { Add("Click"); }
  void DblClick() override { Add("DblClick"); }
  void GotFocus() override { Add("GotFocus"); }
  void LostFocus() override { Add("LostFocus"); }
  void KeyDown(std::int16_t& code, std::int16_t& shift) override {
    Add("Down" + std::to_string(code) + "/" + std::to_string(shift));
    if (onKeyDown) onKeyDown(code, shift);
  }
  void KeyPress(std::int16_t& ascii) override {
    Add("Press" + std::to_string(ascii));
    if (onKeyPress) onKeyPress(ascii);
  }
  void KeyUp(std::int16_t& code, std::int16_t& shift) override {
    Add("Up" + std::to_string(code) + "/" + std::to_string(shift));
  }

 private:
  void Add(const std::string& e) { log += (log.empty() ? "" : " ") + e; }
};

struct Box {
  MemoryWidget w{WidgetKind::EditBox, "box"};
  Recorder r;
  Box(const char* text = "", std::int32_t caret = -1, std::int32_t sel = 0) {
    w.SetText(text);
    if (caret >= 0) {
      w.SetSelStart(caret);
      w.SetSelLength(sel);
    }
    r.box = &w;
    w.SetListener(&r);
  }
};

TEST(MemoryWidget, TypingDeliversDownPressEditUpPerCharacter) {
  Box b;
  b.w.Type("aB1.");
  EXPECT_EQ(b.r.log,
            "Down65/0 Press97 Change:a Up65/0 "
            "Down66/1 Press66 Change:aB Up66/1 "
            "Down49/0 Press49 Change:aB1 Up49/0 "
            "Down190/0 Press46 Change:aB1. Up190/0");
}

TEST(MemoryWidget, WhatKeyPressHandsBackIsWhatGoesIn) {
  struct Row {
    const char* typed;
    std::int16_t handBack;  // -2: leave the code alone
    const char* expected;
    const char* name;
  } rows[] = {
      {"a", -2, "a", "unchanged"},
      {"a", 0, "", "swallowed"},
      {"a", 'A', "A", "replaced"},
      {"ç", -2, "ç", "accented letter"},
      {"ç", 0xC7, "Ç", "replaced by a Windows-1252 capital"},
      {"€", -2, "€", "euro sign has code 128"},
      {"日", -2, "日", "no Windows-1252 code: taken as typed"},
      {"日", 0, "", "no Windows-1252 code, swallowed"},
      {"a", 13, "", "Enter is not taken by a single-line box"},
      {"a", 9, "", "nor is Tab"},
      {"a", 129, "", "a code the code page leaves unassigned inserts nothing"},
      {"a", 10, "", "nor does a line feed handed back for a character"},
  };
  for (const Row& r : rows) {
    Box b;
    if (r.handBack != -2) {
      b.r.onKeyPress = [&](std::int16_t& k) { k = r.handBack; };
    }
    b.w.Type(r.typed);
    EXPECT_EQ(b.w.Text(), r.expected) << r.name;
  }
}

TEST(MemoryWidget, CharacterWithoutWindows1252CodeIsPressedAsMinusOne) {
  Box b;
  b.w.Type("日");
  EXPECT_EQ(b.r.log, "Down0/0 Press-1 Change:日 Up0/0");
}

TEST(MemoryWidget, TypingReplacesTheSelectionAndStopsAtMaxLength) {
  struct Row {
    const char* text;
    std::int32_t caret, sel, max;
    const char* typed;
    const char* expected;
    std::int32_t caretAfter;
    const char* name;
  } rows[] = {
      {"abc", 1, 0, 0, "X", "aXbc", 2, "insert at the caret"},
      {"abc", 0, 3, 0, "X", "X", 1, "whole text selected"},
      {"abcd", 1, 2, 0, "XY", "aXYd", 3, "part selected"},
      {"abc", 3, 0, 3, "X", "abc", 3, "full box"},
      {"abc", 1, 1, 3, "X", "aXc", 2, "full box, selection makes room"},
      {"ab", 2, 0, 3, "XYZ", "abX", 3, "stops at the limit"},
      {"ção", 3, 0, 4, "éé", "çãoé", 4, "limit counts characters, not bytes"},
      {"abcdef", 6, 0, 3, "X", "abcdef", 6, "longer than the limit already"},
      {"", 0, 0, 0, "", "", 0, "nothing typed"},
  };
  for (const Row& r : rows) {
    Box b(r.text, r.caret, r.sel);
    b.w.SetMaxLength(r.max);
    b.w.Type(r.typed);
    EXPECT_EQ(b.w.Text(), r.expected) << r.name;
    EXPECT_EQ(b.w.SelStart(), r.caretAfter) << r.name;
    EXPECT_EQ(b.w.SelLength(), 0) << r.name;
  }
}

TEST(MemoryWidget, FullBoxRaisesNoChange) {
  Box b("ab", 2);
  b.w.SetMaxLength(2);
  b.w.Type("c");
  EXPECT_EQ(b.r.log, "Down67/0 Press99 Up67/0");
}

TEST(MemoryWidget, DeleteAndBackspace) {
  struct Row {
    std::function<void(MemoryWidget&)> press;
    const char* text;
    std::int32_t caret, sel;
    const char* expected;
    std::int32_t caretAfter;
    const char* name;
  } rows[] = {
      {&MemoryWidget::PressDelete, "abc", 1, 0, "ac", 1, "delete right of the caret"},
      {&MemoryWidget::PressDelete, "abc", 3, 0, "abc", 3, "delete at the end"},
      {&MemoryWidget::PressDelete, "abcd", 1, 2, "ad", 1, "delete the selection"},
      {&MemoryWidget::PressBackspace, "abc", 1, 0, "bc", 0, "backspace left of the caret"},
      {&MemoryWidget::PressBackspace, "abc", 0, 0, "abc", 0, "backspace at the start"},
      {&MemoryWidget::PressBackspace, "abcd", 1, 2, "ad", 1, "backspace the selection"},
      {&MemoryWidget::PressBackspace, "ção", 2, 0, "ço", 1, "backspace an accented letter"},
      {&MemoryWidget::PressShiftDelete, "abcd", 1, 2, "ad", 1, "shift+delete cuts"},
      {&MemoryWidget::PressShiftDelete, "abc", 2, 0, "ac", 1, "shift+delete, no selection"},
  };
  for (const Row& r : rows) {
    Box b(r.text, r.caret, r.sel);
    r.press(b.w);
    EXPECT_EQ(b.w.Text(), r.expected) << r.name;
    EXPECT_EQ(b.w.SelStart(), r.caretAfter) << r.name;
  }
}

TEST(MemoryWidget, KeyEventsOfTheEditingKeys) {
  struct Row {
    std::function<void(MemoryWidget&)> press;
    const char* expected;
    const char* name;
  } rows[] = {
      {&MemoryWidget::PressEnter, "Down13/0 Press13 Up13/0", "enter"},
      {&MemoryWidget::PressDelete, "Down46/0 Change:ac Up46/0", "delete: no KeyPress"},
      {&MemoryWidget::PressBackspace, "Down8/0 Press8 Change:bc Up8/0", "backspace"},
      {&MemoryWidget::PressShiftDelete, "Down46/1 Change:bc Up46/1", "shift+delete"},
      {&MemoryWidget::PressCtrlEnter, "Down13/2 Press10 Up13/2", "ctrl+enter"},
      {[](MemoryWidget& w) { w.PressKey(37); }, "Down37/0 Up37/0", "left arrow"},
  };
  for (const Row& r : rows) {
    Box b("abc", 1);
    r.press(b.w);
    EXPECT_EQ(b.r.log, r.expected) << r.name;
  }
}

TEST(MemoryWidget, KeyDownHandlerClearingDeleteKeepsTheText) {
  Box b("abc", 1);
  b.r.onKeyDown = [](std::int16_t& code, std::int16_t&) { code = 0; };
  b.w.PressDelete();
  EXPECT_EQ(b.w.Text(), "abc");
  EXPECT_EQ(b.r.log, "Down46/0 Up46/0");  // the key-up reports the key as released
}

TEST(MemoryWidget, KeyDownHandlerClearingBackspaceDoesNotStopTheCharacter) {
  Box b("abc", 3);
  b.r.onKeyDown = [](std::int16_t& code, std::int16_t&) { code = 0; };
  b.w.PressBackspace();
  EXPECT_EQ(b.w.Text(), "ab");
}

TEST(MemoryWidget, ShiftDeleteKeepsTheCutText) {
  Box b("abcd", 1, 2);
  b.w.PressShiftDelete();
  EXPECT_EQ(b.w.CutText(), "bc");
}

TEST(MemoryWidget, SetTextRaisesChangeOnlyWhenTheTextChanges) {
  Box b("abc", 1, 1);
  b.w.SetText("abc");
  EXPECT_EQ(b.r.log, "");
  EXPECT_EQ(b.w.SelStart(), 1);  // an assignment of the same text leaves the caret alone
  EXPECT_EQ(b.w.SelLength(), 1);
  b.w.SetText("xy");
  EXPECT_EQ(b.r.log, "Change:xy");
  EXPECT_EQ(b.w.SelStart(), 2);  // at the end, nothing selected
  EXPECT_EQ(b.w.SelLength(), 0);
  b.w.SetText("");
  EXPECT_EQ(b.r.log, "Change:xy Change:");
}

TEST(MemoryWidget, SetTextIsNotLimitedByMaxLength) {
  Box b;
  b.w.SetMaxLength(3);
  b.w.SetText("abcdef");
  EXPECT_EQ(b.w.Text(), "abcdef");
}

TEST(MemoryWidget, MalformedTextIsStoredWithReplacementCharacters) {
  Box b;
  b.w.SetText("a\xC3");
  EXPECT_EQ(b.w.Text(), "a\xEF\xBF\xBD");
  b.w.SetSelStart(99);
  EXPECT_EQ(b.w.SelStart(), 2);
}

TEST(MemoryWidget, SelectionIsClampedToTheText) {
  struct Row {
    std::int32_t start, length;
    std::int32_t expectedStart, expectedLength;
    const char* name;
  } rows[] = {
      {0, 0, 0, 0, "caret at the start"},
      {4, 0, 4, 0, "caret at the end"},
      {5, 0, 4, 0, "past the end"},
      {-1, 0, 0, 0, "negative start"},
      {1, 2, 1, 2, "inside"},
      {1, 3, 1, 3, "up to the end"},
      {1, 4, 1, 3, "past the end"},
      {2, -5, 2, 0, "negative length"},
      {INT32_MAX, INT32_MAX, 4, 0, "largest"},
      {INT32_MIN, INT32_MAX, 0, 4, "extremes"},
  };
  for (const Row& r : rows) {
    Box b("ação");
    b.w.SetSelStart(r.start);
    b.w.SetSelLength(r.length);
    EXPECT_EQ(b.w.SelStart(), r.expectedStart) << r.name;
    EXPECT_EQ(b.w.SelLength(), r.expectedLength) << r.name;
  }
}

TEST(MemoryWidget, SetSelStartClearsTheSelection) {
  Box b("abcd", 0, 4);
  b.w.SetSelStart(1);
  EXPECT_EQ(b.w.SelLength(), 0);
  b.w.SetSelLength(2);
  EXPECT_EQ(b.w.SelText(), "bc");
}

TEST(MemoryWidget, PasteReplacesTheSelectionAsFarAsMaxLengthAllows) {
  Box b("abcd", 1, 2);
  b.w.SetMaxLength(6);
  b.w.Paste("123456");
  EXPECT_EQ(b.w.Text(), "a1234d");
  EXPECT_EQ(b.w.SelStart(), 5);
  EXPECT_EQ(b.r.log, "Change:a1234d");  // one change, no key events
}

TEST(MemoryWidget, LabelAndButtonTakeNoTypingNorPastingAndRaiseNoChange) {
  for (WidgetKind kind : {WidgetKind::LabelBox, WidgetKind::PushButton}) {
    MemoryWidget w(kind);
    Recorder r;
    w.SetListener(&r);
    w.SetText("um");
    w.Type("x");
    w.PressDelete();
    w.Paste("dois");
    EXPECT_EQ(w.Text(), "um");
    EXPECT_EQ(r.log, "Down88/0 Press120 Up88/0 Down46/0 Up46/0");
  }
}

TEST(MemoryWidget, InvalidSizesAndLengthsFail) {
  MemoryWidget w(WidgetKind::EditBox);
  EXPECT_THROW(w.SetWidth(-1), HostError);
  EXPECT_THROW(w.SetHeight(-1), HostError);
  EXPECT_THROW(w.SetMaxLength(-1), HostError);
  EXPECT_NO_THROW(w.SetWidth(0));
  EXPECT_NO_THROW(w.SetMaxLength(0));
}

TEST(MemoryWidget, StoresItsAppearance) {
  MemoryWidget w(WidgetKind::EditBox);
  EXPECT_EQ(w.BackColor(), kSystemWindowColor);
  EXPECT_EQ(w.ForeColor(), kSystemWindowTextColor);
  auto font = std::make_shared<Font>(Font{"Arial", 12, true});
  w.SetFont(font);
  w.SetBackColor(Color{0xFF});
  w.SetEnabled(false);
  w.SetVisible(false);
  w.SetLeft(10);
  EXPECT_EQ(w.Font(), font);
  EXPECT_EQ(w.BackColor(), Color{0xFF});
  EXPECT_FALSE(w.Enabled());
  EXPECT_FALSE(w.Visible());
  EXPECT_EQ(w.Left(), 10);
  w.Refresh();
  EXPECT_EQ(w.RefreshCalls(), 1);
}

}  // namespace
}  // namespace vumocaixa
