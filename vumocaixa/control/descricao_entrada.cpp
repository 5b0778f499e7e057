#include <vumocaixa/control/descricao_entrada.hpp>

#include <vumocaixa/control/tipos_de_dados.hpp>

namespace vumocaixa {

std::string_view DescricaoDaEntrada(int tipo) {
  if (tipo < 0 || tipo >= static_cast<int>(kTiposDeDados.size())) return {};
  return kTiposDeDados[static_cast<std::size_t>(tipo)].descricao;
}

std::string_view AcaoDoBotao(int tipo) {
  if (tipo == kEmail) return "Enviar e-mail";
  if (tipo == kHomePage) return "Abrir página";
  return {};
}

}  // namespace vumocaixa
