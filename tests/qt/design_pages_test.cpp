// The design-time pages drawn with Qt: the widgets of Propriedades and Sobre where
// their tables put them, the type list writing to the control at once, the colour and
// font pages, and the dialog's Aplicar button.

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <vumocaixa/pages/propriedades.hpp>
#include <vumocaixa/pages/sobre.hpp>
#include <vumocaixa/qt/qt_design_pages.hpp>
#include <vumocaixa/qt/qt_page_dialog.hpp>
#include <vumocaixa/qt/qt_page_surface.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>
#include <vumocaixa/qtcommon/values.hpp>

using namespace vumocaixa;
using namespace vumocaixa::qt;
using vumocaixa::qtcommon::TwipsToPixels;

namespace {

// A control whose message boxes are recorded instead of shown.
struct Caixa {
  Caixa() {
    widget.Runtime().SetMessagePresenter(
        [this](const QString& prompt, int, const QString&) { messages << prompt; });
  }
  VumoCaixaWidget widget;
  QStringList messages;
};

template <class W>
W* Child(const QWidget& parent, const char* name) {
  return parent.findChild<W*>(QString::fromUtf8(name));
}

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

class DesignPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void choosingMoedaChangesTheControlAtOnce() {
    Caixa c;
    QtPageDialog dialog({&c.widget.Control()});
    auto* list = Child<QComboBox>(dialog, "TipoDados");
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), 17);
    QCOMPARE(list->currentIndex(), 0);
    list->setCurrentIndex(list->findText(QStringLiteral("2 - Moeda")));
    QCOMPARE(c.widget.TipoDados(), int(kMoeda));
    QCOMPARE(Child<QLineEdit>(dialog, "txtTipoDados")->text(), QStringLiteral("2"));
    QVERIFY(dialog.ApplyButton().isEnabled());
  }

  void theTypeChosenByKeyboardReachesTheControl() {
    Caixa c;
    QtPropriedadesPage page({&c.widget.Control()});
    auto* list = Child<QComboBox>(page, "TipoDados");
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(c.widget.TipoDados(), int(kData));
  }

  void aTypeThatRefusesAnOptionUnchecksAndDisablesIt() {
    Caixa c;
    QtPropriedadesPage page({&c.widget.Control()});
    auto* tudo = Child<QCheckBox>(page, "chkTudoMaiusculo");
    tudo->setChecked(true);
    Child<QComboBox>(page, "TipoDados")->setCurrentIndex(kInteiro);
    QCOMPARE(c.widget.TipoDados(), int(kInteiro));
    QVERIFY(!c.widget.TudoMaiusculo());
    QVERIFY(!tudo->isChecked());
    QVERIFY(!tudo->isEnabled());
    QVERIFY(c.messages.isEmpty());
  }

  // Opening the pages on a control made in code and cancelling them changes nothing
  // and shows nothing, whatever the control's options.
  void openingAndCancellingChangesNothing() {
    Caixa c;
    c.widget.SetTipoDados(kCIC);  // MaiusculoEMinusculo stays on, as a new control has it
    const int width = c.widget.TamanhoMaximo();
    QtPageDialog dialog({&c.widget.Control()});
    QVERIFY(!dialog.ApplyButton().isEnabled());
    QVERIFY(!Child<QCheckBox>(dialog, "chkMaiusculoEMinusculo")->isEnabled());
    dialog.reject();
    QVERIFY(c.messages.isEmpty());
    QCOMPARE(c.widget.TamanhoMaximo(), width);
    QVERIFY(c.widget.MaiusculoEMinusculo());
  }

  void aMaximumLengthThatIsNoWholeNumberIsShownAndNotWritten() {
    Caixa c;
    c.widget.SetTamanhoMaximo(30);
    QtPropriedadesPage page({&c.widget.Control()});
    auto* length = Child<QLineEdit>(page, "txtTamanhoMáximo");
    auto* aviso = Child<QLabel>(page, "lblAviso");
    QVERIFY(aviso->text().isEmpty());
    length->setText(QStringLiteral("12,5"));
    QCOMPARE(aviso->text(), Q(kAvisoTamanhoMáximo));
    page.Apply();
    QCOMPARE(c.widget.TamanhoMaximo(), 30);
    QCOMPARE(length->text(), QStringLiteral("12,5"));
    QVERIFY(c.messages.isEmpty());
  }

  void onlyRealChangesMarkThePageChanged() {
    Caixa c;
    c.widget.SetTamanhoMaximo(12);
    QtPropriedadesPage page({&c.widget.Control()});
    QVERIFY(!page.Changed());  // showing the page writes nothing
    auto* length = Child<QLineEdit>(page, "txtTamanhoMáximo");
    QCOMPARE(length->text(), QStringLiteral("12"));
    length->setText(QStringLiteral("12"));
    Child<QCheckBox>(page, "chkTeclaEnter")->setChecked(true);  // already checked
    QVERIFY(!page.Changed());
    length->setText(QStringLiteral("20"));
    QVERIFY(page.Changed());
    QCOMPARE(c.widget.TamanhoMaximo(), 12);  // reaches the control on apply
    page.Apply();
    QCOMPARE(c.widget.TamanhoMaximo(), 20);
  }

  void widgetsStandWhereTheirTwipsSay() {
    QtPageSurface surface;
    Propriedades page(surface);
    const int dx = surface.logicalDpiX();
    const int dy = surface.logicalDpiY();
    for (const PageWidgetLayout& layout : PropriedadesLayout()) {
      const auto* w = surface.findChild<QWidget*>(Q(layout.name));
      QVERIFY2(w != nullptr, layout.name.data());
      const QRect expected(TwipsToPixels(layout.left, dx), TwipsToPixels(layout.top, dy),
                           TwipsToPixels(layout.width, dx), TwipsToPixels(layout.height, dy));
      QCOMPARE(w->geometry(), expected);
      const QString parent = layout.container.empty() ? surface.objectName() : Q(layout.container);
      QCOMPARE(w->parentWidget()->objectName(), parent);
    }
    QCOMPARE(surface.size(), QSize(TwipsToPixels(5910, dx), TwipsToPixels(3975, dy)));
    QCOMPARE(surface.windowTitle(), QStringLiteral("Propriedades"));
    QVERIFY(Child<QLineEdit>(surface, "txtTipoDados")->isHidden());
    QCOMPARE(Child<QGroupBox>(surface, "Area_2")->title(), QStringLiteral("Especificações"));
  }

  void tabOrderFollowsTheTable() {
    QtPageSurface surface;
    Propriedades page(surface);
    surface.show();
    const QStringList expected = {"TipoDados",        "chkTeclaEnter",    "chkMaiusculoEMinusculo",
                                  "chkTudoMaiusculo", "txtTamanhoMáximo", "chkEndereço",
                                  "chkExtensoNorma"};
    QWidget* w = Child<QWidget>(surface, "TipoDados");
    QStringList seen;
    for (int i = 0; i < 100 && seen.size() < expected.size(); ++i, w = w->nextInFocusChain()) {
      if (w->isVisible() && w->focusPolicy() != Qt::NoFocus && w->parentWidget() != nullptr &&
          expected.contains(w->objectName()) && !seen.contains(w->objectName())) {
        seen << w->objectName();
      }
    }
    QCOMPARE(seen, expected);
  }

  void sobreShowsTheVersionAndTheLogo() {
    QtSobrePage page;
    QCOMPARE(Child<QLabel>(page, "Lbl_Versão")->text(), QStringLiteral("Versão 1.0.1"));
    const QLabel* title = Child<QLabel>(page, "Lbl_Título");
    QCOMPARE(title->text(), QStringLiteral("VumoCaixa"));
    QCOMPARE(title->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(title->font().pointSizeF(), 18.0);
    QVERIFY(title->font().bold());
    QCOMPARE(Child<QLabel>(page, "Lbl_Versão")->font().pointSizeF(), 9.75);
    const QLabel* logo = Child<QLabel>(page, "Logo");
    QCOMPARE(logo->pixmap().size(), QSize(138, 88));
    QCOMPARE(logo->size(), QSize(138, 88));
    QCOMPARE(Child<QLabel>(page, "Lbl_emailEndereço")->palette().color(QPalette::WindowText),
             QColor(Qt::blue));
    QVERIFY(!page.Changed());
  }

  // The page's font is wider here than the one the page was laid out for: "email :" and
  // the address that follows it on the line are both shown whole.
  void sobreLabelsOnOneLineDoNotCoverEachOther() {
    QtSobrePage page;
    const QLabel* email = Child<QLabel>(page, "Lbl_email");
    const QLabel* address = Child<QLabel>(page, "Lbl_emailEndereço");
    QVERIFY(email->width() >= email->sizeHint().width());
    QVERIFY(address->x() >= email->x() + email->sizeHint().width());
    QCOMPARE(address->y(), email->y());
    QCOMPARE(address->width(), address->sizeHint().width());
  }

  void theColourPageWritesEverySelectedControlOnApply() {
    Caixa a, b;
    QtColorPage page({&a.widget.Control(), &b.widget.Control()});
    QVERIFY(!page.Changed());
    page.ShowProperty(QStringLiteral("ForeColor"));
    page.ChooseColor(QColor(200, 0, 0));
    QVERIFY(page.Changed());
    QVERIFY(a.widget.ForeColor() != QColor(200, 0, 0));
    page.Apply();
    QCOMPARE(a.widget.ForeColor(), QColor(200, 0, 0));
    QCOMPARE(b.widget.ForeColor(), QColor(200, 0, 0));
    QVERIFY(!page.Changed());
  }

  void theFontPageWritesTheChosenFont() {
    Caixa c;
    QtFontPage page({&c.widget.Control()});
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(14);
    font.setBold(true);
    page.ChooseFont(font);
    page.Apply();
    QCOMPARE(c.widget.Font().pointSizeF(), 14.0);
    QVERIFY(c.widget.Font().bold());
  }

  void applyFollowsTheCurrentPage() {
    Caixa c;
    QtPageDialog dialog({&c.widget.Control()});
    QCOMPARE(dialog.Tabs().count(), 4);
    const QStringList captions = {dialog.Tabs().tabText(0), dialog.Tabs().tabText(1),
                                  dialog.Tabs().tabText(2), dialog.Tabs().tabText(3)};
    QCOMPARE(captions, (QStringList{"Propriedades", "Cor", "Fonte", "Sobre"}));
    QVERIFY(!dialog.ApplyButton().isEnabled());
    Child<QCheckBox>(dialog, "chkTeclaEnter")->setChecked(false);
    QVERIFY(dialog.ApplyButton().isEnabled());
    dialog.ApplyButton().click();
    QVERIFY(!dialog.ApplyButton().isEnabled());
    dialog.Tabs().setCurrentIndex(1);
    auto& colour = static_cast<QtColorPage&>(dialog.Page(1));
    colour.ChooseColor(QColor(0, 0, 120));
    QVERIFY(dialog.ApplyButton().isEnabled());
    dialog.Tabs().setCurrentIndex(3);
    QVERIFY(!dialog.ApplyButton().isEnabled());
    dialog.reject();
    QVERIFY(c.widget.BackColor() != QColor(0, 0, 120));
  }

  void okAppliesEveryChangedPage() {
    Caixa c;
    QtPageDialog dialog({&c.widget.Control()});
    Child<QCheckBox>(dialog, "chkTeclaEnter")->setChecked(false);
    static_cast<QtColorPage&>(dialog.Page(1)).ChooseColor(QColor(0, 0, 120));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!c.widget.TeclaEnter());
    QCOMPARE(c.widget.BackColor(), QColor(0, 0, 120));
  }
};

QTEST_MAIN(DesignPagesTest)
#include "design_pages_test.moc"
