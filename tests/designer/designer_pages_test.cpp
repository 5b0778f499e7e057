// The pages opened on a control of a Designer form: they work on a copy and hand every
// property the copy takes to the writer, and nothing else.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <vumocaixa/control/property_help.hpp>
#include <vumocaixa/qt/qt_design_pages.hpp>
#include <vumocaixa/qt/qt_page_dialog.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "designer_pages.hpp"
#include "modal_driver.hpp"

using namespace vumocaixa;
using namespace vumocaixa::qt;

namespace {

struct Write {
  QString name;
  QVariant value;
};

// A control on a form, the pages opened on it, and what the pages wrote to it.
struct Opened {
  explicit Opened(void (*prepare)(VumoCaixaWidget&) = nullptr) {
    control.setObjectName(QStringLiteral("cpf"));
    if (prepare != nullptr) prepare(control);
    pages = std::make_unique<DesignerPages>(
        control, [this](VumoCaixaWidget& w, const QString& name, const QVariant& value) {
          writes.push_back({name, value});
          w.setProperty(name.toLatin1().constData(), value);
        });
  }

  template <class W>
  W& Child(const char* name) const {
    auto* child = pages->Dialog().findChild<W*>(QString::fromUtf8(name));
    if (child == nullptr) qFatal("no %s on the pages", name);
    return *child;
  }

  [[nodiscard]] QStringList WrittenNames() const {
    QStringList names;
    for (const Write& w : writes) names << w.name;
    return names;
  }

  // Closes and records the control's message boxes, also those of the pages' making.
  testing::ModalDriver messages;
  VumoCaixaWidget control;
  std::unique_ptr<DesignerPages> pages;
  std::vector<Write> writes;
};

}  // namespace

class DesignerPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void theCopyStartsAsTheControlAndOpeningWritesNothing() {
    Opened o([](VumoCaixaWidget& c) {
      c.SetMaiusculoEMinusculo(false);
      c.SetTipoDados(kEmail);
      c.SetTamanhoMaximo(60);
      c.SetTeclaEnter(false);
      c.SetBackColor(QColor(1, 2, 3));
    });
    QCOMPARE(o.pages->Copy().TipoDados(), int(kEmail));
    QCOMPARE(o.pages->Copy().TamanhoMaximo(), 60);
    QVERIFY(!o.pages->Copy().TeclaEnter());
    QCOMPARE(o.pages->Copy().BackColor(), QColor(1, 2, 3));
    QCOMPARE(o.Child<QComboBox>("TipoDados").currentIndex(), int(kEmail));
    QVERIFY(o.writes.empty());
    QVERIFY(o.messages.messages.isEmpty());
  }

  // Choosing a type applies the page at once, after the box properties at their
  // present values (which undo brings back); the CPF width comes with the type.
  void aTypeChosenOnThePageIsWrittenAtOnce() {
    Opened o([](VumoCaixaWidget& c) { c.SetMaiusculoEMinusculo(false); });
    auto& list = o.Child<QComboBox>("TipoDados");
    list.setCurrentIndex(list.findText(QStringLiteral("9 - CIC")));
    QCOMPARE(o.WrittenNames(), QStringList({"Habilitado", "TamanhoMaximo", "TipoDados"}));
    QCOMPARE(o.writes[0].value.toBool(), true);
    QCOMPARE(o.writes[1].value.toInt(), 0);
    QCOMPARE(o.writes[2].value.toInt(), int(kCIC));
    QCOMPARE(o.control.TipoDados(), int(kCIC));
    QCOMPARE(o.control.TamanhoMaximo(), 14);
  }

  void optionsAreWrittenWhenApplied() {
    Opened o;
    o.Child<QCheckBox>("chkTeclaEnter").setChecked(false);
    o.Child<QCheckBox>("chkTudoMaiusculo").setChecked(true);
    o.Child<QLineEdit>("txtTamanhoMáximo").setText(QStringLiteral("40"));
    QVERIFY(o.writes.empty());
    o.pages->Dialog().ApplyButton().click();
    QCOMPARE(o.WrittenNames(), QStringList({"TudoMaiusculo", "TamanhoMaximo", "TeclaEnter"}));
    QVERIFY(!o.control.TeclaEnter());
    QVERIFY(o.control.TudoMaiusculo());
    QCOMPARE(o.control.TamanhoMaximo(), 40);
  }

  // The page never writes an option the type refuses: its box is disabled, and even
  // checked by a program it is written as false, without a message.
  void aRefusedOptionIsDisabledAndNeverWrittenOn() {
    Opened o([](VumoCaixaWidget& c) {
      c.SetMaiusculoEMinusculo(false);
      c.SetTipoDados(kCIC);
    });
    auto& tudo = o.Child<QCheckBox>("chkTudoMaiusculo");
    QVERIFY(!tudo.isEnabled());
    tudo.setChecked(true);
    o.pages->Dialog().ApplyButton().click();
    QVERIFY(o.messages.messages.isEmpty());
    QVERIFY(!o.WrittenNames().contains("TudoMaiusculo"));
    QVERIFY(!o.control.TudoMaiusculo());
  }

  void coloursAndFontsAreWrittenByTheirPages() {
    Opened o;
    auto& colours = dynamic_cast<QtColorPage&>(o.pages->Dialog().Page(1));
    colours.ShowProperty(QStringLiteral("ForeColor"));
    colours.ChooseColor(QColor(200, 0, 0));
    auto& font = dynamic_cast<QtFontPage&>(o.pages->Dialog().Page(2));
    QFont chosen(QStringLiteral("DejaVu Serif"), 14);
    font.ChooseFont(chosen);
    o.pages->Dialog().Tabs().setCurrentIndex(2);  // Aplicar serves the page on show
    o.pages->Dialog().ApplyButton().click();
    QCOMPARE(o.WrittenNames(), QStringList({"ForeColor", "Font"}));
    QCOMPARE(o.control.ForeColor(), QColor(200, 0, 0));
    QCOMPARE(o.control.Font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(o.control.Font().pointSizeF(), 14.0);
  }

  void changesNotAppliedAreNotWritten() {
    Opened o;
    o.Child<QCheckBox>("chkEndereço").setChecked(true);
    o.pages->Dialog().reject();
    QVERIFY(o.writes.empty());
    QVERIFY(!o.control.Endereco());
  }

  // Shown and closed, the pages write nothing, even for an option the type refuses.
  void openingAndClosingWritesNothing() {
    Opened o([](VumoCaixaWidget& c) { c.SetTipoDados(kMoeda); });
    o.pages->Dialog().reject();
    QVERIFY(o.messages.messages.isEmpty());
    QVERIFY(o.writes.empty());
    QVERIFY(o.control.MaiusculoEMinusculo());
  }

  // Every property the control saves is one the pages write back, and nothing else is,
  // so that a new saved property cannot be left out of the form Designer keeps.
  void everySavedPropertyIsWrittenBack() {
    const QStringList written = DesignerPages::WrittenProperties();
    qsizetype saved = 0;
    for (const PropertyHelp& p : PropertyHelpTexts()) {
      if (p.saved < 0) continue;
      ++saved;
      QString name = QString::fromUtf8(p.member.data(), qsizetype(p.member.size()));
      name.replace(QString::fromUtf8("á"), QStringLiteral("a"));
      name.replace(QString::fromUtf8("ç"), QStringLiteral("c"));
      QVERIFY2(written.contains(name), qPrintable(name));
    }
    QCOMPARE(written.size(), saved);
  }

  void opensAtThePageAsked() {
    Opened o;
    QVERIFY(o.pages->ShowPage(QStringLiteral("Sobre")));
    QCOMPARE(o.pages->Dialog().Tabs().tabText(o.pages->Dialog().Tabs().currentIndex()), "Sobre");
    QVERIFY(!o.pages->ShowPage(QStringLiteral("Eventos")));
  }
};

QTEST_MAIN(DesignerPagesTest)
#include "designer_pages_test.moc"
