#include <vumocaixa/host/memory_runtime.hpp>

#include <vumocaixa/host/memory_focus.hpp>

namespace vumocaixa {

void MemoryRuntime::ShowMessage(std::string_view prompt, int style, std::string_view title) {
  m_messages.push_back({std::string(prompt), style, std::string(title)});
  if (OnShowMessage) {
    const ShownMessage shown = m_messages.back();  // the handler may show another
    OnShowMessage(shown);
  }
}

void MemoryRuntime::SendKeys(std::string_view keys, bool wait) {
  m_keys.push_back({std::string(keys), wait});
  if (m_focus != nullptr) {
    m_focus->QueueKeys(keys);
  }
}

void MemoryRuntime::Clear() {
  m_messages.clear();
  m_beeps = 0;
  m_keys.clear();
}

}  // namespace vumocaixa
