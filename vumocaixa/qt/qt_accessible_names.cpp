#include <vumocaixa/qt/qt_accessible_names_p.hpp>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vumocaixa/control/descricao_entrada.hpp>

namespace vumocaixa::qt {

QString EntryDescription(int tipo) {
  const std::string_view text = DescricaoDaEntrada(tipo);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ButtonAction(int tipo) {
  const std::string_view text = AcaoDoBotao(tipo);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString BuddyText(const QWidget& widget) {
  for (const QLabel* label : widget.window()->findChildren<QLabel*>()) {
    if (label->buddy() != &widget) continue;
    QString text = label->text();
    // "&&" stands for one '&'; a single '&' marks the shortcut letter.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
  }
  return {};
}

AccessibleNames::AccessibleNames(QWidget& widget, QLineEdit& caixa, QLineEdit& caixa1,
                                 QPushButton& button)
    : m_widget(widget), m_caixa(caixa), m_caixa1(caixa1), m_button(button) {
  widget.installEventFilter(this);
  caixa.installEventFilter(this);
  caixa1.installEventFilter(this);
}

void AccessibleNames::Refresh(int tipo) {
  m_tipo = tipo;
  Refresh();
}

void AccessibleNames::Refresh() {
  const QString own = m_widget.accessibleName();
  const QString name = own.isEmpty() ? BuddyText(m_widget) : own;
  const QString description = EntryDescription(m_tipo);
  for (QLineEdit* box : {&m_caixa, &m_caixa1}) {
    box->setAccessibleName(name);
    box->setAccessibleDescription(description);
  }
  const QString action = ButtonAction(m_tipo);
  m_button.setAccessibleName(action);
  m_button.setToolTip(action);
}

bool AccessibleNames::eventFilter(QObject* watched, QEvent* event) {
  const bool shown = watched == &m_widget && event->type() == QEvent::Show;
  if (shown || event->type() == QEvent::FocusIn) Refresh();
  return QObject::eventFilter(watched, event);
}

}  // namespace vumocaixa::qt
