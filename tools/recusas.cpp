#include "recusas.hpp"

#include <algorithm>
#include <string>

#include <vumocaixa/tipos/tipos_de_dados.hpp>
#include <vumocaixa/validate/mascara.hpp>
#include <vumocaixa/validate/mascara_alfanumerica.hpp>

#include "emissores.hpp"

namespace vumocaixa::cli {
namespace {

bool LetrasContam(std::int16_t tipo, bool alfanumerico) { return alfanumerico && tipo == kCNPJ; }

// What the box lays into the type's mask: digits, and in a CNPJ with letters letters too.
std::string Guardados(std::int16_t tipo, std::string_view valor, bool alfanumerico) {
  return LetrasContam(tipo, alfanumerico) ? SoDigitosELetras(valor) : SoDigitos(valor);
}

std::size_t Posicoes(std::int16_t tipo, bool alfanumerico) {
  const std::string_view mascara =
      LetrasContam(tipo, alfanumerico) ? kMascaraCNPJAlfanumerico : MascaraDoTipo(tipo);
  return static_cast<std::size_t>(
      std::count_if(mascara.begin(), mascara.end(), [](char c) { return c == '9' || c == 'A'; }));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether texto is shaped as a date of the box, dd/mm/aaaa: three runs of digits (of
// 1 or 2, 1 or 2, and 2 or 4 digits) joined by one same separator, "/", "-" or ".".
bool TemFormaDeData(std::string_view texto) {
  const std::size_t primeiro = texto.find_first_not_of(" \t");
  if (primeiro == std::string_view::npos) return false;
  texto = texto.substr(primeiro, texto.find_last_not_of(" \t") - primeiro + 1);
  constexpr std::size_t kMaximos[] = {2, 2, 4};
  char separador = '\0';
  std::size_t at = 0;
  for (std::size_t parte = 0; parte < 3; ++parte) {
    const std::size_t inicio = at;
    while (at < texto.size() && IsDigit(texto[at])) ++at;
    const std::size_t digitos = at - inicio;
    if (digitos == 0 || digitos > kMaximos[parte]) return false;
    if (parte == 2 && digitos != 2 && digitos != 4) return false;
    if (parte == 2) return at == texto.size();
    if (at == texto.size() || std::string_view("/-.").find(texto[at]) == std::string_view::npos ||
        (separador != '\0' && texto[at] != separador)) {
      return false;
    }
    separador = texto[at++];
  }
  return false;
}

bool UmDigitoSo(const std::string& digitos) {
  return !digitos.empty() && std::all_of(digitos.begin(), digitos.end(),
                                         [&digitos](char c) { return c == digitos.front(); });
}

bool TemBranco(std::string_view texto) {
  return texto.find_first_of(" \t\r\n\v\f") != std::string_view::npos ||
         texto.find("\xC2\xA0") != std::string_view::npos;
}

// One local part, one "@" and a domain of two or more dot-separated labels, none
// empty, with no blank anywhere: "fulano@" and "fulano@empresa" fail.
bool EmailCompleto(std::string_view email) {
  const std::size_t arroba = email.find('@');
  if (arroba == 0 || arroba == std::string_view::npos || TemBranco(email)) return false;
  const std::string_view dominio = email.substr(arroba + 1);
  if (dominio.find('@') != std::string_view::npos || dominio.find('.') == std::string_view::npos) {
    return false;
  }
  return dominio.front() != '.' && dominio.back() != '.' &&
         dominio.find("..") == std::string_view::npos;
}

}  // namespace

bool CabeNaMascara(std::int16_t tipo, std::string_view valor, bool alfanumerico) {
  // Counted rather than gathered: this runs for every value of a formatting pass.
  const bool letras = LetrasContam(tipo, alfanumerico);
  const auto guardado = [letras](char c) {
    return IsDigit(c) || (letras && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')));
  };
  return static_cast<std::size_t>(std::count_if(valor.begin(), valor.end(), guardado)) ==
         Posicoes(tipo, alfanumerico);
}

Motivo MotivoDaRecusa(std::int16_t tipo, std::string_view valor, bool alfanumerico) {
  switch (tipo) {
    case kCIC:
    case kCNPJ:
    case kPIS:
    case kCartaoDeCredito:
      return CabeNaMascara(tipo, valor, alfanumerico) ? Motivo::kDigitoVerificador
                                                      : Motivo::kTamanho;
    case kCEP: return Motivo::kTamanho;
    case kData: return TemFormaDeData(valor) ? Motivo::kDataInexistente : Motivo::kFormato;
    default: return Motivo::kFormato;
  }
}

Motivo RecusaEstrita(std::int16_t tipo, std::string_view valor, bool alfanumerico) {
  if (valor.empty()) return Motivo::kVazio;
  switch (tipo) {
    case kCIC:
    case kCNPJ:
    case kPIS:
      return UmDigitoSo(Guardados(tipo, valor, alfanumerico)) ? Motivo::kDigitosRepetidos
                                                              : Motivo::kNenhum;
    case kCEP: return CabeNaMascara(tipo, valor, false) ? Motivo::kNenhum : Motivo::kTamanho;
    case kEmail: return EmailCompleto(valor) ? Motivo::kNenhum : Motivo::kFormato;
    case kCartaoDeCredito:
      return UsaOTamanhoDoEmissor(SoDigitos(valor)) ? Motivo::kNenhum : Motivo::kEmissor;
    default: return Motivo::kNenhum;
  }
}

}  // namespace vumocaixa::cli
