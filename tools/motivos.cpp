#include "motivos.hpp"

namespace vumocaixa::cli {
namespace {

constexpr std::array<DescricaoDoMotivo, kMotivos - 2> kMotivosDescritos = {{
    {Motivo::kVazio, "vazio", "valor vazio (só com --estrito)"},
    {Motivo::kTamanho, "tamanho", "dígitos (no CEP, caracteres) a menos ou a mais"},
    {Motivo::kDigitoVerificador, "dígito verificador",
     "os dígitos verificadores ou a soma de Luhn não conferem"},
    {Motivo::kDigitosRepetidos, "dígitos repetidos",
     "CPF, CNPJ ou PIS de um dígito só (só com --estrito)"},
    {Motivo::kFormato, "formato", "sem a forma do tipo: e-mail sem \"@\", data ilegível"},
    {Motivo::kDataInexistente, "data inexistente", "data que não existe, como 31/02/2026"},
    {Motivo::kEmissor, "emissor", "cartão fora dos tamanhos do emissor (só com --estrito)"},
    {Motivo::kCodificacao, "codificação", "texto que não é UTF-8 ou tem um byte nulo"},
    {Motivo::kColunaAusente, "coluna ausente", "o registro não tem a coluna"},
    {Motivo::kAspasAbertas, "aspas abertas", "aspas não fechadas até o fim do arquivo"},
    {Motivo::kLinhaLonga, "linha longa", "linha ou registro de mais de 8 MiB, ignorado"},
}};

constexpr bool InEnumOrder() {
  for (std::size_t i = 0; i < kMotivosDescritos.size(); ++i) {
    if (static_cast<std::size_t>(kMotivosDescritos[i].motivo) != i + 2) return false;
  }
  return true;
}
static_assert(InEnumOrder(), "the reasons are described in the order of Motivo");

}  // namespace

const std::array<DescricaoDoMotivo, kMotivos - 2>& Motivos() { return kMotivosDescritos; }

std::string_view Palavra(Motivo motivo) {
  if (motivo == Motivo::kNenhum || motivo == Motivo::kRecusado) return {};
  return kMotivosDescritos[static_cast<std::size_t>(motivo) - 2].palavra;
}

void Contas::Soma(const Contas& outras) {
  validos += outras.validos;
  invalidos += outras.invalidos;
  for (std::size_t i = 0; i < kMotivos; ++i) por_motivo[i] += outras.por_motivo[i];
}

}  // namespace vumocaixa::cli
