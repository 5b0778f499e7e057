#include <vumocaixa/qt/qt_line_edit.hpp>

#include <functional>
#include <limits>
#include <string>

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QValidator>

#include <vumocaixa/host/keystroke.hpp>
#include <vumocaixa/qt/qt_edit_box.hpp>
#include <vumocaixa/qtcommon/keys.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::qt {

using qtcommon::CharText;
using qtcommon::KeyCodeOf;
using qtcommon::MouseButtons;
using qtcommon::ShiftState;

namespace {

// Holds every user edit of the box to its character limit.
class CharLimit final : public QValidator {
 public:
  explicit CharLimit(VumoLineEdit& edit) : QValidator(&edit), m_edit(edit) {}
  State validate(QString& input, int& pos) const override {
    m_edit.LimitEdit(input, pos);
    return Acceptable;
  }

 private:
  VumoLineEdit& m_edit;
};

// Alt with a letter (without Ctrl, which AltGr adds) is a menu's or a label's
// accelerator: it belongs to the window, and QLineEdit would type the letter.
bool IsAccelerator(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  return (m & Qt::AltModifier) && !(m & Qt::ControlModifier) && !event.text().isEmpty() &&
         event.text().at(0).isPrint();
}

// Whether an event of type may be a user's edit or lead to one.
bool MayEdit(QEvent::Type type) {
  switch (type) {
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    default: return false;
  }
}

}  // namespace

VumoLineEdit::VumoLineEdit(QtFrame& frame) : QLineEdit(&frame.FrameWidget()), m_frame(frame) {
  // The limit is the box's own, in characters (see event); Qt's would cut programmatic
  // texts too.
  setMaxLength(std::numeric_limits<int>::max());
  setMouseTracking(true);
  connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { TextChanged(t); });
}

VumoLineEdit::~VumoLineEdit() { m_listener = nullptr; }

void VumoLineEdit::SetTextByProgram(const QString& text) {
  // QLineEdit would put the caret at the end even of the text it holds already.
  if (text == QLineEdit::text()) return;
  const bool before = m_settingText;
  m_settingText = true;
  setText(text);
  m_settingText = before;
}

void VumoLineEdit::LimitEdit(QString& input, int& pos) const {
  if (m_maxChars <= 0 || m_settingText) return;
  std::u32string next = input.toStdU32String();
  const auto limit = static_cast<std::size_t>(m_maxChars);
  if (next.size() <= limit) return;
  const std::u32string before = m_lastText.toStdU32String();
  std::size_t prefix = 0;
  while (prefix < before.size() && prefix < next.size() && before[prefix] == next[prefix]) {
    ++prefix;
  }
  std::size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < next.size() - prefix &&
         before[before.size() - 1 - suffix] == next[next.size() - 1 - suffix]) {
    ++suffix;
  }
  const std::size_t inserted = next.size() - prefix - suffix;
  const std::size_t kept = next.size() - inserted;
  const std::size_t room = kept >= limit ? 0 : limit - kept;
  if (room >= inserted) return;
  next.erase(prefix + room, inserted - room);
  input = QString::fromStdU32String(next);
  pos = qtcommon::Utf16Before(input, static_cast<int>(prefix + room));
}

void VumoLineEdit::TextChanged(const QString& text) {
  if (text == m_lastText) return;
  m_lastText = text;
  if (m_listener != nullptr) {
    Guarded(m_frame, "Change", [this] { m_listener->Change(); });
  }
}

// The character limit is held by a validator, made when the user first reaches the box
// (the focus, a key, the mouse, a drop), before the box handles that event: of a form of
// many boxes, only those that someone edits hold one.
bool VumoLineEdit::event(QEvent* event) {
  if (validator() == nullptr && MayEdit(event->type())) setValidator(new CharLimit(*this));
  return QLineEdit::event(event);
}

void VumoLineEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) m_frame.PartFontChanged(*this);
}

// --- Keys ---------------------------------------------------------------------------

// A key or input-method event of the box, driven by the key protocol. A handler may
// delete the box: Raise then answers false, and nothing reaches the box any more.
class VumoLineEdit::Keys final : public KeystrokeTarget {
 public:
  Keys(VumoLineEdit& edit, QEvent& event) : m_edit(&edit), m_event(event) {}

  bool Raise(const char* event, const std::function<void(WidgetListener&)>& deliver) override {
    if (!m_edit || m_edit->m_listener == nullptr) return false;
    WidgetListener& listener = *m_edit->m_listener;
    return Guarded(m_edit->m_frame, event, [&] { deliver(listener); }) && m_edit;
  }
  void Insert(char32_t ch) override {
    m_event.accept();
    m_edit->insert(CharText(ch));
  }
  void Backspace() override {
    m_event.accept();
    m_edit->backspace();
  }
  void KeyAction() override {
    auto& key = static_cast<QKeyEvent&>(m_event);
    if (IsAccelerator(key)) {
      key.ignore();
    } else {
      m_edit->QLineEdit::keyPressEvent(&key);
    }
  }
  void KeyReleaseAction() override {
    m_edit->QLineEdit::keyReleaseEvent(&static_cast<QKeyEvent&>(m_event));
  }
  void Commit(std::u32string_view accepted) override {
    if (!m_edit) return;
    const auto& event = static_cast<QInputMethodEvent&>(m_event);
    QInputMethodEvent filtered(event.preeditString(), event.attributes());
    filtered.setCommitString(QString::fromStdU32String(std::u32string(accepted)),
                             event.replacementStart(), event.replacementLength());
    m_edit->QLineEdit::inputMethodEvent(&filtered);
  }
  void KeystrokeDone() override {
    if (m_edit) Guarded(m_edit->m_frame, "SendKeys", [this] { m_edit->m_frame.KeystrokeDone(); });
  }

 private:
  QPointer<VumoLineEdit> m_edit;
  QEvent& m_event;
};

void VumoLineEdit::keyPressEvent(QKeyEvent* event) {
  if (m_listener == nullptr) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  Keys keys(*this, *event);
  PressKey(keys, KeyCodeOf(event->key(), event->modifiers()), ShiftState(event->modifiers()),
           qtcommon::TypedChars(*event));
}

void VumoLineEdit::keyReleaseEvent(QKeyEvent* event) {
  if (m_listener == nullptr || event->isAutoRepeat()) {
    QLineEdit::keyReleaseEvent(event);
    return;
  }
  Keys keys(*this, *event);
  ReleaseKey(keys, KeyCodeOf(event->key(), event->modifiers()), ShiftState(event->modifiers()));
}

void VumoLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (m_listener == nullptr || event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  Keys keys(*this, *event);
  CommitText(keys, qtcommon::CommittedChars(event->commitString()));
}

// --- Focus --------------------------------------------------------------------------

bool VumoLineEdit::LeavesForThisWindow(const QFocusEvent& event) const {
  switch (event.reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: return false;
    default: break;
  }
  const QWidget* next = QApplication::focusWidget();
  return next == nullptr || next->window() == window();
}

void VumoLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (m_hasFocus || m_listener == nullptr) return;
  m_hasFocus = true;
  Guarded(m_frame, "GotFocus", [this] { m_listener->GotFocus(); });
}

void VumoLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!m_hasFocus || !LeavesForThisWindow(*event)) return;
  // Cleared first: the handler may give the focus straight back.
  m_hasFocus = false;
  if (m_listener != nullptr) {
    Guarded(m_frame, "LostFocus", [this] { m_listener->LostFocus(); });
  }
}

// --- Mouse --------------------------------------------------------------------------

void VumoLineEdit::Mouse(void (WidgetListener::*handler)(std::int16_t&, std::int16_t&, float&,
                                                         float&),
                         const char* where, std::int16_t button, const QMouseEvent& event) {
  if (m_listener == nullptr) return;
  std::int16_t shift = ShiftState(event.modifiers());
  const QPointF at = event.position();
  float x = qtcommon::PixelsToTwipsF(at.x(), logicalDpiX());
  float y = qtcommon::PixelsToTwipsF(at.y(), logicalDpiY());
  WidgetListener* listener = m_listener;
  Guarded(m_frame, where, [&] { std::invoke(handler, listener, button, shift, x, y); });
}

void VumoLineEdit::mousePressEvent(QMouseEvent* event) {
  QPointer<VumoLineEdit> alive(this);
  QLineEdit::mousePressEvent(event);
  if (!alive) return;
  m_pressed = event->button() == Qt::LeftButton;
  Mouse(&WidgetListener::MouseDown, "MouseDown", MouseButtons(event->button()), *event);
}

void VumoLineEdit::mouseMoveEvent(QMouseEvent* event) {
  QLineEdit::mouseMoveEvent(event);
  Mouse(&WidgetListener::MouseMove, "MouseMove", MouseButtons(event->buttons()), *event);
}

void VumoLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  QPointer<VumoLineEdit> alive(this);
  QLineEdit::mouseReleaseEvent(event);
  if (!alive) return;
  const bool click = m_pressed && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  m_pressed = false;
  Mouse(&WidgetListener::MouseUp, "MouseUp", MouseButtons(event->button()), *event);
  if (click && alive && m_listener != nullptr) {
    Guarded(m_frame, "Click", [this] { m_listener->Click(); });
  }
}

void VumoLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  m_pressed = false;
  if (m_listener != nullptr) {
    Guarded(m_frame, "DblClick", [this] { m_listener->DblClick(); });
  }
}

}  // namespace vumocaixa::qt
