#pragma once
// The container's store of a control's persisted properties.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include <vumocaixa/host/values.hpp>

namespace vumocaixa {

// A stored property value.
using PropertyValue =
    std::variant<Empty, bool, std::int16_t, std::int32_t, Color, FontRef, std::string>;

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;

  // The stored value of name, or def when the name is absent.
  [[nodiscard]] virtual PropertyValue ReadProperty(std::string_view name,
                                                   const PropertyValue& def) = 0;
  // Stores value under name; a value equal to def need not be stored.
  virtual void WriteProperty(std::string_view name, const PropertyValue& value,
                             const PropertyValue& def) = 0;
};

}  // namespace vumocaixa
