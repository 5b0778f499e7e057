#pragma once
// MemoryForm: a VumoCaixaControl placed on a form in memory, with a second field to
// move the focus to. Applications and tests drive it as a user would:
//
//   MemoryForm f;
//   f.Control().SetTipoDados(kCIC);
//   f.Type("12345678909");      // focus to the control, then one keystroke a character
//   f.Leave();                  // focus to the next field: the exit checks run
//   f.Shown();                  // "123.456.789-09"
//   f.Runtime().Messages();     // message boxes shown meanwhile
//   f.Container().Log();        // events raised and properties notified, in order
//
// The user actions move the focus as a real form does; Enter on the control sends
// "{Tab}", which moves the focus to the next field once the keystroke is complete,
// and a Tab from there comes back to the control.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/memory_container.hpp>
#include <vumocaixa/host/memory_focus.hpp>
#include <vumocaixa/host/memory_runtime.hpp>
#include <vumocaixa/host/memory_widget.hpp>
#include <vumocaixa/host/property_bag.hpp>
#include <vumocaixa/host/regional.hpp>

namespace vumocaixa {

struct MemoryFormOptions {
  RegionalSettings regional;          // the user's regional settings (Brazilian by default)
  PropertyBag* saved = nullptr;       // load the control from this bag; nullptr: a new control
  std::int32_t width = kDesignWidth;  // the control's size before its first layout, in twips
  std::int32_t height = kDesignHeight;
  FontRef ambientFont = nullptr;  // the form's font; nullptr: the container's default
};

class MemoryForm {
 public:
  // Creates the control, starts it as a new or a saved one, and lays it out.
  explicit MemoryForm(MemoryFormOptions options = {});
  ~MemoryForm();
  MemoryForm(const MemoryForm&) = delete;
  MemoryForm& operator=(const MemoryForm&) = delete;

  [[nodiscard]] VumoCaixaControl& Control() { return *m_control; }
  [[nodiscard]] MemoryContainer& Container() { return m_container; }
  [[nodiscard]] MemoryRuntime& Runtime() { return m_runtime; }
  [[nodiscard]] MemoryFocus& Focus() { return m_focus; }
  [[nodiscard]] MemoryWidget& Caixa() { return *m_caixa; }
  [[nodiscard]] MemoryWidget& Caixa1() { return *m_caixa1; }
  [[nodiscard]] MemoryWidget& Caixa2() { return *m_caixa2; }
  [[nodiscard]] MemoryWidget& Btn_Evento() { return *m_botao; }
  // The control's active widget: Caixa, Caixa1 or Caixa2.
  [[nodiscard]] MemoryWidget& Active();
  // The form's other field, where the focus goes when it leaves the control.
  [[nodiscard]] MemoryWidget& NextField() { return m_next; }

  // What the active widget shows.
  [[nodiscard]] std::string Shown();
  // Whether one of the control's widgets has the focus.
  [[nodiscard]] bool HasFocus() const;

  // --- User actions ---------------------------------------------------------------
  // Gives the focus to the control as a whole; nothing when it has it already.
  void Enter();
  // Moves the focus to the next field. A control without the focus gets it first,
  // so that its exit handlers run whenever it can take the focus.
  void Leave();
  // The Tab key: from the control to the next field, from there back to the control.
  void Tab();
  // Keys go to the widget that has the focus, one keystroke at a time, after the
  // focus has been given to the control. A control that cannot take the focus
  // (disabled, or showing the label of type 16) fails with HostError.
  void Type(std::string_view text);
  void PressEnter();
  void PressBackspace();
  void PressDelete();
  void PressShiftDelete();
  void PressCtrlEnter();
  void Paste(std::string_view text);
  // Clicks the "..." button: it takes the focus, then delivers its Click. A hidden
  // button cannot be clicked (HostError).
  void ClickButton();
  void Click();
  void DblClick();
  // The host resizes the control.
  void Resize(std::int32_t width, std::int32_t height);

 private:
  MemoryWidget& Focused();
  void EnsureFocus();

  MemoryFocus m_focus;
  MemoryRuntime m_runtime;
  MemoryContainer m_container;
  MemoryWidget m_next{WidgetKind::EditBox, "Proximo"};
  MemoryWidget* m_caixa = nullptr;
  MemoryWidget* m_caixa1 = nullptr;
  MemoryWidget* m_caixa2 = nullptr;
  MemoryWidget* m_botao = nullptr;
  std::unique_ptr<VumoCaixaControl> m_control;
};

}  // namespace vumocaixa
