#include <vumocaixa/entry/virgula_do_ponto.hpp>

#include <vumocaixa/entry/numerico.hpp>
#include <vumocaixa/host/text.hpp>

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

}  // namespace

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
