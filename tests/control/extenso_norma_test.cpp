// An Extenso box with the written norm on and off: what it shows.

#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

#include <string>

namespace vumocaixa {
namespace {

TEST(ExtensoNorma, TheBoxShowsTheAmountInTheChosenStyle) {
  const struct {
    bool norma;
    bool byReference;
    Variant valor;
    std::string mostrado;
  } rows[] = {
      {false, false, std::string("1.000"), "Um Mil Reais"},
      {true, false, std::string("1.000"), "mil reais"},
      {true, true, std::string("1.000"), "mil reais"},
      {true, false, 2500000.0, "dois milhões e quinhentos mil reais"},
      {true, false, std::string("1.000.003,03"), "um milhão e três reais e três centavos"},
      {false, true, std::string("1.000.000"), "Um Milhão de  Reais"},
      {true, false, std::string("-5"), ""},
  };
  for (const auto& r : rows) {
    MemoryForm f{MemoryFormOptions{PtBR()}};
    f.Control().SetTipoDados(kExtenso);
    f.Control().SetExtensoNorma(r.norma);
    if (r.byReference) {
      f.Control().SetTextByReference(r.valor);
    } else {
      f.Control().SetText(r.valor);
    }
    EXPECT_EQ(r.mostrado, f.Shown()) << r.mostrado;
  }
}

}  // namespace
}  // namespace vumocaixa
