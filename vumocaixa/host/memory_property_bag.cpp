#include <vumocaixa/host/memory_property_bag.hpp>

#include <vumocaixa/host/property_values.hpp>

#include <algorithm>
#include <memory>

namespace vumocaixa {
namespace {

// The value with any font replaced by a copy of its own.
PropertyValue Detached(const PropertyValue& value) {
  if (const auto* font = std::get_if<FontRef>(&value); font != nullptr && *font != nullptr) {
    return std::make_shared<Font>(**font);
  }
  return value;
}

}  // namespace

PropertyValue MemoryPropertyBag::ReadProperty(std::string_view name, const PropertyValue& def) {
  m_Reads.emplace_back(name);
  const auto it = Locate(name);
  return it == m_Entries.end() ? def : Detached(it->value);
}

void MemoryPropertyBag::WriteProperty(std::string_view name, const PropertyValue& value,
                                      const PropertyValue& def) {
  m_Writes.emplace_back(name);
  if (SamePropertyValue(value, def)) {
    Remove(name);
  } else {
    Store(name, value);
  }
}

std::vector<MemoryPropertyBag::Entry> MemoryPropertyBag::Stored() const {
  std::vector<Entry> copy;
  copy.reserve(m_Entries.size());
  for (const Entry& e : m_Entries) copy.push_back({e.name, Detached(e.value)});
  return copy;
}

std::optional<PropertyValue> MemoryPropertyBag::Find(std::string_view name) const {
  const auto it = Locate(name);
  if (it == m_Entries.end()) return std::nullopt;
  return Detached(it->value);
}

bool MemoryPropertyBag::Contains(std::string_view name) const {
  return Locate(name) != m_Entries.end();
}

void MemoryPropertyBag::Store(std::string_view name, const PropertyValue& value) {
  const auto it = Locate(name);
  if (it == m_Entries.end()) {
    m_Entries.push_back({std::string(name), Detached(value)});
  } else {
    m_Entries[static_cast<std::size_t>(it - m_Entries.begin())].value = Detached(value);
  }
}

void MemoryPropertyBag::Remove(std::string_view name) {
  const auto it = Locate(name);
  if (it != m_Entries.end()) m_Entries.erase(it);
}

void MemoryPropertyBag::Clear() { m_Entries.clear(); }

void MemoryPropertyBag::ClearLogs() {
  m_Reads.clear();
  m_Writes.clear();
}

std::vector<MemoryPropertyBag::Entry>::const_iterator MemoryPropertyBag::Locate(
    std::string_view name) const {
  return std::find_if(m_Entries.begin(), m_Entries.end(),
                      [name](const Entry& e) { return e.name == name; });
}

}  // namespace vumocaixa
