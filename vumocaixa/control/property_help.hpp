#pragma once
// The control's public properties and events as a property browser lists them: the
// member's name, the name the container is told of when a property changes (the saved
// name of the persisted ones), an event's number, and the help texts.

#include <cstdint>
#include <span>
#include <string_view>

namespace vumocaixa {

struct PropertyHelp {
  std::string_view member;     // the accessor's name, such as "Habilitado"
  std::string_view notified;  // the name PropertyChanged gives, such as "Enabled"
  std::string_view help;       // the text a property browser shows
};

// Every public property, in the order of the control's interface.
[[nodiscard]] std::span<const PropertyHelp> PropertyHelpTexts();

// The help text of a member (by its member or its notified name), or an empty text
// for a name the control does not have.
[[nodiscard]] std::string_view PropertyHelpText(std::string_view name);

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
