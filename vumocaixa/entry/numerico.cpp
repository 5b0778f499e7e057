#include <vumocaixa/entry/numerico.hpp>

#include <algorithm>
#include <vector>

#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/teclas.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

bool ComecaComMenos(std::string_view texto) { return !texto.empty() && texto.front() == '-'; }

// An optional leading '-' followed by one or more ASCII digits and nothing else.
bool SoSinalEDigitos(std::string_view texto) {
  if (ComecaComMenos(texto)) texto.remove_prefix(1);
  return !texto.empty() && std::all_of(texto.begin(), texto.end(), IsAsciiDigit);
}

// The length in bytes of a sequence by its first byte; 1 for a byte that starts none.
std::size_t TamanhoDaSequencia(unsigned char primeiro) {
  if ((primeiro & 0xE0) == 0xC0) return 2;
  if ((primeiro & 0xF0) == 0xE0) return 3;
  if ((primeiro & 0xF8) == 0xF0) return 4;
  return 1;
}

// Byte length of each start of texto, by characters: fins[k] is the length in bytes
// of its first k + 1 characters. A byte that starts no complete sequence counts as
// one character, so malformed text still splits into whole steps.
std::vector<std::size_t> FinsDeCaractere(std::string_view texto) {
  std::vector<std::size_t> fins;
  std::size_t i = 0;
  while (i < texto.size()) {
    std::size_t n = TamanhoDaSequencia(static_cast<unsigned char>(texto[i]));
    for (std::size_t k = 1; k < n; ++k) {
      if (i + k >= texto.size() || (static_cast<unsigned char>(texto[i + k]) & 0xC0) != 0x80) {
        n = 1;
        break;
      }
    }
    i += n;
    fins.push_back(i);
  }
  return fins;
}

// The length in bytes of the longest start of texto that is well-formed UTF-8.
std::size_t InicioValido(std::string_view texto) {
  std::size_t inicio = 0;
  for (const std::size_t fim : FinsDeCaractere(texto)) {
    if (!IsValidUtf8(texto.substr(inicio, fim - inicio))) break;
    inicio = fim;
  }
  return inicio;
}

unsigned __int128 PotenciaDeDez(int expoente) {
  unsigned __int128 p = 1;
  for (int i = 0; i < expoente; ++i) p *= 10;
  return p;
}

// The shown text of texto converted to kind, provided that text converts back:
// a rounded form just past the kind's largest value would not.
std::optional<std::string> TextoConvertido(std::string_view texto, NumberKind kind,
                                           const RegionalSettings& r) {
  // What does not read as a number does not convert either; asking first spares
  // the shortening of long pasted texts a failed conversion per character.
  if (!IsNumericText(texto, r)) return std::nullopt;
  const auto valor = Converte(texto, kind, r).valor;
  if (!valor) return std::nullopt;
  std::string mostrado = NumberText(*valor, r);
  if (!Converte(mostrado, kind, r).valor) return std::nullopt;
  return mostrado;
}

}  // namespace

bool AceitaVirgula(std::string_view texto, std::int32_t caret) {
  if (caret == 0 && ComecaComMenos(texto)) return false;
  return texto.find(',') == std::string_view::npos;
}

bool AceitaMenos(std::string_view texto, std::int32_t caret) {
  return caret == 0 && !ComecaComMenos(texto);
}

std::optional<std::string> DesfazVirgulaDoPonto(std::string_view texto, std::int32_t caret,
                                                std::int32_t virgulaDoPonto) {
  if (virgulaDoPonto < 0 || caret <= virgulaDoPonto) return std::nullopt;
  std::u32string caracteres = DecodeUtf8(texto);
  const auto posicao = static_cast<std::size_t>(virgulaDoPonto);
  if (posicao >= caracteres.size() || caracteres[posicao] != U',') return std::nullopt;
  caracteres[posicao] = U'.';
  return EncodeUtf8(caracteres);
}

ClasseTecla ClassificaTecla(std::int16_t KeyAscii, const RegionalSettings& r) {
  if (KeyAscii == kTeclaEnter) return ClasseTecla::Enter;
  if (TeclaDeControle(KeyAscii)) return ClasseTecla::Controle;
  if (KeyAscii == kCodigoPonto || KeyAscii == kCodigoVirgula) return ClasseTecla::Virgula;
  if (KeyAscii == kCodigoMenos) return ClasseTecla::Menos;
  if (KeyAscii <= 0) return ClasseTecla::Outra;
  if (IsNumericText(EncodeUtf8(FromWindows1252(KeyAscii)), r)) return ClasseTecla::Digito;
  return ClasseTecla::Outra;
}

bool MoedaNaFaixa(const Decimal& valor) {
  // The limit is 922337203685476,58; compare whole parts, then the fractions at a
  // common scale (both products stay far below 2^128).
  constexpr unsigned __int128 kParteInteira = 922'337'203'685'476;
  constexpr unsigned __int128 kFracao = 58;  // hundredths
  const int escala = std::min<int>(valor.scale, Decimal::kMaxScale);
  const unsigned __int128 unidade = PotenciaDeDez(escala);
  const unsigned __int128 inteira = valor.magnitude / unidade;
  if (inteira != kParteInteira) return inteira < kParteInteira;
  return (valor.magnitude % unidade) * 100 <= kFracao * unidade;
}

std::optional<std::string> NumeroDoTipo(std::string_view texto, std::int16_t tipo,
                                        const RegionalSettings& r) {
  if (!IsValidUtf8(texto) || !IsNumericText(texto, r)) return std::nullopt;
  switch (tipo) {
    case kMoeda: {
      // The exact decimal value is formatted, so that no digit is lost on the way.
      const auto valor = Converte(texto, NumberKind::Decimal, r).valor;
      if (!valor || !MoedaNaFaixa(std::get<Decimal>(*valor))) return std::nullopt;
      return FormatValue(*valor, kCurrencyFormat, r);
    }
    case kInteiro:
    case kLongo: {
      const auto valor = Converte(texto, *TipoNumerico(tipo), r).valor;
      if (!valor) return std::nullopt;
      return NumberText(*valor, r);
    }
    case kSimples:
    case kDuplo:
    case kDecimal: return EncurtaNumero(texto, *TipoNumerico(tipo), r).value_or("0");
    default: return std::string(texto);
  }
}

Conversao Converte(std::string_view texto, NumberKind kind, const RegionalSettings& r) {
  if (!IsValidUtf8(texto)) return {};
  try {
    return {ToNumber(Variant{std::string(texto)}, kind, r), false};
  } catch (const OverflowError&) {
    return {std::nullopt, true};
  } catch (const Error&) {
    return {};
  }
}

std::optional<std::string> EncurtaNumero(std::string_view texto, NumberKind kind,
                                         const RegionalSettings& r) {
  // No start that holds a malformed sequence converts; the shorter ones are valid
  // from here on, and their starts need no further check.
  texto = texto.substr(0, InicioValido(texto));
  if (auto inteiro = TextoConvertido(texto, kind, r)) return inteiro;
  if (SoSinalEDigitos(texto)) {
    // The value of a run of digits only grows as digits are added, so the starts
    // that fit form one unbroken run from the first digit on: search it by halves.
    std::size_t cabe = ComecaComMenos(texto) ? 2 : 1;
    std::size_t nao_cabe = texto.size();
    if (!TextoConvertido(texto.substr(0, cabe), kind, r)) return std::nullopt;
    while (nao_cabe - cabe > 1) {
      const std::size_t meio = cabe + (nao_cabe - cabe) / 2;
      if (TextoConvertido(texto.substr(0, meio), kind, r)) {
        cabe = meio;
      } else {
        nao_cabe = meio;
      }
    }
    return TextoConvertido(texto.substr(0, cabe), kind, r);
  }
  const std::vector<std::size_t> fins = FinsDeCaractere(texto);
  for (std::size_t k = fins.size(); k-- > 1;) {
    if (auto curto = TextoConvertido(texto.substr(0, fins[k - 1]), kind, r)) return curto;
  }
  return std::nullopt;
}

}  // namespace vumocaixa
