#pragma once
// MemoryWidget: an edit box, label or button that lives in memory, for tests and
// headless use. As an edit box it behaves as a real single-line edit box does:
//
//  - SetText raises Change only when the text really changes (assigning the text
//    the box already holds raises nothing, as in common toolkits) and puts the
//    caret at the end of the new text with nothing selected;
//  - SetSelStart clamps to the text and clears the selection; SetSelLength clamps to
//    the characters right of SelStart;
//  - typing and pasting stop at MaxLength characters; SetText is not limited;
//  - SetFocus fails with HostError for a hidden, disabled or label widget, and
//    whenever a test asks it to (SetFocusFails).
//
// The user actions below (Type, PressEnter, ...) deliver keystrokes to this widget as
// if it had the focus, in the order a real box delivers them: KeyDown, KeyPress, the
// edit itself, KeyUp. Keys that the control queued with SendKeys are played when
// the keystroke is complete (see MemoryFocus).
//
// Texts are UTF-8; malformed input is stored with U+FFFD in place of each bad byte.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <vumocaixa/host/part.hpp>
#include <vumocaixa/host/values.hpp>

namespace vumocaixa {

class MemoryFocus;

class MemoryWidget final : public Part {
 public:
  explicit MemoryWidget(WidgetKind kind, std::string name = {});
  ~MemoryWidget() override;

  MemoryWidget(const MemoryWidget&) = delete;
  MemoryWidget& operator=(const MemoryWidget&) = delete;

  // --- Widget ------------------------------------------------------------------
  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  void SetFocus() override;
  void Refresh() override { ++m_refreshCalls; }

  // --- Inspection and set-up ------------------------------------------------------
  [[nodiscard]] const std::string& Name() const { return m_name; }
  // The selected text (SelLength characters from SelStart).
  [[nodiscard]] std::string SelText() const;
  // Whether this widget owns the focus of its MemoryFocus.
  [[nodiscard]] bool HasFocus() const;
  // The focus this widget takes part in; nullptr leaves it on its own, where
  // SetFocus only counts the calls.
  void SetFocusScope(MemoryFocus* focus);
  [[nodiscard]] MemoryFocus* FocusScope() const { return m_focus; }
  // While set, every SetFocus fails with HostError.
  void SetFocusFails(bool fails) { m_focusFails = fails; }
  [[nodiscard]] int SetFocusCalls() const { return m_setFocusCalls; }
  [[nodiscard]] int RefreshCalls() const { return m_refreshCalls; }
  // The text that the last Shift+Delete cut.
  [[nodiscard]] const std::string& CutText() const { return m_cut; }

  // --- User actions ---------------------------------------------------------------
  // Types each character: KeyDown (letters 65-90, with Shift 1 for capitals; digits
  // 48-57; space 32; ',' 188, '-' 189, '.' 190, '/' 191; 0 for other characters),
  // KeyPress with the Windows-1252 code (-1 for a character that has none), the
  // insertion of what KeyPress hands back, KeyUp. Back from KeyPress, 0 inserts
  // nothing, -1 the character as typed, 8 deletes as Backspace does, another
  // character's code that character; a control code or a code without a character
  // inserts nothing (a single-line box takes no line break), as in the Qt hosts.
  // A tab character in text is played as the Tab key (PressTab).
  void Type(std::string_view text);
  // The host's Tab: moves the focus as the focus scope's tab handler says; the box
  // itself receives no key events for it.
  void PressTab();
  void PressEnter();        // KeyDown 13, KeyPress 13, KeyUp 13
  void PressBackspace();    // KeyDown 8, KeyPress 8 (deletes left of the caret), KeyUp 8
  void PressDelete();       // KeyDown 46 (deletes right of the caret), KeyUp 46
  void PressShiftDelete();  // KeyDown 46/Shift 1: cuts the selection, else Backspace
  void PressCtrlEnter();    // KeyDown 13/Shift 2, KeyPress 10 (no line break), KeyUp 13/2
  // A key without a character (arrows, function keys): KeyDown, KeyUp. Delete
  // acts as above unless the KeyDown handler sets its code to 0.
  void PressKey(std::int16_t keyCode, std::int16_t shift = 0);
  // Pastes text at the caret of an edit box over the selection, as far as MaxLength allows; no
  // key events, one Change.
  void Paste(std::string_view text);
  void Click();
  void DblClick();
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);

  // Called by MemoryFocus when the focus arrives or leaves.
  void DeliverGotFocus();
  void DeliverLostFocus();

 private:
  class Keys;

  [[nodiscard]] Selection Selected() const override { return {m_selStart, m_selLength}; }
  void Select(Selection selection) override;
  [[nodiscard]] std::int32_t TextLength() const override;

  // Strikes a key that types ch, or no character.
  void Deliver(std::int16_t keyCode, std::int16_t shift, std::optional<char32_t> ch);
  void KeyAction(std::int16_t keyCode, std::int16_t shift);
  void ReplaceSelection(std::u32string_view insert);
  void DeleteBackward();
  void DeleteForward();
  void Edited(std::int32_t caret);
  void RaiseChange();
  // Delivers an event to the listener, if there is one.
  template <class... Args>
  void Notify(void (WidgetListener::*event)(Args&...), Args... args) {
    if (WidgetListener* listener = Listener()) (listener->*event)(args...);
  }

  std::string m_name;
  std::u32string m_text;
  std::int32_t m_selStart = 0;
  std::int32_t m_selLength = 0;
  MemoryFocus* m_focus = nullptr;
  bool m_focusFails = false;
  int m_setFocusCalls = 0;
  int m_refreshCalls = 0;
  std::string m_cut;
};

}  // namespace vumocaixa
