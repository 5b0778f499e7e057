// What a screen reader finds on a form of VumoCaixaWidgets, read through Qt's
// accessibility interfaces: the box that takes the focus carries the field's name and a
// description of the entry, a buddy label's shortcut reaches the box, and the "..."
// button and the amount in words have names of their own.

#include <QAccessible>
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <vumocaixa/qt/vumocaixa_widget.hpp>

using namespace vumocaixa;
using vumocaixa::qt::VumoCaixaWidget;

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> form;
  QFormLayout* layout = nullptr;

  VumoCaixaWidget* AddRow(const QString& label, int tipo) {
    auto* field = new VumoCaixaWidget;
    field->SetTipoDados(tipo);
    layout->addRow(label, field);
    return field;
  }

  static QString Read(QWidget* w, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face != nullptr ? face->text(what) : QStringLiteral("(sem interface)");
  }

 private slots:
  void init() {
    form = std::make_unique<QWidget>();
    layout = new QFormLayout(form.get());
  }

  void cleanup() { form.reset(); }

  void focusedBoxIsNamedAndDescribed() {
    struct Row {
      const char* label;
      int tipo;
      QString ownName;  // set by the application after the form is shown
      QString name;
      QString description;
    };
    const Row rows[] = {
        {"&CPF:", kCIC, {}, "CPF:", "CPF"},
        {"Sal\xc3\xa1rio:", kMoeda, {}, "Sal\xc3\xa1rio:", "Valor em reais"},
        {"Peso (kg):", kSimples, {}, "Peso (kg):", "N\xc3\xbamero com casas decimais"},
        {"E-mail:", kEmail, {}, "E-mail:", "Endere\xc3\xa7o de e-mail"},
        {"Ag\xc3\xaancia && conta:", kTexto, {}, "Ag\xc3\xaancia & conta:", "Texto"},
        {"CEP:", kCEP, "CEP de entrega", "CEP de entrega", "CEP"},
    };
    std::vector<VumoCaixaWidget*> fields;
    for (const Row& r : rows) fields.push_back(AddRow(QString::fromUtf8(r.label), r.tipo));
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const Row& r = rows[i];
      if (!r.ownName.isEmpty()) fields[i]->setAccessibleName(r.ownName);
      fields[i]->setFocus();
      QWidget* box = QApplication::focusWidget();
      QVERIFY2(fields[i]->isAncestorOf(box), r.label);
      QCOMPARE(Read(box, QAccessible::Name), r.name);
      QCOMPARE(Read(box, QAccessible::Description), r.description);
    }
  }

  // A screen reader reads the fields of a form before any of them has had the focus.
  void boxesAreNamedBeforeTheyHaveTheFocus() {
    auto* cpf = AddRow(QStringLiteral("&CPF:"), kCIC);
    auto* salario = AddRow(QString::fromUtf8("Sal\xc3\xa1rio:"), kMoeda);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(Read(cpf->focusProxy(), QAccessible::Name), QStringLiteral("CPF:"));
    QCOMPARE(Read(salario->focusProxy(), QAccessible::Name), QString::fromUtf8("Sal\xc3\xa1rio:"));
  }

  // The labels a form already showed are not taken for the whole life of the form.
  void aLabelGivenLaterNamesTheBoxWhenItTakesTheFocus() {
    auto* field = new VumoCaixaWidget;
    auto* other = new VumoCaixaWidget;
    layout->addRow(field);
    layout->addRow(QStringLiteral("&Outro:"), other);
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* added = new QLabel(QStringLiteral("&Nome:"), form.get());
    added->setBuddy(field);
    other->setFocus();
    field->setFocus();
    QCOMPARE(Read(QApplication::focusWidget(), QAccessible::Name), QStringLiteral("Nome:"));
    QTest::qWait(0);
    auto* moved = qobject_cast<QLabel*>(layout->labelForField(other));
    moved->setBuddy(field);
    added->setBuddy(nullptr);
    other->setFocus();
    field->setFocus();
    QCOMPARE(Read(QApplication::focusWidget(), QAccessible::Name), QStringLiteral("Outro:"));
  }

  void buddyShortcutAndTabReachTheBox() {
    auto* cpf = AddRow(QStringLiteral("&CPF:"), kCIC);
    auto* extenso = AddRow(QStringLiteral("Por extenso:"), kExtenso);
    auto* cep = AddRow(QStringLiteral("C&EP:"), kCEP);
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_E, Qt::AltModifier);
    QVERIFY(cep->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
    QVERIFY(cpf->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!extenso->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(cep->isAncestorOf(QApplication::focusWidget()));
  }

  void buttonAndWordsHaveTheirNames() {
    struct Row {
      int tipo;
      QString button;
    };
    const Row rows[] = {{kEmail, "Enviar e-mail"}, {kHomePage, "Abrir p\xc3\xa1gina"}};
    std::vector<VumoCaixaWidget*> fields;
    for (const Row& r : rows) fields.push_back(AddRow(QStringLiteral("Contato:"), r.tipo));
    auto* extenso = AddRow(QStringLiteral("Por extenso:"), kExtenso);
    extenso->SetText(2.5);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    for (std::size_t i = 0; i < fields.size(); ++i) {
      auto* button = fields[i]->findChild<QPushButton*>(QStringLiteral("Btn_Evento"));
      QCOMPARE(Read(button, QAccessible::Name), rows[i].button);
      QCOMPARE(button->toolTip(), rows[i].button);
    }
    auto* words = extenso->findChild<QLabel*>(QStringLiteral("Caixa2"));
    QCOMPARE(Read(words, QAccessible::Name), QStringLiteral("Dois Reais e Cinquenta Centavos"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
