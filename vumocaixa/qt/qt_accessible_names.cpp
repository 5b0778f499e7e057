#include <vumocaixa/qt/qt_accessible_names_p.hpp>

#include <array>
#include <string_view>

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <vumocaixa/control/descricao_entrada.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>

namespace vumocaixa::qt {
namespace {

// The labels among the children of one parent, by their buddies, found in one pass
// and kept until the event loop next runs: a form shows all its controls in one go,
// and each control then finds its label without going over the form again.
class SiblingLabels {
 public:
  [[nodiscard]] const QLabel* BuddyOf(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    if (parent == nullptr) return nullptr;
    if (parent != m_parent || parent->children().size() != m_children) Fill(*parent);
    const QLabel* label = m_labels.value(&widget);
    // A label that was given another buddy meanwhile no longer names the widget.
    return label != nullptr && label->buddy() == &widget ? label : nullptr;
  }

 private:
  void Fill(const QWidget& parent) {
    if (m_parent == nullptr) {
      QTimer::singleShot(0, [this] {
        m_parent = nullptr;
        m_labels.clear();
      });
    }
    m_parent = &parent;
    m_children = parent.children().size();
    m_labels.clear();
    for (QObject* child : parent.children()) {
      auto* label = qobject_cast<QLabel*>(child);
      if (label != nullptr && label->buddy() != nullptr && !m_labels.contains(label->buddy())) {
        m_labels.insert(label->buddy(), label);
      }
    }
  }

  QPointer<const QWidget> m_parent;
  qsizetype m_children = 0;
  QHash<const QWidget*, QPointer<QLabel>> m_labels;
};

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text that TextOf gives data type tipo, made once for each of the seventeen types.
template <std::string_view (*TextOf)(int)>
QString SharedText(int tipo) {
  static const std::array<QString, kTiposDeDados.size()> texts = [] {
    std::array<QString, kTiposDeDados.size()> made;
    for (std::size_t t = 0; t < made.size(); ++t) made[t] = Text(TextOf(static_cast<int>(t)));
    return made;
  }();
  const auto index = static_cast<std::size_t>(tipo);
  return tipo >= 0 && index < texts.size() ? texts[index] : Text(TextOf(tipo));
}

}  // namespace

QString EntryDescription(int tipo) { return SharedText<DescricaoDaEntrada>(tipo); }

QString ButtonAction(int tipo) { return SharedText<AcaoDoBotao>(tipo); }

QString BuddyText(const QWidget& widget) {
  static SiblingLabels labels;
  const QLabel* label = labels.BuddyOf(widget);
  if (label == nullptr) return {};
  QString text = label->text();
  // "&&" stands for one '&'; a single '&' marks the shortcut letter.
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

AccessibleNames::AccessibleNames(QWidget& widget) : m_widget(widget) {}

void AccessibleNames::AddBox(QLineEdit& box) {
  for (QLineEdit*& place : m_boxes) {
    if (place == nullptr) {
      place = &box;
      break;
    }
  }
  box.setAccessibleName(m_name);
  Describe(box);
}

void AccessibleNames::AddButton(QPushButton& button) {
  m_button = &button;
  Describe(button);
}

void AccessibleNames::SetType(int tipo) {
  m_tipo = tipo;
  for (QLineEdit* box : m_boxes) {
    if (box != nullptr) Describe(*box);
  }
  if (m_button != nullptr) Describe(*m_button);
}

void AccessibleNames::Rename() {
  const QString own = m_widget.accessibleName();
  m_name = own.isEmpty() ? BuddyText(m_widget) : own;
  for (QLineEdit* box : m_boxes) {
    if (box != nullptr) box->setAccessibleName(m_name);
  }
}

void AccessibleNames::Describe(QLineEdit& box) const {
  box.setAccessibleDescription(EntryDescription(m_tipo));
}

void AccessibleNames::Describe(QPushButton& button) const {
  const QString action = ButtonAction(m_tipo);
  button.setAccessibleName(action);
  button.setToolTip(action);
}

}  // namespace vumocaixa::qt
