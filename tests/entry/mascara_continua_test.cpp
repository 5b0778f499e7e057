// Digits typed past the end of a mask follow the text without re-masking it, and
// whatever else changes the box makes the next digit re-mask it as before.

#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vumocaixa {
namespace {

// A CPF box without a width, as a form file may store it.
struct Form {
  Form() {
    f.Control().SetTipoDados(kCIC);
    f.Caixa().SetMaxLength(0);
    f.Enter();
  }
  MemoryForm f{MemoryFormOptions{PtBR()}};
};

TEST(MascaraContinua, DigitsPastTheMaskAndWhatInterruptsThem) {
  const struct {
    const char* nome;
    std::function<void(MemoryForm&)> script;
    const char* mostrado;
  } rows[] = {
      {"dígitos além da máscara", [](MemoryForm& f) { f.Type("12345678909123"); },
       "123.456.789-09123"},
      {"colado no fim, depois um dígito",
       [](MemoryForm& f) {
         f.Type("1234567890912");
         f.Caixa().Paste("a5");
         f.Type("7");
       },
       "123.456.789-091257"},
      {"um caractere colado no fim",
       [](MemoryForm& f) {
         f.Type("1234567890912");
         f.Caixa().Paste("x");
         f.Type("7");
       },
       "123.456.789-09127"},
      {"cursor no meio",
       [](MemoryForm& f) {
         f.Type("1234567890912");
         f.Caixa().SetSelStart(5);
         f.Type("9");
       },
       "123.49"},
      {"seleção no fim",
       [](MemoryForm& f) {
         f.Type("1234567890912");
         f.Caixa().SetSelStart(15);
         f.Caixa().SetSelLength(2);
         f.Type("7");
       },
       "123.456.789-0917"},
      {"backspace e mais dígitos",
       [](MemoryForm& f) {
         f.Type("1234567890912");
         f.PressBackspace();
         f.Type("34");
       },
       "123.456.789-09134"},
      {"largura atingida e depois retirada",
       [](MemoryForm& f) {
         f.Caixa().SetMaxLength(15);
         f.Type("12345678909123");
         f.Caixa().SetMaxLength(0);
         f.Type("45");
       },
       "123.456.789-09145"},
      {"texto atribuído entre os dígitos",
       [](MemoryForm& f) {
         f.Type("1234567890912");
         f.Control().SetText(Variant(std::string("98765432100")));
         f.Type("1");
       },
       "987.654.321-001"},
      {"o anfitrião muda o texto ao ver a tecla",
       [](MemoryForm& f) {
         f.Type("1234567890912");
         f.Container().On.KeyPress = [&f](std::int16_t&) {
           f.Container().On.KeyPress = nullptr;
           f.Caixa().SetText("1-2");
         };
         f.Type("3");
       },
       "1-23"},
      {"o anfitrião muda o texto no Change",
       [](MemoryForm& f) {
         f.Type("1234567890912");
         f.Container().On.Change = [&f] {
           f.Container().On.Change = nullptr;
           f.Caixa().SetText("12a");
         };
         f.Type("34");
       },
       "124"},
  };
  for (const auto& r : rows) {
    Form form;
    r.script(form.f);
    EXPECT_EQ(form.f.Shown(), r.mostrado) << r.nome;
  }
}

}  // namespace
}  // namespace vumocaixa
