// An Extenso box with the written norm on and off: what it shows, and how the option
// is kept with the form.

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/memory_property_bag.hpp>

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

TEST(ExtensoNorma, AssignmentNotifiesAndDefaultsOff) {
  MemoryForm f{MemoryFormOptions{PtBR()}};
  EXPECT_FALSE(f.Control().ExtensoNorma());
  f.Container().ClearLog();
  f.Control().SetExtensoNorma(true);
  EXPECT_TRUE(f.Control().ExtensoNorma());
  EXPECT_EQ(f.Container().Count("PropertyChanged(ExtensoNorma)"), 1);
}

// Forms saved before the option existed hold no key for it and load with it off,
// even into a control that had it on; the key is stored only when the option is on.
TEST(ExtensoNorma, SavedOnlyWhenOnAndAbsentMeansOff) {
  MemoryForm antigo{MemoryFormOptions{PtBR()}};
  antigo.Control().SetTipoDados(kExtenso);
  MemoryPropertyBag bag;
  antigo.Control().UserControl_WriteProperties(bag);
  EXPECT_FALSE(bag.Find("ExtensoNorma").has_value());

  MemoryForm carregado{MemoryFormOptions{PtBR()}};
  carregado.Control().SetExtensoNorma(true);
  carregado.Control().UserControl_ReadProperties(bag);
  EXPECT_FALSE(carregado.Control().ExtensoNorma());

  antigo.Control().SetExtensoNorma(true);
  MemoryPropertyBag salvo;
  antigo.Control().UserControl_WriteProperties(salvo);
  EXPECT_EQ(PropertyValue{true}, salvo.Find("ExtensoNorma"));

  MemoryForm relido{MemoryFormOptions{PtBR()}};
  relido.Control().UserControl_ReadProperties(salvo);
  EXPECT_TRUE(relido.Control().ExtensoNorma());
  relido.Control().SetText(std::string("3000"));
  EXPECT_EQ("três mil reais", relido.Shown());
}

}  // namespace
}  // namespace vumocaixa
