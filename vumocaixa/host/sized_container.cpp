#include <vumocaixa/host/sized_container.hpp>

#include <vumocaixa/host/errors.hpp>

namespace vumocaixa {
namespace {

constexpr int kMaxResizeDepth = 100;

}  // namespace

void SizedContainer::SetSize(std::int32_t width, std::int32_t height) {
  if (width < 0 || height < 0) throw HostError("the control's size must not be negative");
  if (width == m_width && height == m_height) return;
  m_width = width;
  m_height = height;
  SizeSet();
  Resized();
}

void SizedContainer::TakeSize(std::int32_t width, std::int32_t height) {
  if (width == m_width && height == m_height) return;
  m_width = width;
  m_height = height;
  Resized();
}

void SizedContainer::Resized() {
  if (m_client == nullptr) return;
  if (m_resizeDepth >= kMaxResizeDepth) throw HostError("the control keeps resizing itself");
  ++m_resizeDepth;
  try {
    m_client->UserControl_Resize();
  } catch (...) {
    --m_resizeDepth;
    throw;
  }
  --m_resizeDepth;
}

}  // namespace vumocaixa
