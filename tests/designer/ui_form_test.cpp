// A form saved by Qt Designer with seven controls: compiled with uic into the test, and
// loaded at run time with QUiLoader through the plugin. Both come up as designed.

#include <memory>

#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QUiLoader>

#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "ui_cadastro_vumo.h"

using namespace vumocaixa;
using vumocaixa::qt::VumoCaixaWidget;

namespace {

// What the designer set on each control of the form; everything else is the default.
// A box without a stored width has its type's width.
struct Designed {
  const char* name = "";
  int tipo = kTexto;
  bool habilitado = true;
  bool teclaEnter = true;
  bool maiusculoEMinusculo = true;
  bool tudoMaiusculo = false;
  bool endereco = false;
  bool cnpjAlfanumerico = false;
  bool extensoNorma = false;
  int tamanhoMaximo = 0;
  QColor back = QColor(255, 255, 255);
  QColor fore = QColor(0, 0, 0);
  QString fontFamily{};
};

std::vector<Designed> FormDesign() {
  return {
      {.name = "nome", .tamanhoMaximo = 40, .fontFamily = QStringLiteral("DejaVu Serif")},
      {.name = "cpf",
       .tipo = kCIC,
       .teclaEnter = false,
       .tamanhoMaximo = 14,
       .back = QColor(0xff, 0xf8, 0xdc)},
      {.name = "cnpj", .tipo = kCNPJ, .cnpjAlfanumerico = true, .tamanhoMaximo = 18},
      {.name = "salario", .tipo = kMoeda, .fore = QColor(0x00, 0x33, 0x99)},
      {.name = "extenso", .tipo = kExtenso, .habilitado = false, .extensoNorma = true},
      {.name = "codigo", .tipo = kByte, .tudoMaiusculo = true, .tamanhoMaximo = 1},
      {.name = "endereco", .endereco = true},
  };
}

void CheckDesigned(const QWidget& form) {
  QCOMPARE(form.findChildren<VumoCaixaWidget*>().size(), qsizetype(7));
  for (const Designed& d : FormDesign()) {
    const auto* c = form.findChild<VumoCaixaWidget*>(QString::fromLatin1(d.name));
    QVERIFY2(c != nullptr, d.name);
    QCOMPARE(c->TipoDados(), d.tipo);
    QCOMPARE(c->Habilitado(), d.habilitado);
    QCOMPARE(c->TeclaEnter(), d.teclaEnter);
    QCOMPARE(c->MaiusculoEMinusculo(), d.maiusculoEMinusculo);
    QCOMPARE(c->TudoMaiusculo(), d.tudoMaiusculo);
    QCOMPARE(c->Endereco(), d.endereco);
    QCOMPARE(c->CNPJAlfanumerico(), d.cnpjAlfanumerico);
    QCOMPARE(c->ExtensoNorma(), d.extensoNorma);
    // The currency width follows the machine's regional settings.
    if (d.tipo != kMoeda) QCOMPARE(c->TamanhoMaximo(), d.tamanhoMaximo);
    QCOMPARE(c->BackColor(), d.back);
    QCOMPARE(c->ForeColor(), d.fore);
    if (!d.fontFamily.isEmpty()) QCOMPARE(c->Font().family(), d.fontFamily);
  }
}

// Types a CPF into the form's cpf box and leaves it.
QString TypedCpf(QWidget& form) {
  form.show();
  auto* cpf = form.findChild<VumoCaixaWidget*>(QStringLiteral("cpf"));
  auto* box = cpf->findChild<QLineEdit*>(QStringLiteral("Caixa"));
  cpf->setFocus();
  QTest::keyClicks(box, QStringLiteral("73810658006"));
  return box->text();
}

}  // namespace

class UiFormTest : public QObject {
  Q_OBJECT

 private slots:
  void formCompiledWithUicComesUpAsDesigned() {
    QWidget form;
    Ui::CadastroVumo ui;
    ui.setupUi(&form);
    CheckDesigned(form);
    QCOMPARE(ui.cpf->TipoDados(), int(kCIC));
    QCOMPARE(TypedCpf(form), QStringLiteral("738.106.580-06"));
  }

  void formLoadedWithQUiLoaderComesUpAsDesigned() {
    QUiLoader loader;
    loader.addPluginPath(QStringLiteral(VUMOCAIXA_PLUGIN_DIR "/designer"));
    QVERIFY(loader.availableWidgets().contains(QStringLiteral("vumocaixa::qt::VumoCaixaWidget")));
    QFile file(QStringLiteral(VUMOCAIXA_FORMS_DIR "/cadastro_vumo.ui"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    QVERIFY2(form != nullptr, qPrintable(loader.errorString()));
    CheckDesigned(*form);
    QCOMPARE(TypedCpf(*form), QStringLiteral("738.106.580-06"));
  }
};

QTEST_MAIN(UiFormTest)
#include "ui_form_test.moc"
