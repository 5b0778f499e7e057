#include <vumocaixa/entry/saida_caixa.hpp>

#include <array>
#include <cstddef>

#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/entry/mascara_alfanumerica.hpp>
#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>
#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>
#include <vumocaixa/validate/palavras.hpp>

namespace vumocaixa {
namespace {

bool IsPosicao(char m) { return m == '9' || m == 'A'; }

// The masks of the document types, and what their positions take: digits only, or
// digits and the letters A to Z (typed in either case, shown in upper case).
struct Mascara {
  std::string_view texto;
  bool letras = false;
};

constexpr std::size_t kMaiorMascara = 24;
static_assert(kMascaraCIC.size() <= kMaiorMascara && kMascaraCNPJ.size() <= kMaiorMascara &&
              kMascaraCartao.size() <= kMaiorMascara && kMascaraCEP.size() <= kMaiorMascara &&
              kMascaraPIS.size() <= kMaiorMascara &&
              kMascaraCNPJAlfanumerico.size() <= kMaiorMascara);

bool CabeNumaPosicao(char c, bool letras) {
  return IsAsciiDigit(c) || (letras && (IsAsciiUpper(c) || IsAsciiLower(c)));
}

// Whether texto already is the mask filled: its literals in place and, in every
// position, a character the position takes as it is shown.
bool JaNaMascara(std::string_view texto, const Mascara& m) {
  if (texto.size() != m.texto.size()) return false;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    const bool cabe =
        IsPosicao(m.texto[i]) ? CabeNumaPosicao(c, m.letras) && !IsAsciiLower(c) : c == m.texto[i];
    if (!cabe) return false;
  }
  return true;
}

// Lays the digits (and letters) of texto into the mask when there are exactly as
// many as the mask has positions; any other text is left as it is. The masks are
// ASCII, so the result is built byte by byte in a fixed buffer.
void LaNaMascara(std::string& texto, const Mascara& m) {
  if (JaNaMascara(texto, m)) return;
  std::size_t posicoes = 0;
  for (char c : m.texto) posicoes += IsPosicao(c) ? 1 : 0;
  std::size_t guardados = 0;
  for (char c : texto) guardados += CabeNumaPosicao(c, m.letras) ? 1 : 0;
  if (guardados != posicoes) return;
  std::array<char, kMaiorMascara> saida{};
  std::size_t t = 0;
  for (std::size_t i = 0; i < m.texto.size(); ++i) {
    if (!IsPosicao(m.texto[i])) {
      saida[i] = m.texto[i];
      continue;
    }
    while (!CabeNumaPosicao(texto[t], m.letras)) ++t;
    saida[i] = AsciiUpper(texto[t++]);
  }
  texto.assign(saida.data(), m.texto.size());
}

// An empty text is no entry, and in an address box neither are blanks alone: neither
// is given a street type.
bool NadaAArrumar(std::string_view texto, bool endereco) {
  if (texto.empty()) return true;
  return endereco && texto.find_first_not_of(' ') == std::string_view::npos;
}

// The message of a refused entry, or an empty view when it passes. An empty text
// always passes.
std::string_view Recusa(bool valido, const std::string& texto, std::string_view mensagem) {
  return valido || texto.empty() ? std::string_view{} : mensagem;
}

// A date that the locale reads is rewritten in its short form; anything else is
// refused and left as typed.
std::string_view ConfereData(std::string& texto, const RegionalSettings& r) {
  if (texto.empty()) return {};
  if (!IsDateText(Variant(texto), r)) return "Data inválida. Redigite.";
  texto = FormatValue(Variant(texto), kShortDate, r);
  return {};
}

// The same message for both forms of the number: the user need not know which rule
// the box applies.
std::string_view ConfereCNPJ(const std::string& texto, bool alfanumerico) {
  const bool valido = alfanumerico ? ValidaCNPJAlfanumerico(texto) : ValidaCNPJ(texto);
  return Recusa(valido, texto, "CNPJ inválido. Redigite.");
}

// A CEP is judged by its length only: a partly typed one is refused.
std::string_view ConfereCEP(const std::string& texto) {
  const bool completo = CharCount(texto) >= CharCount(kMascaraCEP);
  return Recusa(completo, texto, "CEP inválido. Redigite.");
}

std::string_view ConfereDocumento(std::int16_t tipo, const std::string& texto, bool letras) {
  switch (tipo) {
    case kCIC: return Recusa(ValidaCIC(texto), texto, "CIC inválido. Redigite.");
    case kCNPJ: return ConfereCNPJ(texto, letras);
    case kCartaoDeCredito:
      return Recusa(ValidaCartao(texto), texto, "Cartão de Crédito inválido. Redigite.");
    case kCEP: return ConfereCEP(texto);
    default: return Recusa(ValidaPIS(texto), texto, "PIS inválido. Redigite.");
  }
}

}  // namespace

std::string_view ConfereSaidaDaCaixa(std::int16_t tipo, std::string& texto,
                                     const OpcoesDeSaida& opcoes, const RegionalSettings& r) {
  switch (tipo) {
    case kTexto:
      if (opcoes.maiusculoEMinusculo && !NadaAArrumar(texto, opcoes.endereco)) {
        texto = FormataPalavras(texto, opcoes.endereco);
      }
      return {};
    case kData: return ConfereData(texto, r);
    case kCIC:
    case kCNPJ:
    case kCartaoDeCredito:
    case kCEP:
    case kPIS: {
      const bool letras = tipo == kCNPJ && opcoes.cnpjAlfanumerico;
      LaNaMascara(texto, {letras ? kMascaraCNPJAlfanumerico : MascaraDoTipo(tipo), letras});
      return ConfereDocumento(tipo, texto, letras);
    }
    case kEmail:
      return Recusa(texto.find('@') != std::string::npos, texto, "email inválido. Redigite.");
    default: return {};  // numbers, Byte and home pages have no rule here
  }
}

}  // namespace vumocaixa
