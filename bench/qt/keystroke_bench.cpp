// One keystroke through the real Qt widget: a key press and its release delivered to
// the control's QLineEdit, through the control's handlers, to the updated text.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise. The median
// over the repetitions is the figure to watch.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

namespace {

using vumocaixa::qt::VumoCaixaWidget;

struct Form {
  explicit Form(int tipo) {
    widget.Runtime().SetRegional(vumocaixa::PtBR());
    widget.SetTipoDados(tipo);
    widget.show();
    widget.setFocus();
    box = widget.focusProxy() != nullptr ? qobject_cast<QLineEdit*>(widget.focusProxy()) : nullptr;
  }
  VumoCaixaWidget widget;
  QLineEdit* box = nullptr;
};

void Keystroke(QLineEdit* box, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(box, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(box, &release);
}

// Types the digit 1 over and over; every `fill` keys the box is emptied, outside
// the timing.
void TypeDigits(benchmark::State& state, int tipo, int fill) {
  Form form(tipo);
  if (form.box == nullptr) {
    state.SkipWithError("no box takes the focus");
    return;
  }
  int typed = 0;
  for (auto _ : state) {
    Keystroke(form.box, Qt::Key_1, QStringLiteral("1"));
    if (++typed == fill) {
      state.PauseTiming();
      form.box->clear();
      typed = 0;
      state.ResumeTiming();
    }
  }
  benchmark::DoNotOptimize(form.box->text());
  if (typed > 0 && form.box->text().isEmpty()) state.SkipWithError("nothing was typed");
}

void BM_KeystrokePlainLineEdit(benchmark::State& state) {
  QLineEdit box;
  box.show();
  int typed = 0;
  for (auto _ : state) {
    Keystroke(&box, Qt::Key_1, QStringLiteral("1"));
    if (++typed == 200) {
      state.PauseTiming();
      box.clear();
      typed = 0;
      state.ResumeTiming();
    }
  }
  benchmark::DoNotOptimize(box.text());
}

void BM_KeystrokeTexto(benchmark::State& state) { TypeDigits(state, vumocaixa::kTexto, 200); }
void BM_KeystrokeCIC(benchmark::State& state) { TypeDigits(state, vumocaixa::kCIC, 11); }
void BM_KeystrokeMoeda(benchmark::State& state) { TypeDigits(state, vumocaixa::kMoeda, 15); }

}  // namespace

BENCHMARK(BM_KeystrokePlainLineEdit)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeystrokeTexto)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeystrokeCIC)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeystrokeMoeda)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
