#include <vumocaixa/qt/qt_accessible_names_p.hpp>

#include <array>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa::qt {
namespace {

// Indexed by data type.
constexpr std::array<const char*, 17> kDescriptions = {
    "Texto",
    "Data (dia, mês e ano)",
    "Valor em reais",
    "Número inteiro",
    "Número inteiro longo",
    "Número com casas decimais",
    "Número com casas decimais, precisão dupla",
    "Número decimal",
    "Um caractere",
    "CPF",
    "CNPJ",
    "Número do cartão de crédito",
    "CEP",
    "Endereço de e-mail",
    "Endereço de página na internet",
    "PIS",
    "Valor por extenso",
};
static_assert(kDescriptions.size() == kExtenso + 1);

}  // namespace

QString EntryDescription(int tipo) {
  if (tipo < 0 || tipo >= static_cast<int>(kDescriptions.size())) return {};
  return QString::fromUtf8(kDescriptions[static_cast<std::size_t>(tipo)]);
}

QString ButtonAction(int tipo) {
  if (tipo == kEmail) return QStringLiteral("Enviar e-mail");
  if (tipo == kHomePage) return QString::fromUtf8("Abrir página");
  return {};
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
