#include <vumocaixa/entry/virgula_do_ponto.hpp>

#include <algorithm>
#include <limits>

#include <vumocaixa/entry/numerico.hpp>
#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>

namespace vumocaixa {
namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kTab = 9;
constexpr std::int16_t kRetorno = 13;

// Whether the box inserts the character of KeyAscii: not for the codes it takes as
// no character or as a deletion, nor for -1, whose character only the box knows.
bool InsereOCaractere(std::int16_t KeyAscii) {
  return KeyAscii > 0 && KeyAscii != kBackspace && KeyAscii != kTab && KeyAscii != kRetorno;
}

// A comma typed as '.' with a grouping point left of it was a grouping point too
// ("1.000,000", typed as 1.000.000): the user who groups with points does not also
// write the decimals after one. Nothing unless the text reads as a number both ways,
// so that whether the entry is refused stays a matter of the text as shown.
std::optional<std::string> AgrupamentoCompleto(std::string_view texto, std::int32_t virgula,
                                               const RegionalSettings& r) {
  const std::size_t ponto = texto.find('.');
  const std::size_t ultimaVirgula = texto.rfind(',');
  if (virgula < 0 || ponto == std::string_view::npos || ultimaVirgula == std::string_view::npos ||
      ponto > ultimaVirgula) {
    return std::nullopt;
  }
  const std::optional<std::string> agrupado =
      DesfazVirgulaDoPonto(texto, std::numeric_limits<std::int32_t>::max(), virgula);
  if (!agrupado || !IsNumericText(texto, r) || !IsNumericText(*agrupado, r)) return std::nullopt;
  return agrupado;
}

// Three digits after a comma typed as '.' in an amount, and nothing after them, were
// thousands ("1.234" is R$ 1.234,00): money never has three decimals. Not when a
// comma was typed as ',' too, nor after a leading zero ("0.500" is R$ 0,50), and only
// when the text then reads as a number.
std::optional<std::string> MilharDoPonto(std::string_view texto, std::int32_t virgula,
                                         const RegionalSettings& r) {
  if (virgula < 0) return std::nullopt;
  std::u32string caracteres = DecodeUtf8(texto);
  const auto posicao = static_cast<std::size_t>(virgula);
  if (caracteres.size() != posicao + 4 || caracteres[posicao] != U',') return std::nullopt;
  const auto digito = [](char32_t c) { return IsAsciiDigit(static_cast<int>(c)); };
  if (!std::all_of(caracteres.begin() + virgula + 1, caracteres.end(), digito)) {
    return std::nullopt;
  }
  if (std::count(caracteres.begin(), caracteres.end(), U',') != 1) return std::nullopt;
  const auto primeiro = std::find_if(caracteres.begin(), caracteres.end(), digito);
  if (primeiro - caracteres.begin() >= virgula || *primeiro == U'0') return std::nullopt;
  caracteres[posicao] = U'.';
  std::string agrupado = EncodeUtf8(caracteres);
  if (!IsNumericText(agrupado, r)) return std::nullopt;
  return agrupado;
}

}  // namespace

std::optional<std::string> AgrupamentoNaSaida(std::string_view texto, std::int16_t tipo,
                                              std::int32_t virgula, const RegionalSettings& r) {
  if (auto agrupado = AgrupamentoCompleto(texto, virgula, r)) return agrupado;
  if (tipo == kMoeda) return MilharDoPonto(texto, virgula, r);
  return std::nullopt;
}

std::optional<std::string> VirgulaDoPonto::Agrupado(const Widget& caixa) const {
  if (m_posicao < 0) return std::nullopt;
  return DesfazVirgulaDoPonto(caixa.Text(), caixa.SelStart(), m_posicao);
}

void VirgulaDoPonto::Espera(const Widget& caixa, std::int16_t KeyAscii, bool ponto) {
  m_chegada.reset();
  if (!InsereOCaractere(KeyAscii)) return;
  const char32_t c = FromWindows1252(KeyAscii);
  const bool virgula = c == U',';
  if (m_posicao < 0 && !(ponto && virgula)) return;  // nothing to follow
  std::u32string texto = DecodeUtf8(caixa.Text());
  const auto inicio = static_cast<std::size_t>(caixa.SelStart());
  const auto selecao = static_cast<std::size_t>(caixa.SelLength());
  if (inicio > texto.size()) return;
  std::optional<std::string> agrupado;
  if (virgula && m_posicao >= 0 && static_cast<std::size_t>(m_posicao) < inicio &&
      texto[static_cast<std::size_t>(m_posicao)] == U',') {
    std::u32string comPonto = texto;
    comPonto[static_cast<std::size_t>(m_posicao)] = U'.';
    agrupado = EncodeUtf8(comPonto.replace(inicio, selecao, 1, c));
  }
  Chegada chegada{EncodeUtf8(texto.replace(inicio, selecao, 1, c)), -1, std::move(agrupado)};
  if (ponto && virgula) {
    chegada.posicao = static_cast<std::int32_t>(inicio);
  } else if (!virgula && selecao == 0 && m_posicao >= 0) {
    chegada.posicao = m_posicao + (static_cast<std::int32_t>(inicio) <= m_posicao ? 1 : 0);
  }
  m_chegada = std::move(chegada);
}

std::optional<std::string> VirgulaDoPonto::Mudou(const Widget& caixa) {
  if (!m_chegada) {
    m_posicao = -1;
    return std::nullopt;
  }
  Chegada chegada = std::move(*m_chegada);
  m_chegada.reset();
  if (caixa.Text() != chegada.texto) {
    m_posicao = -1;
    return std::nullopt;
  }
  m_posicao = chegada.posicao;
  if (chegada.agrupado) m_chegada = Chegada{*chegada.agrupado, chegada.posicao, std::nullopt};
  return std::move(chegada.agrupado);
}

void VirgulaDoPonto::Esquece() {
  m_posicao = -1;
  m_chegada.reset();
}

}  // namespace vumocaixa
