// Typing into the numeric box on a form in memory, key by key: what the box takes,
// what the host's key events receive, Enter and Ctrl+Enter.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include <vumocaixa/control/memory_form.hpp>

namespace vumocaixa {
namespace {

constexpr std::int32_t kFim = -1;  // caret at the end of the text

// The host's KeyPress and KeyEnter events in the log, in order.
std::vector<std::string> TeclasNoHost(const MemoryContainer& container) {
  std::vector<std::string> teclas;
  for (const std::string& e : container.Log()) {
    if (e.starts_with("KeyPress(") || e.starts_with("KeyEnter(")) teclas.push_back(e);
  }
  return teclas;
}

// A numeric box of type tipo holding texto, with the focus, the caret at caret and
// selecao characters selected, and a clean log.
void Prepara(MemoryForm& f, std::int16_t tipo, std::string_view texto, std::int32_t caret,
             std::int32_t selecao = 0) {
  f.Control().SetTipoDados(tipo);
  f.Enter();
  f.Paste(texto);
  if (caret != kFim) f.Caixa1().SetSelStart(caret);
  f.Caixa1().SetSelLength(selecao);
  f.Container().ClearLog();
  f.Runtime().Clear();
}

struct CasoTecla {
  std::int16_t tipo;
  const char* antes;
  std::int32_t caret;
  std::int32_t selecao;
  const char* tecla;
  const char* depois;
  std::vector<std::string> host;
  const char* nome;
};

TEST(Caixa1Teclado, OQueACaixaAceitaEOQueOHostRecebe) {
  const CasoTecla casos[] = {
      // An accepted digit, ',' or '-' reaches the host with its code.
      {kInteiro, "12", kFim, 0, "7", "127", {"KeyPress(55)"}, "dígito aceito"},
      {kMoeda, "12", kFim, 0, ",", "12,", {"KeyPress(44)"}, "vírgula aceita na Moeda"},
      {kLongo, "45", 0, 0, "-", "-45", {"KeyPress(45)"}, "menos no início do Longo"},
      // A point is accepted as a comma, also for the host.
      {kMoeda, "12", kFim, 0, ".", "12,", {"KeyPress(44)"}, "ponto vira vírgula na Moeda"},
      {kSimples, "1", kFim, 0, ".", "1,", {"KeyPress(44)"}, "ponto vira vírgula no Simples"},
      // ',' or '-' refused by the type's rule: the host sees 0.
      {kInteiro, "12", kFim, 0, ".", "12", {"KeyPress(0)"}, "ponto recusado no Inteiro"},
      {kInteiro, "12", kFim, 0, ",", "12", {"KeyPress(0)"}, "vírgula recusada no Inteiro"},
      {kLongo, "12", kFim, 0, ",", "12", {"KeyPress(0)"}, "vírgula recusada no Longo"},
      {kDuplo, "1,5", kFim, 0, ",", "1,5", {"KeyPress(0)"}, "segunda vírgula no fim"},
      {kDuplo, "1,5", 0, 0, ",", "1,5", {"KeyPress(0)"}, "segunda vírgula no início"},
      {kDuplo, "1,5", 0, 3, ",", "1,5", {"KeyPress(0)"}, "segunda vírgula sobre a seleção"},
      {kDecimal, "-3", 0, 0, ",", "-3", {"KeyPress(0)"}, "vírgula antes do sinal"},
      {kDecimal, "3", 0, 0, ",", ",3", {"KeyPress(44)"}, "vírgula antes do dígito"},
      {kLongo, "45", 1, 0, "-", "45", {"KeyPress(0)"}, "menos no meio"},
      {kLongo, "-45", 0, 0, "-", "-45", {"KeyPress(0)"}, "segundo menos"},
      {kMoeda, "-12", 0, 3, "-", "-12", {"KeyPress(0)"}, "menos sobre -12 selecionado"},
      {kInteiro, "12", kFim, 0, "-", "12", {"KeyPress(0)"}, "menos no fim"},
      // Letters and other signs are dropped before the host hears of them.
      {kSimples, "12", kFim, 0, "a", "12", {}, "letra"},
      {kSimples, "12", kFim, 0, "w", "12", {}, "w é uma letra como as outras"},
      {kDuplo, "12", kFim, 0, "e", "12", {}, "e de expoente"},
      {kMoeda, "12", kFim, 0, " ", "12", {}, "espaço"},
      {kMoeda, "12", kFim, 0, "+", "12", {}, "mais"},
      {kDecimal, "12", kFim, 0, "€", "12", {}, "euro, com código Windows-1252"},
      {kDecimal, "12", kFim, 0, "→", "12", {}, "seta, sem código Windows-1252"},
      {kInteiro, "12", kFim, 0, "²", "12", {}, "dois sobrescrito"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    Prepara(f, c.tipo, c.antes, c.caret, c.selecao);
    f.Type(c.tecla);
    EXPECT_EQ(c.depois, f.Caixa1().Text()) << c.nome;
    EXPECT_EQ(c.host, TeclasNoHost(f.Container())) << c.nome;
  }
}

TEST(Caixa1Teclado, DigitandoUmNumeroInteiroTeclaATecla) {
  const struct {
    std::int16_t tipo;
    const char* digitado;
    const char* caixa;
    const char* nome;
  } casos[] = {
      {kMoeda, "1234.56", "1234,56", "ponto decimal"},
      {kInteiro, "-3.2,7", "-327", "Inteiro sem separadores"},
      {kLongo, "12-34", "1234", "menos fora do início"},
      {kSimples, "--5", "-5", "menos duas vezes"},
      {kDecimal, "1,,2", "1,2", "vírgula duas vezes"},
      {kDuplo, "1e5", "15", "expoente"},
      {kDuplo, "12w", "12", "w no fim"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    f.Control().SetTipoDados(c.tipo);
    f.Type(c.digitado);  // the first key replaces the selected "0"
    EXPECT_EQ(c.caixa, f.Caixa1().Text()) << c.nome;
  }
}

// A grouped amount typed key by key is the number the user meant; the point of the
// keypad still gives decimals, and a malformed grouping is refused on leaving,
// never read as another number.
TEST(Caixa1Teclado, ValoresAgrupadosDigitadosTeclaATecla) {
  const struct {
    std::int16_t tipo;
    const char* digitado;
    const char* caixa;     // while the box has the focus
    const char* mostrado;  // after leaving it (a refused entry is back in the box)
    bool recusado;
    const char* nome;
  } casos[] = {
      {kMoeda, "1.234,56", "1.234,56", "R$ 1.234,56", false, "milhar na Moeda"},
      {kMoeda, "1.234", "1,234", "R$ 1.234,00", false, "ponto de milhar na Moeda"},
      {kMoeda, "-1.000", "-1,000", "-R$ 1.000,00", false, "milhar negativo na Moeda"},
      {kMoeda, "12.345", "12,345", "R$ 12.345,00", false, "dois dígitos antes do milhar"},
      {kMoeda, "12.345.678", "12.345,678", "R$ 12.345.678,00", false, "dois pontos de milhar"},
      {kMoeda, "1.5", "1,5", "R$ 1,50", false, "um decimal na Moeda"},
      {kMoeda, "1.50", "1,50", "R$ 1,50", false, "dois decimais na Moeda"},
      {kMoeda, "1.2345", "1,2345", "R$ 1,23", false, "quatro dígitos depois do ponto"},
      {kMoeda, "0.500", "0,500", "R$ 0,50", false, "zero antes do ponto"},
      {kMoeda, "1,234", "1,234", "R$ 1,23", false, "vírgula digitada é decimal"},
      {kSimples, "1.234", "1,234", "1,234", false, "três decimais fora da Moeda"},
      {kDuplo, "-1.234,5", "-1.234,5", "-1234,5", false, "negativo agrupado"},
      {kDecimal, "12.345.678,9", "12.345.678,9", "12345678,9", false, "dois grupos"},
      {kSimples, "1.5", "1,5", "1,5", false, "ponto do teclado numérico"},
      {kMoeda, "1234.56", "1234,56", "R$ 1.234,56", false, "ponto decimal sem grupos"},
      {kDuplo, "1.000.000", "1.000,000", "1000000", false, "só pontos de milhar"},
      {kDuplo, "1.234.5", "1.234,5", "1234,5", false, "ponto de milhar e ponto decimal"},
      {kMoeda, "1.23,4", "1.23,4", "0", true, "grupo de dois dígitos; o foco volta"},
      {kSimples, "1.5,", "1.5,", "0", true, "vírgula depois do ponto decimal"},
      {kDuplo, "1,5.", "1,5", "1,5", false, "ponto depois da vírgula é recusado"},
      {kInteiro, "1.234", "1234", "1234", false, "Inteiro não muda"},
      {kLongo, "1.234,5", "12345", "12345", false, "Longo não muda"},
  };
  for (const auto& c : casos) {
    MemoryForm f{MemoryFormOptions{PtBR()}};
    f.Control().SetTipoDados(c.tipo);
    f.Type(c.digitado);
    EXPECT_EQ(c.caixa, f.Caixa1().Text()) << c.nome;
    f.Leave();
    EXPECT_EQ(c.mostrado, f.Caixa1().Text()) << c.nome;
    EXPECT_EQ(c.recusado, !f.Runtime().Messages().empty()) << c.nome;
  }
}

// Regrouping follows the separator's insertion: the host sees the key before any
// change of the text.
TEST(Caixa1Teclado, OAgrupamentoVemDepoisDaTecla) {
  MemoryForm f;
  f.Control().SetTipoDados(kMoeda);
  f.Type("1.234");
  f.Container().ClearLog();
  f.Type(",");
  EXPECT_EQ("1.234,", f.Caixa1().Text());
  EXPECT_EQ(6, f.Caixa1().SelStart());
  EXPECT_EQ((std::vector<std::string>{"KeyDown(188, 0)", "KeyPress(44)", "Change",
                                      "PropertyChanged(Text)", "Change", "PropertyChanged(Text)",
                                      "KeyUp(188, 0)"}),
            f.Container().Log());
}

// The comma typed as '.' is followed while the entry grows key by key; any other
// change forgets it, and a separator kept out of the box regroups nothing.
TEST(Caixa1Teclado, AVirgulaDoPontoNaoFicaVelha) {
  const auto seleciona = [](MemoryForm& f, std::int32_t inicio, std::int32_t tamanho) {
    f.Caixa1().SetSelStart(inicio);
    f.Caixa1().SetSelLength(tamanho);
  };
  const auto recusaSeparador = [](MemoryForm& f) {
    f.Container().On.KeyPress = [](std::int16_t& KeyAscii) {
      if (KeyAscii == ',') KeyAscii = 0;
    };
  };
  const struct {
    std::int16_t tipo;
    std::function<void(MemoryForm&)> passos;
    const char* caixa;
    const char* mostrado;
    const char* nome;
  } casos[] = {
      {kSimples,
       [&](MemoryForm& f) {
         f.Type("9.");
         seleciona(f, 0, 2);
         f.Paste("1,5");
         f.Type(".");
       },
       "1,5", "1,5", "colado sobre tudo"},
      {kDuplo,
       [&](MemoryForm& f) {
         f.Type("1.5");
         seleciona(f, 0, 0);
         f.PressDelete();
         f.Type("2");
         seleciona(f, 3, 0);
         f.Type(".");
       },
       "2,5", "2,5", "Delete"},
      {kMoeda,
       [](MemoryForm& f) {
         f.Type("1.2345");
         f.PressBackspace();
       },
       "1,234", "R$ 1,23", "Backspace"},
      {kMoeda,
       [&](MemoryForm& f) {
         f.Type("1.5");
         seleciona(f, 2, 1);
         f.Type("234");
       },
       "1,234", "R$ 1,23", "seleção digitada por cima"},
      {kMoeda,
       [](MemoryForm& f) {
         f.Type("5.678");
         f.Control().SetTextByReference(Variant{std::string("1,234")});
       },
       "1,234", "R$ 1,23", "atribuição"},
      {kDuplo,
       [](MemoryForm& f) {
         f.Caixa1().SetMaxLength(3);
         f.Type("1.5.");
       },
       "1,5", "1,5", "caixa cheia"},
      {kDuplo,
       [&](MemoryForm& f) {
         f.Type("1.5");
         recusaSeparador(f);
         f.Type(".");
       },
       "1,5", "1,5", "o host recusa o separador"},
      {kMoeda,
       [&](MemoryForm& f) {
         f.Type("1.234");
         seleciona(f, 0, 0);
         f.Type("-");
       },
       "-1,234", "-R$ 1.234,00", "sinal digitado antes da vírgula"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    f.Control().SetTipoDados(c.tipo);
    f.Enter();
    c.passos(f);
    EXPECT_EQ(c.caixa, f.Caixa1().Text()) << c.nome;
    f.Leave();
    EXPECT_EQ(c.mostrado, f.Caixa1().Text()) << c.nome;
    EXPECT_TRUE(f.Runtime().Messages().empty()) << c.nome;
  }
}

TEST(Caixa1Teclado, BackspaceETabPassamParaOHost) {
  MemoryForm f;
  Prepara(f, kMoeda, "123", kFim);
  f.PressBackspace();
  EXPECT_EQ("12", f.Caixa1().Text());
  EXPECT_EQ(std::vector<std::string>{"KeyPress(8)"}, TeclasNoHost(f.Container()));

  std::int16_t tab = 9;
  f.Caixa1().Listener()->KeyPress(tab);
  EXPECT_EQ(9, tab);
  EXPECT_EQ(2, f.Container().Count("KeyPress"));
}

TEST(Caixa1Teclado, OHostMudaOQueACaixaRecebe) {
  const struct {
    std::int16_t trocaPor;
    const char* depois;
    const char* nome;
  } casos[] = {
      {0, "12", "zero mantém o dígito fora"},
      {'9', "129", "outro dígito entra no lugar"},
      {'x', "12x", "o que o host puser entra"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    Prepara(f, kLongo, "12", kFim);
    f.Container().On.KeyPress = [&](std::int16_t& KeyAscii) { KeyAscii = c.trocaPor; };
    f.Type("5");
    EXPECT_EQ(c.depois, f.Caixa1().Text()) << c.nome;
  }
}

TEST(Caixa1Teclado, OHostRecebeOsArgumentosDaPropriaCaixa) {
  MemoryForm f;
  Prepara(f, kDuplo, "", kFim);
  std::int16_t* visto = nullptr;
  f.Container().On.KeyPress = [&](std::int16_t& KeyAscii) { visto = &KeyAscii; };
  std::int16_t KeyAscii = '4';
  f.Caixa1().Listener()->KeyPress(KeyAscii);
  EXPECT_EQ(&KeyAscii, visto);

  std::int16_t* codigoVisto = nullptr;
  f.Container().On.KeyUp = [&](std::int16_t& KeyCode, std::int16_t&) { codigoVisto = &KeyCode; };
  std::int16_t KeyCode = 52;
  std::int16_t Shift = 0;
  f.Caixa1().Listener()->KeyUp(KeyCode, Shift);
  EXPECT_EQ(&KeyCode, codigoVisto);
}

TEST(Caixa1Teclado, EnterVaiAoProximoCampoOuApita) {
  const struct {
    bool teclaEnter;
    std::int16_t cancelDoHost;
    bool tab;
    const char* nome;
  } casos[] = {
      {true, 0, true, "TeclaEnter ligada, sem Cancel"},
      {false, 0, false, "TeclaEnter desligada"},
      {true, -1, false, "o host cancela"},
      {true, 1, false, "o host cancela com 1"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    f.Control().SetTeclaEnter(c.teclaEnter);
    Prepara(f, kInteiro, "12", kFim);
    f.Container().On.KeyEnter = [&](std::int16_t& Cancel) {
      EXPECT_EQ(0, Cancel) << c.nome;
      Cancel = c.cancelDoHost;
    };
    f.PressEnter();
    EXPECT_EQ("12", f.Caixa1().Text()) << c.nome;
    EXPECT_EQ(std::vector<std::string>{"KeyEnter(0)"}, TeclasNoHost(f.Container())) << c.nome;
    EXPECT_EQ(c.tab ? 1u : 0u, f.Runtime().Keys().size()) << c.nome;
    EXPECT_EQ(c.tab ? 0 : 1, f.Runtime().Beeps()) << c.nome;
    EXPECT_EQ(!c.tab, f.HasFocus()) << c.nome;
  }
}

TEST(Caixa1Teclado, EnterMandaTabSemEsperar) {
  MemoryForm f;
  Prepara(f, kInteiro, "5", kFim);
  f.PressEnter();
  ASSERT_EQ(1u, f.Runtime().Keys().size());
  EXPECT_EQ("{Tab}", f.Runtime().Keys()[0].keys);
  EXPECT_FALSE(f.Runtime().Keys()[0].wait);
  EXPECT_TRUE(f.NextField().HasFocus());
}

TEST(Caixa1Teclado, CtrlEnterNaoDeixaQuebraDeLinha) {
  MemoryForm f;
  Prepara(f, kDuplo, "12", kFim);
  f.PressCtrlEnter();
  EXPECT_EQ("12", f.Caixa1().Text());
  const auto& log = f.Container().Log();
  EXPECT_NE(std::find(log.begin(), log.end(), "KeyDown(0, 0)"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "KeyUp(0, 0)"), log.end());
  EXPECT_EQ(0, f.Container().Count("KeyEnter"));
  EXPECT_TRUE(f.Runtime().Keys().empty());
}

TEST(Caixa1Teclado, CtrlEnterTiraTodasAsQuebrasDoTexto) {
  MemoryForm f;
  Prepara(f, kDecimal, "1\r\n2\n3\r", kFim);
  f.PressCtrlEnter();
  EXPECT_EQ("123", f.Caixa1().Text());
}

TEST(Caixa1Teclado, CtrlEnterEmTextoLongoNaoTemLimiteDeContador) {
  MemoryForm f;
  std::string longo(40000, '7');
  Prepara(f, kDecimal, longo + "\n" + longo, kFim);
  f.PressCtrlEnter();
  EXPECT_EQ(longo + longo, f.Caixa1().Text());
}

TEST(Caixa1Teclado, OutrosModificadoresComEnterPassamIntactos) {
  const struct {
    std::int16_t shift;
    const char* desce;
    const char* sobe;
    const char* nome;
  } casos[] = {
      {3, "KeyDown(13, 3)", "KeyUp(13, 3)", "Ctrl+Shift+Enter"},
      {6, "KeyDown(13, 6)", "KeyUp(13, 6)", "Ctrl+Alt+Enter"},
      {1, "KeyDown(13, 1)", "KeyUp(13, 1)", "Shift+Enter"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    Prepara(f, kMoeda, "1", kFim);
    f.Caixa1().PressKey(13, c.shift);
    EXPECT_EQ((std::vector<std::string>{c.desce, c.sobe}), f.Container().Log()) << c.nome;
  }
}

}  // namespace
}  // namespace vumocaixa
