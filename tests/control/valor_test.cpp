// The value property Text: read, assigned by value and by reference, for every type.

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/errors.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vumocaixa {
namespace {

Variant T(const char* s) { return Variant(std::string(s)); }

struct Form {
  explicit Form(std::int16_t tipo) {
    f.Control().SetTipoDados(tipo);
    f.Container().ClearLog();
  }
  MemoryForm f{MemoryFormOptions{PtBR()}};
};

struct Row {
  std::int16_t tipo;
  Variant valor;
  const char* mostrado;
  const char* nome;
};

TEST(Valor, AssignedByValueIsShownForTheType) {
  const Row rows[] = {
      {kTexto, T("Olá, Mundo"), "Olá, Mundo", "texto como veio"},
      {kTexto, 1234.5, "1234,5", "numero no texto"},
      {kTexto, Empty{}, "", "vazio"},
      {kByte, T("xyz"), "xyz", "byte nao corta"},
      {kData, T("1/2/2020"), "01/02/2020", "data curta"},
      {kData, Date{2020, 2, 1}, "01/02/2020", "valor de data"},
      {kMoeda, 1234.5, "R$ 1.234,50", "moeda"},
      {kInteiro, T("12"), "12", "inteiro de texto"},
      {kInteiro, std::int32_t{32767}, "32767", "maior inteiro"},
      {kInteiro, std::int32_t{-32768}, "-32768", "menor inteiro"},
      {kInteiro, 2.5, "2", "arredonda para o par"},
      {kLongo, T("2147483647"), "2147483647", "maior longo"},
      {kSimples, T("1,5"), "1,5", "simples"},
      {kDuplo, T("1234,5"), "1234,5", "duplo"},
      {kDecimal, T("0,1"), "0,1", "decimal"},
      {kCIC, T("12345678909"), "123.456.789-09", "cpf em digitos"},
      {kCIC, T("123.456.789-09"), "123.456.789-09", "cpf ja mascarado"},
      {kCIC, T("123"), "123.", "cpf parcial"},
      {kCIC, T("1234567890912"), "123.456.789-0912", "digitos a mais nao se perdem"},
      {kCIC, T("abc"), "", "sem digitos"},
      {kCIC, Empty{}, "", "cpf vazio"},
      {kCNPJ, T("12345678000195"), "12.345.678/0001-95", "cnpj"},
      {kCartaoDeCredito, T("4111 1111 1111 1111"), "4111.1111.1111.1111", "cartao com espacos"},
      {kCEP, std::int32_t{12345678}, "12.345-678", "cep numerico"},
      {kPIS, T("12054471315"), "120.54471.31.5", "pis"},
      {kEmail, T("Fulano@Exemplo.COM"), "fulano@exemplo.com", "email em minusculas"},
      {kEmail, T("JOÃO@AÇÃO.COM"), "joão@ação.com", "email acentuado"},
      {kHomePage, T("WWW.Exemplo.com.br"), "WWW.Exemplo.com.br", "home page como veio"},
  };
  for (const Row& r : rows) {
    Form form(r.tipo);
    form.f.Control().SetText(r.valor);
    EXPECT_EQ(form.f.Shown(), r.mostrado) << r.nome;
    EXPECT_EQ(form.f.Control().Text(), T(r.mostrado)) << r.nome;
  }
}

// Handing what the control shows back to it changes nothing, for every type that
// shows its value: this is what leaving the box does.
TEST(Valor, WhatIsShownAssignedAgainStaysTheSame) {
  const Row rows[] = {
      {kTexto, T("abc"), "", "texto"},      {kByte, T("b"), "", "byte"},
      {kData, T("1/2/20"), "", "data"},     {kMoeda, T("-1234,567"), "", "moeda"},
      {kInteiro, T("-7"), "", "inteiro"},   {kLongo, T("123456"), "", "longo"},
      {kSimples, T("3,25"), "", "simples"}, {kDuplo, T("-0,001"), "", "duplo"},
      {kDecimal, T("1,10"), "", "decimal"}, {kCIC, T("123456789"), "", "cpf"},
      {kCNPJ, T("1234"), "", "cnpj"},       {kCartaoDeCredito, T("4111"), "", "cartao"},
      {kCEP, T("1234"), "", "cep"},         {kEmail, T("A@B"), "", "email"},
      {kHomePage, T("x.com"), "", "home"},  {kPIS, T("1205447131"), "", "pis"},
  };
  for (const Row& r : rows) {
    Form form(r.tipo);
    VumoCaixaControl& c = form.f.Control();
    c.SetText(r.valor);
    const Variant lido = c.Text();
    form.f.Container().ClearLog();
    c.SetText(lido);
    EXPECT_EQ(c.Text(), lido) << r.nome;
    EXPECT_TRUE(form.f.Container().Log().empty()) << r.nome;
  }
}

TEST(Valor, TheTextAMaskedBoxShowsIsNeverReMasked) {
  for (const char* mostrado : {"123.4", "12345678909", "1.2.3", "abc"}) {
    Form form(kCIC);
    form.f.Caixa().SetText(mostrado);
    form.f.Control().SetText(T(mostrado));
    EXPECT_EQ(form.f.Shown(), mostrado);
  }
}

TEST(Valor, NumericConversionFailuresLeaveTheBoxUnchanged) {
  struct Falha {
    std::int16_t tipo;
    Variant valor;
    bool estouro;  // otherwise a type mismatch
    const char* nome;
  };
  const Falha rows[] = {
      {kInteiro, std::int32_t{32768}, true, "acima do inteiro"},
      {kInteiro, T("-32769"), true, "abaixo do inteiro"},
      {kLongo, 2147483648.0, true, "acima do longo"},
      {kSimples, T("1e39"), true, "acima do simples"},
      {kInteiro, T("abc"), false, "texto no inteiro"},
      {kDuplo, T("12,3,4"), false, "duas virgulas"},
      {kDecimal, T(""), false, "texto vazio no decimal"},
      {kLongo, T(std::string(100000, '9').c_str()), true, "cem mil noves"},
      {kMoeda, T("12abc"), false, "moeda com letras"},
      {kMoeda, T("NaN"), false, "moeda que não é número"},
      {kMoeda, T("1.2.3"), false, "moeda com pontos soltos"},
      {kMoeda, T("inf"), false, "moeda infinita"},
      {kMoeda, T("1e400"), true, "moeda além do intervalo"},
  };
  for (const Falha& r : rows) {
    Form form(r.tipo);
    VumoCaixaControl& c = form.f.Control();
    c.SetText(T("7"));
    const std::string antes = form.f.Shown();
    form.f.Container().ClearLog();
    if (r.estouro) {
      EXPECT_THROW(c.SetText(r.valor), OverflowError) << r.nome;
    } else {
      EXPECT_THROW(c.SetText(r.valor), TypeMismatchError) << r.nome;
    }
    EXPECT_EQ(form.f.Shown(), antes) << r.nome;
    EXPECT_TRUE(form.f.Container().Log().empty()) << r.nome;
  }
}

TEST(Valor, AmountInWordsGoesToTheLabel) {
  const Row rows[] = {
      {kExtenso, 1.0, "Um Real", "um real"},
      {kExtenso, T("12,34"), "Doze Reais e Trinta e Quatro Centavos", "texto com centavos"},
      {kExtenso, 1.5, "Um Real e Cinquenta Centavos", "numero com decimais"},
      {kExtenso, 0.0, "", "zero"},
      {kExtenso, -5.0, "", "negativo"},
      {kExtenso, T("abc"), "", "nao numerico"},
      {kExtenso, Empty{}, "", "vazio"},
  };
  for (const Row& r : rows) {
    Form form(r.tipo);
    form.f.Control().SetText(r.valor);
    EXPECT_EQ(form.f.Caixa2().Text(), r.mostrado) << r.nome;
    EXPECT_EQ(form.f.Control().Text(), T(r.mostrado)) << r.nome;
    EXPECT_EQ(form.f.Caixa().Text(), "") << r.nome;
  }
}

TEST(Valor, AssignedByReferenceIsShownAsGiven) {
  const Row rows[] = {
      {kData, T("1/2/2020"), "1/2/2020", "data sem formatar"},
      {kInteiro, T("abc"), "abc", "inteiro sem conversao"},
      {kInteiro, std::int32_t{99999}, "99999", "inteiro sem limite"},
      {kCIC, T("12345678909"), "12345678909", "cpf sem mascara"},
      {kEmail, T("A@B"), "A@B", "email sem minusculas"},
      {kDuplo, 1234.5, "1234,5", "numero no seu texto"},
      {kExtenso, 2.0, "Dois Reais", "extenso ainda por extenso"},
  };
  for (const Row& r : rows) {
    Form form(r.tipo);
    form.f.Control().SetTextByReference(r.valor);
    EXPECT_EQ(form.f.Shown(), r.mostrado) << r.nome;
  }
}

TEST(Valor, ReadingAsksTheContainerFirst) {
  Form form(kTexto);
  MemoryForm& f = form.f;
  f.Caixa().SetText("abc");
  const int refreshes = f.Caixa().RefreshCalls();
  EXPECT_EQ(f.Control().Text(), T("abc"));
  EXPECT_EQ(f.Caixa().RefreshCalls(), refreshes + 1);
  f.Container().SetCanPropertyChange(false);
  EXPECT_EQ(f.Control().Text(), Variant(Empty{}));
  EXPECT_EQ(f.Caixa().RefreshCalls(), refreshes + 1);
  EXPECT_EQ(f.Container().CanPropertyChangeAsked(), (std::vector<std::string>{"Text", "Text"}));
}

TEST(Valor, AssigningNeverNotifiesByItself) {
  Form form(kTexto);
  MemoryForm& f = form.f;
  f.Control().SetText(T("abc"));
  EXPECT_EQ(f.Container().Log(), (std::vector<std::string>{"Change", "PropertyChanged(Text)"}));
  f.Container().ClearLog();
  f.Control().SetText(T("abc"));
  f.Control().SetTextByReference(T("abc"));
  EXPECT_TRUE(f.Container().Log().empty());
}

// --- Text of any length and content ---------------------------------------------------

TEST(Valor, MalformedUtf8IsRefusedAndChangesNothing) {
  const std::string ruins[] = {"\xff", "abc\xc3", "\xc0\xaf", "\xed\xa0\x80",
                               "1\x80"
                               "2"};
  for (std::int16_t tipo = kTexto; tipo <= kExtenso; ++tipo) {
    for (const std::string& ruim : ruins) {
      Form form(tipo);
      VumoCaixaControl& c = form.f.Control();
      const std::string antes = form.f.Shown();
      EXPECT_THROW(c.SetText(Variant(ruim)), InvalidTextError) << tipo;
      EXPECT_THROW(c.SetTextByReference(Variant(ruim)), InvalidTextError) << tipo;
      EXPECT_EQ(form.f.Shown(), antes) << tipo;
      EXPECT_TRUE(form.f.Container().Log().empty()) << tipo;
    }
  }
}

TEST(Valor, CharactersOutsideTheCodePageAreKeptWhereTextIsFree) {
  const std::string texto = "日本語 😀 Ωμέγα";
  for (std::int16_t tipo : {kTexto, kByte, kHomePage}) {
    Form form(tipo);
    form.f.Control().SetText(Variant(texto));
    EXPECT_EQ(form.f.Shown(), texto) << tipo;
  }
  Form email(kEmail);
  email.f.Control().SetText(T("ΩMEGA@日本.COM"));
  EXPECT_EQ(email.f.Shown(), "Ωmega@日本.com");
  Form cpf(kCIC);
  cpf.f.Control().SetText(T("１２３日4"));  // full-width digits are no digits
  EXPECT_EQ(cpf.f.Shown(), "4");
}

TEST(Valor, AHundredThousandCharacters) {
  const std::string letras(100000, 'a');
  const std::string digitos(100000, '7');
  Form texto(kTexto);
  texto.f.Control().SetText(Variant(letras));
  EXPECT_EQ(texto.f.Shown(), letras);

  Form cpf(kCIC);
  cpf.f.Control().SetText(Variant(digitos));
  const std::string mostrado = cpf.f.Shown();
  EXPECT_EQ(mostrado.size(), digitos.size() + 3);
  EXPECT_EQ(mostrado.substr(0, 16), "777.777.777-7777");
  cpf.f.Type("");
  cpf.f.Leave();
  ASSERT_EQ(cpf.f.Runtime().Messages().size(), 1u);
  EXPECT_EQ(cpf.f.Runtime().Messages()[0].prompt, "CIC inválido. Redigite.");
  EXPECT_EQ(cpf.f.Shown(), mostrado);

  Form letrasNoCpf(kCIC);
  letrasNoCpf.f.Control().SetTamanhoMáximo(14);
  letrasNoCpf.f.Paste(letras);
  EXPECT_EQ(letrasNoCpf.f.Shown(), std::string(14, 'a'));
  letrasNoCpf.f.Leave();
  EXPECT_EQ(letrasNoCpf.f.Runtime().Messages().size(), 1u);
}

}  // namespace
}  // namespace vumocaixa
