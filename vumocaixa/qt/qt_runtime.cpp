#include <vumocaixa/qt/qt_runtime.hpp>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <vumocaixa/qtcommon/utf16.hpp>

namespace vumocaixa::qt {

using qtcommon::FromUtf8;

namespace {

// Whether w can take the focus from the Tab key.
bool TakesTabFocus(const QWidget& w) {
  return (w.focusPolicy() & Qt::TabFocus) && w.isEnabled() && w.isVisible();
}

QWidget* DeepestProxy(QWidget* w) {
  while (w->focusProxy() != nullptr) w = w->focusProxy();
  return w;
}

}  // namespace

int MessageIconOf(int style) {
  switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

QtRuntime::QtRuntime(QWidget& widget)
    : TabRuntime(static_cast<QObject&>(*this)), m_widget(widget) {}

QtRuntime::~QtRuntime() = default;

void QtRuntime::SetFrame(QtFrame& frame) {
  m_frame = &frame;
  m_life = frame.Life();
}

// A failure of a slot is the host's: it is reported and what the control asked for
// still happens. Without a frame nothing is there to report it to.
template <class F>
void QtRuntime::Notify(const char* where, F&& emitter) {
  if (m_frame != nullptr) {
    qtcommon::NotifyHost(*m_frame, where, std::forward<F>(emitter));
    return;
  }
  try {
    EmitToHost(m_life, std::forward<F>(emitter));
  } catch (const FrameDeleted&) {
    throw;
  } catch (...) {
  }
}

void QtRuntime::ShowMessage(std::string_view prompt, int style, std::string_view title) {
  const QString text = FromUtf8(prompt);
  const QString caption = FromUtf8(title);
  Notify("messageShown", [&] { emit messageShown(text, style, caption); });
  if (m_presenter) {
    EmitToHost(m_life, [&] { m_presenter(text, style, caption); });
    return;
  }
  QPointer<QWidget> window = m_widget.window();
  const bool wasActive = window->isActiveWindow();
  QMessageBox box(static_cast<QMessageBox::Icon>(MessageIconOf(style)), caption, text,
                  QMessageBox::Ok, window);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  // The focus that the handler gives back afterwards belongs to an active window,
  // whether or not the platform reactivates it by itself.
  if (window && wasActive && !window->isActiveWindow()) window->activateWindow();
}

void QtRuntime::Beep() {
  Notify("beeped", [this] { emit beeped(); });
  QApplication::beep();
}

void QtRuntime::MoveFocusToNext() {
  QWidget* start = QApplication::focusWidget();
  if (start == nullptr || (start != &m_widget && !m_widget.isAncestorOf(start))) {
    start = &m_widget;
  }
  for (QWidget* w = start->nextInFocusChain(); w != nullptr && w != start;
       w = w->nextInFocusChain()) {
    if (w == &m_widget || m_widget.isAncestorOf(w) || w->window() != m_widget.window() ||
        !TakesTabFocus(*w)) {
      continue;
    }
    QWidget* target = DeepestProxy(w);
    if (target == &m_widget || m_widget.isAncestorOf(target)) continue;
    target->setFocus(Qt::TabFocusReason);
    return;
  }
}

}  // namespace vumocaixa::qt
