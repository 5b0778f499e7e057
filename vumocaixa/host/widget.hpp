#pragma once
// The one widget interface that the control's constituent widgets serve: the edit
// boxes Caixa and Caixa1, the label Caixa2 and the button Btn_Evento.
//
// Sizes and positions are in twips (1/1440 inch). Texts are UTF-8; SelStart,
// SelLength and MaxLength count characters (code points), never bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include <vumocaixa/host/values.hpp>

namespace vumocaixa {

enum class WidgetKind { EditBox, LabelBox, PushButton };

// What a widget delivers to the control. Every argument is a reference: what the
// handler writes into it is what the widget goes on with (a KeyAscii set to 0
// inserts nothing; a changed KeyAscii or KeyCode replaces the typed one).
class WidgetListener {
 public:
  virtual ~WidgetListener() = default;

  virtual void Change() {}
  virtual void Click() {}
  virtual void DblClick() {}
  virtual void GotFocus() {}
  virtual void LostFocus() {}
  virtual void KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void KeyPress(std::int16_t& /*KeyAscii*/) {}
  virtual void KeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void MouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                         float& /*Y*/) {}
  virtual void MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                         float& /*Y*/) {}
  virtual void MouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                       float& /*Y*/) {}
};

// A constituent widget. A kind that has no use for a member (the caret of a label,
// the text of a button) keeps the value it is given and otherwise ignores it.
// Any call may fail with a HostError; SetFocus may fail in normal operation.
class Widget {
 public:
  virtual ~Widget() = default;

  [[nodiscard]] virtual WidgetKind Kind() const = 0;

  // The value: the text of an edit box, the caption of a label or button.
  // Setting the text of an edit box raises its Change.
  [[nodiscard]] virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;

  [[nodiscard]] virtual std::int32_t SelStart() const = 0;
  virtual void SetSelStart(std::int32_t start) = 0;
  [[nodiscard]] virtual std::int32_t SelLength() const = 0;
  virtual void SetSelLength(std::int32_t length) = 0;

  // 0 means no limit; otherwise typing stops at that many characters.
  [[nodiscard]] virtual std::int32_t MaxLength() const = 0;
  virtual void SetMaxLength(std::int32_t length) = 0;

  [[nodiscard]] virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  [[nodiscard]] virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;

  [[nodiscard]] virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color color) = 0;
  [[nodiscard]] virtual Color ForeColor() const = 0;
  virtual void SetForeColor(Color color) = 0;
  [[nodiscard]] virtual FontRef Font() const = 0;
  virtual void SetFont(FontRef font) = 0;

  [[nodiscard]] virtual std::int32_t Left() const = 0;
  virtual void SetLeft(std::int32_t left) = 0;
  [[nodiscard]] virtual std::int32_t Width() const = 0;
  virtual void SetWidth(std::int32_t width) = 0;
  [[nodiscard]] virtual std::int32_t Height() const = 0;
  virtual void SetHeight(std::int32_t height) = 0;

  virtual void SetFocus() = 0;
  virtual void Refresh() = 0;

  // The receiver of this widget's events; nullptr detaches it.
  virtual void SetListener(WidgetListener* listener) = 0;
};

}  // namespace vumocaixa
