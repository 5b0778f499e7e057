#include <vumocaixa/qt/qt_keys.hpp>

#include <array>
#include <utility>

#include <QKeyEvent>
#include <QKeySequence>
#include <QString>

#include <vumocaixa/host/teclas.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa::qt {
namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kTab = 9;
constexpr std::int16_t kLineFeed = 10;
constexpr std::int16_t kEscape = 27;
constexpr std::int16_t kDel = 127;

// Keys without a character, by their Qt code.
constexpr std::array<std::pair<int, std::int16_t>, 24> kCommandKeys{{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},     {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},   {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
}};

// Punctuation and shifted digits of a US keyboard, by the key that types them.
constexpr std::array<std::pair<int, std::int16_t>, 32> kSymbolKeys{{
    {Qt::Key_Exclam, 49},        {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},       {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},     {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},     {Qt::Key_ParenRight, 48},
    {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},        {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},        {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},       {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},        {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},  {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},   {Qt::Key_QuoteDbl, 222},
}};

std::int16_t Find(const auto& table, int qtKey) {
  for (const auto& [key, code] : table) {
    if (key == qtKey) return code;
  }
  return 0;
}

std::int16_t KeypadCode(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    return static_cast<std::int16_t>(96 + (qtKey - Qt::Key_0));
  }
  switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
  }
}

bool IsControlCode(std::int16_t code) { return (code >= 0 && code < 32) || code == kDel; }

}  // namespace

std::int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
  std::int16_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= 1;
  if (modifiers & Qt::ControlModifier) shift |= 2;
  if (modifiers & Qt::AltModifier) shift |= 4;
  return shift;
}

std::int16_t KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    if (const std::int16_t code = KeypadCode(qtKey); code != 0) return code;
  }
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return static_cast<std::int16_t>(qtKey);
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
    return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
  }
  if (qtKey == Qt::Key_Ccedilla) return 186;  // the ç key of a Brazilian keyboard
  if (const std::int16_t code = Find(kCommandKeys, qtKey); code != 0) return code;
  return Find(kSymbolKeys, qtKey);
}

std::vector<TypedChar> TypedChars(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool alt = modifiers & Qt::AltModifier;
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return {{ctrl && !alt ? kLineFeed : kTeclaEnter, ctrl && !alt ? U'\n' : U'\r'}};
    case Qt::Key_Backspace: return {{ctrl ? kDel : kBackspace, ctrl ? U'\x7f' : U'\b'}};
    case Qt::Key_Escape: return {{kEscape, U'\x1b'}};
    case Qt::Key_Tab:
      return ctrl ? std::vector<TypedChar>{} : std::vector<TypedChar>{{kTab, U'\t'}};
    default: break;
  }
  if (ctrl && !alt) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
      const auto code = static_cast<std::int16_t>(qtKey - Qt::Key_A + 1);
      return {{code, static_cast<char32_t>(code)}};
    }
    return {};
  }
  if (alt && !ctrl) return {};  // menu accelerators type nothing
  return CommittedChars(text);
}

std::vector<TypedChar> CommittedChars(const QString& text) {
  std::vector<TypedChar> chars;
  for (const char32_t c : text.toUcs4()) {
    if (c < 32 || c == 127) continue;
    chars.push_back({ToWindows1252(c), c});
  }
  return chars;
}

CharAction ActionFor(std::int16_t typed, std::int16_t handed) {
  if (handed == 0) return CharAction::Nothing;
  if (handed == kBackspace) return CharAction::Backspace;
  if (handed == typed) {
    if (typed == -1) return CharAction::InsertTyped;
    if (IsControlCode(typed)) return CharAction::DefaultKeyAction;
    return CharAction::InsertCode;
  }
  if (handed < 0 || handed > 255 || IsControlCode(handed)) return CharAction::Nothing;
  if (FromWindows1252(handed) == kReplacementChar) return CharAction::Nothing;
  return CharAction::InsertCode;
}

bool IsEditingCommand(const QKeyEvent& event) {
  return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
         event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Undo) ||
         event.matches(QKeySequence::Redo) || event.matches(QKeySequence::SelectAll);
}

}  // namespace vumocaixa::qt
