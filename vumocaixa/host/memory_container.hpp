#pragma once
// MemoryContainer: a control container in memory, for tests and headless use.
//
// It records, in one log and in order, every event the control raises (with the
// arguments as the control passed them) and every PropertyChanged name:
//
//   "Change", "PropertyChanged(Text)", "KeyDown(65, 1)", "KeyPress(97)",
//   "KeyEnter(0)", "MouseDown(1, 0, 10.5, 20)", "MandarEmail(a@b.com.br)"
//
// A test plays the host's event handlers by setting the members of On; a handler
// may write into the by-reference arguments, and the control sees what it wrote:
//
//   container.On.KeyEnter = [](std::int16_t& cancel) { cancel = -1; };
//
// The control's own size is kept as SizedContainer keeps it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <vumocaixa/host/sized_container.hpp>

namespace vumocaixa {

// The host's handlers of the control's events; an empty one does nothing.
struct MemoryEventHandlers {
  std::function<void()> Change;
  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyDown;
  std::function<void(std::int16_t& Cancel)> KeyEnter;
  std::function<void(std::int16_t& KeyAscii)> KeyPress;
  std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyUp;
  std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseDown;
  std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseMove;
  std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseUp;
  std::function<void(std::string& Endereco)> MandarEmail;
  std::function<void(std::string& Endereco)> AbrirHomePage;
};

class MemoryContainer final : public SizedContainer {
 public:
  MemoryContainer();
  ~MemoryContainer() override;
  MemoryContainer(const MemoryContainer&) = delete;
  MemoryContainer& operator=(const MemoryContainer&) = delete;

  // --- Container ----------------------------------------------------------------
  ControlEvents& Events() override;
  void PropertyChanged(std::string_view name) override;
  [[nodiscard]] bool CanPropertyChange(std::string_view name) override;
  [[nodiscard]] FontRef AmbientFont() const override { return m_ambientFont; }

  // --- Playing the host -------------------------------------------------------------
  MemoryEventHandlers On;
  // Called after each PropertyChanged is recorded.
  std::function<void(std::string_view name)> OnPropertyChanged;

  // The answer of CanPropertyChange (true unless set).
  void SetCanPropertyChange(bool answer) { m_canPropertyChange = answer; }
  void SetAmbientFont(FontRef font) { m_ambientFont = std::move(font); }

  // --- What happened -----------------------------------------------------------------
  // Events and notifications, in order.
  [[nodiscard]] const std::vector<std::string>& Log() const { return m_log; }
  // The PropertyChanged names alone, in order.
  [[nodiscard]] const std::vector<std::string>& PropertyChanges() const { return m_changes; }
  // The names CanPropertyChange was asked with, in order.
  [[nodiscard]] const std::vector<std::string>& CanPropertyChangeAsked() const { return m_asked; }
  // How many log entries start with name followed by '(' or the end ("KeyPress",
  // "PropertyChanged(Text)").
  [[nodiscard]] int Count(std::string_view name) const;
  [[nodiscard]] int ResizeCount() const { return m_resizes; }
  // Forgets the log, the notifications, the questions and the resize count.
  void ClearLog();

  // Appends an entry to the log; the event recorder uses it.
  void Record(std::string entry) { m_log.push_back(std::move(entry)); }

 private:
  class Recorder;

  void SizeSet() override { ++m_resizes; }

  std::unique_ptr<Recorder> m_recorder;
  FontRef m_ambientFont;
  bool m_canPropertyChange = true;
  int m_resizes = 0;
  std::vector<std::string> m_log;
  std::vector<std::string> m_changes;
  std::vector<std::string> m_asked;
};

}  // namespace vumocaixa
