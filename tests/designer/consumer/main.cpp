// Brings the form up twice, compiled in and loaded from its file, and checks that
// the controls are as the designer set them. Exit status 0 when they are.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QFile>
#include <QUiLoader>

#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "ui_cadastro_vumo.h"

using vumocaixa::qt::VumoCaixaWidget;

namespace {

bool AsDesigned(const QWidget& form, const char* how) {
  const auto* cpf = form.findChild<VumoCaixaWidget*>("cpf");
  const auto* salario = form.findChild<VumoCaixaWidget*>("salario");
  const auto* extenso = form.findChild<VumoCaixaWidget*>("extenso");
  const bool ok = cpf != nullptr && salario != nullptr && extenso != nullptr &&
                  cpf->TipoDados() == VumoCaixaWidget::CIC && !cpf->TeclaEnter() &&
                  salario->TipoDados() == VumoCaixaWidget::Moeda &&
                  extenso->TipoDados() == VumoCaixaWidget::Extenso && !extenso->Habilitado();
  std::printf("%s: %s\n", how, ok ? "como projetado" : "DIFERENTE do projeto");
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget compiled;
  Ui::CadastroVumo ui;
  ui.setupUi(&compiled);

  QUiLoader loader;
  QFile file(QStringLiteral(FORM_FILE));
  if (!file.open(QIODevice::ReadOnly)) return 2;
  std::unique_ptr<QWidget> loaded(loader.load(&file));
  if (loaded == nullptr) {
    std::printf("QUiLoader: %s\n", qPrintable(loader.errorString()));
    return 1;
  }
  const bool ok = AsDesigned(compiled, "uic") && AsDesigned(*loaded, "QUiLoader");
  return ok ? 0 : 1;
}
