#pragma once
// What the fuzz targets share: a check that stops the run with a readable report when a
// property that must hold does not (libFuzzer then keeps the input as a crash).

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vumocaixa::fuzz {

// Stops the run when ok is false, naming the broken property and the values involved.
inline void Require(bool ok, std::string_view property, std::string_view detail = {}) {
  if (ok) return;
  std::fprintf(stderr, "\n*** broken: %.*s\n    %.*s\n", static_cast<int>(property.size()),
               property.data(), static_cast<int>(detail.size()), detail.data());
  std::abort();
}

}  // namespace vumocaixa::fuzz
