#include <vumocaixa/entry/mascara_continua.hpp>

#include <algorithm>
#include <limits>

#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

constexpr std::int32_t kMaisLongo = std::numeric_limits<std::int32_t>::max() - 1;

std::size_t PosicoesDe(std::string_view mascara) {
  return static_cast<std::size_t>(std::count(mascara.begin(), mascara.end(), '9'));
}

}  // namespace

void MascaraContinua::Digita(Widget& caixa, std::string_view mascara, std::int16_t& KeyAscii) {
  m_prepara = false;
  m_digitoAChegar = false;
  if (IsAsciiDigit(KeyAscii) && Conhece(caixa, mascara)) {
    m_prepara = true;
    return;
  }
  AplicaMascara(caixa, mascara, KeyAscii);
  if (IsAsciiDigit(KeyAscii)) Aprende(caixa, mascara);
}

bool MascaraContinua::Conhece(const Widget& caixa, std::string_view mascara) const {
  return m_tamanho >= 0 && m_mascara == mascara && caixa.SelLength() == 0 &&
         caixa.SelStart() == m_tamanho;
}

// Reads the text that re-masking left (a handler of its Change may have changed it)
// and keeps it when it fills the mask and is masked.
void MascaraContinua::Aprende(const Widget& caixa, std::string_view mascara) {
  const std::string texto = caixa.Text();
  const std::string digitos = SoDigitos(texto);
  if (digitos.size() < PosicoesDe(mascara) || FormataMascara(digitos, mascara) != texto) return;
  const std::size_t tamanho = CharCount(texto);
  if (tamanho >= static_cast<std::size_t>(kMaisLongo)) return;
  m_mascara = std::string(mascara);
  m_tamanho = static_cast<std::int32_t>(tamanho);
  m_prepara = true;
}

void MascaraContinua::Espera(const Widget& caixa, std::int16_t KeyAscii) {
  const bool cabe = caixa.MaxLength() <= 0 || m_tamanho < caixa.MaxLength();
  m_digitoAChegar = m_prepara && IsAsciiDigit(KeyAscii) && cabe && Conhece(caixa, m_mascara);
  m_prepara = false;
}

void MascaraContinua::Mudou() {
  if (m_digitoAChegar) {
    m_digitoAChegar = false;
    if (m_tamanho < kMaisLongo) {
      ++m_tamanho;
      return;
    }
  }
  m_prepara = false;
  m_tamanho = -1;
}

}  // namespace vumocaixa
