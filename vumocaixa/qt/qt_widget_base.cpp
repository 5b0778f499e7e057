#include <vumocaixa/qt/qt_widget_base.hpp>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::qt {

using qtcommon::ToQColor;
using qtcommon::ToQFont;
using qtcommon::TwipsToPixels;

QtWidgetBase::QtWidgetBase(QtFrame& frame, QWidget* widget, QPalette::ColorRole background,
                           QPalette::ColorRole text)
    : m_frame(frame), m_widget(widget), m_backgroundRole(background), m_textRole(text) {
  widget->setParent(&frame.FrameWidget());
}

QtWidgetBase::~QtWidgetBase() { delete m_widget.data(); }

bool QtWidgetBase::Enabled() const { return m_widget->isEnabled(); }

void QtWidgetBase::SetEnabled(bool enabled) { m_widget->setEnabled(enabled); }

bool QtWidgetBase::Visible() const { return !m_widget->isHidden(); }

void QtWidgetBase::SetVisible(bool visible) { m_widget->setVisible(visible); }

void QtWidgetBase::SetBackColor(Color color) {
  m_backColor = color;
  ApplyColors();
}

void QtWidgetBase::SetForeColor(Color color) {
  m_foreColor = color;
  ApplyColors();
}

void QtWidgetBase::ApplyColors() {
  QPalette palette = m_widget->palette();
  palette.setColor(m_backgroundRole, ToQColor(m_backColor));
  palette.setColor(m_textRole, ToQColor(m_foreColor));
  m_widget->setPalette(palette);
  m_widget->setAutoFillBackground(m_backgroundRole == QPalette::Window);
}

void QtWidgetBase::SetFont(FontRef font) {
  if (!font) {
    throw HostError("a widget's font must not be empty");
  }
  m_font = std::move(font);
  m_widget->setFont(ToQFont(*m_font));
}

void QtWidgetBase::SetLeft(std::int32_t left) {
  m_left = left;
  ApplyGeometry();
}

void QtWidgetBase::SetWidth(std::int32_t width) {
  if (width < 0) {
    throw HostError("a widget's width must not be negative");
  }
  m_width = width;
  ApplyGeometry();
}

void QtWidgetBase::SetHeight(std::int32_t height) {
  if (height < 0) {
    throw HostError("a widget's height must not be negative");
  }
  m_height = height;
  ApplyGeometry();
}

void QtWidgetBase::Refresh() {
  const QFont font = ToQFont(*m_font);
  if (font != m_widget->font()) m_widget->setFont(font);
  m_widget->update();
}

void QtWidgetBase::ApplyGeometry() {
  const QWidget& frame = m_frame.FrameWidget();
  const int dpiX = frame.logicalDpiX();
  const int dpiY = frame.logicalDpiY();
  m_widget->setGeometry(TwipsToPixels(m_left, dpiX), 0, TwipsToPixels(m_width, dpiX),
                        TwipsToPixels(m_height, dpiY));
}

}  // namespace vumocaixa::qt
