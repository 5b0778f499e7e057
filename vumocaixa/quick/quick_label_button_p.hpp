#pragma once
// QuickLabel, the label Caixa2 over a Text item, and QuickButton, the button Btn_Evento
// over a Qt Quick Controls Button. The label shows one line that ends in "…" when it is
// too long, read whole by screen readers. Neither takes the focus from the control:
// SetFocus on the label fails with HostError, and the button fails when hidden or
// disabled.

#include <cstdint>
#include <string>
#include <string_view>

#include "quick_part_p.hpp"

namespace vumocaixa::quick {

// The members a label or button keeps for the control without showing them.
class QuickCaptionPart : public QuickPart {
  Q_OBJECT

 public:
  [[nodiscard]] std::string Text() const override { return m_text; }
  void SetText(std::string_view text) override;
  [[nodiscard]] std::int32_t SelStart() const override { return m_selStart; }
  void SetSelStart(std::int32_t start) override { m_selStart = start; }
  [[nodiscard]] std::int32_t SelLength() const override { return m_selLength; }
  void SetSelLength(std::int32_t length) override { m_selLength = length; }
  [[nodiscard]] std::int32_t MaxLength() const override { return m_maxLength; }
  void SetMaxLength(std::int32_t length) override { m_maxLength = length; }

 protected:
  using QuickPart::QuickPart;
  void Made() override;

 private:
  std::string m_text;
  std::int32_t m_selStart = 0;
  std::int32_t m_selLength = 0;
  std::int32_t m_maxLength = 0;
};

class QuickLabel final : public QuickCaptionPart {
  Q_OBJECT

 public:
  explicit QuickLabel(QuickFrame& frame);
  [[nodiscard]] WidgetKind Kind() const override { return WidgetKind::LabelBox; }
  void SetFocus() override;
  void SetListener(WidgetListener* /*listener*/) override {}
};

class QuickButton final : public QuickCaptionPart {
  Q_OBJECT

 public:
  explicit QuickButton(QuickFrame& frame);
  [[nodiscard]] WidgetKind Kind() const override { return WidgetKind::PushButton; }
  void SetFocus() override;
  void SetListener(WidgetListener* listener) override { m_listener = listener; }
  // What the button does, for its tooltip and screen readers ("Enviar e-mail").
  void SetAction(const QString& action);

 private:
  void Made() override;
  Q_SLOT void Clicked();

  WidgetListener* m_listener = nullptr;
  QString m_action;
};

}  // namespace vumocaixa::quick
