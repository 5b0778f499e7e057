// vumocaixa-demo-qml: the "Cadastro de Cliente" form in QML, on the module VumoCaixa.
//
//   vumocaixa-demo-qml                 opens the window (on a machine with a display)
//   vumocaixa-demo-qml --passeio DIR   runs the scripted tour, screenshots in DIR
//
// Without a display the tour runs by itself on the offscreen platform with the software
// renderer, its screenshots in the folder passeio-qml beside the program.

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTranslator>

#include "../demo/campos.hpp"
#include "passeio.hpp"

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Qt notes a missing XDG_RUNTIME_DIR (as under sudo or in a container) before it uses a
// folder of its own: nothing a user of the demo needs.
void QuietNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (g_previousHandler != nullptr) g_previousHandler(type, context, text);
}

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The fields for QML: name, label without its shortcut mark, data type.
QVariantList Campos() {
  QVariantList campos;
  for (const demo::FieldLayout& field : demo::kFields) {
    QString rotulo = QString::fromUtf8(field.label);
    rotulo.remove(QLatin1Char('&'));
    campos << QVariantMap{{QStringLiteral("nome"), QString::fromUtf8(field.name)},
                          {QStringLiteral("rotulo"), rotulo},
                          {QStringLiteral("tipo"), int{field.tipo}}};
  }
  return campos;
}

}  // namespace

int main(int argc, char** argv) {
  QString folder;
  for (int i = 1; i + 1 < argc; ++i) {
    if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--passeio"))
      folder = QString::fromLocal8Bit(argv[i + 1]);
  }
  const bool tour = !folder.isEmpty() || !HasDisplay();
  if (tour) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  }
  g_previousHandler = qInstallMessageHandler(QuietNoise);
  QGuiApplication app(argc, argv);
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QGuiApplication::installTranslator(&qtTexts);
  }
  QQmlApplicationEngine engine;
  engine.addImportPath(QStringLiteral(VUMOCAIXA_QML_BUILD_DIR));
  engine.setInitialProperties({{QStringLiteral("campos"), Campos()}});
  engine.load(QUrl(QStringLiteral("qrc:/demo_qml/Cadastro.qml")));
  if (engine.rootObjects().isEmpty()) return 1;
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
  if (tour) {
    if (folder.isEmpty())
      folder = QDir(QGuiApplication::applicationDirPath()).filePath(QStringLiteral("passeio-qml"));
    return demo::RunQmlTour(*window, QDir(folder).absolutePath());
  }
  return QGuiApplication::exec();
}
