#include <vumocaixa/host/part.hpp>

#include <algorithm>
#include <climits>
#include <utility>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {

Part::Part(WidgetKind kind, bool visible) : m_kind(kind), m_visible(visible) {}

void Part::Change(Aspect aspect) {
  m_given = static_cast<std::uint8_t>(m_given | Bit(aspect));
  Changed(aspect);
}

void Part::SetText(std::string_view text) {
  m_caption = IsValidUtf8(text) ? std::string(text) : EncodeUtf8(DecodeUtf8(text));
  Change(Aspect::Caption);
}

std::int32_t Part::TextLength() const {
  return static_cast<std::int32_t>(std::min<std::size_t>(CharCount(Text()), INT32_MAX));
}

std::int32_t Part::SelStart() const {
  return m_kind == WidgetKind::EditBox ? Selected().start : m_kept.start;
}

std::int32_t Part::SelLength() const {
  return m_kind == WidgetKind::EditBox ? Selected().length : m_kept.length;
}

void Part::SetSelStart(std::int32_t start) {
  if (m_kind != WidgetKind::EditBox) {
    m_kept.start = start;
    return;
  }
  Select({std::clamp(start, 0, TextLength()), 0});
}

void Part::SetSelLength(std::int32_t length) {
  if (m_kind != WidgetKind::EditBox) {
    m_kept.length = length;
    return;
  }
  const std::int32_t start = Selected().start;
  Select({start, std::clamp(length, 0, std::max(TextLength() - start, 0))});
}

void Part::SetMaxLength(std::int32_t length) {
  if (length < 0 && m_kind == WidgetKind::EditBox) {
    throw HostError("MaxLength must not be negative");
  }
  m_maxLength = length;
  Change(Aspect::MaxLength);
}

void Part::SetEnabled(bool enabled) { Assign(m_enabled, enabled, Aspect::Enabled); }

void Part::SetVisible(bool visible) { Assign(m_visible, visible, Aspect::Visible); }

void Part::SetBackColor(Color color) { Assign(m_backColor, color, Aspect::Colors); }

void Part::SetForeColor(Color color) { Assign(m_foreColor, color, Aspect::Colors); }

FontRef Part::Font() const {
  if (!m_font) m_font = std::make_shared<vumocaixa::Font>();
  return m_font;
}

void Part::SetFont(FontRef font) {
  if (!font) {
    throw HostError("a widget's font must not be empty");
  }
  m_font = std::move(font);
  Change(Aspect::Font);
}

void Part::SetLeft(std::int32_t left) { Assign(m_left, left, Aspect::Place); }

void Part::SetWidth(std::int32_t width) {
  if (width < 0) {
    throw HostError("a widget's width must not be negative");
  }
  Assign(m_width, width, Aspect::Place);
}

void Part::SetHeight(std::int32_t height) {
  if (height < 0) {
    throw HostError("a widget's height must not be negative");
  }
  Assign(m_height, height, Aspect::Place);
}

void Part::SetListener(WidgetListener* listener) { Assign(m_listener, listener, Aspect::Listener); }

}  // namespace vumocaixa
