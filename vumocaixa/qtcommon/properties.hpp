#pragma once
// What both Qt hosts do when an application assigns a property of the control.

#include <algorithm>
#include <cstdint>
#include <limits>

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa::qtcommon {

// Assigns the data type (a value outside the seventeen shows the control's property
// error and becomes Texto). The box takes the width of its type, as on the design page;
// a width assigned afterwards (a form stores it after the type) still holds.
inline void AssignTipoDados(VumoCaixaControl& control, int value) {
  // Beyond 16 bits a value is just as much out of range: it must not wrap into a valid type.
  const int clamped = std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(),
                                      std::numeric_limits<std::int16_t>::max());
  control.SetTipoDados(static_cast<std::int16_t>(clamped));
  control.SetTamanhoMáximo(control.TamanhoMáximo());
}

}  // namespace vumocaixa::qtcommon
