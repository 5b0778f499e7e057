#pragma once
// HostEvents: the control's events as one call with the event's name and its arguments,
// for a Qt host that raises them its own way (a signal with reference arguments, or an
// object a QML handler may change). What the host leaves in the arguments is what the
// control goes on with.

#include <cstdint>
#include <string>

#include <QString>

#include <vumocaixa/host/container.hpp>

namespace vumocaixa::qtcommon {

enum class HostEvent {
  Change,
  Click,
  DblClick,
  KeyDown,
  KeyUp,
  KeyEnter,
  KeyPress,
  MouseDown,
  MouseMove,
  MouseUp,
  MandarEmail,
  AbrirHomePage
};

// The arguments of one event; each event fills and reads back only its own.
struct HostEventArgs {
  std::int16_t keyCode = 0;   // KeyDown, KeyUp
  std::int16_t shift = 0;     // KeyDown, KeyUp and the mouse events
  std::int16_t keyAscii = 0;  // KeyPress
  std::int16_t cancel = 0;    // KeyEnter
  std::int16_t button = 0;    // the mouse events, and their x and y in twips
  float x = 0;
  float y = 0;
  QString address;  // MandarEmail, AbrirHomePage
};

class HostEvents : public ControlEvents {
 protected:
  // Raises event to the host's handlers, which may change args.
  virtual void Raise(HostEvent event, HostEventArgs& args) = 0;

 private:
  void Change() final;
  void Click() final;
  void DblClick() final;
  void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) final;
  void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) final;
  void KeyEnter(std::int16_t& Cancel) final;
  void KeyPress(std::int16_t& KeyAscii) final;
  void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) final;
  void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) final;
  void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) final;
  void MandarEmail(std::string& Endereco) final;
  void AbrirHomePage(std::string& Endereco) final;

  void Key(HostEvent event, std::int16_t& KeyCode, std::int16_t& Shift);
  void Mouse(HostEvent event, std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Address(HostEvent event, std::string& Endereco);
};

}  // namespace vumocaixa::qtcommon
