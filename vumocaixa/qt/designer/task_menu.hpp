#pragma once
// The task menu of VumoCaixaWidget in Qt Designer. "Propriedades..." (also what a
// double click does) opens the control's design-time pages at Propriedades; what they
// change is written through the form window's cursor, as one undoable command per
// visit of the pages. "Sobre..." shows the Sobre page alone.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

class QAction;
class QExtensionManager;

namespace vumocaixa::qt {

class VumoCaixaWidget;

class VumoCaixaTaskMenu final : public QObject, public QDesignerTaskMenuExtension {
  Q_OBJECT
  Q_INTERFACES(QDesignerTaskMenuExtension)

 public:
  VumoCaixaTaskMenu(VumoCaixaWidget* widget, QObject* parent);

  [[nodiscard]] QAction* preferredEditAction() const override;
  [[nodiscard]] QList<QAction*> taskActions() const override;

 private:
  void OpenPages();

  QPointer<VumoCaixaWidget> m_widget;
  QAction* m_propriedades;
  QAction* m_sobre;
};

class VumoCaixaTaskMenuFactory final : public QExtensionFactory {
  Q_OBJECT

 public:
  explicit VumoCaixaTaskMenuFactory(QExtensionManager* parent = nullptr);

 protected:
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

}  // namespace vumocaixa::qt
