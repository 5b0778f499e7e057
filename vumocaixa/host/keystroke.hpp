#pragma once
// The characters a keystroke types, and what an edit box does with the character code
// that the control's KeyPress handler hands back. Every host's edit box follows these
// rules, so that a code handed back means the same in each.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vumocaixa {

// One character a key types: its Windows-1252 code (-1 when the code page has none)
// and the character itself.
struct TypedChar {
  std::int16_t code = 0;
  char32_t ch = 0;

  friend bool operator==(const TypedChar&, const TypedChar&) = default;
};

// The characters of a text typed or committed at once (by an input method), each with
// its code; control characters (below 32, and 127) are left out.
[[nodiscard]] std::vector<TypedChar> CommittedChars(std::u32string_view text);

// What the edit box does with the code that KeyPress handed back.
enum class CharAction {
  Nothing,          // 0, a code with no character, or a control code the handler chose
  InsertTyped,      // -1 handed back unchanged: the character as typed
  InsertCode,       // the character of the code handed back
  Backspace,        // 8: delete left of the caret, or the selection
  DefaultKeyAction  // a control code handed back unchanged: the box's own key action
};

// typed is the code the key produced, handed the code KeyPress gave back.
// ActionFor(97, 65) is InsertCode ('A'); ActionFor(97, 129) is Nothing, as 129 has no
// character; ActionFor(13, 13) is DefaultKeyAction.
[[nodiscard]] CharAction ActionFor(std::int16_t typed, std::int16_t handed);

}  // namespace vumocaixa
