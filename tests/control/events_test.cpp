#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

namespace vumocaixa {
namespace {

using Log = std::vector<std::string>;

TEST(Events, ChangeIsRaisedBeforeTextIsNotifiedForBothBoxes) {
  for (std::int16_t tipo : {kTexto, kMoeda}) {
    MemoryForm f;
    f.Control().SetTipoDados(tipo);
    MemoryWidget& box = tipo == kTexto ? f.Caixa() : f.Caixa1();
    f.Container().ClearLog();
    // The notification must come after the host's Change handler has returned.
    Log seenByHandler;
    f.Container().On.Change = [&] { seenByHandler = f.Container().PropertyChanges(); };
    box.SetText("12");
    EXPECT_EQ(f.Container().Log(), (Log{"Change", "PropertyChanged(Text)"})) << tipo;
    EXPECT_TRUE(seenByHandler.empty()) << tipo;
  }
}

TEST(Events, SameTextAssignedAgainRaisesNothing) {
  MemoryForm f;
  f.Caixa().SetText("abc");
  f.Container().ClearLog();
  f.Caixa().SetText("abc");
  EXPECT_TRUE(f.Container().Log().empty());
}

TEST(Events, TypingRaisesOneChangePerChangeOfTheText) {
  MemoryForm f;
  f.Caixa().SetMaxLength(2);
  f.Type("abc");  // the third character does not fit
  EXPECT_EQ(f.Container().Count("Change"), 2);
  EXPECT_EQ(f.Container().Count("PropertyChanged(Text)"), 2);
  EXPECT_EQ(f.Shown(), "ab");
}

TEST(Events, HostChangingTheTextFromItsChangeHandlerReentersTheForwarding) {
  MemoryForm f;
  f.Container().On.Change = [&] {
    if (f.Caixa().Text() == "x") {
      f.Caixa().SetText("xy");
    }
  };
  f.Caixa().SetText("x");
  EXPECT_EQ(f.Container().Log(),
            (Log{"Change", "Change", "PropertyChanged(Text)", "PropertyChanged(Text)"}));
  EXPECT_EQ(f.Caixa().Text(), "xy");
}

TEST(Events, ClickAndDblClickOfBothBoxes) {
  for (std::int16_t tipo : {kTexto, kDuplo}) {
    MemoryForm f;
    f.Control().SetTipoDados(tipo);
    f.Container().ClearLog();
    f.Click();
    f.DblClick();
    EXPECT_EQ(f.Container().Log(), (Log{"Click", "DblClick"})) << tipo;
  }
}

TEST(Events, LabelAndButtonForwardNothingButTheButtonsClick) {
  MemoryForm f;
  f.Container().ClearLog();
  f.Caixa2().Click();
  f.Caixa2().SetText("um real");
  f.Btn_Evento().DblClick();
  f.Btn_Evento().MouseDown(1, 0, 1.0f, 1.0f);
  EXPECT_TRUE(f.Container().Log().empty());
}

// The host's mouse handler receives the widget's own arguments; what it writes goes
// back to the widget.

TEST(Events, MouseArgumentsArePassedOnAsTheSameReferences) {
  struct Row {
    const char* name;
    bool caixa1;
    void (WidgetListener::*handler)(std::int16_t&, std::int16_t&, float&, float&);
    std::function<void(std::int16_t&, std::int16_t&, float&, float&)> MemoryEventHandlers::*on;
  } rows[] = {
      {"MouseDown", false, &WidgetListener::MouseDown, &MemoryEventHandlers::MouseDown},
      {"MouseMove", false, &WidgetListener::MouseMove, &MemoryEventHandlers::MouseMove},
      {"MouseUp", false, &WidgetListener::MouseUp, &MemoryEventHandlers::MouseUp},
      {"MouseDown", true, &WidgetListener::MouseDown, &MemoryEventHandlers::MouseDown},
      {"MouseMove", true, &WidgetListener::MouseMove, &MemoryEventHandlers::MouseMove},
      {"MouseUp", true, &WidgetListener::MouseUp, &MemoryEventHandlers::MouseUp},
  };
  for (const Row& r : rows) {
    MemoryForm f;
    f.Container().On.*r.on = [](std::int16_t& b, std::int16_t& s, float& x, float& y) {
      b = 2, s = 4, x = 7.5f, y = -1.0f;
    };
    std::int16_t button = 1;
    std::int16_t shift = 1;
    float x = 10.5f;
    float y = 20.0f;
    WidgetListener* box = (r.caixa1 ? f.Caixa1() : f.Caixa()).Listener();
    (box->*r.handler)(button, shift, x, y);
    EXPECT_EQ(f.Container().Log(), Log{std::string(r.name) + "(1, 1, 10.5, 20)"}) << r.name;
    EXPECT_EQ(button, 2) << r.name;
    EXPECT_EQ(shift, 4) << r.name;
    EXPECT_EQ(x, 7.5f) << r.name;
    EXPECT_EQ(y, -1.0f) << r.name;
  }
}

TEST(Events, MouseEventsOfTheWidgetsReachTheHost) {
  MemoryForm f;
  f.Container().ClearLog();
  f.Caixa().MouseDown(1, 0, 3.0f, 4.0f);
  f.Caixa().MouseMove(0, 0, 5.0f, 6.0f);
  f.Caixa1().MouseUp(2, 1, 7.0f, 8.0f);
  EXPECT_EQ(f.Container().Log(),
            (Log{"MouseDown(1, 0, 3, 4)", "MouseMove(0, 0, 5, 6)", "MouseUp(2, 1, 7, 8)"}));
}

TEST(Button, RaisesTheEventOfTheTypeWithTheAddressAndReturnsTheFocus) {
  struct Row {
    std::int16_t tipo;
    const char* expected;  // the log entry; empty: no event
  } rows[] = {{kEmail, "MandarEmail(ana@vumo.com.br)"},
              {kHomePage, "AbrirHomePage(ana@vumo.com.br)"},
              {kTexto, ""},
              {kCIC, ""}};
  for (const Row& r : rows) {
    MemoryForm f;
    f.Control().SetTipoDados(r.tipo);
    f.Caixa().SetText("ana@vumo.com.br");
    f.NextField().SetFocus();
    f.Container().ClearLog();
    f.Btn_Evento().Click();
    Log expected;
    if (*r.expected != '\0') {
      expected.push_back(r.expected);
    }
    EXPECT_EQ(f.Container().Log(), expected) << r.tipo;
    EXPECT_TRUE(f.Caixa().HasFocus()) << r.tipo;
  }
}

TEST(Button, WhatTheHostWritesIntoTheAddressIsNotUsed) {
  MemoryForm f;
  f.Control().SetTipoDados(kEmail);
  f.Caixa().SetText("ana@vumo.com.br");
  f.Container().On.MandarEmail = [](std::string& e) { e = "outro@x.com"; };
  f.Container().ClearLog();
  f.ClickButton();
  EXPECT_EQ(f.Caixa().Text(), "ana@vumo.com.br");
  EXPECT_EQ(f.Container().Count("Change"), 0);
  EXPECT_EQ(f.Container().Count("MandarEmail"), 1);
  EXPECT_TRUE(f.Caixa().HasFocus());
}

TEST(Button, EmptyCaixaRaisesNothingAndLeavesTheFocus) {
  MemoryForm f;
  f.Control().SetTipoDados(kEmail);
  f.NextField().SetFocus();
  f.Container().ClearLog();
  f.Btn_Evento().Click();
  EXPECT_TRUE(f.Container().Log().empty());
  EXPECT_TRUE(f.NextField().HasFocus());
  EXPECT_EQ(f.Caixa().SetFocusCalls(), 0);
}

TEST(Button, FailingSetFocusIsIgnored) {
  MemoryForm f;
  f.Control().SetTipoDados(kHomePage);
  f.Caixa().SetText("www.vumo.com.br");
  f.Caixa().SetFocusFails(true);
  EXPECT_NO_THROW(f.Btn_Evento().Click());
  EXPECT_EQ(f.Container().Count("AbrirHomePage"), 1);
  EXPECT_EQ(f.Caixa().SetFocusCalls(), 1);
}

TEST(Button, HostHandlerThatEmptiesTheBoxStillGetsTheCopy) {
  MemoryForm f;
  f.Control().SetTipoDados(kEmail);
  f.Caixa().SetText("a@b.com");
  std::string received;
  f.Container().On.MandarEmail = [&](std::string& e) {
    f.Caixa().SetText("");
    received = e;
  };
  f.Btn_Evento().Click();
  EXPECT_EQ(received, "a@b.com");
}

TEST(GotFocus, GoesToTheActiveWidget) {
  struct Row {
    std::int16_t tipo;
    const char* widget;
  } rows[] = {{kTexto, "Caixa"}, {kMoeda, "Caixa1"}, {kEmail, "Caixa"}};
  for (const Row& r : rows) {
    MemoryForm f;
    f.Control().SetTipoDados(r.tipo);
    f.Control().UserControl_GotFocus();
    ASSERT_NE(f.Focus().Current(), nullptr) << r.tipo;
    EXPECT_EQ(f.Focus().Current()->Name(), r.widget) << r.tipo;
  }
}

TEST(GotFocus, WidgetThatCannotTakeTheFocusIsIgnored) {
  struct Row {
    const char* name;
    std::function<void(MemoryForm&)> arrange;
  } rows[] = {
      {"extenso shows a label", [](MemoryForm& f) { f.Control().SetTipoDados(kExtenso); }},
      {"disabled box", [](MemoryForm& f) { f.Caixa().SetEnabled(false); }},
      {"failing host", [](MemoryForm& f) { f.Caixa().SetFocusFails(true); }},
  };
  for (const Row& r : rows) {
    MemoryForm f;
    r.arrange(f);
    f.NextField().SetFocus();
    EXPECT_NO_THROW(f.Control().UserControl_GotFocus()) << r.name;
    EXPECT_TRUE(f.NextField().HasFocus()) << r.name;
    EXPECT_THROW(f.Type("1"), HostError) << r.name;
  }
}

}  // namespace
}  // namespace vumocaixa
