#pragma once
// Part: a constituent widget's state as the control gives it, whatever toolkit shows it:
// enabled, visible, colours, font, place in twips, MaxLength and the listener, and for a
// label or button (which have no caret) the caption and a selection kept as given.
//
// A host's part derives from it and shows the state through Changed, called after each
// change. An edit box supplies its own text and caret (Text, SetText, Selected, Select);
// SelStart and SelLength then clamp to the text alike on every host: SetSelStart puts
// the caret within the text with nothing selected, SetSelLength selects at most the
// characters right of SelStart.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include <vumocaixa/host/values.hpp>
#include <vumocaixa/host/widget.hpp>

namespace vumocaixa {

class Part : public Widget {
 public:
  // What changed, for Changed.
  enum class Aspect : std::uint8_t {
    Enabled,
    Visible,
    Colors,
    Font,
    Place,
    Caption,
    MaxLength,
    Listener
  };

  [[nodiscard]] WidgetKind Kind() const override { return m_kind; }
  // The caption of a label or button, valid UTF-8.
  [[nodiscard]] std::string Text() const override { return m_caption; }
  void SetText(std::string_view text) override;
  [[nodiscard]] std::int32_t SelStart() const override;
  void SetSelStart(std::int32_t start) override;
  [[nodiscard]] std::int32_t SelLength() const override;
  void SetSelLength(std::int32_t length) override;
  [[nodiscard]] std::int32_t MaxLength() const override { return m_maxLength; }
  // An edit box refuses a negative length with HostError; the other kinds keep it.
  void SetMaxLength(std::int32_t length) override;
  [[nodiscard]] bool Enabled() const override { return m_enabled; }
  void SetEnabled(bool enabled) override;
  [[nodiscard]] bool Visible() const override { return m_visible; }
  void SetVisible(bool visible) override;
  [[nodiscard]] Color BackColor() const override { return m_backColor; }
  void SetBackColor(Color color) override;
  [[nodiscard]] Color ForeColor() const override { return m_foreColor; }
  void SetForeColor(Color color) override;
  // Until the part is given a font, a default one, made when first asked for. An empty
  // font fails with HostError.
  [[nodiscard]] FontRef Font() const override;
  void SetFont(FontRef font) override;
  [[nodiscard]] std::int32_t Left() const override { return m_left; }
  void SetLeft(std::int32_t left) override;
  [[nodiscard]] std::int32_t Width() const override { return m_width; }
  // Negative sizes fail with HostError, as they do on a real widget.
  void SetWidth(std::int32_t width) override;
  [[nodiscard]] std::int32_t Height() const override { return m_height; }
  void SetHeight(std::int32_t height) override;
  void SetListener(WidgetListener* listener) override;
  // What the part delivers its events to (the control's handlers), or null.
  [[nodiscard]] WidgetListener* Listener() const { return m_listener; }

 protected:
  // A caret: its start and the length of the selection, in characters.
  struct Selection {
    std::int32_t start = 0;
    std::int32_t length = 0;
  };

  // visible is the part's visibility until the control sets it.
  Part(WidgetKind kind, bool visible);

  // Whether the control has given the part this aspect; what it was not given a host
  // may leave as its toolkit makes it.
  [[nodiscard]] bool Given(Aspect aspect) const { return (m_given & Bit(aspect)) != 0; }
  // The state of aspect changed (also when set to the value it had).
  virtual void Changed(Aspect /*aspect*/) {}
  // The caret of an edit box; Select is given a selection within the text.
  [[nodiscard]] virtual Selection Selected() const { return m_kept; }
  virtual void Select(Selection selection) { m_kept = selection; }
  // The length in characters of the text of an edit box.
  [[nodiscard]] virtual std::int32_t TextLength() const;

 private:
  [[nodiscard]] static unsigned Bit(Aspect aspect) { return 1U << static_cast<unsigned>(aspect); }
  void Change(Aspect aspect);
  template <class T>
  void Assign(T& member, T value, Aspect aspect) {
    member = std::move(value);
    Change(aspect);
  }

  WidgetKind m_kind;
  bool m_enabled = true;
  bool m_visible;
  std::uint8_t m_given = 0;
  std::int32_t m_maxLength = 0;
  Selection m_kept;
  std::string m_caption;
  Color m_backColor = kSystemWindowColor;
  Color m_foreColor = kSystemWindowTextColor;
  mutable FontRef m_font;
  std::int32_t m_left = 0;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
  WidgetListener* m_listener = nullptr;
};

}  // namespace vumocaixa
