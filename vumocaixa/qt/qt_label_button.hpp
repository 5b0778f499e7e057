#pragma once
// QtLabelBox, the label Caixa2 over a QLabel, and QtPushButton, the button
// Btn_Evento over a QPushButton. The label shows one line: a text longer than its width
// ends in "…", whole in the label's tooltip and accessible name. Neither takes the focus from the
// control: SetFocus on the label fails with HostError, and the button keeps its caret-less members.
// Each keeps its text until its Qt widget is made (see qt_widget_base.hpp).

#include <vumocaixa/qt/qt_widget_base.hpp>

class QLabel;
class QPushButton;

namespace vumocaixa::qt {

class QtLabelBox final : public QtWidgetBase {
 public:
  QtLabelBox(QtFrame& frame, const char* name);

  // The QLabel, made now if it was not yet.
  [[nodiscard]] QLabel& Label();
  // Fails with HostError.
  void SetFocus() override;

 private:
  [[nodiscard]] QWidget* MakeWidget() override;
  void Made() override;
};

class QtPushButton final : public QtWidgetBase {
 public:
  QtPushButton(QtFrame& frame, const char* name);
  ~QtPushButton() override;

  // The QPushButton, made now if it was not yet.
  [[nodiscard]] QPushButton& Button();
  // Fails with HostError when the button is hidden or disabled.
  void SetFocus() override;

 private:
  [[nodiscard]] QWidget* MakeWidget() override;
  void Made() override;
};

}  // namespace vumocaixa::qt
