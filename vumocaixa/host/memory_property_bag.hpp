#pragma once
// A property bag held in memory, for tests and for hosts that keep a form's
// properties themselves.
//
// It stores typed values (16-bit and 32-bit whole numbers, Booleans, colours, fonts,
// texts) under their names. Writing a value equal to its default (SamePropertyValue)
// removes what was stored under the name, so that reading gives the default again and
// the bag holds only what differs from the defaults. Fonts are kept as descriptions:
// the bag copies a font when it is written and hands out a fresh copy when it is read,
// so that nobody changes a stored font behind the bag's back.

#include <vumocaixa/host/property_bag.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vumocaixa {

class MemoryPropertyBag final : public PropertyBag {
 public:
  struct Entry {
    std::string name;
    PropertyValue value;
  };

  // The stored value of name (a font as a fresh copy), or def itself when the name
  // is absent.
  [[nodiscard]] PropertyValue ReadProperty(std::string_view name,
                                           const PropertyValue& def) override;
  // Stores value under name, or removes the name when value equals def.
  void WriteProperty(std::string_view name, const PropertyValue& value,
                     const PropertyValue& def) override;

  // --- Inspection and set-up -------------------------------------------------------

  // What is stored, in the order in which the names were first stored.
  [[nodiscard]] std::vector<Entry> Stored() const;
  // The stored value of name, or nothing.
  [[nodiscard]] std::optional<PropertyValue> Find(std::string_view name) const;
  [[nodiscard]] bool Contains(std::string_view name) const;
  // Puts value under name as a saved form would hold it, whatever its kind; this is
  // how a test gives the control a value of an unexpected kind.
  void Store(std::string_view name, const PropertyValue& value);
  void Remove(std::string_view name);
  void Clear();

  // The names asked by ReadProperty and given to WriteProperty, in call order.
  [[nodiscard]] const std::vector<std::string>& ReadLog() const { return m_Reads; }
  [[nodiscard]] const std::vector<std::string>& WriteLog() const { return m_Writes; }
  void ClearLogs();

 private:
  [[nodiscard]] std::vector<Entry>::const_iterator Locate(std::string_view name) const;

  std::vector<Entry> m_Entries;
  std::vector<std::string> m_Reads;
  std::vector<std::string> m_Writes;
};

}  // namespace vumocaixa
