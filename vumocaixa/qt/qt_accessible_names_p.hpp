#pragma once
// What screen readers read for the parts of a VumoCaixaWidget. The edit boxes carry the
// widget's accessible name (or, when the application gives none, the text of the label
// whose buddy the widget is) and a description of the entry ("CPF", "Valor em reais");
// the "..." button is named for what it does, with the same text as its tooltip.
//
// Qt has no event for a changed accessible name or buddy, so the names are taken again
// when the widget is shown, when its data type changes and when a box gets the focus
// (before Qt tells the screen reader about the new focus).

#include <QObject>
#include <QString>

class QLineEdit;
class QPushButton;

namespace vumocaixa::qt {

// The description of an entry of data type tipo, or an empty text outside 0 to 16.
[[nodiscard]] QString EntryDescription(int tipo);

// The tooltip and accessible name of the "..." button of data type tipo, or an empty
// text for a type without the button.
[[nodiscard]] QString ButtonAction(int tipo);

// The text of the label whose buddy is widget, without its '&' marks; empty if none.
[[nodiscard]] QString BuddyText(const QWidget& widget);

class AccessibleNames final : public QObject {
 public:
  AccessibleNames(QWidget& widget, QLineEdit& caixa, QLineEdit& caixa1, QPushButton& button);

  // Names the parts for data type tipo.
  void Refresh(int tipo);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();

  QWidget& m_widget;
  QLineEdit& m_caixa;
  QLineEdit& m_caixa1;
  QPushButton& m_button;
  int m_tipo = 0;
};

}  // namespace vumocaixa::qt
