// Forms of 100, 1,000 and 4,000 rows, made and shown: each row a label with a shortcut
// letter and its field, the fields going through the seventeen data types in turn.
// The same form is made of VumoCaixaWidgets and of QLineEdits, each QLineEdit with the
// input mask of its row's type where the type has one. A form is a scrolled window of
// 800 x 600 pixels; the time runs from the first widget made until the window is shown
// and painted, and the heap that the form then holds is its memory. The window alone
// is the form of 0 rows.
//
// After Google Benchmark's table, the cost of one row of VumoCaixaWidget beside one
// row of QLineEdit at each size, the window's cost taken off: time and memory, and
// their ratios. A control should cost about what a QLineEdit does, at every size.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <memory>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QScrollArea>

#include <vumocaixa/tipos/tipos_de_dados.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "../form_ratio.hpp"

namespace {

using vumocaixa::kTiposDeDados;
using vumocaixa::qt::VumoCaixaWidget;

constexpr int kTipos = static_cast<int>(kTiposDeDados.size());

QWidget* LineEditFor(int tipo, QWidget* form) {
  auto* box = new QLineEdit(form);
  const auto t = static_cast<std::int16_t>(tipo);
  const std::string_view mask =
      t == vumocaixa::kData ? vumocaixa::kMascaraData4 : vumocaixa::MascaraDoTipo(t);
  if (!mask.empty()) {
    box->setInputMask(QString::fromLatin1(mask.data(), static_cast<qsizetype>(mask.size())));
  }
  return box;
}

// Made as a form built by uic is: with its parent, then given its type.
QWidget* VumoCaixaFor(int tipo, QWidget* form) {
  auto* field = new VumoCaixaWidget(form);
  field->SetTipoDados(tipo);
  return field;
}

using MakeField = QWidget* (*)(int tipo, QWidget* form);

// Makes the form of `rows` rows and shows it.
std::unique_ptr<QScrollArea> ShowForm(int rows, MakeField make) {
  auto window = std::make_unique<QScrollArea>();
  window->resize(800, 600);
  window->setWidgetResizable(true);
  auto* form = new QWidget;
  auto* layout = new QFormLayout(form);
  for (int i = 0; i < rows; ++i) {
    layout->addRow(QStringLiteral("Campo &%1:").arg(i), make(i % kTipos, form));
  }
  window->setWidget(form);
  window->show();
  QCoreApplication::processEvents();
  return window;
}

void Close(std::unique_ptr<QScrollArea>& window) {
  window.reset();
  QCoreApplication::processEvents();
}

void Form(benchmark::State& state, MakeField make) {
  const int rows = static_cast<int>(state.range(0));
  // The application's caches (fonts, style, the first form's lazy parts) fill up
  // before anything is measured.
  std::unique_ptr<QScrollArea> window = ShowForm(10, make);
  Close(window);
  double bytes = 0;
  for (auto _ : state) {
    const double before = vumocaixa::bench::HeapInUse();
    window = ShowForm(rows, make);
    state.PauseTiming();
    bytes = vumocaixa::bench::HeapInUse() - before;
    Close(window);
    state.ResumeTiming();
  }
  state.counters["bytes"] = bytes;
}

void BM_FormQLineEdit(benchmark::State& state) { Form(state, LineEditFor); }
void BM_FormVumoCaixa(benchmark::State& state) { Form(state, VumoCaixaFor); }

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(0)->Arg(100)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
  b->Repetitions(3)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_FormQLineEdit)->Apply(Sizes);
BENCHMARK(BM_FormVumoCaixa)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  vumocaixa::bench::FormRatioReporter reporter("QLineEdit", "VumoCaixa");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
