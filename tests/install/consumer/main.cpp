// A CPF typed into a control, through the in-memory host and, with the Qt host, through
// the real widget; the program fails unless both show the masked number.

#include <iostream>
#include <string>
#include <variant>

#include <vumocaixa/control/memory_form.hpp>

#ifdef CONSUMIDOR_QT
#include <QApplication>
#include <vumocaixa/qt/vumocaixa_widget.hpp>
#endif

namespace {

bool CpfNaMemoria() {
  vumocaixa::MemoryForm form;
  form.Control().SetTipoDados(vumocaixa::kCIC);
  form.Control().SetText(vumocaixa::Variant{std::string("12345678909")});
  const vumocaixa::Variant valor = form.Control().Text();
  const auto* texto = std::get_if<std::string>(&valor);
  return texto != nullptr && *texto == "123.456.789-09";
}

}  // namespace

int main(int argc, char** argv) {
  bool ok = CpfNaMemoria();
#ifdef CONSUMIDOR_QT
  QApplication app(argc, argv);
  vumocaixa::qt::VumoCaixaWidget caixa;
  caixa.SetTipoDados(vumocaixa::kCIC);
  caixa.SetText(QStringLiteral("12345678909"));
  ok = ok && caixa.Text().toString() == QStringLiteral("123.456.789-09");
#else
  static_cast<void>(argc);
  static_cast<void>(argv);
#endif
  std::cout << (ok ? "ok" : "falhou") << '\n';
  return ok ? 0 : 1;
}
