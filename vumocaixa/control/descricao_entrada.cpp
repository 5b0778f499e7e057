#include <vumocaixa/control/descricao_entrada.hpp>

#include <limits>

#include <vumocaixa/tipos/tipos_de_dados.hpp>

namespace vumocaixa {
namespace {

const TipoDadosInfo* Row(int tipo) {
  if (tipo < 0 || tipo > std::numeric_limits<std::int16_t>::max()) return nullptr;
  return InfoDoTipo(static_cast<std::int16_t>(tipo));
}

}  // namespace

std::string_view DescricaoDaEntrada(int tipo) {
  const TipoDadosInfo* row = Row(tipo);
  return row != nullptr ? row->descricao : std::string_view();
}

std::string_view AcaoDoBotao(int tipo) {
  if (tipo == kEmail) return "Enviar e-mail";
  if (tipo == kHomePage) return "Abrir página";
  return {};
}

}  // namespace vumocaixa
