#pragma once
// How Qt key events become the control's key codes, modifier state and character
// codes, and what an edit box does with a character code that comes back from the
// control's KeyPress handler.

#include <cstdint>
#include <vector>

#include <Qt>

class QKeyEvent;
class QString;

namespace vumocaixa::qt {

// The modifier state of the key events: 1 Shift, 2 Ctrl, 4 Alt, added up.
[[nodiscard]] std::int16_t ShiftState(Qt::KeyboardModifiers modifiers);

// The key code of a Qt key: letters 65-90, digits 48-57, 8 Backspace, 9 Tab,
// 13 Enter, 16 Shift, 17 Ctrl, 18 Alt, 27 Escape, 32 space, 33-40 the page, end,
// home and arrow keys, 45 Insert, 46 Delete, 112-135 F1-F24, 96-111 the keypad
// (digits with KeypadModifier) and 186-222 the punctuation keys of a US keyboard.
// 0 for a key that has no code.
[[nodiscard]] std::int16_t KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers);

// One character that a key press types: its Windows-1252 code (-1 when the code page
// has none) and the character itself.
struct TypedChar {
  std::int16_t code = 0;
  char32_t ch = 0;

  friend bool operator==(const TypedChar&, const TypedChar&) = default;
};

// The characters a key press types, in order; empty for a key that types nothing
// (Delete, arrows, function keys, Alt combinations). Enter types 13 and Ctrl+Enter
// the line feed 10; Backspace types 8 and Ctrl+Backspace 127; Escape 27; Ctrl with
// a letter the control character of that letter (Ctrl+B is 2).
[[nodiscard]] std::vector<TypedChar> TypedChars(int qtKey, Qt::KeyboardModifiers modifiers,
                                                const QString& text);

// The characters of a text committed by an input method.
[[nodiscard]] std::vector<TypedChar> CommittedChars(const QString& text);

// What the edit box does with the character code that KeyPress handed back.
enum class CharAction {
  Nothing,          // 0, a code with no character, or a control code the handler chose
  InsertTyped,      // -1 handed back unchanged: the character as typed
  InsertCode,       // the character of the code handed back
  Backspace,        // 8: delete left of the caret, or the selection
  DefaultKeyAction  // a control code handed back unchanged: the box's own key action
};

// typed is the code the key produced, handed the code KeyPress gave back.
[[nodiscard]] CharAction ActionFor(std::int16_t typed, std::int16_t handed);

// Whether the key event is one of the box's own editing commands (copy, cut, paste,
// undo, redo, select all): those keep their usual meaning and type no character.
[[nodiscard]] bool IsEditingCommand(const QKeyEvent& event);

}  // namespace vumocaixa::qt
