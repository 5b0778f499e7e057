#include <vumocaixa/qt/qt_widget_base.hpp>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qt/qt_logical_dpi_p.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::qt {

using qtcommon::ToQColor;
using qtcommon::ToQFont;
using qtcommon::TwipsToPixels;

namespace {

// A widget made after its frame joined a window stands at the end of the window's tab
// chain; it goes after the frame's other parts, in the frame's own stretch of the chain,
// as if it had been made with them.
void PlaceInTabChain(QWidget& frame, QWidget& part) {
  if (part.focusPolicy() == Qt::NoFocus) return;
  QWidget* after = &frame;
  for (QWidget* w = frame.nextInFocusChain(); w != &frame && frame.isAncestorOf(w);
       w = w->nextInFocusChain()) {
    if (w != &part && w->focusPolicy() != Qt::NoFocus) after = w;
  }
  // Qt orders only widgets that take the focus.
  const Qt::FocusPolicy policy = frame.focusPolicy();
  if (after == &frame && policy == Qt::NoFocus) frame.setFocusPolicy(Qt::TabFocus);
  QWidget::setTabOrder(after, &part);
  if (after == &frame && policy == Qt::NoFocus) frame.setFocusPolicy(policy);
}

}  // namespace

QtWidgetBase::QtWidgetBase(QtFrame& frame, QPalette::ColorRole background, QPalette::ColorRole text)
    : m_frame(frame), m_backgroundRole(background), m_textRole(text) {}

QtWidgetBase::~QtWidgetBase() { delete m_widget.data(); }

QWidget& QtWidgetBase::QtWidget() {
  if (m_widget == nullptr) Make();
  return *m_widget;
}

// The frame is polished once it is about to be shown; a frame placed in a window on the
// screen is shown when the event loop next runs, and its parts are made at once there.
bool QtWidgetBase::FrameShown() const {
  const QWidget& frame = m_frame.FrameWidget();
  return frame.testAttribute(Qt::WA_WState_Polished) || frame.window()->isVisible();
}

void QtWidgetBase::MakeIfShown() {
  if (m_widget == nullptr && m_visible) Make();
}

// What the part was given is applied to the new widget; what it was not given stays
// as Qt makes it, as it would for a widget made at once.
void QtWidgetBase::Make() {
  QWidget* widget = MakeWidget();
  m_widget = widget;
  widget->setEnabled(m_enabled);
  if (m_given.colors) ApplyColors();
  if (m_given.font) ApplyFont();
  if (m_given.place) ApplyGeometry();
  Made();
  PlaceInTabChain(m_frame.FrameWidget(), *widget);
  if (m_given.visibility) widget->setVisible(m_visible);
  m_frame.PartMade(*this);
}

bool QtWidgetBase::Enabled() const { return m_widget ? m_widget->isEnabled() : m_enabled; }

void QtWidgetBase::SetEnabled(bool enabled) {
  m_enabled = enabled;
  if (m_widget) m_widget->setEnabled(enabled);
}

bool QtWidgetBase::Visible() const { return m_widget ? !m_widget->isHidden() : m_visible; }

void QtWidgetBase::SetVisible(bool visible) {
  m_visible = visible;
  m_given.visibility = true;
  if (m_widget) {
    m_widget->setVisible(visible);
  } else if (visible && FrameShown()) {
    Make();
  }
}

void QtWidgetBase::SetBackColor(Color color) {
  m_backColor = color;
  m_given.colors = true;
  ApplyColors();
}

void QtWidgetBase::SetForeColor(Color color) {
  m_foreColor = color;
  m_given.colors = true;
  ApplyColors();
}

// A system colour of the part's own role is left to the palette the widget inherits,
// which shows it in every state (a disabled box in the style's disabled colours) and
// follows the theme; any other colour is the widget's own, in every state.
void QtWidgetBase::ApplyColors() {
  if (!m_widget) return;
  const bool ownBack = qtcommon::SystemColorRole(m_backColor) != m_backgroundRole;
  const bool ownText = qtcommon::SystemColorRole(m_foreColor) != m_textRole;
  m_widget->setAutoFillBackground(m_backgroundRole == QPalette::Window);
  if (!ownBack && !ownText && !m_widget->testAttribute(Qt::WA_SetPalette)) return;
  QPalette palette;  // what is not set here comes from the parent's palette
  if (ownBack) palette.setColor(m_backgroundRole, ToQColor(m_backColor));
  if (ownText) palette.setColor(m_textRole, ToQColor(m_foreColor));
  m_widget->setPalette(palette);
}

FontRef QtWidgetBase::Font() const {
  if (!m_font) m_font = std::make_shared<vumocaixa::Font>();
  return m_font;
}

void QtWidgetBase::SetFont(FontRef font) {
  if (!font) {
    throw HostError("a widget's font must not be empty");
  }
  m_font = std::move(font);
  m_given.font = true;
  if (m_widget) ApplyFont();
}

void QtWidgetBase::ApplyFont() {
  const QFont font = ToQFont(*m_font);
  if (m_shareFont && m_widget->font() == font) return;
  m_widget->setFont(font);
}

void QtWidgetBase::WidgetFontChanged() {
  if (!m_widget || !m_given.font || m_widget->testAttribute(Qt::WA_SetFont)) return;
  const QFont font = ToQFont(*m_font);
  if (m_widget->font() != font) m_widget->setFont(font);
}

void QtWidgetBase::SetLeft(std::int32_t left) {
  m_left = left;
  m_given.place = true;
  ApplyGeometry();
}

void QtWidgetBase::SetWidth(std::int32_t width) {
  if (width < 0) {
    throw HostError("a widget's width must not be negative");
  }
  m_width = width;
  m_given.place = true;
  ApplyGeometry();
}

void QtWidgetBase::SetHeight(std::int32_t height) {
  if (height < 0) {
    throw HostError("a widget's height must not be negative");
  }
  m_height = height;
  m_given.place = true;
  ApplyGeometry();
}

void QtWidgetBase::Refresh() {
  if (!m_widget) return;
  const QFont font = ToQFont(*Font());
  if (font != m_widget->font()) m_widget->setFont(font);
  m_widget->update();
}

void QtWidgetBase::ApplyGeometry() {
  if (!m_widget) return;
  const LogicalDpi dpi = LogicalDpiOf(m_frame.FrameWidget());
  m_widget->setGeometry(TwipsToPixels(m_left, dpi.x), 0, TwipsToPixels(m_width, dpi.x),
                        TwipsToPixels(m_height, dpi.y));
}

}  // namespace vumocaixa::qt
