// A CNPJ box with letters allowed: typing, leaving and assigning, with the option on
// and off.

#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vumocaixa {
namespace {

constexpr const char* kMensagem = "CNPJ inválido. Redigite.";

// A form with a CNPJ box, the option set as asked, the log and messages cleared.
struct FormCNPJ {
  explicit FormCNPJ(bool alfanumerico) {
    f.Control().SetTipoDados(kCNPJ);
    f.Control().SetCNPJAlfanumerico(alfanumerico);
    f.Container().ClearLog();
  }
  MemoryForm f{MemoryFormOptions{PtBR()}};
};

TEST(CNPJAlfanumerico, TypingANewNumberKeyByKeyShowsEachStep) {
  FormCNPJ form(true);
  const std::string digitado = "12ABC34501DE35";
  const std::vector<std::string> esperado = {"1",
                                             "12",
                                             "12.A",
                                             "12.AB",
                                             "12.ABC",
                                             "12.ABC.3",
                                             "12.ABC.34",
                                             "12.ABC.345",
                                             "12.ABC.345/0",
                                             "12.ABC.345/01",
                                             "12.ABC.345/01D",
                                             "12.ABC.345/01DE",
                                             "12.ABC.345/01DE-3",
                                             "12.ABC.345/01DE-35"};
  for (std::size_t i = 0; i < digitado.size(); ++i) {
    form.f.Type(digitado.substr(i, 1));
    EXPECT_EQ(esperado[i], form.f.Shown()) << "depois de " << digitado.substr(0, i + 1);
  }
  form.f.Leave();
  EXPECT_TRUE(form.f.Runtime().Messages().empty());
  EXPECT_EQ(Variant(std::string("12.ABC.345/01DE-35")), form.f.Control().Text());
}

TEST(CNPJAlfanumerico, TypingLowerCaseAndRefusedKeys) {
  const struct {
    const char* digitado;
    const char* mostrado;
    const char* nome;
  } rows[] = {
      {"12abc34501de35", "12.ABC.345/01DE-35", "minúsculas viram maiúsculas"},
      {"12ABC34501DEX35", "12.ABC.345/01DE-35", "letra no verificador é recusada"},
      {"12ABC34501DE3Y5", "12.ABC.345/01DE-35", "letra no último é recusada"},
      {"12.ABC/345-01DE35", "12.ABC.345/01DE-35", "separadores digitados são recusados"},
      {"12ÇABC34501DE35", "12.ABC.345/01DE-35", "letra acentuada é recusada"},
  };
  for (const auto& r : rows) {
    FormCNPJ form(true);
    form.f.Type(r.digitado);
    EXPECT_EQ(r.mostrado, form.f.Shown()) << r.nome;
  }
}

TEST(CNPJAlfanumerico, LeavingChecksTheNumberByTheOptionInForce) {
  const struct {
    bool alfanumerico;
    const char* digitado;
    bool recusado;
    const char* nome;
  } rows[] = {
      {true, "12ABC34501DE35", false, "novo formato válido"},
      {true, "12ABC34501DE45", true, "dígitos da leitura A=10"},
      {true, "12345678000195", false, "número antigo continua válido"},
      {true, "12345678000159", true, "número antigo com dígitos trocados"},
      {true, "12ABC3", true, "incompleto"},
      {true, "", false, "vazio"},
      {false, "12345678000195", false, "sem a opção, número antigo"},
      {false, "12ABC34501DE35", true, "sem a opção, letras são recusadas ao digitar"},
  };
  for (const auto& r : rows) {
    FormCNPJ form(r.alfanumerico);
    form.f.Type(r.digitado);
    form.f.Container().ClearLog();
    form.f.Leave();
    const std::vector<ShownMessage> esperadas =
        r.recusado ? std::vector<ShownMessage>{{kMensagem, 64, "Valor inválido"}}
                   : std::vector<ShownMessage>{};
    EXPECT_EQ(esperadas, form.f.Runtime().Messages()) << r.nome;
    EXPECT_EQ(form.f.Container().Count("PropertyChanged(Text)"), 1) << r.nome;
  }
}

TEST(CNPJAlfanumerico, WithTheOptionOffLettersAreRefusedAsBefore) {
  FormCNPJ form(false);
  form.f.Type("12ABC34501DE35");
  EXPECT_EQ("12.345.013/5", form.f.Shown());
}

TEST(CNPJAlfanumerico, AssignedValuesKeepTheirLettersOnlyWithTheOption) {
  const struct {
    bool alfanumerico;
    const char* atribuido;
    const char* mostrado;
    const char* nome;
  } rows[] = {
      {true, "12abc34501de35", "12.ABC.345/01DE-35", "letras mantidas e maiúsculas"},
      {true, "12.ABC.345/01DE-35", "12.ABC.345/01DE-35", "já mascarado"},
      {true, "12345678000195", "12.345.678/0001-95", "só dígitos"},
      {true, "", "", "vazio"},
      {false, "12ABC34501DE35", "12.345.013/5", "sem a opção, só os dígitos"},
      {false, "12345678000195", "12.345.678/0001-95", "sem a opção, número antigo"},
  };
  for (const auto& r : rows) {
    FormCNPJ form(r.alfanumerico);
    form.f.Control().SetText(Variant(std::string(r.atribuido)));
    EXPECT_EQ(r.mostrado, form.f.Shown()) << r.nome;
  }
}

TEST(CNPJAlfanumerico, PastedNumbersAreUpperCasedAndLaidIntoTheMaskOnLeaving) {
  for (const char* colado : {"12.abc.345/01de-35", "12abc34501de35", "12 ABC 345 01DE 35"}) {
    FormCNPJ form(true);
    form.f.Paste(colado);
    form.f.Leave();
    EXPECT_TRUE(form.f.Runtime().Messages().empty()) << colado;
    EXPECT_EQ("12.ABC.345/01DE-35", form.f.Shown()) << colado;
  }
}

}  // namespace
}  // namespace vumocaixa
