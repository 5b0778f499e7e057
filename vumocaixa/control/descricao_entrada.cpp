#include <vumocaixa/control/descricao_entrada.hpp>

#include <array>

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa {
namespace {

// Indexed by data type.
constexpr std::array<std::string_view, 17> kDescricoes = {
    "Texto",
    "Data (dia, mês e ano)",
    "Valor em reais",
    "Número inteiro",
    "Número inteiro longo",
    "Número com casas decimais",
    "Número com casas decimais, precisão dupla",
    "Número decimal",
    "Um caractere",
    "CPF",
    "CNPJ",
    "Número do cartão de crédito",
    "CEP",
    "Endereço de e-mail",
    "Endereço de página na internet",
    "PIS",
    "Valor por extenso",
};
static_assert(kDescricoes.size() == kExtenso + 1);

}  // namespace

std::string_view DescricaoDaEntrada(int tipo) {
  if (tipo < 0 || tipo >= static_cast<int>(kDescricoes.size())) return {};
  return kDescricoes[static_cast<std::size_t>(tipo)];
}

std::string_view AcaoDoBotao(int tipo) {
  if (tipo == kEmail) return "Enviar e-mail";
  if (tipo == kHomePage) return "Abrir página";
  return {};
}

}  // namespace vumocaixa
