#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/memory_focus.hpp>
#include <vumocaixa/host/memory_runtime.hpp>
#include <vumocaixa/host/memory_widget.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vumocaixa {
namespace {

// Writes "name+" for GotFocus and "name-" for LostFocus into a shared log, and runs
// an optional action from each handler.
class FocusLog : public WidgetListener {
 public:
  FocusLog(std::string name, std::string& log) : m_name(std::move(name)), m_log(log) {}
  std::function<void()> onGot;
  std::function<void()> onLost;

  void GotFocus() override {
    m_log += m_name + "+ ";
    if (onGot) onGot();
  }
  void LostFocus() override {
    m_log += m_name + "- ";
    if (onLost) onLost();
  }

 private:
  std::string m_name;
  std::string& m_log;
};

struct Scope {
  MemoryFocus focus;
  std::string log;
  MemoryWidget a{WidgetKind::EditBox, "a"};
  MemoryWidget b{WidgetKind::EditBox, "b"};
  MemoryWidget c{WidgetKind::EditBox, "c"};
  FocusLog la{"a", log}, lb{"b", log}, lc{"c", log};
  Scope() {
    for (auto [w, l] : {std::pair{&a, &la}, {&b, &lb}, {&c, &lc}}) {
      w->SetFocusScope(&focus);
      w->SetListener(l);
    }
  }
};

TEST(MemoryFocus, MovingDeliversLostThenGot) {
  Scope s;
  s.a.SetFocus();
  s.b.SetFocus();
  s.b.SetFocus();  // already there: nothing
  s.focus.MoveTo(nullptr);
  EXPECT_EQ(s.log, "a+ a- b+ b- ");
  EXPECT_EQ(s.focus.Current(), nullptr);
}

TEST(MemoryFocus, LostFocusHandlerSendingTheFocusBackKeepsIt) {
  Scope s;
  s.a.SetFocus();
  s.la.onLost = [&] { s.a.SetFocus(); };  // an exit check refusing the entry
  s.b.SetFocus();
  // b never received the focus, so it gets no LostFocus either; a gets it back
  // after its handler has returned.
  EXPECT_EQ(s.log, "a+ a- a+ ");
  EXPECT_TRUE(s.a.HasFocus());
  EXPECT_FALSE(s.b.HasFocus());
}

TEST(MemoryFocus, LostFocusHandlerRedirectingElsewhere) {
  Scope s;
  s.a.SetFocus();
  s.la.onLost = [&] { s.c.SetFocus(); };
  s.b.SetFocus();
  EXPECT_EQ(s.log, "a+ a- c+ ");
  EXPECT_TRUE(s.c.HasFocus());
}

TEST(MemoryFocus, GotFocusHandlerMovingOnIsTakenUpAfterIt) {
  Scope s;
  s.lb.onGot = [&] { s.c.SetFocus(); };
  s.a.SetFocus();
  s.b.SetFocus();
  EXPECT_EQ(s.log, "a+ a- b+ b- c+ ");
}

TEST(MemoryFocus, ThrowingHandlerDoesNotLeaveTheFocusStuck) {
  Scope s;
  s.a.SetFocus();
  s.la.onLost = [] { throw HostError("boom"); };
  EXPECT_THROW(s.b.SetFocus(), HostError);
  s.la.onLost = nullptr;
  s.c.SetFocus();  // the scope still moves the focus
  EXPECT_TRUE(s.c.HasFocus());
}

TEST(MemoryFocus, WidgetsThatCannotTakeTheFocus) {
  struct Row {
    const char* name;
    std::function<void(MemoryWidget&)> arrange;
  } rows[] = {
      {"hidden", [](MemoryWidget& w) { w.SetVisible(false); }},
      {"disabled", [](MemoryWidget& w) { w.SetEnabled(false); }},
      {"told to fail", [](MemoryWidget& w) { w.SetFocusFails(true); }},
  };
  for (const Row& r : rows) {
    Scope s;
    s.a.SetFocus();
    r.arrange(s.b);
    EXPECT_THROW(s.b.SetFocus(), HostError) << r.name;
    EXPECT_TRUE(s.a.HasFocus()) << r.name;
    EXPECT_EQ(s.log, "a+ ") << r.name;
    EXPECT_EQ(s.b.SetFocusCalls(), 1) << r.name;
  }
  MemoryWidget label(WidgetKind::LabelBox);
  EXPECT_THROW(label.SetFocus(), HostError);
}

TEST(MemoryFocus, QueuedTabIsPlayedWhenTheKeystrokeIsComplete) {
  Scope s;
  MemoryRuntime runtime;
  runtime.ConnectFocus(&s.focus);
  s.focus.SetTabHandler([&] { s.focus.MoveTo(&s.b); });
  s.a.SetFocus();
  // A KeyPress handler that sends "{Tab}", as the control does for Enter.
  class SendsTab : public FocusLog {
   public:
    using FocusLog::FocusLog;
    MemoryRuntime* runtime = nullptr;
    void KeyPress(std::int16_t& k) override {
      runtime->SendKeys("{Tab}", false);
      k = 0;
    }
    void KeyUp(std::int16_t&, std::int16_t&) override { log_at_keyup = true; }
    bool log_at_keyup = false;
  } handler("a", s.log);
  handler.runtime = &runtime;
  s.a.SetListener(&handler);
  s.a.PressEnter();
  EXPECT_TRUE(handler.log_at_keyup);
  EXPECT_EQ(s.log, "a+ a- b+ ");
  EXPECT_EQ(runtime.Keys(), (std::vector<SentKeys>{{"{Tab}", false}}));
  EXPECT_EQ(s.focus.QueuedTabs(), 0u);
}

TEST(MemoryFocus, OtherKeysAreRecordedButNotPlayed) {
  Scope s;
  MemoryRuntime runtime;
  runtime.ConnectFocus(&s.focus);
  s.a.SetFocus();
  runtime.SendKeys("{F4}", true);
  s.focus.PlayQueuedKeys();
  EXPECT_TRUE(s.a.HasFocus());
  EXPECT_EQ(runtime.Keys(), (std::vector<SentKeys>{{"{F4}", true}}));
}

TEST(MemoryFocus, TabWithoutHandlerTakesTheFocusAway) {
  Scope s;
  s.a.SetFocus();
  s.a.Type("x\t");
  EXPECT_EQ(s.focus.Current(), nullptr);
  EXPECT_EQ(s.a.Text(), "x");
  EXPECT_EQ(s.log, "a+ a- ");
}

TEST(MemoryFocus, DestroyedWidgetLeavesTheScopeSilently) {
  MemoryFocus focus;
  {
    MemoryWidget w(WidgetKind::EditBox);
    w.SetFocusScope(&focus);
    w.SetFocus();
    EXPECT_EQ(focus.Current(), &w);
  }
  EXPECT_EQ(focus.Current(), nullptr);
}

}  // namespace
}  // namespace vumocaixa
