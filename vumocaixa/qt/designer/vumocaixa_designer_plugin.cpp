#include "vumocaixa_designer_plugin.hpp"

#include <QIcon>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "task_menu.hpp"

namespace vumocaixa::qt {

VumoCaixaDesignerPlugin::VumoCaixaDesignerPlugin(QObject* parent) : QObject(parent) {}

QString VumoCaixaDesignerPlugin::name() const {
  return QString::fromLatin1(VumoCaixaWidget::staticMetaObject.className());
}

QString VumoCaixaDesignerPlugin::group() const { return QStringLiteral("VumoCaixa"); }

QString VumoCaixaDesignerPlugin::toolTip() const { return QStringLiteral("Caixa de Texto Vumo"); }

QString VumoCaixaDesignerPlugin::whatsThis() const {
  return QStringLiteral(
      "Caixa de Texto Vumo: uma caixa de entrada para Texto, Data, Moeda, números, CIC, "
      "CNPJ, Cartão de Crédito, CEP, email, Home Page, PIS e valor por extenso. Escolha o "
      "tipo em TipoDados ou na página Propriedades.");
}

QString VumoCaixaDesignerPlugin::includeFile() const {
  return QStringLiteral("<vumocaixa/qt/vumocaixa_widget.hpp>");
}

QIcon VumoCaixaDesignerPlugin::icon() const {
  return QIcon(QStringLiteral(":/vumocaixa/designer/vumocaixa.png"));
}

QWidget* VumoCaixaDesignerPlugin::createWidget(QWidget* parent) {
  return new VumoCaixaWidget(parent);
}

void VumoCaixaDesignerPlugin::initialize(QDesignerFormEditorInterface* core) {
  if (m_initialized) return;
  if (core != nullptr && core->extensionManager() != nullptr) {
    QExtensionManager* manager = core->extensionManager();
    manager->registerExtensions(new VumoCaixaTaskMenuFactory(manager),
                                Q_TYPEID(QDesignerTaskMenuExtension));
  }
  m_initialized = true;
}

// The widget box entry: its caption, and the object name a new control gets.
QString VumoCaixaDesignerPlugin::domXml() const {
  return QStringLiteral(
             "<ui language=\"c++\" displayname=\"Caixa de Texto Vumo\">\n"
             " <widget class=\"%1\" name=\"caixaVumo\"/>\n"
             "</ui>\n")
      .arg(name());
}

}  // namespace vumocaixa::qt
