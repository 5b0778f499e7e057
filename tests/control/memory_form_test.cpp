#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vumocaixa {
namespace {

using Log = std::vector<std::string>;

TEST(MemoryForm, StartsWithoutFocusAndTypingGivesItToTheActiveBox) {
  struct Row {
    std::int16_t tipo;
    const char* box;
  } rows[] = {{kTexto, "Caixa"}, {kDuplo, "Caixa1"}, {kHomePage, "Caixa"}};
  for (const Row& r : rows) {
    MemoryForm f;
    f.Control().SetTipoDados(r.tipo);
    EXPECT_FALSE(f.HasFocus()) << r.tipo;
    f.Type("7");
    ASSERT_TRUE(f.HasFocus()) << r.tipo;
    EXPECT_EQ(f.Focus().Current()->Name(), r.box) << r.tipo;
    EXPECT_EQ(f.Shown(), "7") << r.tipo;
  }
}

TEST(MemoryForm, LeaveAndTabMoveTheFocusBetweenTheControlAndTheNextField) {
  MemoryForm f;
  f.Enter();
  EXPECT_TRUE(f.Caixa().HasFocus());
  f.Leave();
  EXPECT_TRUE(f.NextField().HasFocus());
  f.Tab();
  EXPECT_TRUE(f.Caixa().HasFocus());
  f.Tab();
  EXPECT_TRUE(f.NextField().HasFocus());
  f.Leave();  // from the next field: through the control and out again
  EXPECT_TRUE(f.NextField().HasFocus());
  EXPECT_EQ(f.Caixa().SetFocusCalls(), 3);
}

TEST(MemoryForm, LeavingAControlThatCannotTakeTheFocusStillMovesOn) {
  MemoryForm f;
  f.Control().SetTipoDados(kExtenso);
  EXPECT_NO_THROW(f.Leave());
  EXPECT_TRUE(f.NextField().HasFocus());
}

TEST(MemoryForm, TabSentDuringAKeystrokeMovesOnWhenTheKeystrokeIsComplete) {
  MemoryForm f;
  f.Control().SetMaiusculoEMinusculo(false);  // leaving then keeps "ab" as typed
  // A host that moves on as soon as the box holds two characters.
  f.Container().On.Change = [&] {
    if (f.Caixa().Text().size() == 2) f.Runtime().SendKeys("{Tab}", false);
  };
  f.Type("abcd");
  EXPECT_EQ(f.Caixa().Text(), "ab");
  EXPECT_EQ(f.NextField().Text(), "cd");  // the rest went where the focus went
  EXPECT_TRUE(f.NextField().HasFocus());
}

TEST(MemoryForm, UserActionsOnAControlThatCannotTakeTheFocusFail) {
  struct Row {
    const char* name;
    std::function<void(MemoryForm&)> arrange;
  } rows[] = {
      {"extenso", [](MemoryForm& f) { f.Control().SetTipoDados(kExtenso); }},
      {"disabled", [](MemoryForm& f) { f.Caixa().SetEnabled(false); }},
  };
  for (const Row& r : rows) {
    MemoryForm f;
    r.arrange(f);
    EXPECT_THROW(f.Type("a"), HostError) << r.name;
    EXPECT_THROW(f.PressEnter(), HostError) << r.name;
    EXPECT_THROW(f.Paste("a"), HostError) << r.name;
    EXPECT_EQ(f.Caixa().Text(), "") << r.name;
  }
}

TEST(MemoryForm, HiddenButtonCannotBeClicked) {
  MemoryForm f;
  f.Caixa().SetText("a@b.com");
  EXPECT_THROW(f.ClickButton(), HostError);
  EXPECT_EQ(f.Container().Count("MandarEmail"), 0);
}

TEST(MemoryForm, ClickingTheButtonTakesTheFocusFromCaixaAndGivesItBack) {
  MemoryForm f;
  f.Control().SetTipoDados(kEmail);
  f.Type("a@b.com");
  f.Container().ClearLog();
  std::string focusedDuringEvent;
  f.Container().On.MandarEmail = [&](std::string&) {
    focusedDuringEvent = f.Focus().Current()->Name();
  };
  f.ClickButton();
  EXPECT_EQ(focusedDuringEvent, "Btn_Evento");
  EXPECT_TRUE(f.Caixa().HasFocus());
  // Caixa was left for the button, so its exit check ran and notified "Text" first.
  EXPECT_EQ(f.Container().Log(), (Log{"PropertyChanged(Text)", "MandarEmail(a@b.com)"}));
}

TEST(MemoryForm, EditingKeysGoToTheFocusedBox) {
  MemoryForm f;
  f.Type("abc");
  f.PressBackspace();
  f.Caixa().SetSelStart(0);
  f.PressDelete();
  f.Paste("xyz");
  f.Caixa().SetSelStart(1);
  f.Caixa().SetSelLength(1);
  f.PressShiftDelete();
  EXPECT_EQ(f.Shown(), "xzb");
  EXPECT_EQ(f.Caixa().CutText(), "y");
}

TEST(MemoryForm, ResizeLaysTheControlOut) {
  MemoryForm f;
  f.Control().SetTipoDados(kEmail);
  f.Resize(1000, 100);
  EXPECT_EQ(f.Caixa().Width(), 700);
  EXPECT_EQ(f.Btn_Evento().Left(), 700);
  EXPECT_EQ(f.Container().Height(), 315);
}

TEST(MemoryForm, RegionalSettingsReachTheRuntime) {
  MemoryFormOptions options;
  options.regional.shortDatePattern = "dd/MM/yy";
  MemoryForm f(options);
  EXPECT_EQ(f.Runtime().Regional().shortDatePattern, "dd/MM/yy");
}

}  // namespace
}  // namespace vumocaixa
