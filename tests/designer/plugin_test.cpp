// The plugin as Qt Designer and QUiLoader load it: its interface, the widget it makes
// and the data type list the property editor shows.

#include <memory>

#include <QMetaEnum>
#include <QPluginLoader>
#include <QTest>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <vumocaixa/qt/vumocaixa_widget.hpp>

using vumocaixa::kTiposDeDados;
using vumocaixa::TipoDadosInfo;
using vumocaixa::qt::VumoCaixaWidget;

namespace {

// The attribute name of the first element called element in xml.
QString AttributeOf(const QString& xml, QLatin1StringView element, QLatin1StringView name) {
  QXmlStreamReader reader(xml);
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == element) {
      return reader.attributes().value(name).toString();
    }
  }
  return QStringLiteral("<none>");
}

}  // namespace

class PluginTest : public QObject {
  Q_OBJECT

  QPluginLoader loader{QStringLiteral(VUMOCAIXA_PLUGIN_FILE)};
  QDesignerCustomWidgetInterface* plugin = nullptr;

 private slots:
  void initTestCase() {
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    QVERIFY(plugin != nullptr);
  }

  void describesTheControlForTheWidgetBox() {
    QCOMPARE(plugin->name(), "vumocaixa::qt::VumoCaixaWidget");
    QCOMPARE(plugin->group(), "VumoCaixa");
    QCOMPARE(plugin->toolTip(), "Caixa de Texto Vumo");
    QVERIFY(plugin->whatsThis().contains("Caixa de Texto Vumo"));
    QCOMPARE(plugin->includeFile(), "<vumocaixa/qt/vumocaixa_widget.hpp>");
    QVERIFY(!plugin->isContainer());
    QVERIFY(!plugin->icon().isNull());
    QVERIFY(!plugin->icon().availableSizes().isEmpty());
  }

  void domXmlNamesTheClassAndTheCaption() {
    const QString xml = plugin->domXml();
    QCOMPARE(AttributeOf(xml, QLatin1StringView("ui"), QLatin1StringView("displayname")),
             "Caixa de Texto Vumo");
    QCOMPARE(AttributeOf(xml, QLatin1StringView("widget"), QLatin1StringView("class")),
             plugin->name());
    QCOMPARE(AttributeOf(xml, QLatin1StringView("widget"), QLatin1StringView("name")), "caixaVumo");
  }

  void initializesOnceWithoutADesigner() {
    QVERIFY(!plugin->isInitialized());
    plugin->initialize(nullptr);
    QVERIFY(plugin->isInitialized());
    plugin->initialize(nullptr);
    QVERIFY(plugin->isInitialized());
  }

  // The plugin and the test share the one VumoCaixaWidget of the shared library, so
  // the widget it makes is the application's own class.
  void createsTheApplicationsOwnWidget() {
    QWidget form;
    QWidget* made = plugin->createWidget(&form);
    auto* caixa = qobject_cast<VumoCaixaWidget*>(made);
    QVERIFY(caixa != nullptr);
    QCOMPARE(caixa->parentWidget(), &form);
    QCOMPARE(caixa->TipoDados(), 0);
    QVERIFY(caixa->Habilitado());
  }

  void dataTypeIsAListOfTheSeventeenTypesInOrder() {
    const QMetaObject& meta = VumoCaixaWidget::staticMetaObject;
    const QMetaProperty property = meta.property(meta.indexOfProperty("TipoDados"));
    QVERIFY(property.isEnumType());
    const QMetaEnum types = property.enumerator();
    QCOMPARE(std::size_t(types.keyCount()), kTiposDeDados.size());
    for (int i = 0; i < types.keyCount(); ++i) {
      const TipoDadosInfo& row = kTiposDeDados[std::size_t(i)];
      QCOMPARE(QString::fromLatin1(types.key(i)),
               QString::fromUtf8(row.nome.data(), qsizetype(row.nome.size())));
      QCOMPARE(types.value(i), i);
    }
  }

  void dataTypeTakesANumberOrANameThroughQtsPropertySystem() {
    VumoCaixaWidget caixa;
    QVERIFY(caixa.setProperty("TipoDados", 12));
    QCOMPARE(caixa.TipoDados(), 12);
    QVERIFY(caixa.setProperty("TipoDados", QStringLiteral("CNPJ")));
    QCOMPARE(caixa.TipoDados(), 10);
    QVERIFY(caixa.setProperty("TipoDados", QVariant::fromValue(VumoCaixaWidget::Moeda)));
    QCOMPARE(caixa.property("TipoDados").value<VumoCaixaWidget::Tipo>(), VumoCaixaWidget::Moeda);
    QCOMPARE(caixa.property("TipoDados").toInt(), 2);
  }

  // A form sets the properties in their declared order: the text options before the
  // data type (a new control of type 0 takes each of them), Habilitado and TamanhoMaximo
  // after it (they belong to the box the type shows).
  void aFormSetsTheDataTypeBetweenTheOptionsAndTheBoxProperties() {
    const QMetaObject& meta = VumoCaixaWidget::staticMetaObject;
    const int type = meta.indexOfProperty("TipoDados");
    for (const char* option : {"MaiusculoEMinusculo", "TudoMaiusculo", "Endereco"}) {
      QVERIFY2(meta.indexOfProperty(option) < type, option);
    }
    for (const char* box : {"Habilitado", "TamanhoMaximo"}) {
      QVERIFY2(meta.indexOfProperty(box) > type, box);
    }
  }
};

QTEST_MAIN(PluginTest)
#include "plugin_test.moc"
