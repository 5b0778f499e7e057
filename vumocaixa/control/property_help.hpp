#pragma once
// The control's public properties and events, one list each: a property's member
// name, the name the container is told of when it changes (the saved key of the
// persisted ones), its place among the saved keys and its saved default, an event's
// number, and the help texts. Persistence, access by name, form files and the hosts'
// property names read or are checked against these lists.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include <vumocaixa/host/values.hpp>

namespace vumocaixa {

// The value a saved property takes when its key is absent; std::monostate for the
// font, whose default is the form's own.
using SavedDefault = std::variant<std::monostate, bool, std::int16_t, std::int32_t, Color>;

struct PropertyHelp {
  std::string_view member;      // the accessor's name, such as "Habilitado"
  std::string_view notified;    // the name PropertyChanged gives, such as "Enabled"
  std::string_view help;        // the text a property browser shows
  int saved = -1;               // its place among the saved keys; -1: not saved
  SavedDefault savedDefault{};  // the value of an absent key
};

// Every public property, in the order of the control's interface.
[[nodiscard]] std::span<const PropertyHelp> PropertyHelpTexts();

// The help text of a member (by its member or its notified name), or an empty text
// for a name the control does not have.
[[nodiscard]] std::string_view PropertyHelpText(std::string_view name);

// The saved default of the property saved under key; std::monostate for a key that
// is not saved.
[[nodiscard]] SavedDefault SavedDefaultOf(std::string_view key);

struct EventHelp {
  std::int32_t number;    // its number in the control's event interface, from 1
  std::string_view name;  // such as "KeyEnter"
  std::string_view help;  // the text a property browser shows
};

// Every event of the control, by number: Change (1) to AbrirHomePage (12).
[[nodiscard]] std::span<const EventHelp> EventHelpTexts();

// The help text of an event by its name, or an empty text for a name the control
// does not raise.
[[nodiscard]] std::string_view EventHelpText(std::string_view name);

}  // namespace vumocaixa
