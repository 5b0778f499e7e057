#include "juiz.hpp"

#include <vumocaixa/entry/saida_caixa.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>
#include <vumocaixa/validate/mascara.hpp>
#include <vumocaixa/validate/mascara_alfanumerica.hpp>

#include "recusas.hpp"

namespace vumocaixa::cli {
namespace {

bool EhDocumento(std::int16_t tipo) {
  return tipo == kCIC || tipo == kCNPJ || tipo == kCartaoDeCredito || tipo == kCEP || tipo == kPIS;
}

}  // namespace

Motivo Juiz::Recusa(std::string_view valor) const {
  if (!regras_.motivos) return Motivo::kRecusado;
  return MotivoDaRecusa(regras_.tipo, valor, regras_.alfanumerico);
}

// The box's rule, which leaves in texto_ the text as the box holds it. A failing host
// service (the date rules) refuses the value rather than stopping the run.
bool Juiz::PelaRegraDaCaixa(std::string_view valor) {
  texto_.assign(valor);
  try {
    return ConfereSaidaDaCaixa(regras_.tipo, texto_, {.cnpjAlfanumerico = regras_.alfanumerico})
        .empty();
  } catch (const Error&) {
    return false;
  }
}

Motivo Juiz::JulgaPorInteiro(std::string_view valor, std::string_view& escrito) {
  const bool reescreve = regras_.forma != Forma::kComoLido;
  const bool aceito = regras_.validador != nullptr && !reescreve ? regras_.validador(valor)
                                                                 : PelaRegraDaCaixa(valor);
  Motivo motivo = aceito ? Motivo::kNenhum : Recusa(valor);
  if (reescreve) motivo = NaForma(valor, motivo, escrito);
  if (motivo == Motivo::kNenhum && regras_.estrito) {
    motivo = RecusaEstrita(regras_.tipo, valor, regras_.alfanumerico);
  }
  return motivo;
}

// The value as written in the form asked, from what the box made of it.
Motivo Juiz::NaForma(std::string_view valor, Motivo motivo, std::string_view& escrito) {
  if (valor.empty()) return motivo;
  const bool documento = EhDocumento(regras_.tipo);
  if (documento && !CabeNaMascara(regras_.tipo, valor, regras_.alfanumerico)) {
    return motivo == Motivo::kNenhum ? Motivo::kTamanho : motivo;
  }
  // A refused date and an e-mail have no form but the one read.
  if (!documento && !(regras_.tipo == kData && motivo == Motivo::kNenhum)) return motivo;
  if (regras_.forma == Forma::kFormatada) {
    escrito = texto_;
    return motivo;
  }
  const bool letras = regras_.alfanumerico && regras_.tipo == kCNPJ;
  compacto_ = letras ? SoDigitosELetras(texto_) : SoDigitos(texto_);
  escrito = compacto_;
  return motivo;
}

}  // namespace vumocaixa::cli
