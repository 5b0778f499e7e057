// Forms of 100, 1,000 and 4,000 rows in a QQuickView, made and shown: each row a Text
// naming the field and the field, named the same for screen readers, the fields going
// through the seventeen data types in turn. The same form is made of CaixaVumo items
// and of TextFields of Qt Quick Controls, each TextField with the input mask of its
// row's type where the type has one. The form scrolls in a view of 800 x 600 pixels;
// the time runs from the first item made until the first frame is rendered, and the
// heap that the form then holds is its memory. The view alone is the form of 0 rows.
//
// After Google Benchmark's table, the cost of one row of CaixaVumo beside one row of
// TextField at each size, the view's cost taken off: time and memory, and their ratios.
//
// Runs on the offscreen platform with the software renderer unless the environment
// says otherwise.

#include <memory>

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSGRendererInterface>

#include <vumocaixa/tipos/tipos_de_dados.hpp>

#include "../form_ratio.hpp"

namespace {

QQmlEngine& Engine() {
  static QQmlEngine* engine = [] {
    auto* e = new QQmlEngine;
    e->addImportPath(QStringLiteral(VUMOCAIXA_QML_BUILD_DIR));
    return e;
  }();
  return *engine;
}

// The input masks of the seventeen types, as a QML list.
QByteArray Masks() {
  QByteArray list = "[";
  for (std::size_t t = 0; t < vumocaixa::kTiposDeDados.size(); ++t) {
    const auto tipo = static_cast<std::int16_t>(t);
    const std::string_view mask =
        tipo == vumocaixa::kData ? vumocaixa::kMascaraData4 : vumocaixa::MascaraDoTipo(tipo);
    list += (t == 0 ? "\"" : ", \"") + QByteArray(mask.data(), qsizetype(mask.size())) + "\"";
  }
  return list + "]";
}

// A form of `rows` rows whose field is `field`, which may read `tipo` and `nome`.
QByteArray FormQml(int rows, const QByteArray& field) {
  return "import QtQuick\nimport QtQuick.Controls\nimport VumoCaixa\n"
         "Flickable {\n"
         "  width: 800; height: 600; contentHeight: column.height\n"
         "  readonly property var masks: " +
         Masks() +
         "\n"
         "  Column {\n"
         "    id: column\n"
         "    Repeater {\n"
         "      model: " +
         QByteArray::number(rows) +
         "\n"
         "      Row {\n"
         "        required property int index\n"
         "        readonly property int tipo: index % 17\n"
         "        readonly property string nome: \"Campo \" + index\n"
         "        spacing: 8\n"
         "        Text { width: 150; text: nome }\n"
         "        " +
         field +
         "\n"
         "      }\n"
         "    }\n"
         "  }\n"
         "}\n";
}

// Makes the form, shows it in view and waits for its first frame.
void ShowForm(QQuickView& view, QQmlComponent& component) {
  bool rendered = false;
  const QMetaObject::Connection frame =
      QObject::connect(&view, &QQuickWindow::frameSwapped, [&rendered] { rendered = true; });
  view.setContent(QUrl(), &component, component.create());
  view.show();
  while (!rendered) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QObject::disconnect(frame);
}

// The form goes with all it left behind (deferred deletions, the JavaScript heap), so
// that the next form measured, of this benchmark or the next one, pays for none of it.
void Close(QQuickView& view) {
  view.hide();
  delete view.rootObject();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Engine().collectGarbage();
  QCoreApplication::processEvents();
}

void Form(benchmark::State& state, const QByteArray& field) {
  const int rows = static_cast<int>(state.range(0));
  QQmlComponent component(&Engine());
  component.setData(FormQml(rows, field), QUrl());
  QQmlComponent warmUp(&Engine());
  warmUp.setData(FormQml(10, field), QUrl());
  if (!component.isReady() || !warmUp.isReady()) {
    state.SkipWithError(component.errorString().toStdString().c_str());
    return;
  }
  QQuickView view(&Engine(), nullptr);
  view.resize(800, 600);
  // The engine's caches (types, components, fonts) fill up before anything is measured.
  ShowForm(view, warmUp);
  Close(view);
  double bytes = 0;
  for (auto _ : state) {
    const double before = vumocaixa::bench::HeapInUse();
    ShowForm(view, component);
    state.PauseTiming();
    bytes = vumocaixa::bench::HeapInUse() - before;
    Close(view);
    state.ResumeTiming();
  }
  state.counters["bytes"] = bytes;
}

void BM_FormTextField(benchmark::State& state) {
  Form(state, "TextField { width: 250; inputMask: masks[tipo]; Accessible.name: nome }");
}

void BM_FormCaixaVumo(benchmark::State& state) {
  Form(state, "CaixaVumo { tipoDados: tipo; mostraMensagens: false; Accessible.name: nome }");
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(0)->Arg(100)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
  b->Repetitions(3)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_FormTextField)->Apply(Sizes);
BENCHMARK(BM_FormCaixaVumo)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  vumocaixa::bench::FormRatioReporter reporter("TextField", "CaixaVumo");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
