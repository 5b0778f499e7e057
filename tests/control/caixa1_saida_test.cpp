// Entering and leaving the numeric box on a form in memory: the plain number for
// editing, the range of each type, the message for what is no number or out of
// range, the display and the stored value.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/regional.hpp>

namespace vumocaixa {
namespace {

const ShownMessage kValorInvalido{"Valor Inválido. Redigite.", 64, "Erro nos dados"};
const std::string kMaiorMoeda = "R$ 922.337.203.685.476,58";
const std::string kMenorMoeda = "-R$ 922.337.203.685.476,58";

// Leaves a box of type tipo into which texto was pasted over the selected entry.
void ColaESai(MemoryForm& f, std::int16_t tipo, std::string_view texto) {
  f.Control().SetTipoDados(tipo);
  f.Enter();
  f.Paste(texto);
  f.Leave();
}

struct CasoSaida {
  std::int16_t tipo;
  std::string entrada;
  std::string mostrado;
  const char* nome;
};

// Entries that are numbers the type holds are formatted for it, without a message;
// the box keeps the result while the focus is elsewhere.
TEST(Caixa1Saida, NumerosDoTipoSaemFormatados) {
  const CasoSaida casos[] = {
      {kInteiro, "12,5", "12", "metade arredonda para o par"},
      {kInteiro, "13,5", "14", "metade arredonda para o par acima"},
      {kInteiro, "32766,5", "32766", "metade junto do limite"},
      {kInteiro, "-32768,5", "-32768", "metade no limite arredonda para dentro"},
      {kInteiro, "1.000", "1000", "milhar com separador, colado"},
      {kInteiro, "-0", "0", "zero negativo"},
      {kLongo, "40000", "40000", "além do Inteiro cabe no Longo"},
      {kMoeda, "1234,5", "R$ 1.234,50", "centavos completados"},
      {kMoeda, "0", "R$ 0,00", "zero"},
      {kMoeda, "-7", "-R$ 7,00", "negativo"},
      {kMoeda, "922337203685476,57", "R$ 922.337.203.685.476,57", "um centavo abaixo do limite"},
      {kSimples, "1,5", "1,5", "Simples que cabe"},
      {kDuplo, "-2,25", "-2,25", "Duplo negativo"},
      {kDecimal, std::string(30, '9'), std::string(28, '9'), "trinta noves no Decimal"},
      {kDecimal, "-" + std::string(30, '9'), "-" + std::string(28, '9'), "menos trinta noves"},
      {kDecimal, std::string(5000, '9'), std::string(28, '9'), "cinco mil noves"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    ColaESai(f, c.tipo, c.entrada);
    EXPECT_EQ(c.mostrado, f.Caixa1().Text()) << c.nome;
    EXPECT_TRUE(f.Runtime().Messages().empty()) << c.nome;
    EXPECT_FALSE(f.HasFocus()) << c.nome;
  }
}

TEST(Caixa1Saida, VazioOuSinalSozinhoViraZeroSemMensagem) {
  const struct {
    std::int16_t tipo;
    const char* entrada;
    const char* mostrado;
  } casos[] = {
      {kMoeda, "", "R$ 0,00"}, {kMoeda, "-", "R$ 0,00"}, {kMoeda, ",", "R$ 0,00"},
      {kInteiro, "", "0"},     {kInteiro, "-", "0"},     {kLongo, ",", "0"},
      {kSimples, "", "0"},     {kDuplo, "-", "0"},       {kDecimal, ",", "0"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    ColaESai(f, c.tipo, c.entrada);
    const std::string nome = std::to_string(c.tipo) + " com '" + c.entrada + "'";
    EXPECT_EQ(c.mostrado, f.Caixa1().Text()) << nome;
    EXPECT_TRUE(f.Runtime().Messages().empty()) << nome;
  }
}

// What is no number, or a number the type cannot hold, shows the message, becomes 0
// and gets the focus back, where the box shows it ready for editing.
TEST(Caixa1Saida, OQueOTipoNaoComportaMostraAMensagemEVoltaComZero) {
  const std::string noves40(40, '9');
  const CasoSaida casos[] = {
      {kInteiro, "12w", "0", "12w colado"},
      {kMoeda, "12w", "0", "12w colado na Moeda"},
      {kDuplo, "abc", "0", "letras"},
      {kDecimal, "1,2,3", "0", "várias vírgulas"},
      {kSimples, "1-", "0", "sinal no fim"},
      {kLongo, "--5", "0", "dois sinais"},
      {kMoeda, "R$", "0", "só o símbolo"},
      {kDuplo, "1e", "0", "expoente incompleto"},
      {kInteiro,
       "\xff"
       "12",
       "0", "UTF-8 malformado"},
      {kDecimal, "12\xc3", "0", "sequência UTF-8 cortada"},
      {kMoeda, "1 2", "0", "espaço no meio"},
      {kInteiro, "32767,5", "0", "metade acima do maior Inteiro"},
      {kInteiro, "1.000.000", "0", "milhar com separadores, colado"},
      {kInteiro, "-1.000.000", "0", "negativo com separadores, colado"},
      {kInteiro, "1e9", "0", "expoente grande"},
      {kInteiro, "1e400", "0", "expoente além do duplo"},
      {kLongo, "-1E400", "0", "expoente maiúsculo além do duplo"},
      {kLongo, "5.000.000.000", "0", "bilhões com separadores"},
      {kMoeda, "-922337203685477,5808", "0", "o menor valor de moeda"},
      {kMoeda, noves40, "0", "além do alcance do decimal"},
      {kMoeda, "-" + noves40, "0", "negativo além do alcance do decimal"},
      {kMoeda, "1e40", "0", "expoente além do decimal"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    ColaESai(f, c.tipo, c.entrada);
    EXPECT_EQ(std::vector<ShownMessage>{kValorInvalido}, f.Runtime().Messages()) << c.nome;
    EXPECT_EQ(c.mostrado, f.Caixa1().Text()) << c.nome;
    EXPECT_TRUE(f.Caixa1().HasFocus()) << c.nome;
  }
}

// Typed key by key: the limits themselves are kept, one past them is refused, never
// stored as another number.
TEST(Caixa1Saida, ForaDaFaixaDoTipoERecusadoNoLugarDoLimite) {
  const struct {
    std::int16_t tipo;
    const char* digitado;
    std::string mostrado;  // "0" when refused
    const char* nome;
  } casos[] = {
      {kInteiro, "32767", "32767", "o maior Inteiro"},
      {kInteiro, "32768", "0", "um acima do maior Inteiro"},
      {kInteiro, "-32768", "-32768", "o menor Inteiro"},
      {kInteiro, "-32769", "0", "um abaixo do menor Inteiro"},
      {kInteiro, "123456", "0", "seis dígitos"},
      {kLongo, "2147483647", "2147483647", "o maior Longo"},
      {kLongo, "2147483648", "0", "um acima do maior Longo"},
      {kLongo, "-2147483648", "-2147483648", "o menor Longo"},
      {kLongo, "-2147483649", "0", "um abaixo do menor Longo"},
      {kLongo, "99999999999", "0", "onze noves"},
      {kMoeda, "922337203685476,58", kMaiorMoeda, "o limite da Moeda"},
      {kMoeda, "922337203685476,59", "0", "um centavo acima do limite"},
      {kMoeda, "-922337203685476,58", kMenorMoeda, "o limite negativo"},
      {kMoeda, "-922337203685476,581", "0", "um milésimo abaixo do limite negativo"},
      {kMoeda, "922337203685477", "0", "a parte inteira do maior valor de moeda"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    f.Control().SetTipoDados(c.tipo);
    f.Type(c.digitado);
    f.Leave();
    const bool recusado = c.mostrado == "0";
    const std::vector<ShownMessage> esperadas =
        recusado ? std::vector<ShownMessage>{kValorInvalido} : std::vector<ShownMessage>{};
    EXPECT_EQ(esperadas, f.Runtime().Messages()) << c.nome;
    EXPECT_EQ(c.mostrado, f.Caixa1().Text()) << c.nome;
    EXPECT_EQ(c.mostrado, std::get<std::string>(f.Control().Text())) << c.nome;
    EXPECT_EQ(recusado, f.Caixa1().HasFocus()) << c.nome;
  }
}

TEST(Caixa1Saida, AMensagemVemAntesDoZero) {
  MemoryForm f;
  std::string naHoraDaMensagem;
  f.Runtime().OnShowMessage = [&](const ShownMessage&) { naHoraDaMensagem = f.Caixa1().Text(); };
  ColaESai(f, kDuplo, "12w");
  EXPECT_EQ("12w", naHoraDaMensagem);
}

TEST(Caixa1Saida, FocoRecusadoNaoImpedeOZero) {
  MemoryForm f;
  f.Control().SetTipoDados(kInteiro);
  f.Enter();
  f.Paste("abc");
  f.Caixa1().SetFocusFails(true);
  f.Leave();
  EXPECT_EQ(1u, f.Runtime().Messages().size());
  EXPECT_EQ("0", f.Caixa1().Text());
  EXPECT_EQ("0", std::get<std::string>(f.Control().Text()));
  EXPECT_EQ("PropertyChanged(Text)", f.Container().Log().back());
}

TEST(Caixa1Saida, OValorVaiParaTextENotificaPorUltimo) {
  MemoryForm f;
  f.Control().SetTipoDados(kMoeda);
  f.Type("1234,5");
  f.Container().ClearLog();
  f.Leave();
  EXPECT_EQ("R$ 1.234,50", std::get<std::string>(f.Control().Text()));
  const auto& log = f.Container().Log();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ("PropertyChanged(Text)", log.back());
  EXPECT_EQ(1, f.Container().Count("Change"));
}

TEST(Caixa1Entrada, MostraONumeroSimplesTodoSelecionado) {
  const struct {
    std::int16_t tipo;
    std::string texto;
    std::string mostrado;
    const char* nome;
  } casos[] = {
      {kMoeda, "R$ 1.234,50", "1234,5", "forma de moeda lida de volta"},
      {kMoeda, "-R$ 0,99", "-0,99", "centavos negativos"},
      {kMoeda, kMaiorMoeda, "922337203685476,58", "o limite"},
      {kMoeda, "", "0", "vazio"},
      {kMoeda, "abc", "0", "o que não converte"},
      {kMoeda, std::string(40, '9'), "0", "além do alcance da moeda"},
      {kInteiro, "", "0", "Inteiro vazio"},
      {kInteiro, "123", "123", "Inteiro como está"},
      {kDuplo, "abc", "abc", "fora da Moeda nada se converte"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    f.Control().SetTipoDados(c.tipo);
    f.Caixa1().SetText(c.texto);
    f.Enter();
    EXPECT_EQ(c.mostrado, f.Caixa1().Text()) << c.nome;
    EXPECT_EQ(0, f.Caixa1().SelStart()) << c.nome;
    EXPECT_EQ(static_cast<std::int32_t>(c.mostrado.size()), f.Caixa1().SelLength()) << c.nome;
  }
}

TEST(Caixa1Entrada, MoedaIdaEVoltaSemDeriva) {
  MemoryForm f;
  f.Control().SetTipoDados(kMoeda);
  f.Type("1234,5");
  for (int volta = 1; volta <= 2; ++volta) {
    f.Leave();
    EXPECT_EQ("R$ 1.234,50", f.Caixa1().Text()) << "volta " << volta;
    f.Enter();
    EXPECT_EQ("1234,5", f.Caixa1().Text()) << "volta " << volta;
    EXPECT_EQ(6, f.Caixa1().SelLength()) << "volta " << volta;
  }
  f.Leave();
  EXPECT_EQ("R$ 1.234,50", f.Caixa1().Text());
  EXPECT_TRUE(f.Runtime().Messages().empty());
}

TEST(Caixa1Entrada, IdaEVoltaDosOutrosTiposNaoMudaONumero) {
  const struct {
    std::int16_t tipo;
    const char* digitado;
    const char* mostrado;
  } casos[] = {
      {kInteiro, "-123", "-123"},
      {kLongo, "2147483647", "2147483647"},
      {kSimples, "0,1", "0,1"},
      {kDuplo, "-0,3", "-0,3"},
      {kDecimal, "1234567890,0123456789", "1234567890,0123456789"},
      {kMoeda, "-922337203685476,58", "-922337203685476,58"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    f.Control().SetTipoDados(c.tipo);
    f.Type(c.digitado);
    for (int volta = 1; volta <= 3; ++volta) {
      f.Leave();
      f.Enter();
      EXPECT_EQ(c.mostrado, f.Caixa1().Text()) << c.digitado << ", volta " << volta;
    }
  }
}

// Whatever is pasted, leaving the box ends with a number of the type's kind and
// range, or with the message and 0.
TEST(Caixa1Saida, QualquerColagemTerminaNumNumeroDoTipo) {
  const std::vector<std::string> colagens = {
      "",
      "-",
      ",",
      "0",
      "-0",
      "1,5",
      "1.5",
      "1,2,3",
      "--1",
      "abc",
      "12w",
      "w",
      "1e5",
      "1E-5",
      "-1e400",
      "1e400",
      std::string(40, '9'),
      "-" + std::string(40, '9'),
      std::string(400, '1'),
      "0," + std::string(40, '1'),
      "R$ 12,34",
      "-R$ 5",
      "  7  ",
      "1.000.000",
      "1.0000",
      "\xff",
      "1\xc3\xa7",
      "٣",
      "²",
      "0x1F",
      "inf",
      "NaN",
  };
  const struct {
    std::int16_t tipo;
    NumberKind kind;
  } tipos[] = {{kMoeda, NumberKind::Currency}, {kInteiro, NumberKind::Int16},
               {kLongo, NumberKind::Int32},    {kSimples, NumberKind::Single},
               {kDuplo, NumberKind::Double},   {kDecimal, NumberKind::Decimal}};
  for (const auto& t : tipos) {
    for (const auto& colado : colagens) {
      MemoryForm f;
      ASSERT_NO_THROW(ColaESai(f, t.tipo, colado)) << t.tipo << " '" << colado << "'";
      const std::string mostrado = f.Caixa1().Text();
      if (!f.Runtime().Messages().empty()) {
        EXPECT_EQ("0", mostrado) << t.tipo << " '" << colado << "'";
        continue;
      }
      EXPECT_NO_THROW((void)ToNumber(mostrado, t.kind)) << t.tipo << " '" << colado << "'";
      EXPECT_EQ(mostrado, std::get<std::string>(f.Control().Text()));
    }
  }
}

}  // namespace
}  // namespace vumocaixa
