// The control inside a Qt Designer form editor: in the widget box, on the property
// editor, changed through the form window's cursor and through its task menu, saved in
// Designer's own format and loaded back.

#include <functional>
#include <memory>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUiLoader>
#include <QUndoStack>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>

#include <vumocaixa/qt/qt_design_pages.hpp>
#include <vumocaixa/qt/qt_page_dialog.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "designer_session.hpp"
#include "modal_driver.hpp"

using namespace vumocaixa;
using vumocaixa::qt::QtPageDialog;
using vumocaixa::qt::VumoCaixaWidget;
using vumocaixa::qt::testing::DesignerSession;
using vumocaixa::qt::testing::ModalDriver;

namespace {

QString FormFile() {
  QFile file(QStringLiteral(VUMOCAIXA_FORMS_DIR "/cadastro_vumo.ui"));
  if (!file.open(QIODevice::ReadOnly)) qFatal("the form cannot be read");
  return QString::fromUtf8(file.readAll());
}

// A driver that hands the page dialog to onPages.
std::unique_ptr<ModalDriver> DrivePages(std::function<void(QtPageDialog&)> onPages) {
  return std::make_unique<ModalDriver>([onPages = std::move(onPages)](QWidget& modal) {
    if (auto* pages = qobject_cast<QtPageDialog*>(&modal)) onPages(*pages);
  });
}

void ClickOk(QtPageDialog& pages) {
  pages.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

}  // namespace

class DesignerFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<DesignerSession> designer;

  [[nodiscard]] VumoCaixaWidget* Control(const char* name) const {
    return designer->Form().mainContainer()->findChild<VumoCaixaWidget*>(QString::fromLatin1(name));
  }

  [[nodiscard]] QDesignerPropertySheetExtension* Sheet(QObject* object) const {
    return qt_extension<QDesignerPropertySheetExtension*>(designer->Core().extensionManager(),
                                                          object);
  }

  [[nodiscard]] QDesignerTaskMenuExtension* TaskMenu(QObject* object) const {
    return qt_extension<QDesignerTaskMenuExtension*>(designer->Core().extensionManager(), object);
  }

 private slots:
  // One form editor for the whole test, as in a designer application; every test
  // opens the form afresh.
  void initTestCase() { designer = std::make_unique<DesignerSession>(); }
  void init() { QVERIFY(designer->Open(FormFile())); }
  void cleanupTestCase() { designer.reset(); }

  void widgetBoxOffersTheControlInItsGroup() {
    QDesignerWidgetBoxInterface* box = designer->Core().widgetBox();
    QStringList entries;
    for (int i = 0; i < box->categoryCount(); ++i) {
      const auto category = box->category(i);
      if (category.name() != QLatin1String("VumoCaixa")) continue;
      for (int j = 0; j < category.widgetCount(); ++j) {
        entries << category.widget(j).name();
        QVERIFY(category.widget(j).domXml().contains("vumocaixa::qt::VumoCaixaWidget"));
      }
    }
    QCOMPARE(entries, QStringList({"Caixa de Texto Vumo"}));
  }

  void propertyEditorShowsTheTypeAsAListAndTheOptionsAsCheckBoxes() {
    QDesignerPropertySheetExtension* sheet = Sheet(Control("nome"));
    QVERIFY(sheet != nullptr);
    const int type = sheet->indexOf(QStringLiteral("TipoDados"));
    QVERIFY(type >= 0);
    QVERIFY(sheet->isVisible(type));
    QVERIFY(QByteArray(sheet->property(type).typeName()).contains("EnumValue"));
    for (const char* option : {"Habilitado", "TeclaEnter", "MaiusculoEMinusculo", "TudoMaiusculo",
                               "Endereco", "CNPJAlfanumerico", "ExtensoNorma"}) {
      const int index = sheet->indexOf(QString::fromLatin1(option));
      QVERIFY2(index >= 0 && sheet->isVisible(index), option);
      QCOMPARE(sheet->property(index).metaType(), QMetaType::fromType<bool>());
    }
    QCOMPARE(QString(Control("nome")->metaObject()->userProperty().name()), "Text");
  }

  void aTypeSetThroughTheCursorMarksTheFormAndCanBeUndone() {
    VumoCaixaWidget* nome = Control("nome");
    QVERIFY(!designer->Form().isDirty());
    designer->Form().cursor()->setWidgetProperty(nome, QStringLiteral("TipoDados"),
                                                 QVariant::fromValue(VumoCaixaWidget::CEP));
    QCOMPARE(nome->TipoDados(), int(kCEP));
    QVERIFY(designer->Form().isDirty());
    designer->Form().commandHistory()->undo();
    QCOMPARE(nome->TipoDados(), int(kTexto));
  }

  // The form file was saved by this Designer: loading and saving it changes nothing.
  void theCheckedInFormIsDesignersOwnFormat() {
    QCOMPARE(designer->Form().contents().trimmed(), FormFile().trimmed());
  }

  void whatTheDesignerSavesLoadsBackWithQUiLoader() {
    designer->Form().cursor()->setWidgetProperty(Control("nome"), QStringLiteral("TipoDados"),
                                                 QVariant::fromValue(VumoCaixaWidget::PIS));
    designer->Form().cursor()->setWidgetProperty(Control("cnpj"), QStringLiteral("Habilitado"),
                                                 false);
    const QByteArray saved = designer->Form().contents().toUtf8();
    QVERIFY(saved.contains("<enum>vumocaixa::qt::VumoCaixaWidget::PIS</enum>"));
    QUiLoader loader;
    loader.addPluginPath(QStringLiteral(VUMOCAIXA_PLUGIN_DIR "/designer"));
    QBuffer buffer;
    buffer.setData(saved);
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    QVERIFY2(form != nullptr, qPrintable(loader.errorString()));
    QCOMPARE(form->findChild<VumoCaixaWidget*>("nome")->TipoDados(), int(kPIS));
    QVERIFY(!form->findChild<VumoCaixaWidget*>("cnpj")->Habilitado());
    QCOMPARE(form->findChild<VumoCaixaWidget*>("cpf")->TipoDados(), int(kCIC));
  }

  void taskMenuOffersThePages() {
    QDesignerTaskMenuExtension* menu = TaskMenu(Control("cpf"));
    QVERIFY(menu != nullptr);
    QStringList texts;
    for (QAction* action : menu->taskActions()) texts << action->text();
    QCOMPARE(texts, QStringList({"Propriedades...", "Sobre..."}));
    QCOMPARE(menu->preferredEditAction()->text(), "Propriedades...");
  }

  void pagesWriteThroughTheCursorAsOneUndoableCommand() {
    VumoCaixaWidget* nome = Control("nome");
    auto driver = DrivePages([](QtPageDialog& pages) {
      QCOMPARE(pages.Tabs().tabText(pages.Tabs().currentIndex()), "Propriedades");
      auto* list = pages.findChild<QComboBox*>(QStringLiteral("TipoDados"));
      list->setCurrentIndex(list->findText(QStringLiteral("12 - CEP")));
      pages.findChild<QCheckBox*>(QStringLiteral("chkTeclaEnter"))->setChecked(false);
      ClickOk(pages);
    });
    const int commands = designer->Form().commandHistory()->count();
    TaskMenu(nome)->preferredEditAction()->trigger();
    QVERIFY(driver->modalSeen);
    // CEP refuses MaiusculoEMinusculo: the page unchecks it, without a message.
    QVERIFY(driver->messages.isEmpty());
    QCOMPARE(nome->TipoDados(), int(kCEP));
    QVERIFY(!nome->TeclaEnter());
    QVERIFY(!nome->MaiusculoEMinusculo());
    QVERIFY(designer->Form().isDirty());
    QCOMPARE(designer->Form().commandHistory()->count(), commands + 1);
    designer->Form().commandHistory()->undo();
    QCOMPARE(nome->TipoDados(), int(kTexto));
    QVERIFY(nome->TeclaEnter());
    QVERIFY(nome->MaiusculoEMinusculo());
  }

  // A CPF box still holding the new control's MaiusculoEMinusculo shows it unchecked
  // and disabled; applied, the page writes it as false and never writes a refused
  // option on, so no message appears.
  void refusedOptionsAreWrittenOffWithoutAMessage() {
    VumoCaixaWidget* cpf = Control("cpf");
    QVERIFY(cpf->MaiusculoEMinusculo());
    auto driver = DrivePages([](QtPageDialog& pages) {
      pages.findChild<QCheckBox*>(QStringLiteral("chkTudoMaiusculo"))->setChecked(true);
      ClickOk(pages);
    });
    TaskMenu(cpf)->preferredEditAction()->trigger();
    QVERIFY(driver->modalSeen);
    QVERIFY(driver->messages.isEmpty());
    QVERIFY(!cpf->MaiusculoEMinusculo());
    QVERIFY(!cpf->TudoMaiusculo());
    QDesignerPropertySheetExtension* sheet = Sheet(cpf);
    QVERIFY(sheet->isChanged(sheet->indexOf(QStringLiteral("MaiusculoEMinusculo"))));
    QVERIFY(!sheet->isChanged(sheet->indexOf(QStringLiteral("TudoMaiusculo"))));
  }

  void sobreShowsTheSobrePageAloneAndWritesNothing() {
    auto driver = std::make_unique<ModalDriver>([](QWidget& modal) {
      QVERIFY(modal.findChild<qt::QtSobrePage*>() != nullptr);
      QVERIFY(modal.findChild<QtPageDialog*>() == nullptr);
      QCOMPARE(modal.windowTitle(), "Sobre");
      qobject_cast<QDialog*>(&modal)->accept();
    });
    TaskMenu(Control("salario"))->taskActions()[1]->trigger();
    QVERIFY(driver->modalSeen);
    QVERIFY(driver->messages.isEmpty());
    QVERIFY(!designer->Form().isDirty());
    QCOMPARE(designer->Form().commandHistory()->count(), 0);
  }
};

QTEST_MAIN(DesignerFormTest)
#include "designer_form_test.moc"
