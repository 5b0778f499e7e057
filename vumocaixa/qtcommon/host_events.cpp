#include <vumocaixa/qtcommon/host_events.hpp>

namespace vumocaixa::qtcommon {

void HostEvents::Change() {
  HostEventArgs args;
  Raise(HostEvent::Change, args);
}

void HostEvents::Click() {
  HostEventArgs args;
  Raise(HostEvent::Click, args);
}

void HostEvents::DblClick() {
  HostEventArgs args;
  Raise(HostEvent::DblClick, args);
}

void HostEvents::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  Key(HostEvent::KeyDown, KeyCode, Shift);
}

void HostEvents::KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  Key(HostEvent::KeyUp, KeyCode, Shift);
}

void HostEvents::Key(HostEvent event, std::int16_t& KeyCode, std::int16_t& Shift) {
  HostEventArgs args;
  args.keyCode = KeyCode;
  args.shift = Shift;
  Raise(event, args);
  KeyCode = args.keyCode;
  Shift = args.shift;
}

void HostEvents::KeyEnter(std::int16_t& Cancel) {
  HostEventArgs args;
  args.cancel = Cancel;
  Raise(HostEvent::KeyEnter, args);
  Cancel = args.cancel;
}

void HostEvents::KeyPress(std::int16_t& KeyAscii) {
  HostEventArgs args;
  args.keyAscii = KeyAscii;
  Raise(HostEvent::KeyPress, args);
  KeyAscii = args.keyAscii;
}

void HostEvents::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Mouse(HostEvent::MouseDown, Button, Shift, X, Y);
}

void HostEvents::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Mouse(HostEvent::MouseMove, Button, Shift, X, Y);
}

void HostEvents::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Mouse(HostEvent::MouseUp, Button, Shift, X, Y);
}

void HostEvents::Mouse(HostEvent event, std::int16_t& Button, std::int16_t& Shift, float& X,
                       float& Y) {
  HostEventArgs args;
  args.button = Button;
  args.shift = Shift;
  args.x = X;
  args.y = Y;
  Raise(event, args);
  Button = args.button;
  Shift = args.shift;
  X = args.x;
  Y = args.y;
}

void HostEvents::MandarEmail(std::string& Endereco) { Address(HostEvent::MandarEmail, Endereco); }

void HostEvents::AbrirHomePage(std::string& Endereco) {
  Address(HostEvent::AbrirHomePage, Endereco);
}

void HostEvents::Address(HostEvent event, std::string& Endereco) {
  HostEventArgs args;
  args.address = QString::fromStdString(Endereco);
  Raise(event, args);
  Endereco = args.address.toStdString();
}

}  // namespace vumocaixa::qtcommon
