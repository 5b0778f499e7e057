// vumocaixa-demo: the "Cadastro de Cliente" form.
//
//   vumocaixa-demo                 opens the window (on a machine with a display)
//   vumocaixa-demo --passeio DIR   runs the scripted tour, screenshots in DIR
//
// Without a display the tour runs by itself on the offscreen platform, with its
// screenshots in the folder passeio beside the program (in the build folder).

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "cadastro.hpp"
#include "tour.hpp"

namespace {

// Lines that tell a user of the demo nothing: the offscreen platform warns each time a
// window asks for its size hints, and Qt notes a missing XDG_RUNTIME_DIR (as under
// sudo or in a container) before it uses a folder of its own.
QtMessageHandler g_previousHandler = nullptr;

void QuietNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (g_previousHandler != nullptr) g_previousHandler(type, context, text);
}

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  QString folder;
  for (int i = 1; i + 1 < argc; ++i) {
    if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--passeio")) {
      folder = QString::fromLocal8Bit(argv[i + 1]);
    }
  }
  const bool tour = !folder.isEmpty() || !HasDisplay();
  if (tour && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  g_previousHandler = qInstallMessageHandler(QuietNoise);
  QApplication app(argc, argv);
  // Qt's own texts in Portuguese: context menus, file dialogs, message box buttons.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }
  if (tour && folder.isEmpty()) {
    folder = QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("passeio"));
  }
  demo::Cadastro form;
  if (tour) return demo::RunTour(form, QDir(folder).absolutePath());
  form.show();
  return QApplication::exec();
}
