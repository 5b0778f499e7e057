#pragma once
// QuickEditBox: the edit boxes Caixa and Caixa1 over a Qt Quick TextInput in a framed
// rectangle. Keys, focus and mouse reach the control as the events of WidgetListener
// before the TextInput sees them; a character that KeyPress hands back is inserted by
// the box, within MaxLength characters (which limits typing and pasting, never the
// text that the control sets). Setting the text raises Change, as typing does.
// GotFocus and LostFocus are reported once each way, and not while a message has the
// focus, nor when the window loses it.

#include <cstdint>
#include <string>
#include <string_view>

#include <QString>

#include <vumocaixa/qtcommon/utf16.hpp>

#include "quick_part_p.hpp"

class QKeyEvent;
class QMouseEvent;
class QFocusEvent;
class QInputMethodEvent;

namespace vumocaixa::quick {

class QuickEditBox final : public QuickPart {
  Q_OBJECT

 public:
  QuickEditBox(QuickFrame& frame, const char* name);
  ~QuickEditBox() override;

  // The TextInput, made now if it was not yet.
  [[nodiscard]] QQuickItem& Input();

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  // Fails with HostError when the box is hidden or disabled.
  void SetFocus() override;

  // The name and description screen readers give the box.
  void SetAccessible(const QString& name, const QString& description);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Made() override;

 private:
  [[nodiscard]] Selection Selected() const override;
  void Select(Selection selection) override;
  [[nodiscard]] qtcommon::Utf16Caret Caret() const;
  Q_SLOT void TextChanged();
  Q_SLOT void ActiveFocusChanged(bool active);
  [[nodiscard]] QString CurrentText() const;
  void ApplyAccessible();
  // Replaces the selection with text cut to what MaxLength leaves room for.
  void Insert(const QString& text);
  void Backspace();
  class Keys;

  // Whether the box took the key event (the TextInput is not to see it).
  bool KeyPressed(QKeyEvent& event);
  bool KeyReleased(QKeyEvent& event);
  void Paste();
  void InputMethod(QInputMethodEvent& event);
  void FocusIn();
  void FocusOut(const QFocusEvent& event);
  void Mouse(QMouseEvent& event);

  QQuickItem* m_input = nullptr;  // the TextInput, once the item is made
  QString m_accessibleName;
  QString m_accessibleDescription;
  QString m_lastText;
  bool m_hasFocus = false;
  bool m_leaving = false;  // the focus is going elsewhere in the window
  bool m_pressed = false;
};

}  // namespace vumocaixa::quick
