#pragma once
// The logical resolution of a widget, as QWidget::logicalDpiX and logicalDpiY give it,
// for converting twips.
//
// A widget that is not yet in a window on the screen finds its screen from the position
// of its window, which costs more than all the rest of placing a new control. With one
// screen every widget is on it, so the resolution is read from that screen at once.

class QWidget;

namespace vumocaixa::qt {

struct LogicalDpi {
  int x = 96;
  int y = 96;
};

[[nodiscard]] LogicalDpi LogicalDpiOf(const QWidget& widget);

}  // namespace vumocaixa::qt
