// vumocaixa-demo: the "Cadastro de Cliente" form.
//
//   vumocaixa-demo                 opens the window (on a machine with a display)
//   vumocaixa-demo --passeio DIR   runs the scripted tour, screenshots in DIR
//
// Without a display the tour runs by itself on the offscreen platform, with its
// screenshots in vumocaixa-passeio under the current folder.

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QDir>

#include "cadastro.hpp"
#include "tour.hpp"

namespace {

// The offscreen platform warns each time a window asks for its size hints; the tour's
// output is meant to be read, so those lines are left out.
QtMessageHandler g_previousHandler = nullptr;

void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  if (g_previousHandler != nullptr) g_previousHandler(type, context, text);
}

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
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
  if (tour && folder.isEmpty()) folder = QDir::current().filePath(QStringLiteral("vumocaixa-passeio"));
  if (tour) g_previousHandler = qInstallMessageHandler(QuietOffscreen);
  QApplication app(argc, argv);
  demo::Cadastro form;
  if (tour) return demo::RunTour(form, QDir(folder).absolutePath());
  form.show();
  return QApplication::exec();
}
