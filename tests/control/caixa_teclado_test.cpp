// Typing into the text box as a user does, key by key, on the in-memory form.

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/memory_property_bag.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vumocaixa {
namespace {

using Log = std::vector<std::string>;

// A form whose control has data type tipo and the box's width limit for it; the
// logs start empty.
struct Form {
  explicit Form(std::int16_t tipo, std::int32_t tamanho = 0) {
    f.Control().SetTipoDados(tipo);
    if (tamanho > 0) f.Control().SetTamanhoMáximo(tamanho);
    f.Container().ClearLog();
    f.Runtime().Clear();
  }
  MemoryForm f{MemoryFormOptions{PtBR()}};
};

// What the box shows after each character of keys, typed one at a time.
std::vector<std::string> ShownAfterEachKey(MemoryForm& f, std::string_view keys) {
  std::vector<std::string> shown;
  for (char c : keys) {
    f.Type(std::string(1, c));
    shown.push_back(f.Shown());
  }
  return shown;
}

// Every host-side KeyPress code, in order.
Log KeyPresses(MemoryForm& f) {
  Log out;
  for (const std::string& e : f.Container().Log()) {
    if (e.rfind("KeyPress(", 0) == 0) out.push_back(e);
  }
  return out;
}

TEST(CaixaTeclado, EachMaskShowsItsSeparatorsOnlyOnceTheNextDigitIsTyped) {
  struct Row {
    std::int16_t tipo;
    std::int32_t tamanho;
    const char* digitos;
    std::vector<std::string> esperado;
    const char* nome;
  };
  const Row rows[] = {
      {kCIC,
       14,
       "12345678909",
       {"1", "12", "123", "123.4", "123.45", "123.456", "123.456.7", "123.456.78", "123.456.789",
        "123.456.789-0", "123.456.789-09"},
       "cpf digito a digito"},
      {kCEP,
       10,
       "12345678",
       {"1", "12", "12.3", "12.34", "12.345", "12.345-6", "12.345-67", "12.345-678"},
       "cep digito a digito"},
      {kPIS,
       14,
       "1205447",
       {"1", "12", "120", "120.5", "120.54", "120.544", "120.5447"},
       "pis ate o segundo grupo"},
      {kCNPJ,
       18,
       "1234567800",
       {"1", "12", "12.3", "12.34", "12.345", "12.345.6", "12.345.67", "12.345.678", "12.345.678/0",
        "12.345.678/00"},
       "cnpj ate a barra"},
      {kCartaoDeCredito,
       19,
       "123456",
       {"1", "12", "123", "1234", "1234.5", "1234.56"},
       "cartao no primeiro ponto"},
      {kCIC,
       14,
       "123456789091",
       {"1", "12", "123", "123.4", "123.45", "123.456", "123.456.7", "123.456.78", "123.456.789",
        "123.456.789-0", "123.456.789-09", "123.456.789-09"},
       "um digito alem da mascara nao cabe na caixa"},
  };
  for (const Row& r : rows) {
    Form form(r.tipo, r.tamanho);
    EXPECT_EQ(ShownAfterEachKey(form.f, r.digitos), r.esperado) << r.nome;
  }
}

TEST(CaixaTeclado, EnteringAMaskedBoxSelectsTheWholeEntrySoTheFirstDigitReplacesIt) {
  Form form(kCIC, 14);
  MemoryForm& f = form.f;
  f.Type("12345678909");
  f.Leave();
  EXPECT_FALSE(f.HasFocus());
  f.Enter();
  EXPECT_EQ(f.Caixa().SelStart(), 0);
  EXPECT_EQ(f.Caixa().SelLength(), 14);
  f.Type("9");
  EXPECT_EQ(f.Shown(), "9");
}

TEST(CaixaTeclado, EnteringAFreeTextBoxLeavesTheCaretWhereTheWidgetPutsIt) {
  for (std::int16_t tipo : {kTexto, kByte, kEmail, kHomePage}) {
    Form form(tipo);
    MemoryForm& f = form.f;
    f.Caixa().SetText("abc");
    f.Caixa().SetSelStart(1);
    f.Enter();
    EXPECT_EQ(f.Caixa().SelStart(), 1) << tipo;
    EXPECT_EQ(f.Caixa().SelLength(), 0) << tipo;
  }
}

TEST(CaixaTeclado, DigitTypedInTheMiddleCutsTheEntryAtTheCaret) {
  Form form(kCIC, 14);
  MemoryForm& f = form.f;
  f.Type("123456");
  f.Caixa().SetSelStart(5);  // after 123.4
  f.Type("9");
  EXPECT_EQ(f.Shown(), "123.49");
}

// Delete and Backspace in a masked box: what stands right of the caret goes, and the
// host still sees the key as pressed.
TEST(CaixaTeclado, DeleteAndBackspaceInTheMiddleOfACnpj) {
  struct Row {
    void (MemoryForm::*tecla)();
    std::int32_t cursor;
    const char* esperado;
    const char* logDoHost;
    const char* nome;
  };
  const Row rows[] = {
      {&MemoryForm::PressDelete, 5, "12.34", "KeyDown(46, 0)", "delete apos o quinto"},
      {&MemoryForm::PressBackspace, 5, "12.3", "KeyDown(8, 0)", "backspace apos o quinto"},
      {&MemoryForm::PressDelete, 0, "", "KeyDown(46, 0)", "delete no inicio"},
      {&MemoryForm::PressDelete, 18, "12.345.678/0001-95", "KeyDown(46, 0)", "delete no fim"},
      {&MemoryForm::PressBackspace, 18, "12.345.678/0001-9", "KeyDown(8, 0)", "backspace no fim"},
      {&MemoryForm::PressShiftDelete, 5, "12.35.678/0001-95", "KeyDown(46, 1)",
       "shift+delete fica com a caixa"},
  };
  for (const Row& r : rows) {
    Form form(kCNPJ, 18);
    MemoryForm& f = form.f;
    f.Type("12345678000195");
    f.Caixa().SetSelStart(r.cursor);
    f.Container().ClearLog();
    (f.*r.tecla)();
    EXPECT_EQ(f.Shown(), r.esperado) << r.nome;
    // The host sees the key as pressed, though the box got 0 for it.
    const Log& log = f.Container().Log();
    std::string up = r.logDoHost;
    up.replace(0, 7, "KeyUp");
    EXPECT_EQ(f.Container().Count("KeyDown"), 1) << r.nome;
    EXPECT_NE(std::find(log.begin(), log.end(), r.logDoHost), log.end()) << r.nome;
    EXPECT_EQ(log.back(), up) << r.nome;
  }
}

TEST(CaixaTeclado, AfterADeleteTheEntryIsRetypedFromTheCaret) {
  Form form(kCNPJ, 18);
  MemoryForm& f = form.f;
  f.Type("12345678000195");
  f.Caixa().SetSelStart(5);
  f.PressDelete();
  EXPECT_EQ(f.Caixa().SelStart(), 5);
  f.Type("999888000177");
  EXPECT_EQ(f.Shown(), "12.349.998/8800-01");
}

TEST(CaixaTeclado, DeleteInAFreeTextBoxIsLeftToTheBox) {
  Form form(kTexto);
  MemoryForm& f = form.f;
  f.Type("abcdef");
  f.Caixa().SetSelStart(2);
  f.PressDelete();
  EXPECT_EQ(f.Shown(), "abdef");
}

// A masked box takes digits only; the host's KeyPress still gets every code as typed.
TEST(CaixaTeclado, MaskedBoxRefusesAllButDigitsWhileTheHostSeesEveryKey) {
  struct Row {
    std::int16_t tipo;
    const char* digitado;
    const char* esperado;
    const char* nome;
  };
  const Row rows[] = {
      {kCIC, "1a2", "12", "letra minuscula"},
      {kCIC, "1w2", "12", "w minusculo"},
      {kCIC, "1W2", "12", "W maiusculo"},
      {kCNPJ, "1.2", "12", "ponto digitado"},
      {kCEP, "1 2", "12", "espaco"},
      {kPIS, "1ç2", "12", "letra acentuada"},
      {kCartaoDeCredito, "1€2", "12", "simbolo da pagina de codigos"},
      {kCIC, "1日2", "12", "caractere fora da pagina de codigos"},
      {kData, "1x2", "12", "data sem mascara carregada"},
  };
  for (const Row& r : rows) {
    Form form(r.tipo, 20);
    MemoryForm& f = form.f;
    f.Type(r.digitado);
    EXPECT_EQ(f.Shown(), r.esperado) << r.nome;
    EXPECT_EQ(KeyPresses(f).size(), 3u) << r.nome;
  }
}

TEST(CaixaTeclado, HostKeyPressGetsTheRefusedCodeAndTheNonWindows1252Marker) {
  Form form(kCIC, 14);
  MemoryForm& f = form.f;
  f.Type("aw日");
  EXPECT_EQ(KeyPresses(f), (Log{"KeyPress(97)", "KeyPress(119)", "KeyPress(-1)"}));
  EXPECT_EQ(f.Shown(), "");
}

// Case rules per typed character: the box gets the changed code, the host the typed one.
TEST(CaixaTeclado, CaseRulesWhileTyping) {
  struct Row {
    std::int16_t tipo;
    bool tudoMaiusculo;
    const char* digitado;
    const char* esperado;
    Log keyPress;
    const char* nome;
  };
  const Row rows[] = {
      {kTexto, true, "ç", "Ç", {"KeyPress(231)"}, "cedilha maiuscula"},
      {kTexto,
       true,
       "ação",
       "AÇÃO",
       {"KeyPress(97)", "KeyPress(231)", "KeyPress(227)", "KeyPress(111)"},
       "palavra acentuada"},
      {kTexto,
       true,
       "ÿœš",
       "ŸŒŠ",
       {"KeyPress(255)", "KeyPress(156)", "KeyPress(154)"},
       "letras altas da pagina de codigos"},
      {kTexto,
       true,
       "1,ß",
       "1,ß",
       {"KeyPress(49)", "KeyPress(44)", "KeyPress(223)"},
       "sem forma maiuscula"},
      {kTexto, true, "д", "д", {"KeyPress(-1)"}, "letra fora da pagina fica como digitada"},
      {kByte, true, "é", "É", {"KeyPress(233)"}, "byte com tudo maiusculo"},
      {kTexto,
       false,
       "ação",
       "ação",
       {"KeyPress(97)", "KeyPress(231)", "KeyPress(227)", "KeyPress(111)"},
       "sem tudo maiusculo"},
      {kEmail,
       false,
       "A@B.Com",
       "a@b.com",
       {"KeyPress(65)", "KeyPress(64)", "KeyPress(66)", "KeyPress(46)", "KeyPress(67)",
        "KeyPress(111)", "KeyPress(109)"},
       "email em minusculas"},
      {kEmail, false, "ÇÃ", "çã", {"KeyPress(199)", "KeyPress(195)"}, "email acentuado"},
      {kHomePage, false, "A", "A", {"KeyPress(65)"}, "home page como digitada"},
  };
  for (const Row& r : rows) {
    Form form(r.tipo);
    MemoryForm& f = form.f;
    if (r.tudoMaiusculo) f.Control().SetTudoMaiusculo(true);
    f.Container().ClearLog();
    f.Type(r.digitado);
    EXPECT_EQ(f.Shown(), r.esperado) << r.nome;
    EXPECT_EQ(KeyPresses(f), r.keyPress) << r.nome;
  }
}

TEST(CaixaTeclado, TheHostCannotChangeTheKeysThatReachTheBox) {
  Form form(kTexto);
  MemoryForm& f = form.f;
  f.Container().On.KeyPress = [](std::int16_t& k) { k = 0; };
  f.Container().On.KeyDown = [](std::int16_t& k, std::int16_t&) { k = 0; };
  f.Type("abc");
  EXPECT_EQ(f.Shown(), "abc");
  f.Caixa().SetSelStart(0);
  f.PressDelete();
  EXPECT_EQ(f.Shown(), "bc");
}

TEST(CaixaTeclado, EnterMovesOnBeepsOrIsCancelled) {
  struct Row {
    bool teclaEnter;
    std::int16_t cancel;
    bool avanca;
    const char* nome;
  };
  const Row rows[] = {
      {true, 0, true, "tecla enter ligada"},
      {false, 0, false, "tecla enter desligada"},
      {true, -1, false, "cancelado pelo host"},
      {true, 1, false, "cancelado com outro valor"},
  };
  for (const Row& r : rows) {
    // Entries that pass when the focus moves on.
    for (std::int16_t tipo : {kTexto, kCIC}) {
      Form form(tipo, 14);
      MemoryForm& f = form.f;
      f.Control().SetTeclaEnter(r.teclaEnter);
      f.Type(tipo == kCIC ? "12345678909" : "12");
      const std::string antes = f.Shown();
      f.Container().On.KeyEnter = [&](std::int16_t& c) { c = r.cancel; };
      f.Container().ClearLog();
      f.PressEnter();
      const std::vector<SentKeys> tab = {{"{Tab}", false}};
      EXPECT_EQ(f.Runtime().Keys(), r.avanca ? tab : std::vector<SentKeys>{}) << r.nome;
      EXPECT_EQ(f.Runtime().Beeps(), r.avanca ? 0 : 1) << r.nome;
      EXPECT_EQ(f.HasFocus(), !r.avanca) << r.nome;
      EXPECT_EQ(f.Container().Count("KeyEnter"), 1) << r.nome;
      EXPECT_TRUE(KeyPresses(f).empty()) << r.nome;
      EXPECT_EQ(f.Shown(), antes) << r.nome;
    }
  }
}

TEST(CaixaTeclado, TheHostSeesCancelStartAtZero) {
  Form form(kTexto);
  MemoryForm& f = form.f;
  std::vector<std::int16_t> recebido;
  f.Container().On.KeyEnter = [&](std::int16_t& c) {
    recebido.push_back(c);
    c = 5;
  };
  f.Control().SetTeclaEnter(false);
  f.PressEnter();
  f.PressEnter();
  EXPECT_EQ(recebido, (std::vector<std::int16_t>{0, 0}));
}

TEST(CaixaTeclado, NumericAndWordTypesLeaveTheTextBoxKeysAlone) {
  // Caixa is hidden for these types, but a host may still deliver keys to it.
  for (std::int16_t tipo : {kMoeda, kInteiro, kDecimal, kExtenso}) {
    Form form(tipo);
    MemoryForm& f = form.f;
    f.Caixa().Type("aB1");
    EXPECT_EQ(f.Caixa().Text(), "aB1") << tipo;
    EXPECT_EQ(KeyPresses(f), (Log{"KeyPress(97)", "KeyPress(66)", "KeyPress(49)"})) << tipo;
  }
}

}  // namespace
}  // namespace vumocaixa

namespace vumocaixa {
namespace {

// A date control loaded from a saved form takes its mask from the short date pattern.
TEST(CaixaTeclado, LoadedDateBoxMasksItsDigitsAndTheDateSurvivesLeaving) {
  struct Row {
    const char* padrao;
    const char* digitos;
    std::vector<std::string> esperado;
    const char* final;
    const char* nome;
  };
  const Row rows[] = {
      {"dd/MM/yyyy",
       "311219990",
       {"3", "31", "31/1", "31/12", "31/12/1", "31/12/19", "31/12/199", "31/12/1999", "31/12/1999"},
       "31/12/1999",
       "ano com quatro digitos"},
      {"dd/MM/yy",
       "0102031",
       {"0", "01", "01/0", "01/02", "01/02/0", "01/02/03", "01/02/03"},
       "01/02/03",
       "ano com dois digitos"},
  };
  for (const Row& r : rows) {
    RegionalSettings regional = PtBR();
    regional.shortDatePattern = r.padrao;
    MemoryPropertyBag salvo;
    salvo.Store("TipoDados", std::int16_t{kData});
    MemoryForm f{MemoryFormOptions{regional, &salvo}};
    EXPECT_EQ(ShownAfterEachKey(f, r.digitos), r.esperado) << r.nome;
    f.Leave();
    EXPECT_TRUE(f.Runtime().Messages().empty()) << r.nome;
    EXPECT_EQ(f.Control().Text(), Variant(std::string(r.final))) << r.nome;
  }
}

}  // namespace
}  // namespace vumocaixa
