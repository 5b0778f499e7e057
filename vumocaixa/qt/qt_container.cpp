#include <vumocaixa/qt/qt_container.hpp>

#include <QMetaMethod>
#include <QWidget>

#include <vumocaixa/qt/qt_logical_dpi_p.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::qt {

using qtcommon::FromQFont;
using qtcommon::FromUtf8;
using qtcommon::HostEvent;
using qtcommon::TwipsFollowing;
using qtcommon::TwipsToPixels;

QtContainer::QtContainer(QWidget& widget) : m_widget(widget) {}

QtContainer::~QtContainer() = default;

// The name becomes a QString only for a signal that something listens to.
void QtContainer::PropertyChanged(std::string_view name) {
  Emit([&] {
    if (m_propertyObserver) m_propertyObserver(name);
    if (isSignalConnected(QMetaMethod::fromSignal(&QtContainer::propertyChanged))) {
      emit propertyChanged(FromUtf8(name));
    }
  });
}

bool QtContainer::CanPropertyChange(std::string_view /*name*/) { return m_canPropertyChange; }

FontRef QtContainer::AmbientFont() const {
  return std::make_shared<Font>(FromQFont(m_widget.font()));
}

void QtContainer::SizeSet() {
  const LogicalDpi dpi = LogicalDpiOf(m_widget);
  m_widget.resize(TwipsToPixels(Width(), dpi.x), TwipsToPixels(Height(), dpi.y));
}

void QtContainer::WidgetResized() {
  const LogicalDpi dpi = LogicalDpiOf(m_widget);
  TakeSize(TwipsFollowing(Width(), m_widget.width(), dpi.x),
           TwipsFollowing(Height(), m_widget.height(), dpi.y));
}

// --- Events -------------------------------------------------------------------------

void QtContainer::Raise(HostEvent event, qtcommon::HostEventArgs& a) {
  Emit([&] {
    switch (event) {
      case HostEvent::Change: emit change(); break;
      case HostEvent::Click: emit click(); break;
      case HostEvent::DblClick: emit dblClick(); break;
      case HostEvent::KeyDown: emit keyDown(a.keyCode, a.shift); break;
      case HostEvent::KeyUp: emit keyUp(a.keyCode, a.shift); break;
      case HostEvent::KeyEnter: emit keyEnter(a.cancel); break;
      case HostEvent::KeyPress: emit keyPress(a.keyAscii); break;
      case HostEvent::MouseDown: emit mouseDown(a.button, a.shift, a.x, a.y); break;
      case HostEvent::MouseMove: emit mouseMove(a.button, a.shift, a.x, a.y); break;
      case HostEvent::MouseUp: emit mouseUp(a.button, a.shift, a.x, a.y); break;
      case HostEvent::MandarEmail: emit mandarEmail(a.address); break;
      case HostEvent::AbrirHomePage: emit abrirHomePage(a.address); break;
    }
  });
}

}  // namespace vumocaixa::qt
