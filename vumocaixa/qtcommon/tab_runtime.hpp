#pragma once
// TabRuntime: the runtime services both Qt hosts keep alike. SendKeys knows "{Tab}" (in
// any case), which moves the focus to what follows the control once the keystroke being
// handled is complete (or, outside a keystroke, when the event loop next runs); other
// keys fail with HostError. The regional settings are the system locale's when it is a
// Brazilian one, and the Brazilian defaults otherwise.

#include <string_view>

#include <QObject>

#include <vumocaixa/host/runtime.hpp>

namespace vumocaixa::qtcommon {

class TabRuntime : public Runtime {
 public:
  void SendKeys(std::string_view keys, bool wait) override;
  [[nodiscard]] const RegionalSettings& Regional() const override { return m_regional; }
  void SetRegional(const RegionalSettings& regional) { m_regional = regional; }

  // Plays the keys that SendKeys queued.
  void PlayQueuedKeys();

 protected:
  // context plays the keys queued outside a keystroke while it lives.
  explicit TabRuntime(QObject& context);
  // Whether the control's widget or item is gone: then no key is played.
  [[nodiscard]] virtual bool Gone() const = 0;
  // Moves the focus to the next widget or item of the window that lies outside the control.
  virtual void MoveFocusToNext() = 0;

 private:
  QObject& m_context;
  RegionalSettings m_regional;
  int m_queuedTabs = 0;
};

}  // namespace vumocaixa::qtcommon
