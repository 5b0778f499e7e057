// The parts of a VumoCaixaWidget are made when its data type first shows them: a form
// holds only the boxes, labels and buttons its types show, at the height of a text box
// whatever the type, and a part made after the form is shown takes its place in the
// tab order.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <vumocaixa/qt/vumocaixa_widget.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>

using namespace vumocaixa;
using vumocaixa::qt::VumoCaixaWidget;

class WidgetPartsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> form;
  QVBoxLayout* layout = nullptr;

  VumoCaixaWidget* AddField(int tipo) {
    auto* field = new VumoCaixaWidget(form.get());
    field->SetTipoDados(tipo);
    layout->addWidget(field);
    return field;
  }

  static bool Made(const VumoCaixaWidget* field, const char* part) {
    return field->findChild<QWidget*>(QString::fromLatin1(part)) != nullptr;
  }

  QWidget* TabFrom(QWidget* from) {
    QTest::keyClick(from, Qt::Key_Tab);
    return QApplication::focusWidget();
  }

 private slots:
  void init() {
    form = std::make_unique<QWidget>();
    layout = new QVBoxLayout(form.get());
  }

  void cleanup() { form.reset(); }

  void aFormHoldsThePartsItsTypesShow() {
    std::vector<VumoCaixaWidget*> fields;
    for (std::size_t t = 0; t < kTiposDeDados.size(); ++t) {
      fields.push_back(AddField(static_cast<int>(t)));
    }
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const int height = fields[kTexto]->sizeHint().height();
    for (std::size_t t = 0; t < kTiposDeDados.size(); ++t) {
      const TipoDadosInfo& row = kTiposDeDados[t];
      const VumoCaixaWidget* field = fields[t];
      const QByteArray name(row.nome.data(), static_cast<qsizetype>(row.nome.size()));
      QVERIFY2(Made(field, "Caixa") == (row.caixa == CaixaDoTipo::Caixa), name);
      QVERIFY2(Made(field, "Caixa1") == (row.caixa == CaixaDoTipo::Caixa1), name);
      QVERIFY2(Made(field, "Caixa2") == (row.caixa == CaixaDoTipo::Caixa2), name);
      QVERIFY2(Made(field, "Btn_Evento") == row.botao, name);
      QVERIFY2(field->sizeHint().height() == height, name);
    }
  }

  void partsMadeAfterTheFormIsShownKeepTheTabOrder() {
    auto* first = AddField(kTexto);
    auto* amount = AddField(kTexto);
    auto* mail = AddField(kTexto);
    auto* next = new QLineEdit(form.get());
    layout->addWidget(next);
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    amount->SetTipoDados(kMoeda);
    mail->SetTipoDados(kEmail);
    first->setFocus();
    QWidget* focus = TabFrom(QApplication::focusWidget());
    QCOMPARE(focus, amount->findChild<QLineEdit*>(QStringLiteral("Caixa1")));
    focus = TabFrom(focus);
    QCOMPARE(focus, mail->findChild<QLineEdit*>(QStringLiteral("Caixa")));
    focus = TabFrom(focus);
    QCOMPARE(focus, mail->findChild<QPushButton*>(QStringLiteral("Btn_Evento")));
    QCOMPARE(TabFrom(focus), next);
  }
};

QTEST_MAIN(WidgetPartsTest)
#include "widget_parts_test.moc"
