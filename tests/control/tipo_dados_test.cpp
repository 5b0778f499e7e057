#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vumocaixa {
namespace {

// Every type shows the widget its row of the table names, and the button where the
// row asks for it; the others are hidden.
TEST(TipoDados, SelectsTheWidgetsOfEveryType) {
  for (std::size_t t = 0; t < kTiposDeDados.size(); ++t) {
    const TipoDadosInfo& row = kTiposDeDados[t];
    // Every type is reached from every kind of widget, so that each one is hidden too.
    for (std::int16_t before : {kTexto, kMoeda, kEmail, kExtenso}) {
      MemoryForm f;
      f.Control().SetTipoDados(before);
      f.Control().SetTipoDados(static_cast<std::int16_t>(t));
      const std::string where = std::string(row.rotulo) + " after " + std::to_string(before);
      EXPECT_EQ(f.Control().TipoDados(), static_cast<std::int16_t>(t)) << where;
      EXPECT_EQ(f.Caixa().Visible(), row.caixa == CaixaDoTipo::Caixa) << where;
      EXPECT_EQ(f.Caixa1().Visible(), row.caixa == CaixaDoTipo::Caixa1) << where;
      EXPECT_EQ(f.Caixa2().Visible(), row.caixa == CaixaDoTipo::Caixa2) << where;
      EXPECT_EQ(f.Btn_Evento().Visible(), row.botao) << where;
      const Widget* active = row.caixa == CaixaDoTipo::Caixa    ? &f.Caixa()
                             : row.caixa == CaixaDoTipo::Caixa1 ? static_cast<Widget*>(&f.Caixa1())
                                                                : &f.Caixa2();
      EXPECT_EQ(&f.Control().ActiveWidget(), active) << where;
      EXPECT_TRUE(f.Runtime().Messages().empty()) << where;
    }
  }
}

TEST(TipoDados, OutOfRangeShowsTheMessageAndBecomesTexto) {
  struct Row {
    std::int16_t value;
    const char* name;
  } rows[] = {{-1, "just below"}, {17, "just above"}, {-32768, "lowest"}, {32767, "highest"}};
  for (const Row& r : rows) {
    MemoryForm f;
    f.Control().SetTipoDados(kMoeda);
    f.Runtime().Clear();
    f.Container().ClearLog();
    f.Control().SetTipoDados(r.value);
    ASSERT_EQ(f.Runtime().Messages().size(), 1u) << r.name;
    EXPECT_EQ(f.Runtime().Messages()[0], (ShownMessage{"Erro na Propriedade", 16, "Erro"}))
        << r.name;
    EXPECT_EQ(f.Control().TipoDados(), kTexto) << r.name;
    EXPECT_EQ(&f.Control().ActiveWidget(), &f.Caixa()) << r.name;
    EXPECT_TRUE(f.Caixa().Visible()) << r.name;
    EXPECT_FALSE(f.Caixa1().Visible()) << r.name;
    // The assignment completes normally after the message.
    EXPECT_EQ(f.Container().PropertyChanges(), std::vector<std::string>{"TipoDados"}) << r.name;
  }
}

TEST(TipoDados, InRangeBoundariesShowNoMessage) {
  for (std::int16_t t : {kTexto, kExtenso}) {
    MemoryForm f;
    f.Control().SetTipoDados(t);
    EXPECT_TRUE(f.Runtime().Messages().empty()) << t;
    EXPECT_EQ(f.Control().TipoDados(), t);
  }
}

// A date box made in code takes the date the user types, slashes and all, with the
// mask of the user's short date; the width waits for TamanhoMáximo.
TEST(TipoDados, ADateBoxMadeInCodeTakesADate) {
  const struct {
    const char* padrao;
    const char* digitado;
    const char* mascara;
    std::int32_t largura;
  } rows[] = {
      {"dd/MM/yyyy", "10/10/1999", "99/99/9999", 10},
      {"dd/MM/yy", "10/10/99", "99/99/99", 8},
  };
  for (const auto& r : rows) {
    RegionalSettings regional = PtBR();
    regional.shortDatePattern = r.padrao;
    MemoryForm f{MemoryFormOptions{regional}};
    f.Caixa().SetMaxLength(40);
    f.Control().SetTipoDados(kData);
    EXPECT_EQ(f.Control().MascaraData(), r.mascara) << r.padrao;
    EXPECT_EQ(f.Caixa().MaxLength(), 40) << r.padrao;
    EXPECT_EQ(f.Container().PropertyChanges(), std::vector<std::string>{"TipoDados"});
    f.Control().SetTamanhoMáximo(0);
    EXPECT_EQ(f.Control().TamanhoMáximo(), r.largura) << r.padrao;
    f.Type(r.digitado);
    f.Leave();
    EXPECT_TRUE(f.Runtime().Messages().empty()) << r.padrao;
    EXPECT_EQ(f.Shown(), r.digitado) << r.padrao;
  }
}

TEST(TipoDados, AMaskAlreadyWorkedOutIsKept) {
  RegionalSettings regional = PtBR();
  regional.shortDatePattern = "dd/MM/yy";
  MemoryForm f{MemoryFormOptions{regional}};
  f.Control().SetTipoDados(kData);
  regional.shortDatePattern = "dd/MM/yyyy";
  f.Runtime().SetRegional(regional);
  f.Control().SetTipoDados(kTexto);
  f.Control().SetTipoDados(kData);
  EXPECT_EQ(f.Control().MascaraData(), "99/99/99");
}

TEST(TipoDados, LaysOutBeforeNotifying) {
  MemoryForm f;
  f.Container().ClearLog();
  int resizesAtNotification = -1;
  f.Container().OnPropertyChanged = [&](std::string_view) {
    resizesAtNotification = f.Btn_Evento().Visible() ? 1 : 0;
  };
  f.Control().SetTipoDados(kEmail);
  EXPECT_EQ(resizesAtNotification, 1);  // the button was placed before "TipoDados" went out
  EXPECT_EQ(f.Caixa().Width(), 3015 - 300);
}

TEST(InitProperties, NewControlIsTextoWithCaixaAloneAndNoNotification) {
  MemoryForm f;
  VumoCaixaControl& c = f.Control();
  EXPECT_EQ(c.TipoDados(), kTexto);
  EXPECT_TRUE(c.TeclaEnter());
  EXPECT_TRUE(c.MaiusculoEMinusculo());
  EXPECT_FALSE(c.TudoMaiusculo());
  EXPECT_FALSE(c.Endereço());
  EXPECT_EQ(&c.ActiveWidget(), &f.Caixa());
  EXPECT_TRUE(f.Caixa().Visible());
  EXPECT_FALSE(f.Caixa1().Visible());
  EXPECT_FALSE(f.Caixa2().Visible());
  EXPECT_FALSE(f.Btn_Evento().Visible());
  EXPECT_TRUE(f.Container().PropertyChanges().empty());
  EXPECT_TRUE(f.Runtime().Messages().empty());
}

TEST(InitProperties, ResetsAControlThatWasChanged) {
  MemoryForm f;
  f.Control().SetTipoDados(kExtenso);
  f.Control().SetTeclaEnter(false);
  f.Container().ClearLog();
  f.Control().UserControl_InitProperties();
  EXPECT_EQ(f.Control().TipoDados(), kTexto);
  EXPECT_TRUE(f.Control().TeclaEnter());
  EXPECT_EQ(&f.Control().ActiveWidget(), &f.Caixa());
  EXPECT_TRUE(f.Caixa().Visible());
  EXPECT_TRUE(f.Container().PropertyChanges().empty());
}

TEST(Construction, DesignTimeSizesAndCaption) {
  MemoryContainer container;
  MemoryRuntime runtime;
  ConstituentWidgets w;
  w.Caixa = std::make_unique<MemoryWidget>(WidgetKind::EditBox);
  w.Caixa1 = std::make_unique<MemoryWidget>(WidgetKind::EditBox);
  w.Caixa2 = std::make_unique<MemoryWidget>(WidgetKind::LabelBox);
  w.Btn_Evento = std::make_unique<MemoryWidget>(WidgetKind::PushButton);
  VumoCaixaControl c(std::move(w), container, runtime);
  for (Widget* box : {&c.Caixa(), &c.Caixa1(), &c.Caixa2()}) {
    EXPECT_EQ(box->Left(), 0);
    EXPECT_EQ(box->Width(), 3015);
    EXPECT_EQ(box->Height(), 285);
  }
  EXPECT_EQ(c.Caixa().Font(), c.Caixa1().Font());  // one font object, shared
  EXPECT_EQ(c.Caixa().Font(), c.Caixa2().Font());
  EXPECT_EQ(c.Btn_Evento().Left(), 2160);
  EXPECT_EQ(c.Btn_Evento().Width(), 300);
  EXPECT_EQ(c.Btn_Evento().Height(), 285);
  EXPECT_EQ(c.Btn_Evento().Text(), "...");
  EXPECT_NE(container.Client(), nullptr);
}

TEST(Construction, MissingWidgetFailsInsteadOfCrashing) {
  MemoryContainer container;
  MemoryRuntime runtime;
  ConstituentWidgets w;
  w.Caixa = std::make_unique<MemoryWidget>(WidgetKind::EditBox);
  EXPECT_THROW(VumoCaixaControl(std::move(w), container, runtime), HostError);
  EXPECT_EQ(container.Client(), nullptr);
}

TEST(Construction, DestructionDetachesFromTheContainerAndWidgets) {
  MemoryContainer container;
  MemoryRuntime runtime;
  {
    ConstituentWidgets w;
    w.Caixa = std::make_unique<MemoryWidget>(WidgetKind::EditBox);
    w.Caixa1 = std::make_unique<MemoryWidget>(WidgetKind::EditBox);
    w.Caixa2 = std::make_unique<MemoryWidget>(WidgetKind::LabelBox);
    w.Btn_Evento = std::make_unique<MemoryWidget>(WidgetKind::PushButton);
    VumoCaixaControl c(std::move(w), container, runtime);
  }
  EXPECT_EQ(container.Client(), nullptr);
  container.SetSize(5000, 500);  // no control left to lay out: must not crash
  EXPECT_EQ(container.Width(), 5000);
}

}  // namespace
}  // namespace vumocaixa
