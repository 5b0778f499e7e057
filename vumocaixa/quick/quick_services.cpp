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

void QuickContainer::SizeSet() {
  const qreal dpi = DpiOf(m_item);
  m_applying = true;
  m_item.setSize(QSizeF(TwipsToPixels(Width(), dpi), TwipsToPixels(Height(), dpi)));
  m_applying = false;
}

void QuickContainer::ItemResized() {
  if (m_applying) return;
  const qreal dpi = DpiOf(m_item);
  TakeSize(TwipsFollowing(Width(), m_item.width(), dpi),
           TwipsFollowing(Height(), m_item.height(), dpi));
}

void QuickContainer::Change() {
  Emit([this] { emit m_item.change(); });
  Emit([this] { emit m_item.textChanged(); });
}

void QuickContainer::Click() {
  Emit([this] { emit m_item.click(); });
}

void QuickContainer::DblClick() {
  Emit([this] { emit m_item.dblClick(); });
}

void QuickContainer::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  EventoCaixa e;
  e.keyCode = KeyCode;
  e.shift = Shift;
  Emit([&] { emit m_item.keyDown(&e); });
  KeyCode = static_cast<std::int16_t>(e.keyCode);
  Shift = static_cast<std::int16_t>(e.shift);
}

void QuickContainer::KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  EventoCaixa e;
  e.keyCode = KeyCode;
  e.shift = Shift;
  Emit([&] { emit m_item.keyUp(&e); });
  KeyCode = static_cast<std::int16_t>(e.keyCode);
  Shift = static_cast<std::int16_t>(e.shift);
}

void QuickContainer::KeyEnter(std::int16_t& Cancel) {
  EventoCaixa e;
  e.cancelar = Cancel != 0;
  Emit([&] { emit m_item.keyEnter(&e); });
  Cancel = e.cancelar ? 1 : 0;
}

void QuickContainer::KeyPress(std::int16_t& KeyAscii) {
  EventoCaixa e;
  e.keyAscii = KeyAscii;
  Emit([&] { emit m_item.keyPress(&e); });
  KeyAscii = static_cast<std::int16_t>(e.keyAscii);
}

namespace {

template <class Signal>
void EmitMouse(CaixaVumo& item, const qtcommon::Frame& frame, Signal signal, std::int16_t& Button,
               std::int16_t& Shift, float& X, float& Y) {
  EventoCaixa e;
  e.botao = Button;
  e.shift = Shift;
  e.x = X;
  e.y = Y;
  qtcommon::EmitToHost(frame.Life(), [&] { emit(item.*signal)(&e); });
  Button = static_cast<std::int16_t>(e.botao);
  Shift = static_cast<std::int16_t>(e.shift);
  X = static_cast<float>(e.x);
  Y = static_cast<float>(e.y);
}

void EmitAddress(CaixaVumo& item, const qtcommon::Frame& frame,
                 void (CaixaVumo::*signal)(EventoCaixa*), std::string& Endereco) {
  EventoCaixa e;
  e.endereco = QString::fromStdString(Endereco);
  qtcommon::EmitToHost(frame.Life(), [&] { emit(item.*signal)(&e); });
  Endereco = e.endereco.toStdString();
}

}  // namespace

void QuickContainer::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  EmitMouse(m_item, m_frame, &CaixaVumo::mouseDown, Button, Shift, X, Y);
}

void QuickContainer::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  EmitMouse(m_item, m_frame, &CaixaVumo::mouseMove, Button, Shift, X, Y);
}

void QuickContainer::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  EmitMouse(m_item, m_frame, &CaixaVumo::mouseUp, Button, Shift, X, Y);
}

void QuickContainer::MandarEmail(std::string& Endereco) {
  EmitAddress(m_item, m_frame, &CaixaVumo::mandarEmail, Endereco);
}

void QuickContainer::AbrirHomePage(std::string& Endereco) {
  EmitAddress(m_item, m_frame, &CaixaVumo::abrirHomePage, Endereco);
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
