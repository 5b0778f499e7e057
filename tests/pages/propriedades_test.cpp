#include <vumocaixa/pages/propriedades.hpp>

#include <gtest/gtest.h>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/memory_property_bag.hpp>
#include <vumocaixa/pages/memory_page.hpp>

#include "../control/propriedades_controle.hpp"

#include <functional>
#include <string>
#include <vector>

namespace vumocaixa {
namespace {

const std::vector<std::string> kAppliedOrder = {
    "TipoDados",     "TeclaEnter",          "TamanhoMáximo", "Endereço",
    "TudoMaiusculo", "MaiusculoEMinusculo", "ExtensoNorma"};

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

// Showing the page loads the control's values and writes nothing: no message, no
// notification, Changed stays false, and the control is as it was. The options the
// type refuses are shown unchecked and disabled.
TEST(PropriedadesAoMostrar, ShowingWritesNothingAndDisablesRefusedOptions) {
  const struct {
    const char* nome;
    std::function<void(VumoCaixaControl&)> prepara;
    const char* tipo;
    const char* tamanho;
    int maiusculoEMinusculo, tudoMaiusculo, endereco, extensoNorma;  // -1: unchecked, disabled
  } rows[] = {
      {"novo", [](VumoCaixaControl&) {}, "0", "0", 1, 0, 0, -1},
      {"CIC feito em código", [](VumoCaixaControl& c) { c.SetTipoDados(kCIC); }, "9", "0", -1, -1,
       -1, -1},
      {"data feita em código", [](VumoCaixaControl& c) { c.SetTipoDados(kData); }, "1", "0", -1, -1,
       -1, -1},
      {"byte com maiúsculas",
       [](VumoCaixaControl& c) {
         c.SetTudoMaiusculo(true);
         c.SetTipoDados(kByte);
       },
       "8", "0", -1, 1, -1, -1},
      {"endereço com largura",
       [](VumoCaixaControl& c) {
         c.SetEndereço(true);
         c.SetTamanhoMáximo(40);
       },
       "0", "40", 1, 0, 1, -1},
      {"extenso sem a norma", [](VumoCaixaControl& c) { c.SetTipoDados(kExtenso); }, "16", "0", -1,
       -1, -1, 0},
      {"extenso na norma",
       [](VumoCaixaControl& c) {
         c.SetTipoDados(kExtenso);
         c.SetExtensoNorma(true);
       },
       "16", "0", -1, -1, -1, 1},
      {"CNPJ com a norma ligada em código",
       [](VumoCaixaControl& c) {
         c.SetTipoDados(kCNPJ);
         c.SetExtensoNorma(true);
       },
       "10", "0", -1, -1, -1, -1},
  };
  const auto mostrado = [](const MemoryPageWidget& w) { return w.Enabled() ? w.Value() : -1; };
  for (const auto& r : rows) {
    teste::Controle c;
    r.prepara(*c.control);
    const teste::Retrato antes = teste::Retrata(c);
    c.Esquece();
    MemoryPageSurface surface;
    Propriedades page{surface};
    page.SetSelectedControls({c.control});
    page.PropertyPage_SelectionChanged();
    EXPECT_EQ(surface.Widget("txtTipoDados").Text(), r.tipo) << r.nome;
    EXPECT_EQ(surface.Widget("txtTamanhoMáximo").Text(), r.tamanho) << r.nome;
    EXPECT_EQ(mostrado(surface.Widget("chkMaiusculoEMinusculo")), r.maiusculoEMinusculo) << r.nome;
    EXPECT_EQ(mostrado(surface.Widget("chkTudoMaiusculo")), r.tudoMaiusculo) << r.nome;
    EXPECT_EQ(mostrado(surface.Widget("chkEndereço")), r.endereco) << r.nome;
    EXPECT_EQ(mostrado(surface.Widget("chkExtensoNorma")), r.extensoNorma) << r.nome;
    EXPECT_EQ(surface.Widget("lblAviso").Text(), "") << r.nome;
    EXPECT_FALSE(page.Changed()) << r.nome;
    EXPECT_TRUE(c.runtime.Messages().empty()) << r.nome;
    EXPECT_TRUE(c.container.PropertyChanges().empty()) << r.nome;
    EXPECT_EQ(teste::Retrata(c), antes) << r.nome;
  }
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
  // The new type refuses MaiusculoEMinusculo: its box is unchecked on the way.
  EXPECT_EQ(surface.Notifications(),
            (std::vector<std::string>{"TipoDados:Click", "txtTipoDados:Change",
                                      "chkMaiusculoEMinusculo:Click"}));
  EXPECT_FALSE(form.Control().MaiusculoEMinusculo());
  EXPECT_TRUE(form.Runtime().Messages().empty());
}

// A type that refuses checked options unchecks and disables them and writes them as
// false, so the control never has to refuse them; Texto enables them again.
TEST_F(PageFixture, ATypeThatRefusesOptionsUnchecksThemWithoutAMessage) {
  Show();
  W("chkTudoMaiusculo").SetValue(1);
  W("chkEndereço").SetValue(1);
  ClearRecords();
  W("TipoDados").SetListIndex(kInteiro);
  EXPECT_EQ(form.Control().TipoDados(), kInteiro);
  EXPECT_TRUE(form.Runtime().Messages().empty());
  for (const char* opcao : {"chkMaiusculoEMinusculo", "chkTudoMaiusculo", "chkEndereço"}) {
    EXPECT_EQ(W(opcao).Value(), 0) << opcao;
    EXPECT_FALSE(W(opcao).Enabled()) << opcao;
  }
  EXPECT_FALSE(form.Control().TudoMaiusculo());
  EXPECT_FALSE(form.Control().Endereço());
  EXPECT_FALSE(form.Control().MaiusculoEMinusculo());
  W("TipoDados").SetListIndex(kByte);
  EXPECT_TRUE(W("chkTudoMaiusculo").Enabled());
  EXPECT_FALSE(W("chkEndereço").Enabled());
  W("TipoDados").SetListIndex(kTexto);
  for (const char* opcao : {"chkMaiusculoEMinusculo", "chkTudoMaiusculo", "chkEndereço"}) {
    EXPECT_TRUE(W(opcao).Enabled()) << opcao;
  }
  W("chkTudoMaiusculo").SetValue(1);
  page.PropertyPage_ApplyChanges();
  EXPECT_TRUE(form.Control().TudoMaiusculo());
  EXPECT_TRUE(form.Runtime().Messages().empty());
}

// ExtensoNorma can be checked on the Extenso type only, and reaches the control when
// the page is applied; another type unchecks it and writes it as false.
TEST_F(PageFixture, ExtensoNormaIsWrittenForTheExtensoTypeOnly) {
  Show();
  W("TipoDados").SetListIndex(kExtenso);
  ASSERT_TRUE(W("chkExtensoNorma").Enabled());
  W("chkExtensoNorma").SetValue(1);
  EXPECT_FALSE(form.Control().ExtensoNorma());
  page.PropertyPage_ApplyChanges();
  EXPECT_TRUE(form.Control().ExtensoNorma());
  form.Control().SetText(std::string("1000"));
  EXPECT_EQ(form.Shown(), "mil reais");
  W("TipoDados").SetListIndex(kMoeda);
  EXPECT_EQ(W("chkExtensoNorma").Value(), 0);
  EXPECT_FALSE(W("chkExtensoNorma").Enabled());
  EXPECT_FALSE(form.Control().ExtensoNorma());
  EXPECT_TRUE(form.Runtime().Messages().empty());
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

// A maximum length that is no whole number of 0 or more is not written; the page
// keeps it, says why, and writes the other values all the same.
TEST_F(PageFixture, AMaximumLengthThatIsNoWholeNumberIsNotWrittenAndSaysWhy) {
  const struct {
    const char* texto;
    std::int32_t tamanho;
  } rows[] = {
      {"abc", 30},        {"12,5", 30}, {"13.5", 30}, {"-5", 30}, {"", 30},
      {"2147483648", 30}, {"12", 12},   {" 40 ", 40}, {"0", 0},   {"2147483647", 2147483647},
  };
  for (const auto& r : rows) {
    MemoryForm f;
    f.Control().SetTamanhoMáximo(30);
    MemoryPageSurface s;
    Propriedades p(s);
    p.SetSelectedControls({&f.Control()});
    p.PropertyPage_SelectionChanged();
    s.Widget("txtTamanhoMáximo").SetText(r.texto);
    s.Widget("chkTeclaEnter").SetValue(0);
    const bool recusado = r.tamanho == 30;
    EXPECT_EQ(s.Widget("lblAviso").Text(), recusado ? kAvisoTamanhoMáximo : "") << r.texto;
    p.PropertyPage_ApplyChanges();
    EXPECT_EQ(f.Control().TamanhoMáximo(), r.tamanho) << r.texto;
    EXPECT_EQ(s.Widget("txtTamanhoMáximo").Text(), r.texto) << r.texto;
    EXPECT_EQ(s.Widget("lblAviso").Text(), recusado ? kAvisoTamanhoMáximo : "") << r.texto;
    EXPECT_FALSE(f.Control().TeclaEnter()) << r.texto;
    EXPECT_TRUE(f.Runtime().Messages().empty()) << r.texto;
  }
}

TEST_F(PageFixture, ATypeNumberTheListDoesNotHoldIsNotPassedOn) {
  Show();
  ClearRecords();
  W("txtTipoDados").SetText("40");
  EXPECT_EQ(form.Control().TipoDados(), kTexto);
  EXPECT_EQ(W("TipoDados").ListIndex(), 0);
  EXPECT_TRUE(form.Runtime().Messages().empty());
  W("TipoDados").SetListIndex(kCEP);  // the page is still usable
  EXPECT_EQ(form.Control().TipoDados(), kCEP);
}

// A control loaded with a type the list does not hold shows that number; the list,
// which showed another control's type before, has no choice and the options are
// judged by the loaded type. Only a type the user chose is written back.
TEST(PropriedadesTipoGravado, ALoadedTypeTheListDoesNotHoldIsWrittenOnlyWhenChosen) {
  const struct {
    const char* nome;
    std::function<void(MemoryPageSurface&, Propriedades&)> edita;
    std::int16_t tipo;
    std::size_t mensagens;
  } rows[] = {
      {"aplicar só o TeclaEnter",
       [](MemoryPageSurface& s, Propriedades& p) {
         s.Widget("chkTeclaEnter").SetValue(0);
         p.PropertyPage_ApplyChanges();
       },
       20, 0},
      {"aplicar sem mudar nada",
       [](MemoryPageSurface&, Propriedades& p) { p.PropertyPage_ApplyChanges(); }, 20, 0},
      {"escolher Moeda na lista",
       [](MemoryPageSurface& s, Propriedades&) { s.Widget("TipoDados").SetListIndex(kMoeda); },
       kMoeda, 0},
      {"outro número que a lista não tem, aplicado",
       [](MemoryPageSurface& s, Propriedades& p) {
         s.Widget("txtTipoDados").SetText("40");
         p.PropertyPage_ApplyChanges();
       },
       kTexto, 1},
  };
  for (const auto& r : rows) {
    MemoryForm texto;
    MemoryPropertyBag bag;
    bag.Store("TipoDados", std::int16_t{20});
    MemoryForm f{MemoryFormOptions{PtBR(), &bag}};
    MemoryPageSurface s;
    Propriedades p(s);
    p.SetSelectedControls({&texto.Control()});
    p.PropertyPage_SelectionChanged();
    p.SetSelectedControls({&f.Control()});
    p.PropertyPage_SelectionChanged();
    EXPECT_EQ(s.Widget("txtTipoDados").Text(), "20") << r.nome;
    EXPECT_EQ(s.Widget("TipoDados").ListIndex(), -1) << r.nome;
    for (const char* opcao : {"chkMaiusculoEMinusculo", "chkTudoMaiusculo", "chkEndereço"}) {
      EXPECT_FALSE(s.Widget(opcao).Enabled()) << r.nome << ' ' << opcao;
    }
    r.edita(s, p);
    EXPECT_EQ(f.Control().TipoDados(), r.tipo) << r.nome;
    EXPECT_EQ(f.Runtime().Messages().size(), r.mensagens) << r.nome;
  }
}

TEST_F(PageFixture, NoSelectionDoesNothing) {
  page.PropertyPage_SelectionChanged();
  page.PropertyPage_ApplyChanges();
  EXPECT_EQ(W("txtTipoDados").Text(), "");
  EXPECT_FALSE(page.Changed());
}

}  // namespace
}  // namespace vumocaixa
