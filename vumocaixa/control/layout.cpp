#include <vumocaixa/control/vumocaixa_control.hpp>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vumocaixa {
namespace {

// A width in the range every widget accepts: negative ones become 0, and sums
// beyond the 32-bit range stop at its end.
std::int32_t ClampWidth(std::int64_t width) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(width, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

// Keeps the widgets stacked at the top-left corner and sized to the control; for
// e-mail and home-page entries the button stands right of Caixa. Every size is read
// afresh, because each change of the control's own size re-enters this routine.
void VumoCaixaControl::UserControl_Resize() {
  if (m_Container.Height() < kMinimumHeight) {
    m_Container.SetHeight(kMinimumHeight);
  }
  Caixa().SetHeight(m_Container.Height());
  Caixa1().SetHeight(m_Container.Height());
  Caixa2().SetHeight(m_Container.Height());
  Btn_Evento().SetHeight(Caixa().Height());
  m_Container.SetHeight(Caixa2().Height());
  m_Container.SetHeight(Caixa1().Height());
  m_Container.SetHeight(Caixa().Height());
  Btn_Evento().SetVisible(false);

  const TipoDadosInfo* info = InfoDoTipo(m_TipoDados);
  if (info == nullptr || !info->botao) {
    Caixa2().SetWidth(m_Container.Width());
    Caixa1().SetWidth(m_Container.Width());
    Caixa().SetWidth(m_Container.Width());
    m_Container.SetWidth(Caixa2().Width());
    m_Container.SetWidth(Caixa1().Width());
    m_Container.SetWidth(Caixa().Width());
    return;
  }

  // Worked out in 64 bits so that no control width can overflow the difference.
  const std::int64_t room = std::int64_t{m_Container.Width()} - std::int64_t{Btn_Evento().Width()};
  Caixa().SetWidth(ClampWidth(room));
  Btn_Evento().SetVisible(true);
  Btn_Evento().SetLeft(Caixa().Width());
  m_Container.SetWidth(
      ClampWidth(std::int64_t{Btn_Evento().Width()} + std::int64_t{Caixa().Width()}));
}

}  // namespace vumocaixa
