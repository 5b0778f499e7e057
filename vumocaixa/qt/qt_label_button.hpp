#pragma once
// QtLabelBox, the label Caixa2 over a QLabel, and QtPushButton, the button
// Btn_Evento over a QPushButton. The label shows one line: a text longer than its width
// ends in "…", whole in the label's tooltip and accessible name. Neither takes the focus from the
// control: SetFocus on the label fails with HostError, and the button keeps its caret-less members.
// Each keeps its text until its Qt widget is made (see qt_widget_base.hpp).

#include <cstdint>
#include <string>
#include <string_view>

#include <QString>

#include <vumocaixa/qt/qt_widget_base.hpp>

class QLabel;
class QPushButton;

namespace vumocaixa::qt {

class QtLabelBox final : public QtWidgetBase {
 public:
  QtLabelBox(QtFrame& frame, const char* name);

  // The QLabel, made now if it was not yet.
  [[nodiscard]] QLabel& Label();

  [[nodiscard]] WidgetKind Kind() const override { return WidgetKind::LabelBox; }
  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  [[nodiscard]] std::int32_t SelStart() const override { return m_selStart; }
  void SetSelStart(std::int32_t start) override { m_selStart = start; }
  [[nodiscard]] std::int32_t SelLength() const override { return m_selLength; }
  void SetSelLength(std::int32_t length) override { m_selLength = length; }
  [[nodiscard]] std::int32_t MaxLength() const override { return m_maxLength; }
  void SetMaxLength(std::int32_t length) override { m_maxLength = length; }
  void SetFocus() override;
  void SetListener(WidgetListener* /*listener*/) override {}

 private:
  [[nodiscard]] QWidget* MakeWidget() override;
  void Made() override;

  const char* m_name;  // a string literal
  QString m_text;
  std::int32_t m_selStart = 0;
  std::int32_t m_selLength = 0;
  std::int32_t m_maxLength = 0;
};

class QtPushButton final : public QtWidgetBase {
 public:
  QtPushButton(QtFrame& frame, const char* name);
  ~QtPushButton() override;

  // The QPushButton, made now if it was not yet.
  [[nodiscard]] QPushButton& Button();

  [[nodiscard]] WidgetKind Kind() const override { return WidgetKind::PushButton; }
  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  [[nodiscard]] std::int32_t SelStart() const override { return m_selStart; }
  void SetSelStart(std::int32_t start) override { m_selStart = start; }
  [[nodiscard]] std::int32_t SelLength() const override { return m_selLength; }
  void SetSelLength(std::int32_t length) override { m_selLength = length; }
  [[nodiscard]] std::int32_t MaxLength() const override { return m_maxLength; }
  void SetMaxLength(std::int32_t length) override { m_maxLength = length; }
  // Fails with HostError when the button is hidden or disabled.
  void SetFocus() override;
  void SetListener(WidgetListener* listener) override { m_listener = listener; }

 private:
  [[nodiscard]] QWidget* MakeWidget() override;
  void Made() override;

  const char* m_name;  // a string literal
  QString m_text;
  WidgetListener* m_listener = nullptr;
  std::int32_t m_selStart = 0;
  std::int32_t m_selLength = 0;
  std::int32_t m_maxLength = 0;
};

}  // namespace vumocaixa::qt
