#pragma once
// MemoryFocus: which of a set of MemoryWidgets has the keyboard focus, and the
// keystrokes queued for the host (SendKeys "{Tab}").
//
// Moving the focus delivers LostFocus to the widget that had it, then GotFocus to
// the new one. A focus handler that moves the focus itself (an exit check that sends
// the focus back to its box) is taken up when that handler has returned: the move
// in progress stops and the focus goes where the handler sent it. A widget that
// loses the focus before it got GotFocus receives no LostFocus.
//
//   MemoryFocus focus;
//   a.SetFocusScope(&focus); b.SetFocusScope(&focus);
//   a.SetFocus();           // a: GotFocus
//   focus.MoveTo(&b);       // a: LostFocus, b: GotFocus
//
// A queued Tab runs the tab handler, which decides where the focus goes; without
// one, a Tab takes the focus away from every widget of the scope.

#include <cstddef>
#include <functional>
#include <string_view>

namespace vumocaixa {

class MemoryWidget;

class MemoryFocus {
 public:
  MemoryFocus() = default;
  MemoryFocus(const MemoryFocus&) = delete;
  MemoryFocus& operator=(const MemoryFocus&) = delete;

  // The widget that has the focus; nullptr when none has.
  [[nodiscard]] MemoryWidget* Current() const { return m_current; }

  // Gives the focus to target (nullptr: to no widget of the scope). Moving to the
  // widget that has the focus does nothing.
  void MoveTo(MemoryWidget* target);

  // What a Tab keystroke does; nullptr restores the default (focus to no widget).
  void SetTabHandler(std::function<void()> handler) { m_tabHandler = std::move(handler); }
  // Plays a Tab keystroke now.
  void Tab();

  // Queues keys sent to the host; "{Tab}" is the only key the host plays.
  void QueueKeys(std::string_view keys);
  [[nodiscard]] std::size_t QueuedTabs() const { return m_queuedTabs; }
  // Plays the queued Tabs, in order. Keystrokes call this when they are complete.
  void PlayQueuedKeys();

  // A widget that is going away leaves the scope without focus events.
  void Forget(const MemoryWidget* widget);

 private:
  MemoryWidget* m_current = nullptr;
  MemoryWidget* m_request = nullptr;
  bool m_hasRequest = false;
  bool m_moving = false;
  bool m_playing = false;
  std::size_t m_queuedTabs = 0;
  std::function<void()> m_tabHandler;
};

}  // namespace vumocaixa
