#include <vumocaixa/control/property_help.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/memory_property_bag.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>

#include "propriedades_controle.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace vumocaixa {
namespace {

using teste::Controle;
using teste::Retrata;

struct Opcao {
  const char* nome;
  std::function<void(VumoCaixaControl&, bool)> atribui;
  std::function<bool(const VumoCaixaControl&)> le;
  std::vector<int> permitidos;
  const char* mensagem;
};

const std::vector<Opcao>& Opcoes() {
  static const std::vector<Opcao> opcoes{
      {"MaiusculoEMinusculo",
       &VumoCaixaControl::SetMaiusculoEMinusculo,
       &VumoCaixaControl::MaiusculoEMinusculo,
       {0},
       "MaiusculoEMinusculo só pode ser utilizada se a propriedade TipoDados for 0"},
      {"TudoMaiusculo",
       &VumoCaixaControl::SetTudoMaiusculo,
       &VumoCaixaControl::TudoMaiusculo,
       {0, 8},
       "TudoMaiusculo só pode ser utilizada se a propriedade TipoDados for 0 ou 8"},
      {"Endereço",
       &VumoCaixaControl::SetEndereço,
       &VumoCaixaControl::Endereço,
       {0},
       "Endereço só pode ser utilizada se a propriedade TipoDados for 0"},
  };
  return opcoes;
}

// Every option on every type: true is kept where the type allows it and otherwise
// refused in a stop box and stored false; the container hears of it either way.
TEST(Propriedades, OptionRulesOnEveryType) {
  for (const Opcao& o : Opcoes()) {
    for (std::int16_t tipo = 0; tipo <= 16; ++tipo) {
      const std::string linha = std::string(o.nome) + " no tipo " + std::to_string(tipo);
      const bool permitido =
          std::find(o.permitidos.begin(), o.permitidos.end(), tipo) != o.permitidos.end();
      Controle c;
      c->SetTipoDados(tipo);
      c.Esquece();

      o.atribui(*c.control, true);
      EXPECT_EQ(o.le(*c.control), permitido) << linha;
      if (permitido) {
        EXPECT_TRUE(c.runtime.Messages().empty()) << linha;
      } else {
        EXPECT_EQ(c.runtime.Messages(),
                  (std::vector<ShownMessage>{{o.mensagem, 16, "Erro na propriedade"}}))
            << linha;
      }
      EXPECT_EQ(c.container.PropertyChanges(), std::vector<std::string>{o.nome}) << linha;

      c.Esquece();
      o.atribui(*c.control, false);
      EXPECT_FALSE(o.le(*c.control)) << linha;
      EXPECT_TRUE(c.runtime.Messages().empty()) << linha << " (falso)";
      EXPECT_EQ(c.container.PropertyChanges(), std::vector<std::string>{o.nome}) << linha;
    }
  }
}

// A refused option is stored false even when it was true before, from a time when
// the control had a type that allowed it.
TEST(Propriedades, ARefusedOptionClearsAnEarlierTrue) {
  Controle c;
  c->SetTudoMaiusculo(true);
  c->SetTipoDados(9);
  EXPECT_TRUE(c->TudoMaiusculo());  // changing the type does not clear it
  c->SetTudoMaiusculo(true);
  EXPECT_FALSE(c->TudoMaiusculo());
  EXPECT_EQ(c.runtime.Messages().size(), 1u);
}

TEST(Propriedades, EnderecoIsKeptAsMinusOne) {
  Controle c;
  c->SetEndereço(true);
  EXPECT_TRUE(c->Endereço());
  MemoryPropertyBag bag;
  c->UserControl_WriteProperties(bag);
  EXPECT_EQ(bag.Find("Endereço"), PropertyValue{std::int32_t{-1}});
}

// The width a box gets when TamanhoMáximo is assigned, by type: the requested length
// counts only for free text, e-mail and home page.
TEST(Propriedades, MaximumLengthByType) {
  const std::int32_t moeda = static_cast<std::int32_t>(CurrencyWidth(PtBR()));
  struct Row {
    std::int16_t tipo;
    std::int32_t esperado;
    const char* nome;
  } rows[] = {
      {0, 5, "texto"},  {1, 10, "data"},    {2, moeda, "moeda"},  {3, 6, "inteiro"},
      {4, 11, "longo"}, {5, 12, "simples"}, {6, 21, "duplo"},     {7, 31, "decimal"},
      {8, 1, "byte"},   {9, 14, "CIC"},     {10, 18, "CNPJ"},     {11, 19, "cartão"},
      {12, 10, "CEP"},  {13, 5, "email"},   {14, 5, "home page"}, {15, 14, "PIS"},
  };
  for (const Row& r : rows) {
    Controle c;
    c->SetTipoDados(r.tipo);
    c.Esquece();
    c->SetTamanhoMáximo(5);
    EXPECT_EQ(c->ActiveWidget().MaxLength(), r.esperado) << r.nome;
    EXPECT_EQ(c->TamanhoMáximo(), r.esperado) << r.nome;
    EXPECT_EQ(c.container.PropertyChanges(), std::vector<std::string>{"TamanhoMáximo"}) << r.nome;
  }
}

TEST(Propriedades, CurrencyWidthFollowsTheUsersCurrencySymbol) {
  RegionalSettings outra = PtBR();
  outra.currencySymbol = "Kz$$";
  Controle c(outra);
  c->SetTipoDados(2);
  c->SetTamanhoMáximo(0);
  EXPECT_EQ(c->TamanhoMáximo(), static_cast<std::int32_t>(CurrencyWidth(outra)));
  EXPECT_NE(CurrencyWidth(outra), CurrencyWidth(PtBR()));
  const Currency quaseOMenor{-9223372036854765800};  // -922337203685476,58
  EXPECT_EQ(CharCount(FormatValue(quaseOMenor, "Currency", outra)), CurrencyWidth(outra));
}

TEST(Propriedades, AmountInWordsHasNoWidth) {
  Controle c;
  c->SetTipoDados(16);
  c.Esquece();
  c->SetTamanhoMáximo(30);
  EXPECT_EQ(c->TamanhoMáximo(), 0);
  EXPECT_EQ(c.caixa->MaxLength(), 0);
  EXPECT_EQ(c.caixa1->MaxLength(), 0);
  EXPECT_EQ(c.caixa2->MaxLength(), 0);
  EXPECT_EQ(c.container.PropertyChanges(), std::vector<std::string>{"TamanhoMáximo"});
}

TEST(Propriedades, ZeroRemovesTheLimitOfFreeText) {
  Controle c;
  c->SetTamanhoMáximo(3);
  c.caixa->Type("abcdef");
  EXPECT_EQ(c.caixa->Text(), "abc");
  c->SetTamanhoMáximo(0);
  c.caixa->Type("def");
  EXPECT_EQ(c.caixa->Text(), "abcdef");
  EXPECT_EQ(c->TamanhoMáximo(), 0);
}

// A negative length is no width: it fails before the box or the container are told
// anything. Types whose width does not come from the request ignore it.
TEST(Propriedades, ANegativeLengthFailsWhereTheRequestCounts) {
  for (const std::int16_t tipo : std::initializer_list<std::int16_t>{0, 13, 14}) {
    Controle c;
    c->SetTipoDados(tipo);
    c->SetTamanhoMáximo(7);
    c.Esquece();
    EXPECT_THROW(c->SetTamanhoMáximo(-1), PropertyError) << tipo;
    EXPECT_EQ(c->TamanhoMáximo(), 7) << tipo;
    EXPECT_TRUE(c.container.PropertyChanges().empty()) << tipo;
  }
  Controle c;
  c->SetTipoDados(9);
  c->SetTamanhoMáximo(-1);
  EXPECT_EQ(c->TamanhoMáximo(), 14);
}

TEST(Propriedades, HabilitadoIsTheActiveWidgetsOwn) {
  Controle c;
  c->SetHabilitado(false);
  EXPECT_FALSE(c.caixa->Enabled());
  EXPECT_TRUE(c.caixa1->Enabled());
  EXPECT_TRUE(c.caixa2->Enabled());
  c->SetTipoDados(3);
  EXPECT_TRUE(c->Habilitado());  // Caixa1 kept its own state
  c->SetTipoDados(0);
  EXPECT_FALSE(c->Habilitado());
  c.Esquece();
  c->SetTipoDados(16);
  c->SetHabilitado(false);
  EXPECT_FALSE(c.caixa2->Enabled());
  EXPECT_EQ(c.container.PropertyChanges(), (std::vector<std::string>{"TipoDados", "Enabled"}));
}

TEST(Propriedades, ColoursGoToTheThreeBoxesAndAreReadFromCaixa) {
  Controle c;
  c->SetBackColor(Color{0xFF});
  c->SetForeColor(Color{0xFF00});
  for (const MemoryWidget* w : {c.caixa, c.caixa1, c.caixa2}) {
    EXPECT_EQ(w->BackColor(), Color{0xFF}) << w->Name();
    EXPECT_EQ(w->ForeColor(), Color{0xFF00}) << w->Name();
  }
  EXPECT_EQ(c.botao->BackColor(), kSystemWindowColor);
  c.caixa->SetBackColor(Color{1});
  EXPECT_EQ(c->BackColor(), Color{1});
  EXPECT_EQ(c.container.PropertyChanges(), (std::vector<std::string>{"BackColor", "ForeColor"}));
}

TEST(Propriedades, TheFontIsOneObjectSharedByTheThreeBoxesAndLaysThemOut) {
  Controle c;
  c.caixa2->SetHeight(100);  // out of line until the next layout
  const FontRef fonte = std::make_shared<Font>(Font{"Arial", 12});
  c.container.OnPropertyChanged = [&](std::string_view) {
    EXPECT_EQ(c.caixa2->Height(), c.container.Height());  // laid out before the notice
  };
  c->SetFont(fonte);
  EXPECT_EQ(c.caixa->Font(), fonte);
  EXPECT_EQ(c.caixa1->Font(), fonte);
  EXPECT_EQ(c.caixa2->Font(), fonte);
  EXPECT_EQ(c->Font(), fonte);
  EXPECT_EQ(c.container.PropertyChanges(), std::vector<std::string>{"Font"});
  fonte->bold = true;
  EXPECT_TRUE(c.caixa1->Font()->bold);
}

TEST(Propriedades, NoFontIsRefusedAndChangesNothing) {
  Controle c;
  const FontRef antes = c->Font();
  EXPECT_THROW(c->SetFont(nullptr), PropertyError);
  EXPECT_EQ(c.caixa2->Font(), antes);
  EXPECT_TRUE(c.container.PropertyChanges().empty());
}

// Every assignment tells the container, once and last, under the persisted name.
TEST(Propriedades, EveryAssignmentNotifiesItsPersistedName) {
  struct Row {
    std::function<void(VumoCaixaControl&)> atribui;
    const char* nome;
  } rows[] = {
      {[](VumoCaixaControl& v) { v.SetHabilitado(true); }, "Enabled"},
      {[](VumoCaixaControl& v) { v.SetTeclaEnter(false); }, "TeclaEnter"},
      {[](VumoCaixaControl& v) { v.SetMaiusculoEMinusculo(true); }, "MaiusculoEMinusculo"},
      {[](VumoCaixaControl& v) { v.SetTudoMaiusculo(false); }, "TudoMaiusculo"},
      {[](VumoCaixaControl& v) { v.SetTamanhoMáximo(9); }, "TamanhoMáximo"},
      {[](VumoCaixaControl& v) { v.SetEndereço(true); }, "Endereço"},
      {[](VumoCaixaControl& v) { v.SetBackColor(Color{3}); }, "BackColor"},
      {[](VumoCaixaControl& v) { v.SetFont(std::make_shared<Font>()); }, "Font"},
      {[](VumoCaixaControl& v) { v.SetForeColor(Color{3}); }, "ForeColor"},
  };
  for (const Row& r : rows) {
    Controle c;
    r.atribui(*c.control);
    EXPECT_EQ(c.container.PropertyChanges(), std::vector<std::string>{r.nome}) << r.nome;
    EXPECT_EQ(c.container.Log().back(), "PropertyChanged(" + std::string(r.nome) + ")") << r.nome;
    EXPECT_TRUE(c.runtime.Messages().empty()) << r.nome;
  }
}

TEST(Propriedades, TeclaEnterHasNoRule) {
  for (const std::int16_t tipo : std::initializer_list<std::int16_t>{0, 3, 16}) {
    Controle c;
    c->SetTipoDados(tipo);
    c->SetTeclaEnter(false);
    EXPECT_FALSE(c->TeclaEnter()) << tipo;
    c->SetTeclaEnter(true);
    EXPECT_TRUE(c->TeclaEnter()) << tipo;
  }
}

TEST(PropertyHelp, EveryPropertyInInterfaceOrderWithItsText) {
  const auto textos = PropertyHelpTexts();
  ASSERT_EQ(textos.size(), 13u);
  const char* membros[] = {"TipoDados",     "Habilitado",    "TeclaEnter", "MaiusculoEMinusculo",
                           "TudoMaiusculo", "TamanhoMáximo", "Endereço",   "CNPJAlfanumerico",
                           "ExtensoNorma",  "Text",          "BackColor",  "Font",
                           "ForeColor"};
  for (std::size_t i = 0; i < textos.size(); ++i) EXPECT_EQ(textos[i].member, membros[i]);
  EXPECT_EQ(PropertyHelpText("Habilitado"), "Utiliza Propriedade Enabled do Objeto");
  EXPECT_EQ(PropertyHelpText("Enabled"), "Utiliza Propriedade Enabled do Objeto");
  EXPECT_EQ(PropertyHelpText("TamanhoMáximo"), "Numero máximo de Caracteres (Igual ao MaxLenght).");
  EXPECT_EQ(PropertyHelpText("Caption"), "");
  EXPECT_EQ(PropertyHelpText(""), "");
}

TEST(EventHelp, EveryEventByNumberWithItsText) {
  const char* nomes[] = {"Change",    "Click",    "DblClick",    "KeyDown",
                         "KeyEnter",  "KeyPress", "KeyUp",       "MouseDown",
                         "MouseMove", "MouseUp",  "MandarEmail", "AbrirHomePage"};
  const auto textos = EventHelpTexts();
  ASSERT_EQ(textos.size(), std::size(nomes));
  for (std::size_t i = 0; i < textos.size(); ++i) {
    EXPECT_EQ(textos[i].number, static_cast<std::int32_t>(i + 1));
    EXPECT_EQ(textos[i].name, nomes[i]);
    EXPECT_EQ(EventHelpText(nomes[i]), textos[i].help);
  }
  EXPECT_EQ(EventHelpText("KeyDown"), "Evento gerado quando você \"abaixa\" a tecla.");
  EXPECT_EQ(EventHelpText("MandarEmail"),
            "Evento acionado quando é pressinado o botão da caixa de texto.");
  EXPECT_EQ(EventHelpText("Resize"), "");
}

}  // namespace
}  // namespace vumocaixa
