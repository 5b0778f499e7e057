#pragma once
// Key codes shared by the control and its hosts. Enter has the same number as a
// KeyCode (KeyDown, KeyUp) and as a KeyAscii character code (KeyPress).

#include <cstdint>

namespace vumocaixa {

inline constexpr std::int16_t kTeclaEnter = 13;

}  // namespace vumocaixa
