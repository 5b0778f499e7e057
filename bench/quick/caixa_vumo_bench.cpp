// CaixaVumo in a QQuickView: one keystroke (a key press and its release delivered to the
// window, through the control's handlers, to the text shown), beside a plain TextInput;
// and making 1,000 CaixaVumo items beside 1,000 TextFields of Qt Quick Controls.
//
// Runs on the offscreen platform with the software renderer unless the environment
// says otherwise. The medians over the repetitions are the figures to watch.

#include <memory>

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSGRendererInterface>

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace {

QQmlEngine& Engine() {
  static QQmlEngine* engine = [] {
    auto* e = new QQmlEngine;
    e->addImportPath(QStringLiteral(VUMOCAIXA_QML_BUILD_DIR));
    return e;
  }();
  return *engine;
}

// A view showing qml, with the focus in the item named "campo".
struct Form {
  explicit Form(const QByteArray& qml) : view(&Engine(), nullptr) {
    QQmlComponent component(&Engine());
    component.setData(qml, QUrl());
    view.setContent(QUrl(), &component, component.create());
    view.show();
    field = view.rootObject()->findChild<QQuickItem*>(QStringLiteral("campo"));
    if (field == nullptr) field = view.rootObject();
    field->forceActiveFocus();
  }
  [[nodiscard]] QString Shown() const {
    return view.activeFocusItem()->property("text").toString();
  }
  QQuickView view;
  QQuickItem* field = nullptr;
};

void Keystroke(QQuickView& view) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
  QGuiApplication::sendEvent(&view, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
  QGuiApplication::sendEvent(&view, &release);
}

// Types the digit 1 over and over; every `fill` keys the box is emptied, outside the
// timing. The text shown is read after each key, as a screen would.
void TypeDigits(benchmark::State& state, const QByteArray& qml, int fill) {
  Form form(qml);
  int typed = 0;
  QString shown;
  for (auto _ : state) {
    Keystroke(form.view);
    shown = form.Shown();
    if (++typed == fill) {
      state.PauseTiming();
      form.field->setProperty("text", QString());
      typed = 0;
      state.ResumeTiming();
    }
  }
  benchmark::DoNotOptimize(shown);
  if (shown.isEmpty()) state.SkipWithError("nothing was typed");
}

void BM_KeystrokePlainTextInput(benchmark::State& state) {
  TypeDigits(state, "import QtQuick\nTextInput { objectName: \"campo\"; width: 200; height: 24 }",
             200);
}

void BM_KeystrokeCaixaVumoTexto(benchmark::State& state) {
  TypeDigits(state,
             "import QtQuick\nimport VumoCaixa\nItem { width: 300; height: 40\n"
             "CaixaVumo { objectName: \"campo\"; mostraMensagens: false } }",
             200);
}

void BM_KeystrokeCaixaVumoCIC(benchmark::State& state) {
  TypeDigits(
      state,
      "import QtQuick\nimport VumoCaixa\nItem { width: 300; height: 40\n"
      "CaixaVumo { objectName: \"campo\"; tipoDados: CaixaVumo.CIC; mostraMensagens: false } }",
      11);
}

// Makes and destroys a column of 1,000 items of one kind.
void Make1000(benchmark::State& state, const QByteArray& imports, const QByteArray& item) {
  QQmlComponent component(&Engine());
  component.setData(imports + "\nColumn { Repeater { model: 1000; " + item + " } }", QUrl());
  if (!component.isReady()) {
    state.SkipWithError(component.errorString().toStdString().c_str());
    return;
  }
  int children = 0;
  for (auto _ : state) {
    std::unique_ptr<QObject> made(component.create());
    children = static_cast<int>(qobject_cast<QQuickItem*>(made.get())->childItems().size());
  }
  if (children != 1001) state.SkipWithError("the column does not hold 1,000 items");
}

void BM_Make1000TextFields(benchmark::State& state) {
  Make1000(state, "import QtQuick\nimport QtQuick.Controls", "TextField { }");
}

void BM_Make1000CaixaVumo(benchmark::State& state) {
  Make1000(state, "import QtQuick\nimport VumoCaixa", "CaixaVumo { }");
}

BENCHMARK(BM_KeystrokePlainTextInput)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeystrokeCaixaVumoTexto)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeystrokeCaixaVumoCIC)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Make1000TextFields)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Make1000CaixaVumo)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
