#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

#include <climits>

namespace vumocaixa {
namespace {

struct Size {
  std::int32_t width;
  std::int32_t height;
};

TEST(Layout, HeightIsAtLeast315ForEveryWidget) {
  struct Row {
    std::int32_t height;
    std::int32_t expected;
    const char* name;
  } rows[] = {{0, 315, "zero"},          {200, 315, "200"},        {314, 315, "just below"},
              {315, 315, "the minimum"}, {316, 316, "just above"}, {2000, 2000, "tall"}};
  for (const Row& r : rows) {
    for (std::int16_t tipo : {kTexto, kMoeda, kEmail, kExtenso}) {
      MemoryForm f;
      f.Control().SetTipoDados(tipo);
      f.Resize(3015, r.height);
      EXPECT_EQ(f.Container().Height(), r.expected) << r.name << " tipo " << tipo;
      EXPECT_EQ(f.Caixa().Height(), r.expected) << r.name;
      EXPECT_EQ(f.Caixa1().Height(), r.expected) << r.name;
      EXPECT_EQ(f.Caixa2().Height(), r.expected) << r.name;
      EXPECT_EQ(f.Btn_Evento().Height(), r.expected) << r.name;
    }
  }
}

TEST(Layout, NewFormGrowsTo315) {
  MemoryForm f;  // placed 3015 x 285, as designed
  EXPECT_EQ(f.Container().Height(), 315);
  EXPECT_EQ(f.Container().Width(), 3015);
  EXPECT_EQ(f.Caixa().Width(), 3015);
}

TEST(Layout, TypesWithoutButtonGiveEveryWidgetTheFullWidth) {
  for (std::int32_t width : {0, 1, 299, 300, 3015, 40000, INT32_MAX}) {
    for (std::int16_t tipo : {kTexto, kMoeda, kCIC, kExtenso}) {
      MemoryForm f;
      f.Control().SetTipoDados(tipo);
      f.Resize(width, 400);
      EXPECT_EQ(f.Container().Width(), width) << width << " tipo " << tipo;
      EXPECT_EQ(f.Caixa().Width(), width) << width;
      EXPECT_EQ(f.Caixa1().Width(), width) << width;
      EXPECT_EQ(f.Caixa2().Width(), width) << width;
      EXPECT_FALSE(f.Btn_Evento().Visible()) << width;
    }
  }
}

TEST(Layout, ButtonStandsRightOfCaixaForEmailAndHomePage) {
  struct Row {
    std::int32_t width;
    std::int32_t caixa;    // width of Caixa and left edge of the button
    std::int32_t control;  // the control's width afterwards
    const char* name;
  } rows[] = {
      {3015, 2715, 3015, "designed size"},
      {301, 1, 301, "one twip more than the button"},
      {300, 0, 300, "as wide as the button"},
      {299, 0, 300, "narrower than the button"},
      {0, 0, 300, "no width at all"},
      {33067, 32767, 33067, "room of 32767"},
      {33068, 32768, 33068, "room of 32768"},
      {40000, 39700, 40000, "forty thousand twips"},
      {INT32_MAX, INT32_MAX - 300, INT32_MAX, "widest"},
  };
  for (const Row& r : rows) {
    for (std::int16_t tipo : {kEmail, kHomePage}) {
      MemoryForm f;
      f.Control().SetTipoDados(tipo);
      ASSERT_NO_THROW(f.Resize(r.width, 315)) << r.name;
      EXPECT_EQ(f.Caixa().Width(), r.caixa) << r.name << " tipo " << tipo;
      EXPECT_EQ(f.Btn_Evento().Left(), r.caixa) << r.name;
      EXPECT_TRUE(f.Btn_Evento().Visible()) << r.name;
      EXPECT_EQ(f.Btn_Evento().Width(), 300) << r.name;
      EXPECT_EQ(f.Container().Width(), r.control) << r.name;
    }
  }
}

TEST(Layout, ButtonTypesKeepTheWidthsOfTheOtherWidgets) {
  MemoryForm f;
  f.Resize(5000, 315);
  f.Control().SetTipoDados(kEmail);
  f.Resize(4000, 315);
  EXPECT_EQ(f.Caixa().Width(), 3700);
  EXPECT_EQ(f.Caixa1().Width(), 5000);
  EXPECT_EQ(f.Caixa2().Width(), 5000);
}

TEST(Layout, FromEmailBackToTextoHidesTheButtonAndWidensEverything) {
  MemoryForm f;
  f.Control().SetTipoDados(kEmail);
  EXPECT_EQ(f.Caixa().Width(), 2715);
  f.Control().SetTipoDados(kTexto);
  EXPECT_FALSE(f.Btn_Evento().Visible());
  EXPECT_EQ(f.Caixa().Width(), 3015);
  EXPECT_EQ(f.Caixa1().Width(), 3015);
  EXPECT_EQ(f.Caixa2().Width(), 3015);
  EXPECT_EQ(f.Container().Width(), 3015);
}

TEST(Layout, ResizeIsReenteredWhenItChangesTheControlsOwnSize) {
  MemoryForm f;
  f.Control().SetTipoDados(kHomePage);
  f.Container().ClearLog();
  f.Resize(100, 100);  // one change from the host, then the control's own corrections
  EXPECT_EQ(f.Container().Width(), 300);
  EXPECT_EQ(f.Container().Height(), 315);
  EXPECT_GE(f.Container().ResizeCount(), 3);
  // Settled: laying out again changes nothing and resizes nothing.
  f.Container().ClearLog();
  f.Control().UserControl_Resize();
  EXPECT_EQ(f.Container().ResizeCount(), 0);
}

TEST(Layout, WiderButtonFromTheHostIsHonoured) {
  MemoryForm f;
  f.Btn_Evento().SetWidth(500);
  f.Control().SetTipoDados(kEmail);
  EXPECT_EQ(f.Caixa().Width(), 2515);
  EXPECT_EQ(f.Btn_Evento().Left(), 2515);
  EXPECT_EQ(f.Container().Width(), 3015);
}

}  // namespace
}  // namespace vumocaixa
