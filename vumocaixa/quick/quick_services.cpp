#include "quick_services_p.hpp"

#include <QGuiApplication>
#include <QPointer>
#include <QQuickWindow>
#include <QScreen>

#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

#include "caixa_vumo.hpp"

namespace vumocaixa::quick {

using qtcommon::FromQFont;
using qtcommon::FromUtf8;
using qtcommon::HostEvent;
using qtcommon::TwipsFollowing;
using qtcommon::TwipsToPixels;

namespace {

qreal DpiOf(const QQuickItem& item) {
  const QScreen* screen =
      item.window() != nullptr ? item.window()->screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

bool IsInside(const QQuickItem* item, const QQuickItem& ancestor) {
  for (; item != nullptr; item = item->parentItem()) {
    if (item == &ancestor) return true;
  }
  return false;
}

}  // namespace

// --- Container ----------------------------------------------------------------------

void QuickContainer::PropertyChanged(std::string_view name) {
  const QString changed = FromUtf8(name);
  Emit([&] { m_item.PropertyChanged(changed); });
}

FontRef QuickContainer::AmbientFont() const {
  return std::make_shared<Font>(FromQFont(QGuiApplication::font()));
}

// A width or height that the application or a layout never set follows the item's
// implicit size (the width of its type): the control's own size reaches only a size
// that someone set, and the control follows the item's size when it changes.
void QuickContainer::SizeSet() {
  const qreal dpi = DpiOf(m_item);
  m_applying = true;
  if (m_item.widthValid()) m_item.setWidth(TwipsToPixels(Width(), dpi));
  if (m_item.heightValid()) m_item.setHeight(TwipsToPixels(Height(), dpi));
  m_applying = false;
}

void QuickContainer::ItemResized() {
  if (m_applying) return;
  const qreal dpi = DpiOf(m_item);
  TakeSize(TwipsFollowing(Width(), m_item.width(), dpi),
           TwipsFollowing(Height(), m_item.height(), dpi));
}

void QuickContainer::Raise(HostEvent event, qtcommon::HostEventArgs& args) {
  using Signal = void (CaixaVumo::*)(EventoCaixa*);
  static constexpr Signal kSignals[] = {
      &CaixaVumo::keyDown,  &CaixaVumo::keyUp,       &CaixaVumo::keyEnter,
      &CaixaVumo::keyPress, &CaixaVumo::mouseDown,   &CaixaVumo::mouseMove,
      &CaixaVumo::mouseUp,  &CaixaVumo::mandarEmail, &CaixaVumo::abrirHomePage};
  switch (event) {
    case HostEvent::Change:
      Emit([this] { emit m_item.change(); });
      Emit([this] { emit m_item.textChanged(); });
      return;
    case HostEvent::Click: Emit([this] { emit m_item.click(); }); return;
    case HostEvent::DblClick: Emit([this] { emit m_item.dblClick(); }); return;
    default: break;
  }
  EventoCaixa e;
  e.keyCode = args.keyCode;
  e.shift = args.shift;
  e.keyAscii = args.keyAscii;
  e.cancelar = args.cancel != 0;
  e.botao = args.button;
  e.x = args.x;
  e.y = args.y;
  e.endereco = args.address;
  const Signal signal = kSignals[static_cast<int>(event) - static_cast<int>(HostEvent::KeyDown)];
  Emit([&] { emit(m_item.*signal)(&e); });
  args.keyCode = static_cast<std::int16_t>(e.keyCode);
  args.shift = static_cast<std::int16_t>(e.shift);
  args.keyAscii = static_cast<std::int16_t>(e.keyAscii);
  args.cancel = e.cancelar ? 1 : 0;
  args.button = static_cast<std::int16_t>(e.botao);
  args.x = static_cast<float>(e.x);
  args.y = static_cast<float>(e.y);
  args.address = e.endereco;
}

// --- Runtime ------------------------------------------------------------------------

QuickRuntime::QuickRuntime(CaixaVumo& item, qtcommon::Frame& frame)
    : TabRuntime(item), m_item(item), m_frame(frame) {}

void QuickRuntime::ShowMessage(std::string_view prompt, int style, std::string_view title) {
  const QString text = FromUtf8(prompt);
  const QString caption = FromUtf8(title);
  qtcommon::NotifyHost(m_frame, "mensagem", [&] { emit m_item.mensagem(text, style, caption); });
  // The dialog belongs to the item: a handler that deletes the item meanwhile closes it.
  qtcommon::EmitToHost(m_frame.Life(), [&] { m_item.ShowMessage(text, caption); });
}

void QuickRuntime::Beep() {
  qtcommon::NotifyHost(m_frame, "bipe", [this] { emit m_item.bipe(); });
}

void QuickRuntime::MoveFocusToNext() {
  const QQuickWindow* window = m_item.window();
  if (window == nullptr) return;
  QQuickItem* start = window->activeFocusItem();
  if (start == nullptr || !IsInside(start, m_item)) start = &m_item;
  const QQuickItem* first = nullptr;
  for (QQuickItem* next = start->nextItemInFocusChain(true); next != nullptr && next != start;
       next = next->nextItemInFocusChain(true)) {
    if (next == first) return;  // round the whole chain: nothing outside the control
    if (first == nullptr) first = next;
    if (IsInside(next, m_item)) continue;
    next->forceActiveFocus(Qt::TabFocusReason);
    return;
  }
}

}  // namespace vumocaixa::quick
