#include <vumocaixa/host/keystroke.hpp>

#include <vumocaixa/host/teclas.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

bool IsControlCode(std::int16_t code) { return (code >= 0 && code < 32) || code == kCodigoDel; }

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

}  // namespace vumocaixa
