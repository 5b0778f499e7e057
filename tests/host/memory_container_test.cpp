#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/memory_container.hpp>
#include <vumocaixa/host/memory_runtime.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vumocaixa {
namespace {

using Log = std::vector<std::string>;

// A client that records its size at each resize and may correct it, as the
// control's layout does.
class Client : public ContainerClient {
 public:
  explicit Client(MemoryContainer& c) : m_c(c) { c.Attach(this); }
  ~Client() override { m_c.Attach(nullptr); }
  std::function<void()> onResize;
  Log seen;

  void UserControl_Resize() override {
    seen.push_back(std::to_string(m_c.Width()) + "x" + std::to_string(m_c.Height()));
    if (onResize) onResize();
  }
  void UserControl_GotFocus() override {}

 private:
  MemoryContainer& m_c;
};

TEST(MemoryContainer, RecordsEventsAndNotificationsInOrder) {
  MemoryContainer c;
  std::int16_t code = 65, shift = 1, ascii = 97, cancel = 0, button = 1;
  float x = 10.5f, y = 20;
  std::string address = "a@b.com";
  c.Events().KeyDown(code, shift);
  c.Events().KeyPress(ascii);
  c.Events().Change();
  c.PropertyChanged("Text");
  c.Events().KeyEnter(cancel);
  c.Events().MouseUp(button, shift, x, y);
  c.Events().MandarEmail(address);
  c.Events().AbrirHomePage(address);
  c.Events().Click();
  c.Events().DblClick();
  EXPECT_EQ(c.Log(), (Log{"KeyDown(65, 1)", "KeyPress(97)", "Change", "PropertyChanged(Text)",
                          "KeyEnter(0)", "MouseUp(1, 1, 10.5, 20)", "MandarEmail(a@b.com)",
                          "AbrirHomePage(a@b.com)", "Click", "DblClick"}));
  EXPECT_EQ(c.PropertyChanges(), Log{"Text"});
  EXPECT_EQ(c.Count("KeyPress"), 1);
  EXPECT_EQ(c.Count("Key"), 0);  // whole names only
  EXPECT_EQ(c.Count("PropertyChanged(Text)"), 1);
  c.ClearLog();
  EXPECT_TRUE(c.Log().empty());
  EXPECT_TRUE(c.PropertyChanges().empty());
}

TEST(MemoryContainer, HandlersWriteIntoTheArguments) {
  MemoryContainer c;
  c.On.KeyEnter = [](std::int16_t& cancel) { cancel = -1; };
  c.On.KeyPress = [](std::int16_t& k) { k = 0; };
  c.On.KeyDown = [](std::int16_t& k, std::int16_t& s) { k = 0, s = 0; };
  std::int16_t cancel = 0, ascii = 97, code = 13, shift = 2;
  c.Events().KeyEnter(cancel);
  c.Events().KeyPress(ascii);
  c.Events().KeyDown(code, shift);
  EXPECT_EQ(cancel, -1);
  EXPECT_EQ(ascii, 0);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(shift, 0);
  // The log keeps the arguments as they were raised.
  EXPECT_EQ(c.Log(), (Log{"KeyEnter(0)", "KeyPress(97)", "KeyDown(13, 2)"}));
}

TEST(MemoryContainer, CanPropertyChangeAnswersAsConfiguredAndRecordsTheQuestion) {
  MemoryContainer c;
  EXPECT_TRUE(c.CanPropertyChange("Text"));
  c.SetCanPropertyChange(false);
  EXPECT_FALSE(c.CanPropertyChange("Text"));
  EXPECT_EQ(c.CanPropertyChangeAsked(), (Log{"Text", "Text"}));
}

TEST(MemoryContainer, AmbientFontIsConfigurable) {
  MemoryContainer c;
  ASSERT_NE(c.AmbientFont(), nullptr);
  auto font = std::make_shared<Font>(Font{"Arial", 10});
  c.SetAmbientFont(font);
  EXPECT_EQ(c.AmbientFont(), font);
}

TEST(MemoryContainer, SizeChangesCallTheClientOnlyWhenTheSizeChanges) {
  struct Row {
    std::function<void(MemoryContainer&)> change;
    Log expected;
    const char* name;
  } rows[] = {
      {[](MemoryContainer& c) { c.SetWidth(3015); }, {}, "same width"},
      {[](MemoryContainer& c) { c.SetHeight(285); }, {}, "same height"},
      {[](MemoryContainer& c) { c.SetWidth(4000); }, {"4000x285"}, "new width"},
      {[](MemoryContainer& c) { c.SetHeight(400); }, {"3015x400"}, "new height"},
      {[](MemoryContainer& c) { c.SetSize(10, 20); }, {"10x20"}, "both at once"},
      {[](MemoryContainer& c) { c.SetSize(3015, 285); }, {}, "both the same"},
  };
  for (const Row& r : rows) {
    MemoryContainer c;
    Client client(c);
    r.change(c);
    EXPECT_EQ(client.seen, r.expected) << r.name;
    EXPECT_EQ(c.ResizeCount(), static_cast<int>(r.expected.size())) << r.name;
  }
}

TEST(MemoryContainer, ResizeIsReenteredWhenTheClientChangesTheSize) {
  MemoryContainer c;
  Client client(c);
  client.onResize = [&] {
    if (c.Height() < 315) c.SetHeight(315);
  };
  c.SetHeight(200);
  EXPECT_EQ(client.seen, (Log{"3015x200", "3015x315"}));
  EXPECT_EQ(c.Height(), 315);
}

TEST(MemoryContainer, EndlessResizingFailsInsteadOfOverflowingTheStack) {
  MemoryContainer c;
  Client client(c);
  client.onResize = [&] { c.SetWidth(c.Width() + 1); };
  EXPECT_THROW(c.SetWidth(1), HostError);
  client.onResize = nullptr;
  EXPECT_NO_THROW(c.SetWidth(5));  // the depth count was restored
}

TEST(MemoryContainer, NegativeSizesFail) {
  MemoryContainer c;
  EXPECT_THROW(c.SetWidth(-1), HostError);
  EXPECT_THROW(c.SetHeight(-1), HostError);
  EXPECT_EQ(c.Width(), 3015);
  EXPECT_EQ(c.Height(), 285);
}

TEST(MemoryRuntime, RecordsMessagesBeepsAndKeys) {
  MemoryRuntime r;
  std::vector<ShownMessage> seen;
  r.OnShowMessage = [&](const ShownMessage& m) {
    seen.push_back(m);
    if (seen.size() == 1) r.ShowMessage("segunda", 64, "t2");  // a box from a box
  };
  r.ShowMessage("CIC inválido. Redigite.", 64, "Valor inválido");
  r.Beep();
  r.SendKeys("{Tab}", false);
  const std::vector<ShownMessage> expected = {{"CIC inválido. Redigite.", 64, "Valor inválido"},
                                              {"segunda", 64, "t2"}};
  EXPECT_EQ(r.Messages(), expected);
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(r.Beeps(), 1);
  EXPECT_EQ(r.Keys(), (std::vector<SentKeys>{{"{Tab}", false}}));
  r.Clear();
  EXPECT_TRUE(r.Messages().empty());
  EXPECT_EQ(r.Beeps(), 0);
}

TEST(MemoryRuntime, RegionalSettingsAreConfigurable) {
  MemoryRuntime r;
  EXPECT_EQ(r.Regional().shortDatePattern, "dd/MM/yyyy");
  RegionalSettings curto;
  curto.shortDatePattern = "dd/MM/yy";
  r.SetRegional(curto);
  EXPECT_EQ(r.Regional(), curto);
}

}  // namespace
}  // namespace vumocaixa
