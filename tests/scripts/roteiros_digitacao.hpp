#pragma once
// Typing scripts that every host's tests play on a real box, key by key: the data type,
// the keys typed, the text shown after them, the text once the focus has left and the
// message shown on leaving ("texto|estilo|título", empty for none), and whether the
// box is a street address (Endereço on). The same rows run through the Qt Widgets host
// and the Qt Quick host, so both behave alike.

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa::testing {

struct RoteiroDigitacao {
  const char* nome;
  int tipo;
  const char* digitado;
  const char* mostrado;
  const char* aoSair;
  const char* mensagem;
  bool endereco = false;
};

// Free text keeps the width of the type before it: its rows come first, on a new box.
inline constexpr RoteiroDigitacao kRoteirosDigitacao[] = {
    {"e-mail", kEmail, "ana@vumo.com.br", "ana@vumo.com.br", "ana@vumo.com.br", ""},
    {"texto", kTexto, "São Paulo", "São Paulo", "São Paulo", ""},
    {"endereço só de espaços", kTexto, "   ", "   ", "   ", "", true},
    {"página", kHomePage, "www.vumo.com.br", "www.vumo.com.br", "www.vumo.com.br", ""},
    {"cpf válido, com uma tecla além da máscara", kCIC, "123456789091a", "123.456.789-09",
     "123.456.789-09", ""},
    {"cpf inválido", kCIC, "12345678900", "123.456.789-00", "123.456.789-00",
     "CIC inválido. Redigite.|64|Valor inválido"},
    {"cnpj", kCNPJ, "11222333000181", "11.222.333/0001-81", "11.222.333/0001-81", ""},
    {"cep com dígitos além da largura", kCEP, "123456789", "12.345-678", "12.345-678", ""},
    {"data", kData, "01022024", "01/02/2024", "01/02/2024", ""},
    {"moeda com o ponto digitado como vírgula", kMoeda, "1234.5", "1234,5", "R$ 1.234,50", ""},
    {"moeda com o ponto de milhar", kMoeda, "1.234", "1,234", "R$ 1.234,00", ""},
    {"moeda agrupada ao digitar a vírgula", kMoeda, "12.345,6", "12.345,6", "R$ 12.345,60", ""},
    {"inteiro além da largura e do maior inteiro", kInteiro, "1234567890", "123456", "0",
     "Valor Inválido. Redigite.|64|Erro nos dados"},
    {"inteiro sem letras", kInteiro, "1a2", "12", "12", ""},
    {"longo", kLongo, "1234567", "1234567", "1234567", ""},
    {"simples com vírgula", kSimples, "62.5", "62,5", "62,5", ""},
    {"duplo com vírgula", kDuplo, "1.68", "1,68", "1,68", ""},
    {"decimal", kDecimal, "10000", "10000", "10000", ""},
    {"cartão", kCartaoDeCredito, "4111111111111111", "4111.1111.1111.1111", "4111.1111.1111.1111",
     ""},
    {"pis", kPIS, "12345678951", "123.45678.95.1", "123.45678.95.1", ""},
    {"byte de uma letra", kByte, "mf", "m", "m", ""},
};

}  // namespace vumocaixa::testing
