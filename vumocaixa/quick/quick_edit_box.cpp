#include "quick_edit_box_p.hpp"

#include <algorithm>

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/keystroke.hpp>
#include <vumocaixa/qtcommon/keys.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::quick {

using qtcommon::CharText;
using qtcommon::CodePointsBefore;
using qtcommon::FromUtf8;
using qtcommon::KeyCodeOf;
using qtcommon::MouseButtons;
using qtcommon::ShiftState;
using qtcommon::Utf16Before;

namespace {

constexpr char kEditBoxQml[] = R"(
import QtQuick
Rectangle {
  property alias textItem: input
  property color backColor: "white"
  property string accessibleName
  property string accessibleDescription
  color: backColor
  border.width: 1
  border.color: input.activeFocus ? "#3874d8" : "#8c8c8c"
  radius: 2
  TextInput {
    id: input
    anchors.fill: parent
    anchors.leftMargin: 4
    anchors.rightMargin: 4
    verticalAlignment: TextInput.AlignVCenter
    clip: true
    activeFocusOnTab: true
    selectByMouse: true
    Accessible.name: parent.accessibleName
    Accessible.description: parent.accessibleDescription
  }
}
)";

}  // namespace

QuickEditBox::QuickEditBox(QuickFrame& frame, const char* name)
    : QuickPart(frame, WidgetKind::EditBox, name, kEditBoxQml) {}

QuickEditBox::~QuickEditBox() {
  // The TextInput goes after this box: what it reports while it goes reaches nothing.
  SetListener(nullptr);
  if (m_input == nullptr) return;
  m_input->removeEventFilter(this);
  QObject::disconnect(m_input, nullptr, this, nullptr);
}

QQuickItem& QuickEditBox::Input() {
  static_cast<void>(Item());  // makes the item, and with it the TextInput
  return *m_input;
}

void QuickEditBox::Made() {
  m_input = &TextItem();
  m_input->installEventFilter(this);
  connect(m_input, SIGNAL(textChanged()), this, SLOT(TextChanged()));
  connect(m_input, SIGNAL(activeFocusChanged(bool)), this, SLOT(ActiveFocusChanged(bool)));
  ApplyAccessible();
}

QString QuickEditBox::CurrentText() const { return m_input->property("text").toString(); }

// A box whose item is not made yet is empty: a text makes it. Until then its caret
// stands at 0 with nothing selected, as in an empty TextInput.
std::string QuickEditBox::Text() const {
  return m_input != nullptr ? CurrentText().toStdString() : std::string();
}

void QuickEditBox::SetText(std::string_view text) {
  if (m_input == nullptr && text.empty()) return;
  Input().setProperty("text", FromUtf8(text));
}

qtcommon::Utf16Caret QuickEditBox::Caret() const {
  return {m_input->property("selectionStart").toInt(), m_input->property("selectionEnd").toInt(),
          m_input->property("cursorPosition").toInt()};
}

QuickEditBox::Selection QuickEditBox::Selected() const {
  if (m_input == nullptr) return {};
  const auto [start, length] = qtcommon::CodePointSelection(CurrentText(), Caret());
  return {start, length};
}

void QuickEditBox::Select(Selection selection) {
  if (m_input == nullptr) return;
  const auto [from, to] = qtcommon::Utf16Range(CurrentText(), selection.start, selection.length);
  if (to == from) {
    m_input->setProperty("cursorPosition", from);
  } else {
    QMetaObject::invokeMethod(m_input, "select", Q_ARG(int, from), Q_ARG(int, to));
  }
}

void QuickEditBox::SetFocus() {
  if (!Enabled() || !Visible()) {
    throw HostError("a hidden or disabled box cannot take the focus: " +
                    objectName().toStdString());
  }
  Input().forceActiveFocus(Qt::OtherFocusReason);
}

void QuickEditBox::SetAccessible(const QString& name, const QString& description) {
  m_accessibleName = name;
  m_accessibleDescription = description;
  if (m_input != nullptr) ApplyAccessible();
}

void QuickEditBox::ApplyAccessible() {
  Item().setProperty("accessibleName", m_accessibleName);
  Item().setProperty("accessibleDescription", m_accessibleDescription);
}

void QuickEditBox::TextChanged() {
  const QString text = CurrentText();
  if (text == m_lastText) return;
  m_lastText = text;
  if (WidgetListener* listener = Listener()) {
    Guarded(Frame(), "Change", [listener] { listener->Change(); });
  }
}

// --- Editing --------------------------------------------------------------------------

void QuickEditBox::Insert(const QString& typed) {
  const QString text = CurrentText();
  const qtcommon::Utf16Caret caret = Caret();
  int from = caret.selectionStart;
  int to = caret.selectionEnd;
  if (from == to) from = to = caret.cursor;
  QString piece = typed;
  if (MaxLength() > 0) {
    const int kept = CodePointsBefore(text, static_cast<int>(text.size())) -
                     CodePointsBefore(text.mid(from, to - from), to - from);
    piece.truncate(Utf16Before(piece, std::max(0, MaxLength() - kept)));
  }
  if (piece.isEmpty() && from == to) return;
  // One change, with the caret already after the insertion when Change is raised.
  QSignalBlocker quiet(m_input);
  m_input->setProperty("text", text.left(from) + piece + text.mid(to));
  m_input->setProperty("cursorPosition", from + static_cast<int>(piece.size()));
  quiet.unblock();
  TextChanged();
}

void QuickEditBox::Backspace() {
  const QString text = CurrentText();
  const int from = m_input->property("selectionStart").toInt();
  const int to = m_input->property("selectionEnd").toInt();
  if (from == to) {
    const int caret = m_input->property("cursorPosition").toInt();
    if (caret == 0) return;
    const int before = Utf16Before(text, CodePointsBefore(text, caret) - 1);
    QMetaObject::invokeMethod(m_input, "select", Q_ARG(int, before), Q_ARG(int, caret));
  }
  Insert(QString());
}

void QuickEditBox::Paste() {
  QString pasted = QGuiApplication::clipboard()->text();
  const qsizetype lineEnd = pasted.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  if (lineEnd >= 0) pasted.truncate(lineEnd);
  Insert(pasted);
}

// --- Events ---------------------------------------------------------------------------

bool QuickEditBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_input || Listener() == nullptr) return false;
  switch (event->type()) {
    case QEvent::KeyPress: return KeyPressed(static_cast<QKeyEvent&>(*event));
    case QEvent::KeyRelease: return KeyReleased(static_cast<QKeyEvent&>(*event));
    case QEvent::FocusIn: FocusIn(); break;
    case QEvent::FocusOut: FocusOut(static_cast<QFocusEvent&>(*event)); break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: Mouse(static_cast<QMouseEvent&>(*event)); break;
    case QEvent::InputMethod: InputMethod(static_cast<QInputMethodEvent&>(*event)); break;
    default: break;
  }
  return false;
}

// A key or input-method event of the TextInput, driven by the key protocol before the
// TextInput sees it. A handler may delete the box: Raise then answers false, and
// nothing reaches the box any more.
class QuickEditBox::Keys final : public KeystrokeTarget {
 public:
  Keys(QuickEditBox& box, QEvent& event) : m_box(&box), m_event(event) {}

  // Whether the event is the box's alone: the TextInput is not to handle it too.
  [[nodiscard]] bool Consumed() const { return !m_box || !m_passOn; }

  bool Raise(const char* event, const std::function<void(WidgetListener&)>& deliver) override {
    if (!m_box || m_box->Listener() == nullptr) return false;
    WidgetListener& listener = *m_box->Listener();
    return Guarded(m_box->Frame(), event, [&] { deliver(listener); }) && m_box;
  }
  void Insert(char32_t ch) override { m_box->Insert(CharText(ch)); }
  void Backspace() override { m_box->Backspace(); }
  // The box pastes itself, within MaxLength; the rest is the TextInput's.
  void KeyAction() override {
    if (static_cast<QKeyEvent&>(m_event).matches(QKeySequence::Paste)) {
      m_box->Paste();
    } else {
      m_passOn = true;
    }
  }
  void KeyReleaseAction() override { m_passOn = true; }
  // What is let through is left in the event for the TextInput to commit.
  void Commit(std::u32string_view accepted) override {
    auto& event = static_cast<QInputMethodEvent&>(m_event);
    event.setCommitString(QString::fromStdU32String(std::u32string(accepted)),
                          event.replacementStart(), event.replacementLength());
  }
  void KeystrokeDone() override {
    if (m_box) Guarded(m_box->Frame(), "SendKeys", [this] { m_box->Frame().KeystrokeDone(); });
  }

 private:
  QPointer<QuickEditBox> m_box;
  QEvent& m_event;
  bool m_passOn = false;
};

bool QuickEditBox::KeyPressed(QKeyEvent& event) {
  Keys keys(*this, event);
  PressKey(keys, KeyCodeOf(event.key(), event.modifiers()), ShiftState(event.modifiers()),
           qtcommon::TypedChars(event));
  if (!keys.Consumed()) return false;
  event.accept();
  return true;
}

bool QuickEditBox::KeyReleased(QKeyEvent& event) {
  if (event.isAutoRepeat()) return false;
  Keys keys(*this, event);
  ReleaseKey(keys, KeyCodeOf(event.key(), event.modifiers()), ShiftState(event.modifiers()));
  return keys.Consumed();
}

// A text an input method commits is typed character by character; what the control
// refuses is left out of it.
void QuickEditBox::InputMethod(QInputMethodEvent& event) {
  if (event.commitString().isEmpty()) return;
  Keys keys(*this, event);
  CommitText(keys, qtcommon::CommittedChars(event.commitString()));
}

void QuickEditBox::FocusIn() {
  if (m_hasFocus || Frame().ShowingMessage()) return;
  m_hasFocus = true;
  Guarded(Frame(), "GotFocus", [this] { Listener()->GotFocus(); });
}

void QuickEditBox::FocusOut(const QFocusEvent& event) {
  if (!m_hasFocus || Frame().ShowingMessage()) return;
  switch (event.reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: return;
    default: break;
  }
  m_leaving = true;
}

// LostFocus is raised once the event that moved the focus is over (a mouse press
// gives the focus on its way), so that its handler may take the focus back.
void QuickEditBox::ActiveFocusChanged(bool active) {
  if (active || !m_leaving) return;
  m_leaving = false;
  // Cleared first: the handler may give the focus straight back.
  m_hasFocus = false;
  QTimer::singleShot(0, this, [this] {
    if (WidgetListener* listener = Listener()) {
      Guarded(Frame(), "LostFocus", [listener] { listener->LostFocus(); });
    }
  });
}

void QuickEditBox::Mouse(QMouseEvent& event) {
  const bool release = event.type() == QEvent::MouseButtonRelease;
  const bool press = event.type() == QEvent::MouseButtonPress;
  std::int16_t button =
      MouseButtons(event.type() == QEvent::MouseMove ? event.buttons() : event.button());
  std::int16_t shift = ShiftState(event.modifiers());
  float x = qtcommon::PixelsToTwipsF(event.position().x(), Frame().Dpi());
  float y = qtcommon::PixelsToTwipsF(event.position().y(), Frame().Dpi());
  QPointer<QuickEditBox> alive(this);
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      Guarded(Frame(), "MouseDown", [&] { Listener()->MouseDown(button, shift, x, y); });
      break;
    case QEvent::MouseMove:
      Guarded(Frame(), "MouseMove", [&] { Listener()->MouseMove(button, shift, x, y); });
      break;
    case QEvent::MouseButtonRelease:
      Guarded(Frame(), "MouseUp", [&] { Listener()->MouseUp(button, shift, x, y); });
      break;
    default: Guarded(Frame(), "DblClick", [this] { Listener()->DblClick(); }); break;
  }
  if (!alive || Listener() == nullptr) return;
  const bool click = release && m_pressed && event.button() == Qt::LeftButton &&
                     m_input->contains(event.position());
  if (press || release) m_pressed = press && event.button() == Qt::LeftButton;
  if (click) Guarded(Frame(), "Click", [this] { Listener()->Click(); });
}

}  // namespace vumocaixa::quick
