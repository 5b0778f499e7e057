#pragma once
// The keys under which a control keeps its design-time settings in its container's
// property bag, for readers of saved forms that must know them without a control.

#include <span>
#include <string_view>

#include <vumocaixa/host/property_bag.hpp>

namespace vumocaixa {

// The keys a control saves, in the order in which it writes and reads them:
// "TipoDados", "Enabled", "TeclaEnter", ..., "ForeColor", "CNPJAlfanumerico".
[[nodiscard]] std::span<const std::string_view> ChavesGuardadas();

// Reads every key of bag as loading a control does, without a control: a stored
// value that loading would refuse throws PropertyError naming its key. Only the keys
// of ChavesGuardadas are read; the bag is not changed.
void ConfereGuardado(PropertyBag& bag);

}  // namespace vumocaixa
