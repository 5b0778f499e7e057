#pragma once
// The control's public properties as a property browser lists them: the member's
// name, the name the container is told of when it changes (the saved name of the
// persisted ones), and its help text.

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

}  // namespace vumocaixa
