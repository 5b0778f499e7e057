#include <vumocaixa/host/keystroke.hpp>

#include <vumocaixa/host/teclas.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

bool IsControlCode(std::int16_t code) { return (code >= 0 && code < 32) || code == kCodigoDel; }

// A handler that sets a key's code to 0 takes away the key's own action.
bool Cleared(std::int16_t keyCode, std::int16_t handed) { return keyCode != 0 && handed == 0; }

// KeyPress for one character; false when the keystroke stops. The character the code
// handed back asks for is added to committed when there is one, else applied to the box.
bool Press(KeystrokeTarget& box, const TypedChar& typed, std::u32string* committed) {
  std::int16_t keyAscii = typed.code;
  if (!box.Raise("KeyPress", [&](WidgetListener& l) { l.KeyPress(keyAscii); })) return false;
  const CharAction action = ActionFor(typed.code, keyAscii);
  const char32_t ch = action == CharAction::InsertTyped ? typed.ch : FromWindows1252(keyAscii);
  if (committed != nullptr) {
    if (action == CharAction::InsertTyped || action == CharAction::InsertCode) *committed += ch;
    return true;
  }
  switch (action) {
    case CharAction::Nothing: break;
    case CharAction::InsertTyped:
    case CharAction::InsertCode: box.Insert(ch); break;
    case CharAction::Backspace: box.Backspace(); break;
    case CharAction::DefaultKeyAction: box.KeyAction(); break;
  }
  return true;
}

void Down(KeystrokeTarget& box, std::int16_t keyCode, std::int16_t shift,
          std::span<const TypedChar> chars) {
  std::int16_t code = keyCode;
  if (!box.Raise("KeyDown", [&](WidgetListener& l) { l.KeyDown(code, shift); })) return;
  if (chars.empty() && !Cleared(keyCode, code)) box.KeyAction();
  for (const TypedChar& typed : chars) {
    if (!Press(box, typed, nullptr)) return;
  }
}

// The key-up reports the key as released, whatever the key-down handler did.
void Up(KeystrokeTarget& box, std::int16_t keyCode, std::int16_t shift) {
  std::int16_t code = keyCode;
  if (box.Raise("KeyUp", [&](WidgetListener& l) { l.KeyUp(code, shift); }) &&
      !Cleared(keyCode, code)) {
    box.KeyReleaseAction();
  }
}

}  // namespace

std::vector<TypedChar> CommittedChars(std::u32string_view text) {
  std::vector<TypedChar> chars;
  for (const char32_t c : text) {
    if (c < 32 || c == static_cast<char32_t>(kCodigoDel)) continue;
    chars.push_back({ToWindows1252(c), c});
  }
  return chars;
}

CharAction ActionFor(std::int16_t typed, std::int16_t handed) {
  if (handed == 0) return CharAction::Nothing;
  if (handed == kCodigoBackspace) return CharAction::Backspace;
  if (handed == typed) {
    if (typed == -1) return CharAction::InsertTyped;
    if (IsControlCode(typed)) return CharAction::DefaultKeyAction;
    return CharAction::InsertCode;
  }
  if (handed < 0 || handed > 255 || IsControlCode(handed)) return CharAction::Nothing;
  if (FromWindows1252(handed) == kReplacementChar) return CharAction::Nothing;
  return CharAction::InsertCode;
}

void PressKey(KeystrokeTarget& box, std::int16_t keyCode, std::int16_t shift,
              std::span<const TypedChar> chars) {
  Down(box, keyCode, shift, chars);
  box.KeystrokeDone();
}

void ReleaseKey(KeystrokeTarget& box, std::int16_t keyCode, std::int16_t shift) {
  Up(box, keyCode, shift);
  box.KeystrokeDone();
}

void StrikeKey(KeystrokeTarget& box, std::int16_t keyCode, std::int16_t shift,
               std::span<const TypedChar> chars) {
  Down(box, keyCode, shift, chars);
  Up(box, keyCode, shift);
  box.KeystrokeDone();
}

void CommitText(KeystrokeTarget& box, std::span<const TypedChar> chars) {
  std::u32string accepted;
  for (const TypedChar& typed : chars) {
    if (!Press(box, typed, &accepted)) break;
  }
  box.Commit(accepted);
  box.KeystrokeDone();
}

}  // namespace vumocaixa
