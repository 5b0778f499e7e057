#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/entry/mascara_alfanumerica.hpp>
#include <vumocaixa/host/memory_widget.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace vumocaixa {
namespace {

TEST(AplicaMascaraAlfanumerica, ReactsToEachKindOfKey) {
  const struct {
    std::string_view text;
    std::int32_t caret;
    std::int16_t key, expected_key;
    std::string_view expected_text, name;
  } rows[] = {
      {"12.AB", 5, 'c', 'C', "12.AB", "minúscula vira maiúscula"},
      {"12.AB", 5, 'w', 'W', "12.AB", "w também é letra"},
      {"12", 2, 'C', 'C', "12.", "separador posto antes da letra"},
      {"12.ABC.345/01DE-", 16, 'A', 0, "12.ABC.345/01DE-", "letra no verificador"},
      {"12.ABC.345/01DE-", 16, '3', '3', "12.ABC.345/01DE-", "dígito no verificador"},
      {"12.ABC.345/01DE-3", 17, 'x', 0, "12.ABC.345/01DE-3", "letra no último"},
      {"12.ABC.345/01D", 14, 'E', 'E', "12.ABC.345/01D", "letra na última da ordem"},
      {"12.ABC.345/01DE-35", 5, 'Q', 'Q', "12.AB", "corta no cursor"},
      {"12.AB", 5, '.', 0, "12.AB", "ponto recusado"},
      {"12.AB", 5, -1, 0, "12.AB", "caractere sem código"},
      {"12.AB", 5, 231, 0, "12.AB", "ç recusado"},
      {"12.AB", 5, 8, 8, "12.AB", "backspace passa"},
      {"12.AB", 5, 9, 9, "12.AB", "tab passa"},
  };
  for (const auto& r : rows) {
    MemoryWidget caixa(WidgetKind::EditBox);
    caixa.SetText(r.text);
    caixa.SetSelStart(r.caret);
    std::int16_t key = r.key;
    AplicaMascaraAlfanumerica(caixa, kMascaraCNPJAlfanumerico, key);
    EXPECT_EQ(r.expected_key, key) << r.name;
    EXPECT_EQ(r.expected_text, caixa.Text()) << r.name;
    if (key != 0 && r.key != 8 && r.key != 9) {
      EXPECT_EQ(static_cast<std::int32_t>(caixa.Text().size()), caixa.SelStart()) << r.name;
    }
  }
}

}  // namespace
}  // namespace vumocaixa
