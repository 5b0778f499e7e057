#include "task_menu.hpp"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QExtensionManager>

#include <vumocaixa/qt/qt_design_pages.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "designer_pages.hpp"

namespace vumocaixa::qt {
namespace {

// Sobre in a dialog of its own: it shows the library and changes no control.
void ShowSobre(QWidget* parent) {
  QDialog dialog(parent);
  auto* page = new QtSobrePage(&dialog);
  dialog.setWindowTitle(page->Caption());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(page);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace

VumoCaixaTaskMenu::VumoCaixaTaskMenu(VumoCaixaWidget* widget, QObject* parent)
    : QObject(parent),
      m_widget(widget),
      m_propriedades(new QAction(QStringLiteral("Propriedades..."), this)),
      m_sobre(new QAction(QStringLiteral("Sobre..."), this)) {
  connect(m_propriedades, &QAction::triggered, this, [this] { OpenPages(); });
  connect(m_sobre, &QAction::triggered, this, [this] {
    if (!m_widget.isNull()) ShowSobre(m_widget->window());
  });
}

QAction* VumoCaixaTaskMenu::preferredEditAction() const { return m_propriedades; }

QList<QAction*> VumoCaixaTaskMenu::taskActions() const { return {m_propriedades, m_sobre}; }

void VumoCaixaTaskMenu::OpenPages() {
  if (m_widget.isNull()) return;
  QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(m_widget);
  bool commandOpen = false;
  auto write = [&](VumoCaixaWidget& control, const QString& name, const QVariant& value) {
    if (form == nullptr) {
      control.setProperty(name.toLatin1().constData(), value);
      return;
    }
    if (!commandOpen) {
      form->beginCommand(QStringLiteral("Propriedades de '%1'").arg(control.objectName()));
      commandOpen = true;
    }
    form->cursor()->setWidgetProperty(&control, name, value);
  };
  DesignerPages pages(*m_widget, write, m_widget->window());
  pages.Run(QStringLiteral("Propriedades"));
  if (commandOpen) form->endCommand();
}

VumoCaixaTaskMenuFactory::VumoCaixaTaskMenuFactory(QExtensionManager* parent)
    : QExtensionFactory(parent) {}

QObject* VumoCaixaTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                   QObject* parent) const {
  if (iid != Q_TYPEID(QDesignerTaskMenuExtension)) return nullptr;
  auto* widget = qobject_cast<VumoCaixaWidget*>(object);
  if (widget == nullptr) return nullptr;
  return new VumoCaixaTaskMenu(widget, parent);
}

}  // namespace vumocaixa::qt
