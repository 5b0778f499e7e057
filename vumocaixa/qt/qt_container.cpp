#include <vumocaixa/qt/qt_container.hpp>

#include <string>

#include <QMetaMethod>
#include <QWidget>

#include <vumocaixa/qt/qt_logical_dpi_p.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::qt {

using qtcommon::FromQFont;
using qtcommon::FromUtf8;
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

void QtContainer::Change() {
  Emit([this] { emit change(); });
}

void QtContainer::Click() {
  Emit([this] { emit click(); });
}

void QtContainer::DblClick() {
  Emit([this] { emit dblClick(); });
}

void QtContainer::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  Emit([&] { emit keyDown(KeyCode, Shift); });
}

void QtContainer::KeyEnter(std::int16_t& Cancel) {
  Emit([&] { emit keyEnter(Cancel); });
}

void QtContainer::KeyPress(std::int16_t& KeyAscii) {
  Emit([&] { emit keyPress(KeyAscii); });
}

void QtContainer::KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  Emit([&] { emit keyUp(KeyCode, Shift); });
}

void QtContainer::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Emit([&] { emit mouseDown(Button, Shift, X, Y); });
}

void QtContainer::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Emit([&] { emit mouseMove(Button, Shift, X, Y); });
}

void QtContainer::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Emit([&] { emit mouseUp(Button, Shift, X, Y); });
}

void QtContainer::MandarEmail(std::string& Endereco) {
  QString address = QString::fromStdString(Endereco);
  Emit([&] { emit mandarEmail(address); });
  Endereco = address.toStdString();
}

void QtContainer::AbrirHomePage(std::string& Endereco) {
  QString address = QString::fromStdString(Endereco);
  Emit([&] { emit abrirHomePage(address); });
  Endereco = address.toStdString();
}

}  // namespace vumocaixa::qt
