// The numeric box's decisions on their own: where a comma and a minus sign may
// go, which codes the box takes, the limits of the currency type, and the
// shortening of numbers too large for their kind.

#include <vumocaixa/entry/numerico.hpp>

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include <vumocaixa/tipos/tipos_de_dados.hpp>

namespace vumocaixa {
namespace {

struct CasoSinal {
  const char* texto;
  std::int32_t caret;
  bool esperado;
  const char* nome;
};

TEST(AceitaVirgula, OndeUmaVirgulaPodeEntrar) {
  const CasoSinal casos[] = {
      {"12", 2, true, "no fim de um número inteiro"},
      {"12", 0, true, "no início de um número sem sinal"},
      {"3", 0, true, "antes do único dígito"},
      {"", 0, true, "caixa vazia"},
      {"-3", 0, false, "na frente do sinal"},
      {"-3", 1, true, "logo depois do sinal"},
      {"-3", 2, true, "no fim de um negativo"},
      {"-", 0, false, "na frente de um sinal sozinho"},
      {"1,5", 0, false, "segunda vírgula no início"},
      {"1,5", 1, false, "segunda vírgula colada à primeira"},
      {"1,5", 3, false, "segunda vírgula no fim"},
      {",", 1, false, "vírgula sozinha"},
      {"-1,5", 4, false, "segunda vírgula num negativo"},
      {"12", 7, true, "caret além do texto"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(c.esperado, AceitaVirgula(c.texto, c.caret)) << c.nome;
  }
}

TEST(AceitaMenos, SoComoPrimeiroCaractereEUmaVez) {
  const CasoSinal casos[] = {
      {"45", 0, true, "no início de um positivo"},
      {"", 0, true, "caixa vazia"},
      {",5", 0, true, "antes de uma vírgula inicial"},
      {"45", 1, false, "no meio"},
      {"45", 2, false, "no fim"},
      {"-45", 0, false, "segundo sinal no início"},
      {"-45", 1, false, "segundo sinal depois do primeiro"},
      {"-45", 3, false, "segundo sinal no fim"},
      {"-", 0, false, "sinal sozinho"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(c.esperado, AceitaMenos(c.texto, c.caret)) << c.nome;
  }
}

TEST(ClassificaTecla, CodigosComNomeProprio) {
  const struct {
    std::int16_t codigo;
    ClasseTecla esperada;
    const char* nome;
  } casos[] = {
      {13, ClasseTecla::Enter, "Enter"},
      {8, ClasseTecla::Controle, "Backspace"},
      {9, ClasseTecla::Controle, "Tab"},
      {10, ClasseTecla::Controle, "line feed do Ctrl+Enter"},
      {16, ClasseTecla::Controle, "código 16"},
      {17, ClasseTecla::Controle, "código 17"},
      {119, ClasseTecla::Outra, "w minúsculo é uma letra como as outras"},
      {87, ClasseTecla::Outra, "W maiúsculo"},
      {44, ClasseTecla::Virgula, "vírgula"},
      {46, ClasseTecla::Virgula, "ponto vira vírgula"},
      {45, ClasseTecla::Menos, "menos"},
      {43, ClasseTecla::Outra, "mais"},
      {32, ClasseTecla::Outra, "espaço"},
      {101, ClasseTecla::Outra, "e de expoente"},
      {0, ClasseTecla::Outra, "código nulo"},
      {-1, ClasseTecla::Outra, "caractere sem código Windows-1252"},
      {-32768, ClasseTecla::Outra, "menor código de 16 bits"},
      {300, ClasseTecla::Outra, "código além de 255"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(c.esperada, ClassificaTecla(c.codigo)) << c.nome;
  }
}

TEST(ClassificaTecla, SoOsDezAlgarismosSaoDigitos) {
  for (int codigo = 0; codigo <= 255; ++codigo) {
    const bool algarismo = codigo >= '0' && codigo <= '9';
    EXPECT_EQ(algarismo, ClassificaTecla(static_cast<std::int16_t>(codigo)) == ClasseTecla::Digito)
        << "código " << codigo;
  }
}

Decimal Dec(unsigned long long magnitude, std::uint8_t scale, bool negative = false) {
  return Decimal{magnitude, scale, negative};
}

TEST(MoedaNaFaixa, LimitesUmaUnidadeDentroDaMoedaEInclusos) {
  const unsigned __int128 dez28 =
      static_cast<unsigned __int128>(10'000'000'000'000ULL) * 1'000'000'000'000'000ULL;  // 10^28
  const struct {
    Decimal valor;
    bool naFaixa;
    const char* nome;
  } casos[] = {
      {Dec(0, 0), true, "zero"},
      {Dec(0, 0, true), true, "zero negativo"},
      {Dec(12345, 1), true, "1234,5"},
      {Dec(92233720368547657, 2), true, "um centavo abaixo do limite"},
      {Dec(92233720368547658, 2), true, "o próprio limite"},
      {Dec(92233720368547659, 2), false, "um centavo acima do limite"},
      {Dec(922337203685476579, 3), true, "um milésimo abaixo do limite"},
      {Dec(9223372036854765800, 4), true, "o limite com quatro casas"},
      {Dec(9223372036854765801, 4), false, "pouco acima do limite"},
      {Dec(922337203685477, 0), false, "a parte inteira do maior valor"},
      {Dec(92233720368547658, 2, true), true, "o limite negativo"},
      {Dec(922337203685476581, 3, true), false, "pouco abaixo do limite negativo"},
      {Decimal{dez28, 0, false}, false, "10^28"},
      {Decimal{dez28, 0, true}, false, "-10^28"},
      {Decimal{dez28, 28, true}, true, "-1 com 28 casas"},
      {Decimal{dez28 * 7, 28, false}, true, "7 com 28 casas"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(c.naFaixa, MoedaNaFaixa(c.valor)) << c.nome;
  }
}

TEST(Converte, DistingueEstouroDeTextoQueNaoENumero) {
  const struct {
    std::string texto;
    NumberKind kind;
    bool converte;
    bool estouro;
    const char* nome;
  } casos[] = {
      {"12,5", NumberKind::Double, true, false, "decimal brasileiro"},
      {"32767", NumberKind::Int16, true, false, "maior inteiro de 16 bits"},
      {"32768", NumberKind::Int16, false, true, "um além do inteiro de 16 bits"},
      {"2147483648", NumberKind::Int32, false, true, "um além do inteiro de 32 bits"},
      {std::string(30, '9'), NumberKind::Decimal, false, true, "trinta noves no decimal"},
      {"abc", NumberKind::Double, false, false, "letras"},
      {"12w", NumberKind::Int16, false, false, "dígitos e um w"},
      {"", NumberKind::Decimal, false, false, "vazio"},
      {"1\xff", NumberKind::Double, false, false, "UTF-8 malformado"},
      {"\xc3", NumberKind::Int32, false, false, "sequência UTF-8 cortada"},
  };
  for (const auto& c : casos) {
    const Conversao r = Converte(c.texto, c.kind);
    EXPECT_EQ(c.converte, r.valor.has_value()) << c.nome;
    EXPECT_EQ(c.estouro, r.estouro) << c.nome;
  }
}

TEST(EncurtaNumero, PerdeCaracteresDaDireitaAteCaber) {
  const std::string noves28(28, '9');
  const struct {
    std::string texto;
    NumberKind kind;
    std::optional<std::string> esperado;
    const char* nome;
  } casos[] = {
      {std::string(30, '9'), NumberKind::Decimal, noves28, "trinta noves"},
      {"-" + std::string(30, '9'), NumberKind::Decimal, "-" + noves28, "menos trinta noves"},
      {std::string(100000, '9'), NumberKind::Decimal, noves28, "cem mil noves"},
      {"1,5", NumberKind::Double, "1,5", "cabe de primeira"},
      {"12abc", NumberKind::Double, "12", "letras coladas no fim"},
      {"7" + std::string(5000, 'x'), NumberKind::Single, "7", "muitas letras no fim"},
      {"", NumberKind::Double, std::nullopt, "vazio"},
      {"-", NumberKind::Decimal, std::nullopt, "sinal sozinho"},
      {"abc", NumberKind::Single, std::nullopt, "nenhum começo converte"},
      {"\xff\xfe", NumberKind::Double, std::nullopt, "UTF-8 malformado"},
      {"12\x80", NumberKind::Double, "12", "byte de continuação solto no fim"},
      {"1\xc3", NumberKind::Decimal, "1", "sequência cortada no fim"},
      {"7é8", NumberKind::Double, "7", "letra acentuada no meio"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(c.esperado, EncurtaNumero(c.texto, c.kind)) << c.nome;
  }
}

TEST(EncurtaNumero, OTextoMostradoConverteDeVolta) {
  // Just below the largest double and single; a rounded display of these must not
  // land past the largest value.
  const struct {
    std::string texto;
    NumberKind kind;
    const char* nome;
  } casos[] = {
      {std::string(310, '9'), NumberKind::Double, "310 noves no duplo"},
      {"17976931348623157" + std::string(292, '0'), NumberKind::Double, "o maior duplo"},
      {"-17976931348623157" + std::string(292, '0'), NumberKind::Double, "o menor duplo"},
      {std::string(40, '9'), NumberKind::Single, "40 noves no simples"},
      {"340282346638528859811704183484516925440", NumberKind::Single, "o maior simples"},
  };
  for (const auto& c : casos) {
    const auto mostrado = EncurtaNumero(c.texto, c.kind);
    ASSERT_TRUE(mostrado.has_value()) << c.nome;
    EXPECT_TRUE(Converte(*mostrado, c.kind).valor.has_value()) << c.nome << ": " << *mostrado;
  }
}

}  // namespace
}  // namespace vumocaixa
