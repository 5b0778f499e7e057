#pragma once
// QuickLabel, the label Caixa2 over a Text item, and QuickButton, the button Btn_Evento
// over a Qt Quick Controls Button. The label shows one line that ends in "…" when it is
// too long, read whole by screen readers. Neither takes the focus from the control:
// SetFocus on the label fails with HostError, and the button fails when hidden or
// disabled.

#include <QString>

#include "quick_part_p.hpp"

namespace vumocaixa::quick {

class QuickLabel final : public QuickPart {
  Q_OBJECT

 public:
  explicit QuickLabel(QuickFrame& frame);
  void SetFocus() override;
};

class QuickButton final : public QuickPart {
  Q_OBJECT

 public:
  explicit QuickButton(QuickFrame& frame);
  void SetFocus() override;
  // What the button does, for its tooltip and screen readers ("Enviar e-mail").
  void SetAction(const QString& action);

 private:
  void Made() override;
  Q_SLOT void Clicked();

  QString m_action;
};

}  // namespace vumocaixa::quick
