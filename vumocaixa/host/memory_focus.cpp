#include <vumocaixa/host/memory_focus.hpp>

#include <vumocaixa/host/memory_widget.hpp>

namespace vumocaixa {
namespace {

// Clears a flag however the scope is left, so that a handler that throws does
// not leave the focus stuck in "moving".
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
  ~FlagGuard() { m_flag = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

void MemoryFocus::MoveTo(MemoryWidget* target) {
  m_request = target;
  m_hasRequest = true;
  if (m_moving) {
    return;  // a focus handler redirected the move; the loop below takes it up
  }
  FlagGuard moving(m_moving);
  while (m_hasRequest) {
    m_hasRequest = false;
    MemoryWidget* next = m_request;
    if (next == m_current) {
      continue;
    }
    if (MemoryWidget* old = m_current) {
      m_current = nullptr;
      old->DeliverLostFocus();
      if (m_hasRequest) {
        continue;  // the LostFocus handler sent the focus elsewhere
      }
    }
    m_current = next;
    if (next != nullptr) {
      next->DeliverGotFocus();
    }
  }
}

void MemoryFocus::Tab() {
  if (m_tabHandler) {
    m_tabHandler();
  } else {
    MoveTo(nullptr);
  }
}

void MemoryFocus::QueueKeys(std::string_view keys) {
  if (keys == "{Tab}" || keys == "{TAB}") {
    ++m_queuedTabs;
  }
}

void MemoryFocus::PlayQueuedKeys() {
  if (m_playing) {
    return;  // a Tab played now may queue more; the running loop plays them
  }
  FlagGuard playing(m_playing);
  while (m_queuedTabs > 0) {
    --m_queuedTabs;
    Tab();
  }
}

void MemoryFocus::Forget(const MemoryWidget* widget) {
  if (m_current == widget) {
    m_current = nullptr;
  }
  if (m_request == widget) {
    m_request = nullptr;
  }
}

}  // namespace vumocaixa
