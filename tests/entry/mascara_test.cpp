#include <vumocaixa/entry/mascara.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include <vumocaixa/host/memory_widget.hpp>

namespace vumocaixa {
namespace {

TEST(AplicaMascara, ReactsToEachKindOfKey) {
  struct Row {
    std::string_view text;
    std::int32_t caret;
    std::int16_t key, expected_key;
    std::string_view expected_text, name;
    std::int32_t expected_caret;
    std::string_view mask = kMascaraCIC;
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
      // Two accented literals before the caret: 6 characters, 8 bytes.
      {"1ª2º34", 6, '5', '5', "1ª2º34", "o cursor conta caracteres", 6, "9ª9º999"},
  };
  for (const auto& r : rows) {
    MemoryWidget box(WidgetKind::EditBox);
    box.SetText(r.text);
    box.SetSelStart(r.caret);
    std::int16_t key = r.key;
    AplicaMascara(box, r.mask, key);
    EXPECT_EQ(r.expected_key, key) << r.name;
    EXPECT_EQ(r.expected_text, box.Text()) << r.name;
    EXPECT_EQ(r.expected_caret, box.SelStart()) << r.name;
  }
}

}  // namespace
}  // namespace vumocaixa
