#include <vumocaixa/validate/mascara.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace vumocaixa {
namespace {

TEST(SoDigitos, KeepsOnlyTheDigitsInOrder) {
  struct Row {
    std::string_view input, expected, name;
  } rows[] = {
      {"", "", "texto vazio"},
      {"123.456.789-09", "12345678909", "cpf com máscara"},
      {"abc", "", "só letras"},
      {" 1 2\t3\n", "123", "espaços e quebras"},
      {"R$ 1.234,56", "123456", "valor com moeda"},
      {"\xC2\xB9\xC2\xB2\xEF\xBC\x93", "", "sobrescritos e dígito largo não são dígitos"},
      {"1\xFF"
       "2\xC3",
       "12", "bytes inválidos entre dígitos"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, SoDigitos(r.input)) << r.name;
}

TEST(FormataMascara, LaysDigitsIntoTheMask) {
  struct Row {
    std::string_view digits, mask, expected, name;
  } rows[] = {
      {"123", kMascaraCIC, "123.", "cic, três dígitos"},
      {"123456789", kMascaraCIC, "123.456.789-", "cic, nove dígitos"},
      {"12345678901", kMascaraCIC, "123.456.789-01", "cic completo"},
      {"123456789012", kMascaraCIC, "123.456.789-012", "cic com dígito a mais"},
      {"12", kMascaraCNPJ, "12.", "cnpj, dois dígitos"},
      {"12345678000195", kMascaraCNPJ, "12.345.678/0001-95", "cnpj completo"},
      {"1234", kMascaraCartao, "1234.", "cartão, quatro dígitos"},
      {"1234567890123456", kMascaraCartao, "1234.5678.9012.3456", "cartão completo"},
      {"12345678", kMascaraCEP, "12.345-678", "cep completo"},
      {"1234567890", kMascaraPIS, "123.45678.90.", "pis sem o dígito"},
      {"311299", kMascaraData2, "31/12/99", "data curta"},
      {"3112", kMascaraData4, "31/12/", "data pela metade"},
      {"1", kMascaraCIC, "1", "um dígito"},
      {"", kMascaraCIC, "", "vazio, máscara que começa por 9"},
      {"", kMascaraCartao, "", "vazio, cartão"},
      {"", "(99) 9999", "(", "vazio, máscara que começa por literal"},
      {"12", "(99) 9999", "(12) ", "literais depois do último dígito"},
      {"123456", "(99) 9999", "(12) 3456", "máscara com literais no início"},
      {"1234567", "(99) 9999", "(12) 34567", "dígito além da máscara"},
      {"12345", "", "12345", "máscara vazia"},
      {"", "", "", "ambos vazios"},
      {"1a2", kMascaraCIC, "12.", "não dígito ocupa sua posição"},
      {"12", "9ª9º", "1ª2º", "literais acentuados contam como um caractere"},
      {"12",
       "9\xFF"
       "9",
       "1\xFF"
       "2",
       "byte inválido na máscara é um literal"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.expected, FormataMascara(r.digits, r.mask)) << r.name;
  }
}

TEST(FormataMascara, HasNoLengthLimit) {
  const std::string digits(100000, '7');
  const std::string masked = FormataMascara(digits, kMascaraCIC);
  ASSERT_EQ(digits.size() + 3, masked.size());
  EXPECT_EQ("777.777.777-77777", masked.substr(0, 17));
}

TEST(TeclaDeControle, PassesExactlyTheControlCodes) {
  int passed = 0;
  for (int code = -32768; code <= 32767; ++code) {
    const bool expected =
        code == 8 || code == 9 || code == 10 || code == 13 || code == 16 || code == 17;
    EXPECT_EQ(expected, TeclaDeControle(static_cast<std::int16_t>(code))) << "código " << code;
    passed += expected ? 1 : 0;
  }
  EXPECT_EQ(6, passed);
  EXPECT_FALSE(TeclaDeControle('w'));
}

}  // namespace
}  // namespace vumocaixa
