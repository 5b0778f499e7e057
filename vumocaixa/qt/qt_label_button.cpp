#include <vumocaixa/qt/qt_label_button.hpp>

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>

namespace vumocaixa::qt {

using qtcommon::FromUtf8;

namespace {

// A one-line label that shows as much of its text as fits, cut at the end with "…";
// a cut text is whole in the tooltip, and the accessible name is always the whole text.
class ElidingLabel final : public QLabel {
 public:
  ElidingLabel() {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }

  [[nodiscard]] const QString& FullText() const { return m_text; }
  void SetFullText(const QString& text) {
    m_text = text;
    Elide();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Elide();
  }
  void changeEvent(QEvent* event) override {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) Elide();
  }

 private:
  void Elide() {
    const QString shown = fontMetrics().elidedText(m_text, Qt::ElideRight, contentsRect().width());
    if (shown != text()) setText(shown);
    setToolTip(shown == m_text ? QString() : m_text);
    setAccessibleName(m_text);
  }

  QString m_text;
};

}  // namespace

QtLabelBox::QtLabelBox(QtFrame& frame, const QString& name)
    : QtWidgetBase(frame, new ElidingLabel, QPalette::Window, QPalette::WindowText),
      m_label(static_cast<QLabel*>(&QtWidget())) {
  m_label->setObjectName(name);
}

std::string QtLabelBox::Text() const {
  return static_cast<const ElidingLabel*>(m_label)->FullText().toStdString();
}

void QtLabelBox::SetText(std::string_view text) {
  static_cast<ElidingLabel*>(m_label)->SetFullText(FromUtf8(text));
}

void QtLabelBox::SetFocus() { throw HostError("a label cannot take the focus"); }

QtPushButton::QtPushButton(QtFrame& frame, const QString& name)
    : QtWidgetBase(frame, new QPushButton, QPalette::Button, QPalette::ButtonText),
      m_button(static_cast<QPushButton*>(&QtWidget())) {
  m_button->setObjectName(name);
  m_button->setAutoDefault(false);
  QObject::connect(m_button, &QPushButton::clicked, m_button, [this, &frame] {
    if (m_listener != nullptr) {
      Guarded(frame, "Click", [this] { m_listener->Click(); });
    }
  });
}

QtPushButton::~QtPushButton() { m_listener = nullptr; }

std::string QtPushButton::Text() const { return m_button->text().toStdString(); }

void QtPushButton::SetText(std::string_view text) { m_button->setText(FromUtf8(text)); }

void QtPushButton::SetFocus() {
  if (!m_button->isEnabled() || !m_button->isVisibleTo(m_button->window())) {
    throw HostError("a hidden or disabled button cannot take the focus");
  }
  m_button->setFocus(Qt::OtherFocusReason);
}

}  // namespace vumocaixa::qt
