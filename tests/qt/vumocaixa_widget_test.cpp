// VumoCaixaWidget on a form, typed into key by key as a user does: masks, exit
// checks with their messages, Enter, numeric display, amounts in words, the e-mail
// button, properties by name, and failures that stay inside the widget.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaProperty>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <vumocaixa/control/property_help.hpp>
#include <vumocaixa/host/memory_property_bag.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "../scripts/roteiros_digitacao.hpp"
#include "qt_test_support.hpp"

using namespace vumocaixa;
using namespace vumocaixa::qt;
using vumocaixa::qt::testing::TypeText;

class WidgetTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> form;
  VumoCaixaWidget* caixa = nullptr;
  QLineEdit* next = nullptr;
  QStringList messages;

  QLineEdit& box(const char* name = "Caixa") { return *caixa->findChild<QLineEdit*>(name); }
  // Whether the part of that name is made and shown.
  bool shown(const char* name) const {
    const auto* part = caixa->findChild<QWidget*>(name);
    return part != nullptr && part->isVisible();
  }
  QWidget* focused() { return QApplication::focusWidget(); }

  void leave() { QTest::mouseClick(next, Qt::LeftButton); }

  // The KeyCode/Shift pairs that the host's KeyDown receives from now on.
  const QStringList& recordKeyDowns() {
    keyDowns.clear();
    connect(caixa, &VumoCaixaWidget::keyDown, [this](qint16& KeyCode, qint16& Shift) {
      keyDowns << QStringLiteral("%1/%2").arg(KeyCode).arg(Shift);
    });
    return keyDowns;
  }
  QStringList keyDowns;

 private slots:
  void init() {
    form = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(form.get());
    caixa = new VumoCaixaWidget(form.get());
    next = new QLineEdit(form.get());
    layout->addWidget(caixa);
    layout->addWidget(next);
    caixa->Runtime().SetRegional(PtBR());
    messages.clear();
    caixa->Runtime().SetMessagePresenter([this](const QString& p, int style, const QString& t) {
      messages << QStringLiteral("%1|%2|%3").arg(p).arg(style).arg(t);
    });
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }

  void cleanup() { form.reset(); }

  // Every property of the control's list is a Q_PROPERTY, under its name with the
  // accents dropped.
  void everyPropertyOfTheListIsAQtProperty() {
    const QMetaObject& meta = VumoCaixaWidget::staticMetaObject;
    for (const PropertyHelp& p : PropertyHelpTexts()) {
      QString name = QString::fromUtf8(p.member.data(), qsizetype(p.member.size()));
      name.replace(QString::fromUtf8("á"), QStringLiteral("a"));
      name.replace(QString::fromUtf8("ç"), QStringLiteral("c"));
      QVERIFY2(meta.indexOfProperty(name.toLatin1().constData()) >= 0, qPrintable(name));
    }
  }

  void cpfTypedKeyByKeyShowsTheMasks() {
    caixa->SetTipoDados(kCIC);
    caixa->setFocus();
    QCOMPARE(focused(), &box());
    const QStringList shown = {
        "1",         "12",         "123",         "123.4",         "123.45",        "123.456",
        "123.456.7", "123.456.78", "123.456.789", "123.456.789-0", "123.456.789-09"};
    const QString digits = "12345678909";
    for (int i = 0; i < digits.size(); ++i) {
      QTest::keyClick(&box(), digits.at(i).toLatin1());
      QCOMPARE(box().text(), shown.at(i));
    }
    QTest::keyClick(&box(), '1');  // the box is full
    QCOMPARE(box().text(), "123.456.789-09");
    QTest::keyClick(&box(), 'a');
    QCOMPARE(box().text(), "123.456.789-09");
    leave();
    QVERIFY(messages.isEmpty());
    QCOMPARE(focused(), next);
    QCOMPARE(caixa->Text().toString(), "123.456.789-09");
  }

  // The typing scripts that the Qt Quick host plays too.
  void sharedTypingScripts() {
    for (const vumocaixa::testing::RoteiroDigitacao& r : vumocaixa::testing::kRoteirosDigitacao) {
      caixa->SetTipoDados(kTexto);
      caixa->SetText(QString());
      caixa->SetTipoDados(r.tipo);
      caixa->SetEndereco(r.endereco);
      caixa->setFocus();
      messages.clear();
      auto* active = qobject_cast<QLineEdit*>(focused());
      QVERIFY2(active != nullptr, r.nome);
      TypeText(active, QString::fromUtf8(r.digitado));
      QVERIFY2(active->text() == QString::fromUtf8(r.mostrado),
               qPrintable(QStringLiteral("%1: %2").arg(r.nome, active->text())));
      leave();
      QVERIFY2(active->text() == QString::fromUtf8(r.aoSair),
               qPrintable(QStringLiteral("%1: %2").arg(r.nome, active->text())));
      QVERIFY2(messages.join(u'/') == QString::fromUtf8(r.mensagem),
               qPrintable(QStringLiteral("%1: %2").arg(r.nome, messages.join(u'/'))));
      next->setFocus();
    }
  }

  void invalidCpfIsRefusedOnLeavingAndTakesTheFocusBack() {
    caixa->SetTipoDados(kCIC);
    caixa->setFocus();
    TypeText(&box(), "12345678900");
    leave();
    QCOMPARE(messages,
             QStringList({QString::fromUtf8("CIC inválido. Redigite.|64|Valor inválido")}));
    QCOMPARE(focused(), &box());
    QCOMPARE(box().text(), "123.456.789-00");
    QCOMPARE(box().selectedText(), "123.456.789-00");  // entering a masked box selects it
  }

  void invalidCpfWithTheRealMessageBox() {
    caixa->Runtime().SetMessagePresenter(nullptr);
    caixa->SetTipoDados(kCIC);
    caixa->setFocus();
    TypeText(&box(), "11111111112");
    QString seen;
    QTimer::singleShot(0, [&] {
      auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(message != nullptr);
      seen = message->text() + "|" + message->windowTitle();
      QVERIFY(message->icon() == QMessageBox::Information);
      QTest::keyClick(message, Qt::Key_Return);
    });
    leave();
    QCOMPARE(seen, QString::fromUtf8("CIC inválido. Redigite.|Valor inválido"));
    QTRY_COMPARE(focused(), &box());
    QTest::keyClick(&box(), '5');  // the box takes typing again: the selection goes
    QCOMPARE(box().text(), "5");
  }

  void enterMovesToTheNextWidget() {
    QSignalSpy beeps(&caixa->Runtime(), &QtRuntime::beeped);
    QSignalSpy presses(caixa, &VumoCaixaWidget::keyPress);
    QSignalSpy enters(caixa, &VumoCaixaWidget::keyEnter);
    caixa->setFocus();
    QTest::keyClick(&box(), Qt::Key_Return);
    QCOMPARE(focused(), next);
    QCOMPARE(beeps.count(), 0);
    QCOMPARE(enters.count(), 1);
    QCOMPARE(presses.count(), 0);
    QCOMPARE(box().text(), "");
  }

  void cancelFromASlotMakesEnterBeep() {
    connect(caixa, &VumoCaixaWidget::keyEnter, [](qint16& Cancel) { Cancel = 1; });
    QSignalSpy beeps(&caixa->Runtime(), &QtRuntime::beeped);
    caixa->setFocus();
    QTest::keyClick(&box(), Qt::Key_Return);
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(focused(), &box());
    caixa->SetTipoDados(kMoeda);
    caixa->setFocus();
    QTest::keyClick(&box("Caixa1"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(beeps.count(), 2);
    QCOMPARE(focused(), &box("Caixa1"));
  }

  void moedaFormatsOnLeavingAndShowsThePlainNumberOnEntering() {
    caixa->SetTipoDados(kMoeda);
    caixa->setFocus();
    QLineEdit& caixa1 = box("Caixa1");
    QCOMPARE(focused(), &caixa1);
    TypeText(&caixa1, "1234.5");  // the point is typed as a comma
    QCOMPARE(caixa1.text(), "1234,5");
    leave();
    QCOMPARE(caixa1.text(), QString::fromStdString(FormatValue(Variant{1234.5}, kCurrencyFormat)));
    QCOMPARE(caixa1.text(), "R$ 1.234,50");
    caixa->setFocus();
    QCOMPARE(caixa1.text(), "1234,5");
    QCOMPARE(caixa1.selectedText(), "1234,5");
  }

  void pastedTextIsCheckedOnLeaving() {
    caixa->SetTipoDados(kInteiro);
    caixa->setFocus();
    QLineEdit& caixa1 = box("Caixa1");
    QApplication::clipboard()->setText("12a");
    QTest::keyClick(&caixa1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(caixa1.text(), "12a");  // pasting is no typing: the key filter does not see it
    leave();
    QCOMPARE(messages,
             QStringList({QString::fromUtf8("Valor Inválido. Redigite.|64|Erro nos dados")}));
    QCOMPARE(caixa1.text(), "0");
    QCOMPARE(focused(), &caixa1);
  }

  void extensoShowsTheWordsOfAnAssignedAmount() {
    caixa->SetTipoDados(kExtenso);
    caixa->SetText(1.5);
    auto* label = caixa->findChild<QLabel*>("Caixa2");
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), "Um Real e Cinquenta Centavos");
    QVERIFY(label->toolTip().isEmpty());
    QVERIFY(!shown("Caixa"));
    QVERIFY(!shown("Caixa1"));
    QCOMPARE(caixa->Text().toString(), "Um Real e Cinquenta Centavos");
  }

  // Words wider than the label end in "…", whole in the tooltip, the accessible name
  // and Text; the label takes no focus, so Enter on the box before it passes it by.
  void longAmountInWordsIsCutAtAWholeCharacterAndPassedBy() {
    auto* extenso = new VumoCaixaWidget(form.get());
    form->layout()->addWidget(extenso);
    QWidget::setTabOrder(caixa, extenso);
    QWidget::setTabOrder(extenso, next);
    extenso->SetTipoDados(kExtenso);
    extenso->SetText(987654321.54);
    const QString words = extenso->Text().toString();
    QVERIFY(words.endsWith("Cinquenta e Quatro Centavos"));
    auto* label = extenso->findChild<QLabel*>("Caixa2");
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(words.startsWith(label->text().chopped(1)));
    QCOMPARE(label->toolTip(), words);
    QCOMPARE(label->accessibleName(), words);
    caixa->setFocus();
    QTest::keyClick(&box(), Qt::Key_Return);
    QCOMPARE(focused(), next);
  }

  // A type takes its width when it is assigned, in code as from a form; free text keeps
  // the width it has, and a width assigned after the type holds.
  void typesTakeTheirWidthWhenAssigned() {
    struct Row {
      const char* name;
      int tipo;
      int widthAfter;  // -1 when none is assigned after the type
      QString typed;
      QString shown;
    };
    const Row rows[] = {
        {"cpf", kCIC, -1, "123456789095678", "123.456.789-09"},
        {"inteiro", kInteiro, -1, "1234567890", "123456"},
        {"byte", kByte, -1, "mf", "m"},
        {"cep", kCEP, -1, "123456789", "12.345-678"},
        {"texto depois de um cep", kTexto, -1, "abcdefghijklmnopq", "abcdefghij"},
        {"texto com largura depois", kTexto, 3, "abcdef", "abc"},
        {"e-mail com largura depois", kEmail, 0, "ana@vumo.com.br", "ana@vumo.com.br"},
    };
    // Free text keeps the width of the type before it.
    for (const Row& r : rows) {
      caixa->SetText(QString());
      caixa->SetTipoDados(r.tipo);
      if (r.widthAfter >= 0) caixa->SetTamanhoMaximo(r.widthAfter);
      caixa->setFocus();
      QLineEdit* active = qobject_cast<QLineEdit*>(focused());
      QVERIFY2(active != nullptr, r.name);
      TypeText(active, r.typed);
      QVERIFY2(active->text() == r.shown,
               qPrintable(QStringLiteral("%1: %2").arg(r.name, active->text())));
      QVERIFY2(caixa->property("TamanhoM\xc3\xa1ximo").toInt() == caixa->TamanhoMaximo(), r.name);
      next->setFocus();
    }
  }

  // In a form layout a box of fixed width keeps to its type's width, free text grows;
  // a size policy of the application's own stays.
  void sizeHintFollowsTheTypesWidth() {
    struct Row {
      int tipo;
      QSizePolicy::Policy policy;
    };
    const Row rows[] = {{kByte, QSizePolicy::Maximum},
                        {kCEP, QSizePolicy::Maximum},
                        {kCIC, QSizePolicy::Maximum},
                        {kCNPJ, QSizePolicy::Maximum},
                        {kTexto, QSizePolicy::Preferred}};
    int previous = 0;
    for (const Row& r : rows) {
      caixa->SetTipoDados(r.tipo);
      const int width = caixa->sizeHint().width();
      QVERIFY2(width > previous, qPrintable(QString::number(r.tipo)));
      QCOMPARE(caixa->sizePolicy().horizontalPolicy(), r.policy);
      previous = width;
    }
    // A stored type outside the table has no width of its own either.
    MemoryPropertyBag bag;
    bag.Store("TipoDados", std::int16_t{40});
    bag.Store(reinterpret_cast<const char*>(u8"TamanhoMáximo"), std::int32_t{3});
    caixa->ReadProperties(bag);
    QCOMPARE(caixa->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(caixa->sizeHint().width(), previous);
    caixa->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    caixa->SetTipoDados(kCEP);
    QCOMPARE(caixa->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    const QFontMetrics metrics = box().fontMetrics();
    QVERIFY(caixa->sizeHint().width() >= metrics.horizontalAdvance("12.345-678"));
    QVERIFY(caixa->sizeHint().width() < metrics.horizontalAdvance("12.345-678") * 2);
  }

  void extensoInTheWrittenNormThroughTheProperty() {
    QCOMPARE(caixa->property("ExtensoNorma").toBool(), false);
    QVERIFY(caixa->setProperty("ExtensoNorma", true));
    QVERIFY(caixa->ExtensoNorma());
    caixa->SetTipoDados(kExtenso);
    caixa->SetText(1003.5);
    QCOMPARE(caixa->Text().toString(), QString::fromUtf8("mil e três reais e cinquenta centavos"));
  }

  void deleteAndBackspaceCutMaskedBoxesAtTheCaret() {
    caixa->SetTipoDados(kCNPJ);
    caixa->setFocus();
    TypeText(&box(), "1234567");
    QCOMPARE(box().text(), "12.345.67");
    box().setCursorPosition(5);
    QTest::keyClick(&box(), Qt::Key_Delete);
    QCOMPARE(box().text(), "12.34");
    QCOMPARE(box().cursorPosition(), 5);
    TypeText(&box(), "567");
    box().setCursorPosition(4);
    QTest::keyClick(&box(), Qt::Key_Backspace);
    QCOMPARE(box().text(), "12.");
    box().setSelection(0, 1);
    const QStringList& downs = recordKeyDowns();
    QTest::keyClick(&box(), Qt::Key_Delete, Qt::ShiftModifier);  // left to the box: a cut
    QCOMPARE(box().text(), "2.");
    QCOMPARE(QApplication::clipboard()->text(), "1");
    QCOMPARE(downs, QStringList({"16/1", "46/1"}));
  }

  void controlEnterLeavesNoLineBreak() {
    caixa->SetTipoDados(kCEP);
    caixa->setFocus();
    TypeText(&box(), "12345");
    QTest::keyClick(&box(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(box().text(), "12.345");
    QCOMPARE(focused(), &box());
    caixa->SetTipoDados(kInteiro);
    caixa->setFocus();
    TypeText(&box("Caixa1"), "42");
    const QStringList& downs = recordKeyDowns();
    QTest::keyClick(&box("Caixa1"), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(box("Caixa1").text(), "42");
    QCOMPARE(downs, QStringList({"17/2", "0/0"}));  // the host never sees Ctrl+Enter
  }

  void emailButtonRaisesMandarEmailWithTheAddress() {
    caixa->SetTipoDados(kEmail);
    QStringList sent;
    connect(caixa, &VumoCaixaWidget::mandarEmail, [&](QString& e) { sent << e; });
    auto* button = caixa->findChild<QPushButton*>("Btn_Evento");
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(sent.isEmpty());  // nothing for an empty box
    caixa->setFocus();
    TypeText(&box(), "Ana@Vumo.com.br");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(sent, QStringList({"ana@vumo.com.br"}));
    QCOMPARE(focused(), &box());
    QVERIFY(box().geometry().right() < button->geometry().left());
  }

  void failingSlotIsReportedAndTheWidgetGoesOn() {
    QSignalSpy errors(caixa, &VumoCaixaWidget::erro);
    connect(caixa, &VumoCaixaWidget::keyPress, [](qint16& k) {
      if (k == 'x') throw std::runtime_error("falhou");
    });
    caixa->setFocus();
    TypeText(&box(), "axb");
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors[0][1].toString(), "falhou");
    QCOMPARE(box().text(), "ab");
  }

  void propertiesAreSeenByQtsPropertySystem() {
    QCOMPARE(QString(caixa->metaObject()->userProperty().name()), "Text");
    QVERIFY(caixa->setProperty("TipoDados", 9));
    QCOMPARE(caixa->TipoDados(), 9);
    caixa->setProperty("TipoDados", 0);
    caixa->setProperty("TamanhoM\xc3\xa1ximo", 20);
    QCOMPARE(caixa->TamanhoMaximo(), 20);
    QCOMPARE(caixa->property("TamanhoMaximo").toInt(), 20);
    caixa->SetTamanhoMaximo(30);
    QCOMPARE(caixa->property("TamanhoM\xc3\xa1ximo").toInt(), 30);
    caixa->setProperty("Endere\xc3\xa7o", true);
    QCOMPARE(caixa->Endereco(), caixa->property("Endere\xc3\xa7o").toBool());
    QVERIFY(caixa->setProperty("BackColor", QColor(10, 20, 30)));
    QCOMPARE(caixa->BackColor(), QColor(10, 20, 30));
    QCOMPARE(box().palette().color(QPalette::Base), QColor(10, 20, 30));
  }

  // A box in the system colours shows the style's colours in every state, a disabled
  // box its disabled ones; a colour of its own holds in every state.
  void colorsOfABoxInEveryState() {
    const QPalette system = QApplication::palette(&box());
    QVERIFY(system.color(QPalette::Disabled, QPalette::Text) != system.color(QPalette::Text));
    caixa->SetHabilitado(false);
    QCOMPARE(box().palette().color(QPalette::Disabled, QPalette::Text),
             system.color(QPalette::Disabled, QPalette::Text));
    caixa->SetForeColor(QColor(200, 0, 0));
    QCOMPARE(box().palette().color(QPalette::Disabled, QPalette::Text), QColor(200, 0, 0));
    QCOMPARE(box().palette().color(QPalette::Active, QPalette::Text), QColor(200, 0, 0));
  }

  void cnpjWithLettersIsTypedThroughTheProperty() {
    QCOMPARE(caixa->property("CNPJAlfanumerico").toBool(), false);
    QVERIFY(caixa->setProperty("CNPJAlfanumerico", true));
    QVERIFY(caixa->CNPJAlfanumerico());
    caixa->SetTipoDados(kCNPJ);
    caixa->setFocus();
    TypeText(&box(), "12abc34501deX35");
    QCOMPARE(box().text(), "12.ABC.345/01DE-35");
  }

  // A date box made in code, as uic and Designer make one, takes a typed date.
  void dateBoxMadeInCodeTakesATypedDate() {
    caixa->SetTipoDados(kData);
    caixa->SetTamanhoMaximo(0);
    caixa->setFocus();
    TypeText(&box(), "10/10/1999");
    QCOMPARE(box().text(), "10/10/1999");
    leave();
    QVERIFY(messages.isEmpty());
    QCOMPARE(caixa->Text().toString(), "10/10/1999");
    QCOMPARE(caixa->TamanhoMaximo(), 10);
  }

  void dataTypeBeyondSixteenBitsDoesNotWrapIntoAValidType() {
    caixa->SetTipoDados(65536 + kCIC);
    QCOMPARE(messages, QStringList({"Erro na Propriedade|16|Erro"}));
    QCOMPARE(caixa->TipoDados(), 0);
  }

  void focusGivenToTheWidgetGoesToTheActiveBox() {
    caixa->SetTipoDados(kDuplo);
    caixa->setFocus();
    QCOMPARE(focused(), &box("Caixa1"));
    next->setFocus();
    caixa->SetTipoDados(kTexto);
    caixa->setFocus();
    QCOMPARE(focused(), &box());
  }

  // A new control takes the font of its form: it shows it, reports it, and a saved
  // form does not store it, nor does it follow the form's font that changes later; a font
  // of its own is shown, kept and stored.
  void newControlShowsTheFontOfItsForm() {
    QWidget other;
    QFont formFont(QStringLiteral("DejaVu Serif"), 13);
    other.setFont(formFont);
    VumoCaixaWidget own(&other);
    other.ensurePolished();  // as showing the form does: the boxes are made
    auto& ownBox = *own.findChild<QLineEdit*>("Caixa");
    QCOMPARE(ownBox.font().family(), formFont.family());
    QCOMPARE(own.Font().pointSizeF(), 13.0);
    MemoryPropertyBag bag;
    own.WriteProperties(bag);
    QVERIFY(!bag.Contains("Font"));
    other.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 15));
    QCOMPARE(ownBox.font().pointSizeF(), 13.0);
    QCOMPARE(ownBox.font().family(), own.Font().family());
    other.setFont(formFont);

    own.SetFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    QCOMPARE(ownBox.font().pointSizeF(), 11.0);
    other.setFont(formFont);
    QCOMPARE(ownBox.font().pointSizeF(), 11.0);
    own.WriteProperties(bag);
    QVERIFY(bag.Contains("Font"));
  }
};

QTEST_MAIN(WidgetTest)
#include "vumocaixa_widget_test.moc"
