#pragma once
// A Qt Designer form editor inside the test process, set up as the designer
// application sets up its own: Designer's task menus, the plugins found on the plugin
// path (ours among them), the widget box, the property editor and the integration,
// and one form window.

#include <memory>

#include <QCoreApplication>
#include <QMainWindow>
#include <QString>
#include <QUndoStack>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerWidgetBoxInterface>

namespace vumocaixa::qt::testing {

class DesignerSession {
 public:
  DesignerSession()
      : m_coreOwner(std::make_unique<QObject>()), m_window(std::make_unique<QMainWindow>()) {
    QCoreApplication::addLibraryPath(QStringLiteral(VUMOCAIXA_PLUGIN_DIR));
    QDesignerComponents::initializeResources();
    m_core = QDesignerComponents::createFormEditor(m_coreOwner.get());
    QDesignerComponents::createTaskMenu(m_core, m_coreOwner.get());
    QDesignerComponents::initializePlugins(m_core);
    m_core->setTopLevel(m_window.get());
    m_core->setWidgetBox(QDesignerComponents::createWidgetBox(m_core, m_window.get()));
    m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, m_window.get()));
    new QDesignerIntegration(m_core, m_coreOwner.get());
    m_form = m_core->formWindowManager()->createFormWindow(m_window.get());
    m_core->formWindowManager()->setActiveFormWindow(m_form);
  }

  [[nodiscard]] QDesignerFormEditorInterface& Core() const { return *m_core; }
  [[nodiscard]] QDesignerFormWindowInterface& Form() const { return *m_form; }

  // Loads a form as Designer opens a .ui file; false and message when it cannot.
  bool Open(const QString& contents) {
    if (!m_form->setContents(contents)) return false;
    m_form->setDirty(false);
    m_form->commandHistory()->clear();
    return true;
  }

 private:
  // The editor's core outlives the windows, which use it until they are gone.
  std::unique_ptr<QObject> m_coreOwner;
  std::unique_ptr<QMainWindow> m_window;
  QDesignerFormEditorInterface* m_core = nullptr;
  QDesignerFormWindowInterface* m_form = nullptr;
};

}  // namespace vumocaixa::qt::testing
