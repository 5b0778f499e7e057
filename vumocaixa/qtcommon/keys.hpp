#pragma once
// How Qt's key and mouse events become the control's key codes, modifier states,
// typed characters and mouse buttons, for both Qt hosts.

#include <cstdint>
#include <string>
#include <vector>

#include <Qt>

#include <vumocaixa/host/keystroke.hpp>

class QKeyEvent;
class QString;

namespace vumocaixa::qtcommon {

// The modifier state of the key and mouse events: 1 Shift, 2 Ctrl, 4 Alt, added up.
[[nodiscard]] std::int16_t ShiftState(Qt::KeyboardModifiers modifiers);

// The key code of a Qt key: letters 65-90, digits 48-57, 8 Backspace, 9 Tab,
// 13 Enter, 16 Shift, 17 Ctrl, 18 Alt, 27 Escape, 32 space, 33-40 the page, end,
// home and arrow keys, 45 Insert, 46 Delete, 112-135 F1-F24, 96-111 the keypad
// (digits with KeypadModifier), 186-222 the punctuation keys of a US keyboard and
// 186 the ç key of a Brazilian one. 0 for a key that has no code.
[[nodiscard]] std::int16_t KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers);

// The characters a key press types, in order; empty for a key that types nothing
// (Delete, arrows, function keys, Alt combinations). Enter types 13 and Ctrl+Enter
// the line feed 10; Backspace types 8 and Ctrl+Backspace 127; Escape 27; Ctrl with
// a letter the control character of that letter (Ctrl+B is 2).
[[nodiscard]] std::vector<TypedChar> TypedChars(int qtKey, Qt::KeyboardModifiers modifiers,
                                                const QString& text);

// Whether the key event is one of the box's own editing commands (copy, cut, paste,
// undo, redo, select all): those keep their usual meaning and type no character.
[[nodiscard]] bool IsEditingCommand(const QKeyEvent& event);

// The characters a key event types: none for an editing command.
[[nodiscard]] std::vector<TypedChar> TypedChars(const QKeyEvent& event);

// The characters of a text committed by an input method.
[[nodiscard]] std::vector<TypedChar> CommittedChars(const QString& text);

// The mouse buttons of the mouse events: 1 left, 2 right, 4 middle, added up.
[[nodiscard]] std::int16_t MouseButtons(Qt::MouseButtons buttons);

}  // namespace vumocaixa::qtcommon
