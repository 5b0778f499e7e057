#include <vumocaixa/entry/mascara.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

// An edit box reduced to what the mask routine may touch: its text and caret. It
// counts the other calls so that a test sees the routine leaves them alone, and it
// inserts a typed character the way an edit box does.
class CaretBox : public Widget {
 public:
  CaretBox(std::string text, std::int32_t caret) : text_(std::move(text)), caret_(caret) {}

  WidgetKind Kind() const override { return WidgetKind::EditBox; }
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override {
    text_ = text;
    ++text_sets;
  }
  std::int32_t SelStart() const override { return caret_; }
  void SetSelStart(std::int32_t start) override { caret_ = start; }
  std::int32_t SelLength() const override { return selection_; }
  void SetSelLength(std::int32_t length) override { selection_ = length; }
  std::int32_t MaxLength() const override { return 0; }
  void SetMaxLength(std::int32_t) override {}
  bool Enabled() const override { return true; }
  void SetEnabled(bool) override {}
  bool Visible() const override { return true; }
  void SetVisible(bool) override {}
  Color BackColor() const override { return {}; }
  void SetBackColor(Color) override {}
  Color ForeColor() const override { return {}; }
  void SetForeColor(Color) override {}
  FontRef Font() const override { return nullptr; }
  void SetFont(FontRef) override {}
  std::int32_t Left() const override { return 0; }
  void SetLeft(std::int32_t) override {}
  std::int32_t Width() const override { return 0; }
  void SetWidth(std::int32_t) override {}
  std::int32_t Height() const override { return 0; }
  void SetHeight(std::int32_t) override {}
  void SetFocus() override {}
  void Refresh() override {}
  void SetListener(WidgetListener*) override {}

  // Selects the whole text, as the box does when it receives the focus.
  void SelectAll() {
    caret_ = 0;
    selection_ = static_cast<std::int32_t>(CharCount(text_));
  }

  // One key as the box handles it: the mask routine first, then the insertion of
  // whatever code it leaves, replacing the selection.
  void Type(char c, std::string_view mask) {
    std::int16_t key = static_cast<unsigned char>(c);
    AplicaMascara(*this, mask, key);
    if (key == 0) return;
    const auto start = static_cast<std::size_t>(caret_);
    const std::u32string chars = DecodeUtf8(text_);
    std::u32string out = chars.substr(0, start);
    out += FromWindows1252(key);
    out += chars.substr(std::min(chars.size(), start + static_cast<std::size_t>(selection_)));
    text_ = EncodeUtf8(out);
    caret_ = static_cast<std::int32_t>(start + 1);
    selection_ = 0;
  }

  int text_sets = 0;

 private:
  std::string text_;
  std::int32_t caret_ = 0;
  std::int32_t selection_ = 0;
};

TEST(AplicaMascara, ReactsToEachKindOfKey) {
  struct Row {
    std::string_view text;
    std::int32_t caret;
    std::int16_t key, expected_key;
    std::string_view expected_text, name;
    std::int32_t expected_caret;
  } rows[] = {
      {"123.456", 7, 8, 8, "123.456", "backspace passa", 7},
      {"123.456", 7, 9, 9, "123.456", "tab passa", 7},
      {"123.456", 7, 13, 13, "123.456", "enter passa", 7},
      {"123.456", 7, 16, 16, "123.456", "código 16 passa", 7},
      {"123.456", 7, 17, 17, "123.456", "código 17 passa", 7},
      {"123.456", 7, 'w', 0, "123.456", "w minúsculo é recusado", 7},
      {"123.456", 7, 'a', 0, "123.456", "letra é recusada", 7},
      {"123.456", 7, '.', 0, "123.456", "ponto é recusado", 7},
      {"123.456", 7, -1, 0, "123.456", "caractere sem código é recusado", 7},
      {"123.456", 7, 0xB2, 0, "123.456", "sobrescrito dois é recusado", 7},
      {"123", 3, '4', '4', "123.", "dígito no fim remascara", 4},
      {"123.456", 5, '9', '9', "123.4", "cursor no meio corta a direita", 5},
      {"123.456", 0, '9', '9', "", "cursor no início esvazia", 0},
      {"1234", 4, '5', '5', "123.4", "texto sem máscara é remascarado", 5},
      {"ação 12", 7, '3', '3', "12", "letras acentuadas somem", 2},
  };
  for (const auto& r : rows) {
    CaretBox box(std::string(r.text), r.caret);
    std::int16_t key = r.key;
    AplicaMascara(box, kMascaraCIC, key);
    EXPECT_EQ(r.expected_key, key) << r.name;
    EXPECT_EQ(r.expected_text, box.Text()) << r.name;
    EXPECT_EQ(r.expected_caret, box.SelStart()) << r.name;
    if (r.expected_key != r.key) {
      EXPECT_EQ(0, box.text_sets) << r.name;
    }
  }
}

TEST(AplicaMascara, TypingACepShowsEachStep) {
  const std::string_view expected[] = {"1",      "12",       "12.3",      "12.34",
                                       "12.345", "12.345-6", "12.345-67", "12.345-678"};
  CaretBox box("", 0);
  for (int i = 0; i < 8; ++i) {
    box.Type(static_cast<char>('1' + i), kMascaraCEP);
    EXPECT_EQ(expected[i], box.Text()) << "depois do dígito " << i + 1;
  }
}

TEST(AplicaMascara, TypingIntoAWhollySelectedBoxReplacesIt) {
  CaretBox box("123.456.789-09", 0);
  box.SelectAll();
  box.Type('5', kMascaraCIC);
  EXPECT_EQ("5", box.Text());
}

TEST(AplicaMascara, TypingInTheMiddleDropsTheRight) {
  CaretBox box("123.456", 5);
  box.Type('9', kMascaraCIC);
  EXPECT_EQ("123.49", box.Text());
  box.Type('x', kMascaraCIC);
  EXPECT_EQ("123.49", box.Text());
}

TEST(AplicaMascara, CountsTheCaretInCharacters) {
  // Two accented literals before the caret: 6 characters, 8 bytes.
  CaretBox box("1ª2º34", 6);
  box.Type('5', "9ª9º999");
  EXPECT_EQ("1ª2º345", box.Text());
  EXPECT_EQ(7, box.SelStart());
}

}  // namespace
}  // namespace vumocaixa
