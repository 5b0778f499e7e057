#include <vumocaixa/qt/qt_container.hpp>

#include <string>

#include <QWidget>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::qt {

using qtcommon::FromQFont;
using qtcommon::FromUtf8;
using qtcommon::PixelsToTwips;
using qtcommon::TwipsToPixels;

namespace {

constexpr int kMaxResizeDepth = 100;

}  // namespace

QtContainer::QtContainer(QWidget& widget) : m_widget(widget) {}

QtContainer::~QtContainer() = default;

void QtContainer::PropertyChanged(std::string_view name) {
  const QString changed = FromUtf8(name);
  Emit([&] {
    if (m_propertyObserver) m_propertyObserver(changed);
    emit propertyChanged(changed);
  });
}

bool QtContainer::CanPropertyChange(std::string_view /*name*/) { return m_canPropertyChange; }

FontRef QtContainer::AmbientFont() const {
  return std::make_shared<Font>(FromQFont(m_widget.font()));
}

void QtContainer::SetWidth(std::int32_t width) {
  if (width < 0) throw HostError("the control's width must not be negative");
  if (width == m_width) return;
  m_width = width;
  ApplySize();
  Resized();
}

void QtContainer::SetHeight(std::int32_t height) {
  if (height < 0) throw HostError("the control's height must not be negative");
  if (height == m_height) return;
  m_height = height;
  ApplySize();
  Resized();
}

void QtContainer::ApplySize() {
  m_widget.resize(TwipsToPixels(m_width, m_widget.logicalDpiX()),
                  TwipsToPixels(m_height, m_widget.logicalDpiY()));
}

void QtContainer::WidgetResized() {
  const int dpiX = m_widget.logicalDpiX();
  const int dpiY = m_widget.logicalDpiY();
  bool changed = false;
  if (m_widget.width() != TwipsToPixels(m_width, dpiX)) {
    m_width = PixelsToTwips(m_widget.width(), dpiX);
    changed = true;
  }
  if (m_widget.height() != TwipsToPixels(m_height, dpiY)) {
    m_height = PixelsToTwips(m_widget.height(), dpiY);
    changed = true;
  }
  if (changed) Resized();
}

void QtContainer::Resized() {
  if (m_client == nullptr) return;
  if (m_resizeDepth >= kMaxResizeDepth) {
    throw HostError("the control keeps resizing itself");
  }
  ++m_resizeDepth;
  try {
    m_client->UserControl_Resize();
  } catch (...) {
    --m_resizeDepth;
    throw;
  }
  --m_resizeDepth;
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
