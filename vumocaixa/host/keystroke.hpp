#pragma once
// The characters a keystroke types, what an edit box does with the character code that
// the control's KeyPress handler hands back, and the order of the key events from a
// host's key event to the box. Every host's edit box drives these, so that a keystroke
// means the same in each: a host translates its toolkit's event in and applies the
// edits out.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <vumocaixa/host/widget.hpp>

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

// An edit box as the key protocol below sees it, for the key event at hand. A host
// makes one for each of its toolkit's key events. A handler may delete the box: Raise
// then answers false. The edits (Insert, Backspace and the actions) come only right
// after an event that Raise delivered; Commit and KeystrokeDone may come after the box
// is gone, and then do nothing.
class KeystrokeTarget {
 public:
  virtual ~KeystrokeTarget() = default;

  // Delivers one key event to the box's listener, through the host's failure boundary.
  // False stops the keystroke: the handler failed, or the box is gone or has no
  // listener any more.
  virtual bool Raise(const char* event, const std::function<void(WidgetListener&)>& deliver) = 0;
  // Replaces the selection with ch, as far as MaxLength leaves room.
  virtual void Insert(char32_t ch) = 0;
  // Deletes the selection, or else the character left of the caret.
  virtual void Backspace() = 0;
  // What the toolkit's box does with the key pressed (Delete, the arrows, Enter...).
  virtual void KeyAction() = 0;
  // What the toolkit's box does with the key released.
  virtual void KeyReleaseAction() {}
  // Inserts the part of an input method's commit that KeyPress let through.
  virtual void Commit(std::u32string_view accepted) = 0;
  // The keystroke is over: plays the keys the control queued meanwhile.
  virtual void KeystrokeDone() = 0;
};

// A key pressed: KeyDown; then, for a key without characters, its own action unless
// KeyDown cleared its code; for each character, KeyPress and what the code handed back
// asks for. The keystroke stops at the first event that fails.
void PressKey(KeystrokeTarget& box, std::int16_t keyCode, std::int16_t shift,
              std::span<const TypedChar> chars);
// A key released: KeyUp, then its own action unless KeyUp cleared its code.
void ReleaseKey(KeystrokeTarget& box, std::int16_t keyCode, std::int16_t shift);
// A key pressed and released at once, the keys queued played only after both.
void StrikeKey(KeystrokeTarget& box, std::int16_t keyCode, std::int16_t shift,
               std::span<const TypedChar> chars);
// An input method's commit: KeyPress for each character, then the characters let
// through (as typed or as handed back) committed at once.
void CommitText(KeystrokeTarget& box, std::span<const TypedChar> chars);

}  // namespace vumocaixa
