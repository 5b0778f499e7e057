#pragma once
// How Qt Quick's key events become the control's key codes, modifier state and
// character codes, and what an edit box does with the code the control hands back.

#include <cstdint>
#include <vector>

#include <Qt>

class QKeyEvent;
class QString;

namespace vumocaixa::quick {

// 1 Shift, 2 Ctrl, 4 Alt, added up.
[[nodiscard]] std::int16_t ShiftState(Qt::KeyboardModifiers modifiers);

// The key code of a Qt key: letters 65-90, digits 48-57, 8 Backspace, 9 Tab, 13 Enter,
// 16-18 Shift, Ctrl and Alt, 27 Escape, 32-40 space and the moving keys, 45 Insert,
// 46 Delete, 96-111 the keypad, 112-135 F1-F24, 186-222 punctuation; 0 for the rest.
[[nodiscard]] std::int16_t KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers);

// One typed character: its Windows-1252 code (-1 when it has none) and itself.
struct TypedChar {
  std::int16_t code = 0;
  char32_t ch = 0;
};

// The characters a key press types: Enter 13 (Ctrl+Enter 10), Backspace 8 (Ctrl 127),
// Escape 27, Tab 9, Ctrl with a letter its control code; Alt combinations nothing.
[[nodiscard]] std::vector<TypedChar> TypedChars(const QKeyEvent& event);

enum class CharAction { Nothing, InsertTyped, InsertCode, Backspace, DefaultKeyAction };

// What the box does with the code handed back by KeyPress for the code typed.
[[nodiscard]] CharAction ActionFor(std::int16_t typed, std::int16_t handed);

// Copy, cut, paste, undo, redo and select all: the box's own commands, no typing.
[[nodiscard]] bool IsEditingCommand(const QKeyEvent& event);

}  // namespace vumocaixa::quick
