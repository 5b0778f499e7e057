#include <vumocaixa/qt/qt_logical_dpi_p.hpp>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vumocaixa::qt {

LogicalDpi LogicalDpiOf(const QWidget& widget) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  if (screens.size() == 1) {
    const QScreen& screen = *screens.front();
    return {qRound(screen.logicalDotsPerInchX()), qRound(screen.logicalDotsPerInchY())};
  }
  return {widget.logicalDpiX(), widget.logicalDpiY()};
}

}  // namespace vumocaixa::qt
