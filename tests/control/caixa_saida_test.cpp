// Leaving the text box: each data type with a valid, an invalid and an empty entry.

#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vumocaixa {
namespace {

constexpr const char* kTitulo = "Valor inválido";

enum class Entrada { Digitada, Colada };

struct Row {
  std::int16_t tipo;
  const char* entrada;
  Entrada como;
  const char* mensagem;  // "" when the entry passes
  const char* final;
  const char* nome;
};

// Puts the entry into the box as the user would, then moves the focus on.
void DigitaESai(MemoryForm& f, const Row& r) {
  if (r.como == Entrada::Digitada) {
    f.Type(r.entrada);
  } else {
    f.Paste(r.entrada);
  }
  f.Container().ClearLog();
  f.Runtime().Clear();
  f.Leave();
}

void ConfereSaida(const Row& r, bool capitaliza = false, bool endereco = false) {
  MemoryForm f{MemoryFormOptions{PtBR()}};
  f.Control().SetTipoDados(r.tipo);
  f.Control().SetMaiusculoEMinusculo(capitaliza);
  f.Control().SetEndereço(endereco);
  DigitaESai(f, r);
  const std::string mensagem = r.mensagem;
  const std::vector<ShownMessage> esperadas =
      mensagem.empty() ? std::vector<ShownMessage>{}
                       : std::vector<ShownMessage>{{mensagem, kInformationIcon, kTitulo}};
  EXPECT_EQ(f.Runtime().Messages(), esperadas) << r.nome;
  // A refused entry gets the focus back; a good one lets it go to the next field.
  EXPECT_EQ(f.Caixa().HasFocus(), !mensagem.empty()) << r.nome;
  EXPECT_EQ(f.NextField().HasFocus(), mensagem.empty()) << r.nome;
  EXPECT_EQ(f.Shown(), r.final) << r.nome;
  EXPECT_EQ(f.Control().Text(), Variant(std::string(r.final))) << r.nome;
  ASSERT_FALSE(f.Container().PropertyChanges().empty()) << r.nome;
  EXPECT_EQ(f.Container().PropertyChanges().back(), "Text") << r.nome;
}

TEST(CaixaSaida, DocumentNumbers) {
  const Row rows[] = {
      {kCIC, "12345678909", Entrada::Digitada, "", "123.456.789-09", "cpf valido"},
      {kCIC, "12345678900", Entrada::Digitada, "CIC inválido. Redigite.", "123.456.789-00",
       "cpf com digito errado"},
      {kCIC, "1234", Entrada::Digitada, "CIC inválido. Redigite.", "123.4", "cpf incompleto"},
      {kCIC, "abc", Entrada::Colada, "CIC inválido. Redigite.", "abc", "letras coladas"},
      {kCIC, "123.456.789-091", Entrada::Colada, "CIC inválido. Redigite.", "123.456.789-091",
       "um digito a mais"},
      {kCNPJ, "12345678000195", Entrada::Digitada, "", "12.345.678/0001-95", "cnpj valido"},
      {kCNPJ, "12345678000159", Entrada::Digitada, "CNPJ inválido. Redigite.", "12.345.678/0001-59",
       "cnpj com digitos trocados"},
      {kPIS, "12054471315", Entrada::Digitada, "", "120.54471.31.5", "pis valido"},
      {kPIS, "12054471318", Entrada::Digitada, "PIS inválido. Redigite.", "120.54471.31.8",
       "pis com digito errado"},
      {kCartaoDeCredito, "4111111111111111", Entrada::Digitada, "", "4111.1111.1111.1111",
       "cartao valido"},
      {kCartaoDeCredito, "4111111111111112", Entrada::Digitada,
       "Cartão de Crédito inválido. Redigite.", "4111.1111.1111.1112", "cartao invalido"},
  };
  for (const Row& r : rows) ConfereSaida(r);
}

// A pasted number whose digits fill the mask exactly is laid into it before the
// check; one with too few or too many digits is judged as it stands.
TEST(CaixaSaida, PastedNumbersThatFillTheMaskAreLaidIntoIt) {
  const Row rows[] = {
      {kCIC, "12345678909", Entrada::Colada, "", "123.456.789-09", "cpf colado sem mascara"},
      {kCIC, " 123 456 789 09 ", Entrada::Colada, "", "123.456.789-09", "cpf com espacos"},
      {kCIC, "12345678900", Entrada::Colada, "CIC inválido. Redigite.", "123.456.789-00",
       "cpf invalido fica na mascara"},
      {kCIC, "1234567890", Entrada::Colada, "CIC inválido. Redigite.", "1234567890",
       "um digito a menos"},
      {kCIC, "123456789091", Entrada::Colada, "CIC inválido. Redigite.", "123456789091",
       "um digito a mais"},
      {kCEP, "01310-100", Entrada::Colada, "", "01.310-100", "cep dos correios"},
      {kCEP, "01310100", Entrada::Colada, "", "01.310-100", "cep so com digitos"},
      {kCEP, "1310-100", Entrada::Colada, "CEP inválido. Redigite.", "1310-100",
       "cep com sete digitos"},
      {kCNPJ, "12.345.678/000195", Entrada::Colada, "", "12.345.678/0001-95", "cnpj sem o traco"},
      {kPIS, "120.5447.1315", Entrada::Colada, "", "120.54471.31.5", "pis em outra mascara"},
      {kCartaoDeCredito, "4111 1111 1111 1111", Entrada::Colada, "", "4111.1111.1111.1111",
       "cartao em grupos"},
  };
  for (const Row& r : rows) ConfereSaida(r);
}

TEST(CaixaSaida, CepIsJudgedByItsLengthOnly) {
  const Row rows[] = {
      {kCEP, "12345678", Entrada::Digitada, "", "12.345-678", "cep completo"},
      {kCEP, "1234567", Entrada::Digitada, "CEP inválido. Redigite.", "12.345-67",
       "nove caracteres"},
      {kCEP, "abcdefghij", Entrada::Colada, "", "abcdefghij", "dez caracteres quaisquer"},
      {kCEP, "ç", Entrada::Colada, "CEP inválido. Redigite.", "ç", "um caractere acentuado"},
  };
  for (const Row& r : rows) ConfereSaida(r);
}

TEST(CaixaSaida, EmailNeedsAnAtSignAndHomePageIsNeverRefused) {
  const Row rows[] = {
      {kEmail, "a@", Entrada::Digitada, "", "a@", "arroba no fim"},
      {kEmail, "@", Entrada::Digitada, "", "@", "so a arroba"},
      {kEmail, "ab.com", Entrada::Digitada, "email inválido. Redigite.", "ab.com", "sem arroba"},
      {kEmail, "Fulano@Exemplo.COM", Entrada::Colada, "", "fulano@exemplo.com",
       "colado em maiusculas fica em minusculas"},
      {kEmail, "SEM.ARROBA", Entrada::Colada, "email inválido. Redigite.", "sem.arroba",
       "recusado e ainda assim em minusculas"},
      {kHomePage, "nada disso é endereço", Entrada::Digitada, "", "nada disso é endereço",
       "home page"},
      {kByte, "x", Entrada::Digitada, "", "x", "byte"},
  };
  for (const Row& r : rows) ConfereSaida(r);
}

TEST(CaixaSaida, DatesAreRewrittenInTheShortForm) {
  const Row rows[] = {
      {kData, "31/12/1999", Entrada::Colada, "", "31/12/1999", "data completa"},
      {kData, "1/2/2020", Entrada::Colada, "", "01/02/2020", "dia e mes com um digito"},
      {kData, "31/02/2020", Entrada::Colada, "Data inválida. Redigite.", "31/02/2020",
       "31 de fevereiro"},
      {kData, "ontem", Entrada::Colada, "Data inválida. Redigite.", "ontem", "texto"},
  };
  for (const Row& r : rows) ConfereSaida(r);
}

TEST(CaixaSaida, PlainTextIsCapitalisedOnlyWhenAskedFor) {
  ConfereSaida({kTexto, "rua das flores", Entrada::Digitada, "", "Rua das Flores", "capitaliza"},
               true);
  ConfereSaida({kTexto, "rua das flores", Entrada::Digitada, "", "rua das flores",
                "sem capitalizar, mesmo com endereco"},
               false, true);
  ConfereSaida({kTexto, "flores amarelas", Entrada::Digitada, "", "Rua Flores Amarelas",
                "endereco sem tipo de logradouro"},
               true, true);
}

TEST(CaixaSaida, AnEmptyBoxIsNeverRefused) {
  for (std::int16_t tipo :
       {kTexto, kData, kByte, kCIC, kCNPJ, kCartaoDeCredito, kCEP, kEmail, kHomePage, kPIS}) {
    ConfereSaida({tipo, "", Entrada::Digitada, "", "", "vazia"}, tipo == kTexto);
  }
}

// Passing through an optional address field leaves it as empty as it was.
TEST(CaixaSaida, AnEmptyTextBoxStaysEmptyWhateverItsOptions) {
  const struct {
    bool capitaliza;
    bool endereco;
    const char* nome;
  } rows[] = {
      {true, true, "endereco"},
      {true, false, "so capitaliza"},
      {false, true, "endereco sem capitalizar"},
  };
  for (const auto& r : rows) {
    MemoryForm f{MemoryFormOptions{PtBR()}};
    f.Control().SetMaiusculoEMinusculo(r.capitaliza);
    f.Control().SetEndereço(r.endereco);
    for (int passagem = 0; passagem < 2; ++passagem) {
      f.Enter();
      f.Container().ClearLog();
      f.Leave();
      EXPECT_EQ(f.Shown(), "") << r.nome;
      EXPECT_EQ(f.Container().Count("Change"), 0) << r.nome;
      EXPECT_EQ(f.Container().PropertyChanges(), std::vector<std::string>{"Text"}) << r.nome;
    }
  }
}

// Blanks typed into an address box are no address: they stay as typed, never "Rua ".
TEST(CaixaSaida, BlanksAloneAreNoAddress) {
  const struct {
    const char* digitado;
    bool endereco;
    const char* final;
  } rows[] = {
      {"   ", true, "   "},  {" ", true, " "},
      {"   ", false, ""},    {"  av paulista ", true, "Av. Paulista"},
      {" x", true, "Rua X"},
  };
  for (const auto& r : rows) {
    const std::string nome = std::string("'") + r.digitado + (r.endereco ? "' endereco" : "'");
    ConfereSaida({kTexto, r.digitado, Entrada::Digitada, "", r.final, nome.c_str()}, true,
                 r.endereco);
  }
}

TEST(CaixaSaida, SpacesCountAsContent) {
  ConfereSaida({kCIC, " ", Entrada::Colada, "CIC inválido. Redigite.", " ", "espaco no cpf"});
  ConfereSaida({kEmail, " ", Entrada::Colada, "email inválido. Redigite.", " ", "espaco no email"});
}

// The message box is modal: the focus comes back and the value is stored only after
// the user has closed it.
TEST(CaixaSaida, MessageFirstThenFocusThenValue) {
  MemoryForm f{MemoryFormOptions{PtBR()}};
  f.Control().SetTipoDados(kCIC);
  f.Type("111");
  f.Container().ClearLog();
  int focoNaMensagem = -1;
  std::size_t notificacoesNaMensagem = 99;
  f.Runtime().OnShowMessage = [&](const ShownMessage&) {
    focoNaMensagem = f.Caixa().SetFocusCalls();
    notificacoesNaMensagem = f.Container().PropertyChanges().size();
  };
  const int focoAntes = f.Caixa().SetFocusCalls();
  f.Leave();
  EXPECT_EQ(focoNaMensagem, focoAntes);
  EXPECT_EQ(notificacoesNaMensagem, 0u);
  EXPECT_EQ(f.Caixa().SetFocusCalls(), focoAntes + 1);
  EXPECT_EQ(f.Container().PropertyChanges(), std::vector<std::string>{"Text"});
}

TEST(CaixaSaida, AFocusThatCannotComeBackIsIgnored) {
  MemoryForm f{MemoryFormOptions{PtBR()}};
  f.Control().SetTipoDados(kCEP);
  f.Type("123");
  f.Caixa().SetFocusFails(true);
  f.Container().ClearLog();
  f.Leave();
  ASSERT_EQ(f.Runtime().Messages().size(), 1u);
  EXPECT_EQ(f.Runtime().Messages()[0].prompt, "CEP inválido. Redigite.");
  EXPECT_TRUE(f.NextField().HasFocus());
  EXPECT_EQ(f.Shown(), "12.3");
  EXPECT_EQ(f.Container().PropertyChanges(), std::vector<std::string>{"Text"});
}

// The focus comes back with the whole entry selected, so the user retypes it.
TEST(CaixaSaida, ARefusedEntryIsSelectedAndCheckedAgainWhenLeftAgain) {
  MemoryForm f{MemoryFormOptions{PtBR()}};
  f.Control().SetTipoDados(kCIC);
  f.Control().SetTamanhoMáximo(14);
  f.Type("12345678900");
  f.Leave();
  ASSERT_TRUE(f.Caixa().HasFocus());
  EXPECT_EQ(f.Caixa().SelLength(), 14);
  f.Type("12345678909");
  f.Leave();
  EXPECT_EQ(f.Runtime().Messages().size(), 1u);
  EXPECT_TRUE(f.NextField().HasFocus());
  EXPECT_EQ(f.Control().Text(), Variant(std::string("123.456.789-09")));
}

TEST(CaixaSaida, EnterOnARefusedEntryBringsTheFocusBack) {
  MemoryForm f{MemoryFormOptions{PtBR()}};
  f.Control().SetTipoDados(kEmail);
  f.Type("fulano");
  f.PressEnter();
  EXPECT_EQ(f.Runtime().Messages().size(), 1u);
  EXPECT_TRUE(f.Caixa().HasFocus());
  EXPECT_EQ(f.Shown(), "fulano");
}

}  // namespace
}  // namespace vumocaixa
