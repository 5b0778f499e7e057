#pragma once
// The fields of "Cadastro de Cliente", shared by the Qt Widgets form and the QML form.

#include <cstdint>

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace demo {

struct FieldLayout {
  const char* name;
  const char* label;
  std::int16_t tipo;
};

// Every data type, in the order a clerk fills the form in; the address is free text
// with the address rule on, the amount in words follows the salary.
inline constexpr FieldLayout kFields[] = {
    {"Nome", "&Nome:", vumocaixa::kTexto},
    {"Sexo", "Se&xo (M/F):", vumocaixa::kByte},
    {"Nascimento", "&Data de nascimento:", vumocaixa::kData},
    {"Idade", "&Idade:", vumocaixa::kInteiro},
    {"CPF", "C&PF:", vumocaixa::kCIC},
    {"PIS", "PI&S:", vumocaixa::kPIS},
    {"Endereço", "&Endereço:", vumocaixa::kTexto},
    {"CEP", "CE&P:", vumocaixa::kCEP},
    {"E-mail", "E-&mail:", vumocaixa::kEmail},
    {"Home page", "&Home page:", vumocaixa::kHomePage},
    {"Código", "&Código do cliente:", vumocaixa::kLongo},
    {"Peso", "Pes&o (kg):", vumocaixa::kSimples},
    {"Altura", "Altu&ra (m):", vumocaixa::kDuplo},
    {"Salário", "Sa&lário:", vumocaixa::kMoeda},
    {"Extenso", "Salário por extenso:", vumocaixa::kExtenso},
    {"Dependentes", "Dependen&tes:", vumocaixa::kInteiro},
    {"Limite", "Limite de crédi&to:", vumocaixa::kDecimal},
    {"CNPJ", "CNP&J do empregador:", vumocaixa::kCNPJ},
    {"Cartão", "Cartão de crédito:", vumocaixa::kCartaoDeCredito},
};

}  // namespace demo
