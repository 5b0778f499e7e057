#pragma once
// The Qt Designer plugin of VumoCaixaWidget: "Caixa de Texto Vumo" in the widget box's
// group "VumoCaixa", and the task-menu entries "Propriedades..." and "Sobre..." on every
// control placed on a form. QUiLoader loads the same plugin to build the control of a
// form at run time.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace vumocaixa::qt {

class VumoCaixaDesignerPlugin final : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.QDesignerCustomWidgetInterface")
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  explicit VumoCaixaDesignerPlugin(QObject* parent = nullptr);

  [[nodiscard]] QString name() const override;
  [[nodiscard]] QString group() const override;
  [[nodiscard]] QString toolTip() const override;
  [[nodiscard]] QString whatsThis() const override;
  [[nodiscard]] QString includeFile() const override;
  [[nodiscard]] QIcon icon() const override;
  [[nodiscard]] bool isContainer() const override { return false; }
  [[nodiscard]] QWidget* createWidget(QWidget* parent) override;
  [[nodiscard]] bool isInitialized() const override { return m_initialized; }
  void initialize(QDesignerFormEditorInterface* core) override;
  [[nodiscard]] QString domXml() const override;

 private:
  bool m_initialized = false;
};

}  // namespace vumocaixa::qt
