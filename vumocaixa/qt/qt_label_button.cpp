#include <vumocaixa/qt/qt_label_button.hpp>

#include <QLabel>
#include <QPushButton>

#include <vumocaixa/host/errors.hpp>

namespace vumocaixa::qt {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtLabelBox::QtLabelBox(QtFrame& frame, const QString& name)
    : QtWidgetBase(frame, new QLabel, QPalette::Window, QPalette::WindowText),
      m_label(static_cast<QLabel*>(&QtWidget())) {
  m_label->setObjectName(name);
  m_label->setTextFormat(Qt::PlainText);
  m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

std::string QtLabelBox::Text() const { return m_label->text().toStdString(); }

void QtLabelBox::SetText(std::string_view text) { m_label->setText(FromUtf8(text)); }

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
