#pragma once
// What screen readers read for the parts of a VumoCaixaWidget. The edit boxes carry the
// widget's accessible name (or, when the application gives none, the text of the label
// beside the widget whose buddy it is) and a description of the entry ("CPF", "Valor em
// reais"); the "..." button is named for what it does, with the same text as its tooltip.
//
// Qt has no event for a changed accessible name or buddy, so the name is taken again
// when the widget is shown and when a box gets the focus (before Qt tells the screen
// reader about the new focus). The label is looked for among the widget's siblings, as
// Qt does for its own widgets, and the siblings are gone over once for all the
// controls a form shows together: a form of many controls shows in linear time.

#include <array>

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace vumocaixa::qt {

// The description of an entry of data type tipo, or an empty text outside 0 to 16. The
// texts are made once: every box of a type shares its text.
[[nodiscard]] QString EntryDescription(int tipo);

// The tooltip and accessible name of the "..." button of data type tipo, or an empty
// text for a type without the button; made once, as the descriptions.
[[nodiscard]] QString ButtonAction(int tipo);

// The text, without its '&' marks, of the label among widget's siblings whose buddy is
// widget; empty if there is none. The siblings' labels are gone over once until the
// event loop next runs, or until the number of siblings changes.
[[nodiscard]] QString BuddyText(const QWidget& widget);

class AccessibleNames final {
 public:
  // Names the parts of widget.
  explicit AccessibleNames(QWidget& widget);

  // A box or the button of the widget, named from now on. They must outlive this object.
  void AddBox(QLineEdit& box);
  void AddButton(QPushButton& button);

  // The parts describe data type tipo; the name stays.
  void SetType(int tipo);
  // Takes the name again and gives it to the boxes.
  void Rename();

 private:
  void Describe(QLineEdit& box) const;
  void Describe(QPushButton& button) const;

  QWidget& m_widget;
  std::array<QLineEdit*, 2> m_boxes{};
  QPushButton* m_button = nullptr;
  QString m_name;
  int m_tipo = 0;
};

}  // namespace vumocaixa::qt
