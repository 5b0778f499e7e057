#pragma once
// VumoLineEdit: the QLineEdit behind QtEditBox. It turns Qt's key, input-method,
// focus and mouse events into the events of a constituent edit box (WidgetListener)
// and applies what the listener hands back. See qt_edit_box.hpp for the rules.

#include <cstdint>

#include <QLineEdit>
#include <QString>

#include <vumocaixa/host/widget.hpp>
#include <vumocaixa/qt/qt_frame.hpp>

namespace vumocaixa::qt {

class VumoLineEdit final : public QLineEdit {
 public:
  // A child of the frame's widget.
  explicit VumoLineEdit(QtFrame& frame);
  ~VumoLineEdit() override;

  void SetListener(WidgetListener* listener) { m_listener = listener; }
  [[nodiscard]] std::int32_t MaxChars() const { return m_maxChars; }
  void SetMaxChars(std::int32_t limit) { m_maxChars = limit; }
  // Sets the text as a program does: not limited by MaxChars. The text the box holds
  // already leaves the caret and the selection where they are.
  void SetTextByProgram(const QString& text);

  // input with the characters that an edit inserted cut to what MaxChars leaves room
  // for; pos becomes the caret after them.
  void LimitEdit(QString& input, int& pos) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  class Keys;

  void TextChanged(const QString& text);
  void Mouse(void (WidgetListener::*handler)(std::int16_t&, std::int16_t&, float&, float&),
             const char* where, std::int16_t button, const QMouseEvent& event);
  // Whether a focus-out takes the focus to another widget of this window.
  [[nodiscard]] bool LeavesForThisWindow(const QFocusEvent& event) const;

  QtFrame& m_frame;
  WidgetListener* m_listener = nullptr;
  std::int32_t m_maxChars = 0;
  QString m_lastText;
  bool m_settingText = false;
  bool m_hasFocus = false;  // between GotFocus and LostFocus
  bool m_pressed = false;   // a left press in the box that a release makes a Click
};

}  // namespace vumocaixa::qt
