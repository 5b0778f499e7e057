#include <vumocaixa/pages/propriedades.hpp>

#include <gtest/gtest.h>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/pages/memory_page.hpp>

namespace vumocaixa {
namespace {

const std::vector<std::string> kAppliedOrder = {
    "TipoDados", "TeclaEnter", "TamanhoMáximo", "Endereço", "TudoMaiusculo",
    "MaiusculoEMinusculo"};

struct PageFixture : ::testing::Test {
  MemoryForm form;
  MemoryPageSurface surface;
  Propriedades page{surface};

  MemoryPageWidget& W(std::string_view name) { return surface.Widget(name); }
  void Show() {
    page.SetSelectedControls({&form.Control()});
    page.PropertyPage_SelectionChanged();
  }
  void ClearRecords() {
    form.Container().ClearLog();
    form.Runtime().Clear();
    page.SetChanged(false);
    surface.ClearNotifications();
  }
};

TEST(PropriedadesLayout, WidgetsCaptionsPositionsAndTabOrder) {
  MemoryPageSurface surface;
  Propriedades page(surface);
  EXPECT_EQ(surface.Page().caption, "Propriedades");
  EXPECT_EQ(surface.Page().width, 5910);
  EXPECT_EQ(surface.Page().height, 3495);
  struct Row {
    std::string_view name, caption, container;
    int left, top, width, height;
  } rows[] = {
      {"Area_1", "Mascara", "", 120, 120, 5655, 1335},
      {"txtTipoDados", "", "Area_1", 5160, 240, 420, 330},
      {"lblTipoDados", "TipoDados:", "Area_1", 120, 480, 2700, 240},
      {"TipoDados", "", "Area_1", 150, 720, 3735, 315},
      {"chkTeclaEnter", "TeclaEnter", "Area_1", 4080, 720, 1260, 285},
      {"Area_2", "Especificações", "", 120, 1560, 5655, 1815},
      {"chkMaiusculoEMinusculo", "MaiusculoEMinusculo", "Area_2", 240, 600, 2220, 285},
      {"chkTudoMaiusculo", "TudoMaiusculo", "Area_2", 240, 1080, 2340, 285},
      {"lblTamanhoMáximo", "TamanhoMáximo:", "Area_2", 2760, 480, 2700, 240},
      {"txtTamanhoMáximo", "", "Area_2", 2760, 720, 2700, 330},
      {"chkEndereço", "Endereço", "Area_2", 2760, 1200, 2625, 285},
  };
  const auto widgets = surface.Widgets();
  ASSERT_EQ(widgets.size(), std::size(rows));
  for (std::size_t tab = 0; tab < widgets.size(); ++tab) {
    const PageWidgetSpec& s = widgets[tab]->Spec();
    const Row& r = rows[tab];
    EXPECT_EQ(s.name, r.name) << "tab " << tab;
    EXPECT_EQ(s.tabIndex, static_cast<int>(tab)) << r.name;
    EXPECT_EQ(widgets[tab]->Text(), r.caption) << r.name;
    EXPECT_EQ(s.container, r.container) << r.name;
    EXPECT_EQ(s.left, r.left) << r.name;
    EXPECT_EQ(s.top, r.top) << r.name;
    EXPECT_EQ(s.width, r.width) << r.name;
    EXPECT_EQ(s.height, r.height) << r.name;
  }
  EXPECT_FALSE(surface.Widget("txtTipoDados").Spec().visible);
}

TEST(PropriedadesLayout, ListHoldsTheSeventeenTypesAtTheirNumbers) {
  MemoryPageSurface surface;
  Propriedades page(surface);
  const auto& list = surface.Widget("TipoDados");
  ASSERT_EQ(list.ListCount(), 17);
  EXPECT_EQ(list.List(0), "0 - Texto");
  EXPECT_EQ(list.List(2), "2 - Moeda");
  EXPECT_EQ(list.List(11), "11 - Cartão de Crédito");
  EXPECT_EQ(list.List(16), "16 - Extenso");
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(PageFixture, FirstShowingWritesTheControlsOwnValuesBackAndLeavesChanged) {
  form.Control().SetTamanhoMáximo(40);
  ClearRecords();
  Show();
  EXPECT_EQ(W("txtTipoDados").Text(), "0");
  EXPECT_EQ(W("TipoDados").ListIndex(), 0);
  EXPECT_EQ(W("txtTamanhoMáximo").Text(), "40");
  EXPECT_EQ(W("chkTeclaEnter").Value(), 1);
  EXPECT_EQ(W("chkMaiusculoEMinusculo").Value(), 1);
  EXPECT_EQ(W("chkTudoMaiusculo").Value(), 0);
  EXPECT_EQ(W("chkEndereço").Value(), 0);
  EXPECT_TRUE(page.Changed());
  EXPECT_EQ(form.Container().PropertyChanges(), kAppliedOrder);
  EXPECT_EQ(form.Control().TamanhoMáximo(), 40);
  EXPECT_TRUE(form.Control().MaiusculoEMinusculo());
  EXPECT_TRUE(form.Runtime().Messages().empty());
}

TEST_F(PageFixture, ShowingAgainWithTheSameTypeAppliesNothing) {
  Show();
  ClearRecords();
  page.PropertyPage_SelectionChanged();
  EXPECT_TRUE(form.Container().PropertyChanges().empty());
  EXPECT_FALSE(page.Changed());
}

TEST_F(PageFixture, ChoosingMoedaAppliesTheWholePageAtOnceInOrder) {
  Show();
  ClearRecords();
  W("TipoDados").SetListIndex(2);
  EXPECT_EQ(W("txtTipoDados").Text(), "2");
  EXPECT_EQ(form.Control().TipoDados(), kMoeda);
  EXPECT_EQ(form.Container().PropertyChanges(), kAppliedOrder);
  EXPECT_TRUE(page.Changed());
  EXPECT_EQ(surface.Notifications(),
            (std::vector<std::string>{"TipoDados:Click", "txtTipoDados:Change"}));
}

TEST_F(PageFixture, TudoMaiusculoCheckedThenInteiroGetsTheControlsRefusal) {
  Show();
  W("chkTudoMaiusculo").SetValue(1);
  ClearRecords();
  W("TipoDados").SetListIndex(3);
  ASSERT_EQ(form.Runtime().Messages().size(), 2u);  // MaiusculoEMinusculo is checked too
  EXPECT_EQ(form.Runtime().Messages()[0],
            (ShownMessage{"TudoMaiusculo só pode ser utilizada se a propriedade TipoDados for 0 ou 8",
                          16, "Erro na propriedade"}));
  EXPECT_FALSE(form.Control().TudoMaiusculo());
  EXPECT_EQ(form.Control().TipoDados(), kInteiro);
}

TEST_F(PageFixture, CheckBoxesMirrorBooleanProperties) {
  for (bool on : {true, false}) {
    MemoryForm f;
    f.Control().SetEndereço(on);
    MemoryPageSurface s;
    Propriedades p(s);
    p.SetSelectedControls({&f.Control()});
    p.PropertyPage_SelectionChanged();
    EXPECT_EQ(s.Widget("chkEndereço").Value(), on ? 1 : 0);
    EXPECT_EQ(f.Control().Endereço(), on);
  }
}

TEST_F(PageFixture, OnlyTheFirstOfSeveralSelectedControlsIsReadAndWritten) {
  MemoryForm other;
  other.Control().SetTipoDados(kCEP);
  other.Container().ClearLog();
  page.SetSelectedControls({&form.Control(), &other.Control()});
  page.PropertyPage_SelectionChanged();
  W("TipoDados").SetListIndex(kMoeda);
  EXPECT_EQ(form.Control().TipoDados(), kMoeda);
  EXPECT_EQ(other.Control().TipoDados(), kCEP);
  EXPECT_TRUE(other.Container().PropertyChanges().empty());
}

TEST_F(PageFixture, LoadingAnOptionTheTypeDoesNotAllowRefusesIt) {
  form.Control().SetTudoMaiusculo(true);
  form.Control().SetTipoDados(kCIC);  // changing the type keeps the option
  ClearRecords();
  Show();
  ASSERT_FALSE(form.Runtime().Messages().empty());
  EXPECT_EQ(form.Runtime().Messages()[0].prompt,
            "TudoMaiusculo só pode ser utilizada se a propriedade TipoDados for 0 ou 8");
  EXPECT_FALSE(form.Control().TudoMaiusculo());
}

TEST_F(PageFixture, EditsOnlyMarkTheChangeUntilApplied) {
  Show();
  ClearRecords();
  W("chkTeclaEnter").SetValue(0);
  W("txtTamanhoMáximo").SetText("12");
  EXPECT_TRUE(page.Changed());
  EXPECT_TRUE(form.Control().TeclaEnter());
  EXPECT_TRUE(form.Container().PropertyChanges().empty());
  page.PropertyPage_ApplyChanges();
  EXPECT_FALSE(form.Control().TeclaEnter());
  EXPECT_EQ(form.Control().TamanhoMáximo(), 12);
}

TEST_F(PageFixture, TextsThatCannotBePassedOnLeaveTheControlAsItWas) {
  form.Control().SetTamanhoMáximo(30);
  Show();
  ClearRecords();
  W("txtTamanhoMáximo").SetText("trinta");
  page.PropertyPage_ApplyChanges();
  EXPECT_EQ(form.Control().TamanhoMáximo(), 30);
  W("txtTipoDados").SetText("40");
  EXPECT_EQ(form.Control().TipoDados(), kTexto);
  EXPECT_EQ(W("TipoDados").ListIndex(), 0);
  EXPECT_TRUE(form.Runtime().Messages().empty());
  W("TipoDados").SetListIndex(kCEP);  // the page is still usable
  EXPECT_EQ(form.Control().TipoDados(), kCEP);
}

TEST_F(PageFixture, NoSelectionDoesNothing) {
  page.PropertyPage_SelectionChanged();
  page.PropertyPage_ApplyChanges();
  EXPECT_EQ(W("txtTipoDados").Text(), "");
  EXPECT_FALSE(page.Changed());
}

}  // namespace
}  // namespace vumocaixa
