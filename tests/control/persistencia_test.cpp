#include <vumocaixa/control/chaves_guardadas.hpp>
#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/memory_property_bag.hpp>
#include <vumocaixa/host/regional.hpp>

#include "propriedades_controle.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vumocaixa {
namespace {

using teste::Controle;
using teste::Retrata;
using teste::Retrato;

const std::vector<std::string> kChaves{
    "TipoDados",     "Enabled",       "TeclaEnter",       "MaiusculoEMinusculo",
    "TudoMaiusculo", "TamanhoMáximo", "Endereço",         "BackColor",
    "Font",          "ForeColor",     "CNPJAlfanumerico", "ExtensoNorma"};

RegionalSettings ComData(const char* pattern) {
  RegionalSettings r = PtBR();
  r.shortDatePattern = pattern;
  return r;
}

// A form without a font of its own gives the boxes' default font, as a new control
// starts with.
TEST(Persistencia, AnEmptyBagLoadsANewControl) {
  const struct {
    FontRef ambiente;
    Font fonte;
    const char* nome;
  } rows[] = {
      {std::make_shared<Font>(Font{"Tahoma", 11}), Font{"Tahoma", 11}, "fonte do formulário"},
      {nullptr, Font{}, "formulário sem fonte"},
  };
  for (const auto& r : rows) {
    Controle c;
    c.container.SetAmbientFont(r.ambiente);
    MemoryPropertyBag bag;
    c->UserControl_ReadProperties(bag);

    Retrato esperado;
    esperado.tipo = 0;
    esperado.habilitado = true;
    esperado.teclaEnter = true;
    esperado.maiusculoEMinusculo = true;
    esperado.tamanho = 0;
    esperado.corDeFundo = 0x80000005u;
    esperado.corDaFonte = 0x80000008u;
    esperado.fonte = r.fonte;
    esperado.visiveis = "C";
    esperado.ativo = "Caixa";
    EXPECT_EQ(Retrata(c), esperado) << r.nome;
    EXPECT_EQ(bag.ReadLog(), kChaves) << r.nome;
    EXPECT_TRUE(c.runtime.Messages().empty()) << r.nome;
  }
}

// The control gets a font of its own: changing it must not change the form's font.
TEST(Persistencia, TheLoadedFontIsTheControlsOwnAndSharedByItsBoxes) {
  Controle c;
  const FontRef ambiente = std::make_shared<Font>(Font{"Tahoma", 11});
  c.container.SetAmbientFont(ambiente);
  MemoryPropertyBag bag;
  c->UserControl_ReadProperties(bag);
  ASSERT_NE(c->Font(), ambiente);
  EXPECT_EQ(c.caixa1->Font(), c->Font());
  EXPECT_EQ(c.caixa2->Font(), c->Font());
  c->Font()->bold = true;
  EXPECT_FALSE(ambiente->bold);
}

// A new control shows the form's font in a copy of its own, and a form saved with it
// stores no font.
TEST(Persistencia, ANewControlTakesTheFormsFontAndDoesNotStoreIt) {
  const FontRef ambiente = std::make_shared<Font>(Font{"Tahoma", 11});
  MemoryFormOptions options;
  options.ambientFont = ambiente;
  MemoryForm form(options);
  VumoCaixaControl& c = form.Control();
  ASSERT_NE(c.Font(), ambiente);
  EXPECT_EQ(*c.Font(), *ambiente);
  EXPECT_EQ(form.Caixa2().Font(), c.Font());
  MemoryPropertyBag bag;
  c.UserControl_WriteProperties(bag);
  EXPECT_FALSE(bag.Contains("Font"));
  c.Font()->bold = true;
  EXPECT_FALSE(ambiente->bold);
  c.UserControl_WriteProperties(bag);
  EXPECT_TRUE(bag.Contains("Font"));
}

TEST(Persistencia, LoadingNotifiesTheFontOnlyAndShowsNoMessage) {
  Controle c;
  MemoryPropertyBag bag;
  bag.Store("TipoDados", std::int16_t{3});
  bag.Store("TudoMaiusculo", true);  // not allowed on type 3, yet loaded as saved
  bag.Store("Endereço", std::int32_t{-1});
  c->UserControl_ReadProperties(bag);
  EXPECT_EQ(c.container.PropertyChanges(), std::vector<std::string>{"Font"});
  EXPECT_TRUE(c.runtime.Messages().empty());
  EXPECT_TRUE(c->TudoMaiusculo());
  EXPECT_TRUE(c->Endereço());
}

TEST(Persistencia, ANewControlSavesTheKeysInOrderAndStoresNothing) {
  Controle c;
  c->UserControl_InitProperties();
  MemoryPropertyBag bag;
  c->UserControl_WriteProperties(bag);
  EXPECT_EQ(bag.WriteLog(), kChaves);
  const std::span<const std::string_view> lista = ChavesGuardadas();
  EXPECT_EQ(std::vector<std::string>(lista.begin(), lista.end()), kChaves);
  for (const auto& e : bag.Stored()) ADD_FAILURE() << e.name << " stored";
}

// A form saved with every option on passes the check of saved forms and loads as a
// control that takes a CNPJ with letters, typed key by key.
TEST(Persistencia, EveryOptionOnPassesTheCheckAndLoadsAgain) {
  MemoryForm origem{MemoryFormOptions{PtBR()}};
  VumoCaixaControl& c = origem.Control();
  c.SetTudoMaiusculo(true);
  c.SetEndereço(true);
  c.SetTipoDados(kCNPJ);
  c.SetCNPJAlfanumerico(true);
  c.SetTeclaEnter(false);
  c.SetBackColor(Color{0x00C0FFu});
  c.SetForeColor(Color{0x80000012u});
  c.SetFont(std::make_shared<Font>(Font{"Verdana", 10.5, true, true, true, true}));
  MemoryPropertyBag bag;
  c.UserControl_WriteProperties(bag);
  for (const auto& e : bag.Stored()) {
    EXPECT_NE(std::find(kChaves.begin(), kChaves.end(), e.name), kChaves.end()) << e.name;
  }
  EXPECT_NO_THROW(ConfereGuardado(bag));

  MemoryFormOptions options{PtBR()};
  options.saved = &bag;
  MemoryForm carregado{options};
  EXPECT_TRUE(carregado.Control().CNPJAlfanumerico());
  EXPECT_TRUE(carregado.Control().TudoMaiusculo());
  carregado.Type("12abc34501de35");
  carregado.Leave();
  EXPECT_TRUE(carregado.Runtime().Messages().empty());
  EXPECT_EQ("12.ABC.345/01DE-35", carregado.Shown());
}

TEST(Persistencia, SavesEachValueWithItsKind) {
  Controle c;
  c->SetTipoDados(13);
  c->SetHabilitado(false);
  c->SetTeclaEnter(false);
  c->SetTamanhoMáximo(60);
  c->SetBackColor(Color{0xFF});
  c->SetFont(std::make_shared<Font>(Font{"Arial", 9}));
  c->SetForeColor(Color{0x80000012u});
  MemoryPropertyBag bag;
  c->UserControl_WriteProperties(bag);
  EXPECT_EQ(bag.Find("TipoDados"), PropertyValue{std::int16_t{13}});
  EXPECT_EQ(bag.Find("Enabled"), PropertyValue{false});
  EXPECT_EQ(bag.Find("TeclaEnter"), PropertyValue{false});
  EXPECT_EQ(bag.Find("TamanhoMáximo"), PropertyValue{std::int32_t{60}});
  EXPECT_EQ(bag.Find("BackColor"), PropertyValue{Color{0xFF}});
  EXPECT_EQ(*std::get<FontRef>(*bag.Find("Font")), (Font{"Arial", 9}));
  EXPECT_EQ(bag.Find("ForeColor"), PropertyValue{Color{0x80000012u}});
  EXPECT_FALSE(bag.Contains("MaiusculoEMinusculo"));
  EXPECT_FALSE(bag.Contains("Endereço"));
}

TEST(Persistencia, TheDateMaskAndWidthFollowTheShortDate) {
  struct Row {
    const char* padrao;
    const char* mascara;
    std::int32_t largura;
  } rows[] = {{"dd/MM/yy", "99/99/99", 8}, {"dd/MM/yyyy", "99/99/9999", 10}};
  for (const Row& r : rows) {
    Controle c(ComData(r.padrao));
    MemoryPropertyBag bag;
    bag.Store("TipoDados", std::int16_t{1});
    bag.Store("TamanhoMáximo", std::int32_t{3});  // replaced by the regional width
    c->UserControl_ReadProperties(bag);
    EXPECT_EQ(c->MascaraData(), r.mascara) << r.padrao;
    EXPECT_EQ(c.caixa->MaxLength(), r.largura) << r.padrao;
    EXPECT_EQ(c->TamanhoMáximo(), r.largura) << r.padrao;
  }
}

// Only a date control computes the mask; other types leave it empty.
TEST(Persistencia, NoMaskForOtherTypes) {
  Controle c(ComData("dd/MM/yy"));
  MemoryPropertyBag bag;
  bag.Store("TipoDados", std::int16_t{0});
  c->UserControl_ReadProperties(bag);
  EXPECT_EQ(c->MascaraData(), "");
}

TEST(Persistencia, ACurrencyControlTakesTheUsersCurrencyWidth) {
  RegionalSettings regional = PtBR();
  regional.currencySymbol = "US$";
  Controle c(regional);
  MemoryPropertyBag bag;
  bag.Store("TipoDados", std::int16_t{2});
  bag.Store("TamanhoMáximo", std::int32_t{5});
  c->UserControl_ReadProperties(bag);
  EXPECT_EQ(c.caixa1->MaxLength(), static_cast<std::int32_t>(CurrencyWidth(regional)));
}

// The saved width is what the width rules produced; loading does not apply them again.
TEST(Persistencia, OtherTypesKeepTheSavedWidth) {
  struct Row {
    std::int16_t tipo;
    std::int32_t guardado;
    const char* ativo;
  } rows[] = {{0, 25, "Caixa"}, {9, 5, "Caixa"}, {3, 40, "Caixa1"}, {14, 0, "Caixa"}};
  for (const Row& r : rows) {
    Controle c;
    MemoryPropertyBag bag;
    bag.Store("TipoDados", r.tipo);
    bag.Store("TamanhoMáximo", r.guardado);
    c->UserControl_ReadProperties(bag);
    EXPECT_EQ(Retrata(c).ativo, r.ativo) << r.tipo;
    EXPECT_EQ(c->TamanhoMáximo(), r.guardado) << r.tipo;
  }
}

TEST(Persistencia, TheAmountInWordsNeitherReadsNorKeepsAWidth) {
  Controle c;
  MemoryPropertyBag bag;
  bag.Store("TipoDados", std::int16_t{16});
  bag.Store("TamanhoMáximo", std::string("not a number, and never read"));
  c->UserControl_ReadProperties(bag);
  EXPECT_EQ(std::count(bag.ReadLog().begin(), bag.ReadLog().end(), "TamanhoMáximo"), 0);
  EXPECT_EQ(Retrata(c).visiveis, "2");
  EXPECT_EQ(c.caixa2->MaxLength(), 0);

  c->UserControl_WriteProperties(bag);  // writes 0, the default: the old value goes
  EXPECT_EQ(bag.WriteLog(), kChaves);
  EXPECT_FALSE(bag.Contains("TamanhoMáximo"));
  EXPECT_EQ(bag.Find("TipoDados"), PropertyValue{std::int16_t{16}});
}

TEST(Persistencia, AnUnknownStoredTypeShowsTheNumericBoxAndIsSavedUnchanged) {
  for (const std::int16_t tipo : std::initializer_list<std::int16_t>{17, 20, -1, -32768, 32767}) {
    Controle c;
    MemoryPropertyBag bag;
    bag.Store("TipoDados", tipo);
    bag.Store("TamanhoMáximo", std::int32_t{7});
    c->UserControl_ReadProperties(bag);
    EXPECT_TRUE(c.runtime.Messages().empty()) << tipo;
    EXPECT_EQ(c->TipoDados(), tipo);
    EXPECT_EQ(Retrata(c).visiveis, "1") << tipo;
    EXPECT_EQ(Retrata(c).ativo, "Caixa1") << tipo;
    EXPECT_EQ(c->TamanhoMáximo(), 7) << tipo;

    MemoryPropertyBag salvo;
    c->UserControl_WriteProperties(salvo);
    EXPECT_EQ(salvo.Find("TipoDados"), PropertyValue{tipo}) << tipo;
    EXPECT_EQ(salvo.Find("TamanhoMáximo"), PropertyValue{std::int32_t{7}}) << tipo;
  }
}

// Colours loaded into Caixa reach the other two boxes.
TEST(Persistencia, ColoursReachTheThreeBoxes) {
  Controle c;
  MemoryPropertyBag bag;
  bag.Store("BackColor", Color{0x00FFEEu});
  bag.Store("ForeColor", std::int32_t{-2147483633});  // 0x8000000F, kept as a signed value
  c->UserControl_ReadProperties(bag);
  for (const MemoryWidget* w : {c.caixa, c.caixa1, c.caixa2}) {
    EXPECT_EQ(w->BackColor(), Color{0x00FFEEu}) << w->Name();
    EXPECT_EQ(w->ForeColor(), Color{0x8000000Fu}) << w->Name();
  }
}

// A form file that keeps values as text or as other whole kinds still loads.
TEST(Persistencia, ValuesOfOtherKindsAreConverted) {
  Controle c;
  MemoryPropertyBag bag;
  bag.Store("TipoDados", std::string("12"));
  bag.Store("Enabled", std::int16_t{0});
  bag.Store("TeclaEnter", std::string("False"));
  bag.Store("TamanhoMáximo", std::int16_t{10});
  bag.Store("Endereço", true);
  c->UserControl_ReadProperties(bag);
  EXPECT_EQ(c->TipoDados(), 12);
  EXPECT_FALSE(c->Habilitado());
  EXPECT_FALSE(c->TeclaEnter());
  EXPECT_EQ(c->TamanhoMáximo(), 10);
  EXPECT_TRUE(c->Endereço());
}

// The two optional Boolean properties, which forms saved before them lack: each starts
// off, notifies every assignment, is stored only when on, and loads off from a bag
// without its key, even into a control that had it on.
struct OpcaoOpcional {
  const char* nome;
  std::int16_t tipo;
  bool (VumoCaixaControl::*le)() const;
  void (VumoCaixaControl::*atribui)(bool);
};

class OpcoesOpcionais : public ::testing::TestWithParam<OpcaoOpcional> {};

TEST_P(OpcoesOpcionais, StartOffNotifyEveryAssignmentAndAreStoredOnlyWhenOn) {
  const OpcaoOpcional& o = GetParam();
  Controle antigo;
  antigo->SetTipoDados(o.tipo);
  EXPECT_FALSE((antigo.control->*o.le)());
  MemoryPropertyBag semChave;
  antigo->UserControl_WriteProperties(semChave);
  EXPECT_FALSE(semChave.Contains(o.nome));

  Controle carregado;
  (carregado.control->*o.atribui)(true);
  carregado->UserControl_ReadProperties(semChave);
  EXPECT_FALSE((carregado.control->*o.le)());

  antigo.Esquece();
  (antigo.control->*o.atribui)(true);
  (antigo.control->*o.atribui)(true);
  EXPECT_EQ(antigo.container.Count("PropertyChanged(" + std::string(o.nome) + ")"), 2);
  MemoryPropertyBag salvo;
  antigo->UserControl_WriteProperties(salvo);
  EXPECT_EQ(PropertyValue{true}, salvo.Find(o.nome));
  Controle relido;
  relido->UserControl_ReadProperties(salvo);
  EXPECT_TRUE((relido.control->*o.le)());
}

INSTANTIATE_TEST_SUITE_P(
    Persistencia, OpcoesOpcionais,
    ::testing::Values(OpcaoOpcional{"CNPJAlfanumerico", kCNPJ, &VumoCaixaControl::CNPJAlfanumerico,
                                    &VumoCaixaControl::SetCNPJAlfanumerico},
                      OpcaoOpcional{"ExtensoNorma", kExtenso, &VumoCaixaControl::ExtensoNorma,
                                    &VumoCaixaControl::SetExtensoNorma}),
    [](const ::testing::TestParamInfo<OpcaoOpcional>& p) { return std::string(p.param.nome); });

}  // namespace
}  // namespace vumocaixa
