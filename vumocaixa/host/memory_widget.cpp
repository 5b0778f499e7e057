#include <vumocaixa/host/memory_widget.hpp>

#include <algorithm>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/keystroke.hpp>
#include <vumocaixa/host/memory_focus.hpp>
#include <vumocaixa/host/teclas.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

std::int32_t Length(const std::u32string& text) {
  return static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
}

// The key code and Shift state of the key that types c on a plain keyboard.
void KeyOf(char32_t c, std::int16_t& keyCode, std::int16_t& shift) {
  shift = 0;
  if (IsAsciiLower(c)) {
    keyCode = static_cast<std::int16_t>(AsciiUpper(c));
  } else if (IsAsciiUpper(c)) {
    keyCode = static_cast<std::int16_t>(c);
    shift = kComShift;
  } else if (IsAsciiDigit(c) || c == U' ') {
    keyCode = static_cast<std::int16_t>(c);
  } else if (c == U',') {
    keyCode = kTeclaVirgula;
  } else if (c == U'-') {
    keyCode = kTeclaMenos;
  } else if (c == U'.') {
    keyCode = kTeclaPonto;
  } else if (c == U'/') {
    keyCode = kTeclaBarra;
  } else if (c == U'\b') {
    keyCode = kTeclaBackspace;
  } else {
    keyCode = 0;
  }
}

}  // namespace

MemoryWidget::MemoryWidget(WidgetKind kind, std::string name)
    : Part(kind, true), m_name(std::move(name)) {}

MemoryWidget::~MemoryWidget() {
  if (m_focus != nullptr) {
    m_focus->Forget(this);
  }
}

std::string MemoryWidget::Text() const { return EncodeUtf8(m_text); }

void MemoryWidget::SetText(std::string_view text) {
  std::u32string decoded = DecodeUtf8(text);
  if (decoded == m_text) {
    return;
  }
  m_text = std::move(decoded);
  Edited(Length(m_text));
}

void MemoryWidget::Select(Selection selection) {
  m_selStart = selection.start;
  m_selLength = selection.length;
}

std::int32_t MemoryWidget::TextLength() const { return Length(m_text); }

void MemoryWidget::SetFocus() {
  ++m_setFocusCalls;
  if (m_focusFails) {
    throw HostError("SetFocus failed: " + m_name);
  }
  if (Kind() == WidgetKind::LabelBox || !Visible() || !Enabled()) {
    throw HostError("this widget cannot take the focus: " + m_name);
  }
  if (m_focus != nullptr) {
    m_focus->MoveTo(this);
  }
}

std::string MemoryWidget::SelText() const {
  return EncodeUtf8(std::u32string_view(m_text).substr(static_cast<std::size_t>(m_selStart),
                                                       static_cast<std::size_t>(m_selLength)));
}

bool MemoryWidget::HasFocus() const { return m_focus != nullptr && m_focus->Current() == this; }

void MemoryWidget::SetFocusScope(MemoryFocus* focus) {
  if (m_focus != nullptr) {
    m_focus->Forget(this);
  }
  m_focus = focus;
}

// --- User actions -----------------------------------------------------------------

void MemoryWidget::Type(std::string_view text) {
  for (char32_t c : DecodeUtf8(text)) {
    if (c == U'\t') {
      PressTab();
      continue;
    }
    std::int16_t keyCode = 0;
    std::int16_t shift = 0;
    KeyOf(c, keyCode, shift);
    Deliver(keyCode, shift, c);
  }
}

void MemoryWidget::PressTab() {
  if (m_focus != nullptr) {
    m_focus->Tab();
  }
}

void MemoryWidget::PressEnter() { Deliver(kTeclaEnter, 0, U'\r'); }
void MemoryWidget::PressBackspace() { Deliver(kTeclaBackspace, 0, U'\b'); }
void MemoryWidget::PressDelete() { Deliver(kTeclaDelete, 0, std::nullopt); }
void MemoryWidget::PressShiftDelete() { Deliver(kTeclaDelete, kComShift, std::nullopt); }
void MemoryWidget::PressCtrlEnter() { Deliver(kTeclaEnter, kComCtrl, U'\n'); }
void MemoryWidget::PressKey(std::int16_t keyCode, std::int16_t shift) {
  Deliver(keyCode, shift, std::nullopt);
}

void MemoryWidget::Paste(std::string_view text) {
  if (Kind() == WidgetKind::EditBox) ReplaceSelection(DecodeUtf8(text));
}

void MemoryWidget::Click() { Notify(&WidgetListener::Click); }
void MemoryWidget::DblClick() { Notify(&WidgetListener::DblClick); }
void MemoryWidget::DeliverGotFocus() { Notify(&WidgetListener::GotFocus); }
void MemoryWidget::DeliverLostFocus() { Notify(&WidgetListener::LostFocus); }

void MemoryWidget::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  Notify(&WidgetListener::MouseDown, button, shift, x, y);
}

void MemoryWidget::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  Notify(&WidgetListener::MouseMove, button, shift, x, y);
}

void MemoryWidget::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  Notify(&WidgetListener::MouseUp, button, shift, x, y);
}

// --- Keystrokes and edits ---------------------------------------------------------

// A keystroke delivered to the box. Only an edit box is edited; the others only raise
// the key events.
class MemoryWidget::Keys final : public KeystrokeTarget {
 public:
  Keys(MemoryWidget& box, std::int16_t keyCode, std::int16_t shift)
      : m_box(box), m_keyCode(keyCode), m_shift(shift) {}

  bool Raise(const char* /*event*/, const std::function<void(WidgetListener&)>& deliver) override {
    if (WidgetListener* listener = m_box.Listener()) deliver(*listener);
    return true;
  }
  void Insert(char32_t ch) override {
    if (Editable()) m_box.ReplaceSelection(std::u32string_view(&ch, 1));
  }
  void Backspace() override {
    if (Editable()) m_box.DeleteBackward();
  }
  void KeyAction() override {
    if (Editable()) m_box.KeyAction(m_keyCode, m_shift);
  }
  void Commit(std::u32string_view accepted) override {
    if (Editable()) m_box.ReplaceSelection(accepted);
  }
  void KeystrokeDone() override {
    if (m_box.m_focus != nullptr) m_box.m_focus->PlayQueuedKeys();
  }

 private:
  [[nodiscard]] bool Editable() const { return m_box.Kind() == WidgetKind::EditBox; }

  MemoryWidget& m_box;
  std::int16_t m_keyCode;
  std::int16_t m_shift;
};

void MemoryWidget::Deliver(std::int16_t keyCode, std::int16_t shift, std::optional<char32_t> ch) {
  Keys keys(*this, keyCode, shift);
  std::vector<TypedChar> chars;
  if (ch) chars.push_back({ToWindows1252(*ch), *ch});
  StrikeKey(keys, keyCode, shift, chars);
}

// The key's own action: Delete deletes right of the caret, Shift+Delete cuts.
void MemoryWidget::KeyAction(std::int16_t keyCode, std::int16_t shift) {
  if (keyCode != kTeclaDelete) return;
  if (shift == 0) {
    DeleteForward();
  } else if (shift == kComShift) {
    if (m_selLength > 0) {
      m_cut = SelText();
      ReplaceSelection({});
    } else {
      DeleteBackward();
    }
  }
}

void MemoryWidget::ReplaceSelection(std::u32string_view insert) {
  const auto start = static_cast<std::size_t>(m_selStart);
  const auto length = static_cast<std::size_t>(m_selLength);
  const std::size_t kept = m_text.size() - length;
  std::size_t room = insert.size();
  if (MaxLength() > 0) {
    const auto limit = static_cast<std::size_t>(MaxLength());
    room = kept >= limit ? 0 : std::min(room, limit - kept);
  }
  if (room == 0 && (!insert.empty() || length == 0)) {
    return;  // the box is full, or there is nothing to do
  }
  m_text.replace(start, length, insert.substr(0, room));
  Edited(m_selStart + static_cast<std::int32_t>(room));
}

void MemoryWidget::DeleteBackward() {
  if (m_selLength > 0) {
    ReplaceSelection({});
  } else if (m_selStart > 0) {
    m_text.erase(static_cast<std::size_t>(m_selStart - 1), 1);
    Edited(m_selStart - 1);
  }
}

void MemoryWidget::DeleteForward() {
  if (m_selLength > 0) {
    ReplaceSelection({});
  } else if (m_selStart < Length(m_text)) {
    m_text.erase(static_cast<std::size_t>(m_selStart), 1);
    Edited(m_selStart);
  }
}

// The text has been edited in place: puts the caret at caret and raises Change.
// Edits work on the text where it is, so that one keystroke costs the same however
// long the text.
void MemoryWidget::Edited(std::int32_t caret) {
  m_selStart = std::clamp(caret, 0, Length(m_text));
  m_selLength = 0;
  RaiseChange();
}

void MemoryWidget::RaiseChange() {
  if (Kind() == WidgetKind::EditBox) Notify(&WidgetListener::Change);
}

}  // namespace vumocaixa
