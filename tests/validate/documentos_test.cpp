#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>

#include <gtest/gtest.h>

#include <string_view>

namespace vumocaixa {
namespace {

struct Row {
  std::string_view input;
  bool expected;
  std::string_view name;
};

TEST(ValidaCIC, WorkedNumbers) {
  const Row rows[] = {
      {"123.456.789-09", true, "somas 210 e 255"},
      {"12345678909", true, "sem máscara"},
      {"123.456.789-00", false, "segundo dígito errado"},
      {"123.456.789-19", false, "primeiro dígito errado"},
      {"123.456.789-0", false, "dez dígitos"},
      {"123.456.789-090", false, "doze dígitos"},
      {"111.111.111-11", true, "repetidos que conferem"},
      {"000.000.000-00", true, "zeros"},
      {"", true, "vazio"},
      {"abc", false, "sem dígitos"},
      {" ", false, "um espaço não é vazio"},
      {"cpf: 123 456 789 / 09", true, "outros separadores"},
      {"123.456.789-0\xFF"
       "9",
       true, "byte inválido é ignorado"},
      {"529.982.247-25", true, "primeiro resto acima de 1"},
      {"123x456y789z09", true, "outros separadores nas posições da máscara"},
      {"12345678909123", false, "14 dígitos, do tamanho da máscara"},
      {"123.456.789090", false, "dígito no lugar do traço"},
      {"1234567890", false, "dez dígitos sem máscara"},
      {"1234567890a", false, "onze caracteres, dez dígitos"},
      {"a12345678909", true, "letra antes de onze dígitos"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, ValidaCIC(r.input)) << r.name;
}

TEST(ValidaCNPJ, WorkedNumbers) {
  const Row rows[] = {
      {"12.345.678/0001-95", true, "somas 222 e 237"},
      {"11.222.333/0001-81", true, "segundo exemplo"},
      {"12345678000195", true, "sem máscara"},
      {"123456780001950000", false, "18 dígitos, do tamanho da máscara"},
      {"12.345.678/0001-59", false, "dígitos trocados"},
      {"12.345.678/0001-96", false, "segundo dígito errado"},
      {"12.345.678/0001-85", false, "primeiro dígito errado"},
      {"12.345.678/0001-9", false, "treze dígitos"},
      {"12.345.678/0001-950", false, "quinze dígitos"},
      {"00.000.000/0000-00", true, "zeros"},
      {"", true, "vazio"},
      {"cnpj", false, "sem dígitos"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, ValidaCNPJ(r.input)) << r.name;
}

TEST(ValidaPIS, WorkedNumbers) {
  const Row rows[] = {
      {"100.00000.00.8", true, "soma 3, dígito 8"},
      {"123.45678.90.0", true, "soma 231, resto 0"},
      {"123.00000.00.0", true, "soma 34, resto 1"},
      {"100.00000.00.0", false, "dígito errado"},
      {"10000000008", true, "sem máscara"},
      {"100.00000.00", false, "dez dígitos"},
      {"100.00000.00.80", false, "doze dígitos"},
      {"", true, "vazio"},
      {"pis", false, "sem dígitos"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, ValidaPIS(r.input)) << r.name;
}

TEST(ValidaCartao, WorkedNumbers) {
  const Row rows[] = {
      {"", true, "vazio"},
      {"1234.5678.1234.5670", true, "soma 60"},
      {"1234567812345670", true, "sem máscara"},
      {"1234.5678.1234.5678", false, "soma 68"},
      {"0000.0000.0000.0000", true, "soma 0"},
      {"4111.1111.1111.111", false, "15 dígitos"},
      {"1234.5678.1234.56701", false, "17 dígitos"},
      {"4111.1111.1111.1111", true, "número de teste conhecido"},
      {"9999.9999.9999.9995", true, "dobros acima de 9"},
      {"cartão", false, "sem dígitos"},
      {"1234567812345670123", false, "19 dígitos, do tamanho da máscara"},
      {"1234 5678 1234 5670", true, "espaços como separadores"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, ValidaCartao(r.input)) << r.name;
}

TEST(EPar, EvenAndOdd) {
  struct {
    long long n;
    bool expected;
  } rows[] = {{16, true},
              {0, true},
              {15, false},
              {1, false},
              {-2, true},
              {-3, false},
              {9223372036854775807LL, false},
              {-9223372036854775807LL - 1, true}};
  for (const auto& r : rows) EXPECT_EQ(r.expected, EPar(r.n)) << r.n;
}

}  // namespace
}  // namespace vumocaixa
