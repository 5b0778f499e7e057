#include <vumocaixa/qtcommon/keys.hpp>

#include <array>
#include <utility>

#include <QKeyEvent>
#include <QKeySequence>
#include <QString>

#include <vumocaixa/host/teclas.hpp>

namespace vumocaixa::qtcommon {
namespace {

// Keys without a character, by their Qt code.
constexpr std::array<std::pair<int, std::int16_t>, 24> kCommandKeys{{
    {Qt::Key_Backspace, kTeclaBackspace},
    {Qt::Key_Tab, kTeclaTab},
    {Qt::Key_Backtab, kTeclaTab},
    {Qt::Key_Return, kTeclaEnter},
    {Qt::Key_Enter, kTeclaEnter},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, kTeclaEscape},
    {Qt::Key_Space, kTeclaEspaco},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, kTeclaDelete},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
}};

// Punctuation and shifted digits of a US keyboard, by the key that types them, and
// the ç key of a Brazilian keyboard where a US one has ';'.
constexpr std::array<std::pair<int, std::int16_t>, 33> kSymbolKeys{{
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Semicolon, kTeclaCedilha},
    {Qt::Key_Colon, kTeclaCedilha},
    {Qt::Key_Ccedilla, kTeclaCedilha},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, kTeclaVirgula},
    {Qt::Key_Less, kTeclaVirgula},
    {Qt::Key_Minus, kTeclaMenos},
    {Qt::Key_Underscore, kTeclaMenos},
    {Qt::Key_Period, kTeclaPonto},
    {Qt::Key_Greater, kTeclaPonto},
    {Qt::Key_Slash, kTeclaBarra},
    {Qt::Key_Question, kTeclaBarra},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
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

std::vector<TypedChar> Control(std::int16_t code) { return {{code, static_cast<char32_t>(code)}}; }

}  // namespace

std::int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
  std::int16_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= kComShift;
  if (modifiers & Qt::ControlModifier) shift |= kComCtrl;
  if (modifiers & Qt::AltModifier) shift |= kComAlt;
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
  if (const std::int16_t code = Find(kCommandKeys, qtKey); code != 0) return code;
  return Find(kSymbolKeys, qtKey);
}

std::vector<TypedChar> TypedChars(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool alt = modifiers & Qt::AltModifier;
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Control(ctrl && !alt ? kCodigoQuebraDeLinha : kTeclaEnter);
    case Qt::Key_Backspace: return Control(ctrl ? kCodigoDel : kCodigoBackspace);
    case Qt::Key_Escape: return Control(kCodigoEscape);
    case Qt::Key_Tab: return ctrl ? std::vector<TypedChar>{} : Control(kCodigoTab);
    default: break;
  }
  if (ctrl && !alt) {
    if (qtKey < Qt::Key_A || qtKey > Qt::Key_Z) return {};
    return Control(static_cast<std::int16_t>(qtKey - Qt::Key_A + 1));
  }
  if (alt && !ctrl) return {};  // menu accelerators type nothing
  return CommittedChars(text);
}

bool IsEditingCommand(const QKeyEvent& event) {
  for (const auto command : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                             QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll}) {
    if (event.matches(command)) return true;
  }
  return false;
}

std::vector<TypedChar> TypedChars(const QKeyEvent& event) {
  if (IsEditingCommand(event)) return {};
  return TypedChars(event.key(), event.modifiers(), event.text());
}

std::vector<TypedChar> CommittedChars(const QString& text) {
  return vumocaixa::CommittedChars(text.toStdU32String());
}

std::int16_t MouseButtons(Qt::MouseButtons buttons) {
  std::int16_t result = 0;
  if (buttons & Qt::LeftButton) result |= 1;
  if (buttons & Qt::RightButton) result |= 2;
  if (buttons & Qt::MiddleButton) result |= 4;
  return result;
}

}  // namespace vumocaixa::qtcommon
