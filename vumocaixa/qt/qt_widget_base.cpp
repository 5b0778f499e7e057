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

QtWidgetBase::QtWidgetBase(QtFrame& frame, WidgetKind kind, const char* name,
                           QPalette::ColorRole background, QPalette::ColorRole text)
    : Part(kind, false),
      m_frame(frame),
      m_name(name),
      m_backgroundRole(background),
      m_textRole(text) {}

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
  if (m_widget == nullptr && Part::Visible()) Make();
}

// What the part was given is applied to the new widget; what it was not given stays
// as Qt makes it, as it would for a widget made at once.
void QtWidgetBase::Make() {
  QWidget* widget = MakeWidget();
  widget->setObjectName(m_name);
  m_widget = widget;
  widget->setEnabled(Part::Enabled());
  if (Given(Aspect::Colors)) ApplyColors();
  if (Given(Aspect::Font)) ApplyFont();
  if (Given(Aspect::Place)) ApplyGeometry();
  Made();
  PlaceInTabChain(m_frame.FrameWidget(), *widget);
  if (Given(Aspect::Visible)) widget->setVisible(Part::Visible());
  m_frame.PartMade(*this);
}

bool QtWidgetBase::Enabled() const { return m_widget ? m_widget->isEnabled() : Part::Enabled(); }

bool QtWidgetBase::Visible() const { return m_widget ? !m_widget->isHidden() : Part::Visible(); }

void QtWidgetBase::Changed(Aspect aspect) {
  switch (aspect) {
    case Aspect::Enabled:
      if (m_widget) m_widget->setEnabled(Part::Enabled());
      break;
    case Aspect::Visible:
      if (m_widget) {
        m_widget->setVisible(Part::Visible());
      } else if (Part::Visible() && FrameShown()) {
        Make();
      }
      break;
    case Aspect::Colors: ApplyColors(); break;
    case Aspect::Font:
      if (m_widget) ApplyFont();
      break;
    case Aspect::Place: ApplyGeometry(); break;
    case Aspect::Caption:
      if (m_widget) Made();
      break;
    default: break;
  }
}

// A system colour of the part's own role is left to the palette the widget inherits,
// which shows it in every state (a disabled box in the style's disabled colours) and
// follows the theme; any other colour is the widget's own, in every state.
void QtWidgetBase::ApplyColors() {
  if (!m_widget) return;
  const bool ownBack = qtcommon::SystemColorRole(BackColor()) != m_backgroundRole;
  const bool ownText = qtcommon::SystemColorRole(ForeColor()) != m_textRole;
  m_widget->setAutoFillBackground(m_backgroundRole == QPalette::Window);
  if (!ownBack && !ownText && !m_widget->testAttribute(Qt::WA_SetPalette)) return;
  QPalette palette;  // what is not set here comes from the parent's palette
  if (ownBack) palette.setColor(m_backgroundRole, ToQColor(BackColor()));
  if (ownText) palette.setColor(m_textRole, ToQColor(ForeColor()));
  m_widget->setPalette(palette);
}

void QtWidgetBase::ApplyFont() {
  const QFont font = ToQFont(*Font());
  if (m_shareFont && m_widget->font() == font) return;
  m_widget->setFont(font);
}

void QtWidgetBase::WidgetFontChanged() {
  if (!m_widget || !Given(Aspect::Font) || m_widget->testAttribute(Qt::WA_SetFont)) return;
  const QFont font = ToQFont(*Font());
  if (m_widget->font() != font) m_widget->setFont(font);
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
  m_widget->setGeometry(TwipsToPixels(Left(), dpi.x), 0, TwipsToPixels(Width(), dpi.x),
                        TwipsToPixels(Height(), dpi.y));
}

}  // namespace vumocaixa::qt
