#pragma once
// The host's control container: the control's events towards the host, property
// notifications, the ambient font and the control's own size.

#include <cstdint>
#include <string>
#include <string_view>

#include <vumocaixa/host/values.hpp>

namespace vumocaixa {

// The size, in twips, at which a new control is placed on a form, and the least
// height its layout gives it.
inline constexpr std::int32_t kDesignWidth = 3015;
inline constexpr std::int32_t kDesignHeight = 285;
inline constexpr std::int32_t kMinimumHeight = 315;

// The control's events, as the host's handlers receive them. Every argument is a
// reference: what the handler writes is seen by the control when the call returns.
class ControlEvents {
 public:
  virtual ~ControlEvents() = default;

  virtual void Change() {}
  virtual void Click() {}
  virtual void DblClick() {}
  virtual void KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void KeyEnter(std::int16_t& /*Cancel*/) {}
  virtual void KeyPress(std::int16_t& /*KeyAscii*/) {}
  virtual void KeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void MouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                         float& /*Y*/) {}
  virtual void MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                         float& /*Y*/) {}
  virtual void MouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                       float& /*Y*/) {}
  virtual void MandarEmail(std::string& /*Endereço*/) {}
  virtual void AbrirHomePage(std::string& /*Endereço*/) {}
};

// What the container calls on the control it hosts.
class ContainerClient {
 public:
  virtual ~ContainerClient() = default;
  virtual void UserControl_Resize() = 0;
  virtual void UserControl_GotFocus() = 0;
};

class Container {
 public:
  virtual ~Container() = default;

  // The host's handlers of the control's events.
  virtual ControlEvents& Events() = 0;

  // A persisted property changed ("TipoDados", "Enabled", ..., "Text").
  virtual void PropertyChanged(std::string_view name) = 0;
  // Whether the property may change now; asked with "Text" only.
  [[nodiscard]] virtual bool CanPropertyChange(std::string_view name) = 0;

  // The container's current font, the default of the control's Font.
  [[nodiscard]] virtual FontRef AmbientFont() const = 0;

  // The control's own size, in twips. Setting a size that differs from the current
  // one calls the attached client's UserControl_Resize, also while that runs.
  [[nodiscard]] virtual std::int32_t Width() const = 0;
  virtual void SetWidth(std::int32_t width) = 0;
  [[nodiscard]] virtual std::int32_t Height() const = 0;
  virtual void SetHeight(std::int32_t height) = 0;

  // The control that the container hosts; nullptr detaches it.
  virtual void Attach(ContainerClient* client) = 0;
};

}  // namespace vumocaixa
