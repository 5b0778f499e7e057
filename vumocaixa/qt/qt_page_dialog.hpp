#pragma once
// QtPageDialog: a designer's dialog of a control's design-time pages, one tab each in
// the order Propriedades, Cor, Fonte, Sobre, with OK, Cancelar and Aplicar.
//
//   QtPageDialog pages({&caixa.Control()}, window);
//   pages.exec();
//
// Aplicar is enabled while the page shown holds changes; it and OK write the changes
// of every page that holds some. Cancelar closes without applying; what a page writes
// at once (a new data type chosen on Propriedades) stays written.

#include <vector>

#include <QDialog>

#include <vumocaixa/control/vumocaixa_control.hpp>

class QPushButton;
class QTabWidget;

namespace vumocaixa::qt {

class DesignPage;

class QtPageDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit QtPageDialog(const std::vector<VumoCaixaControl*>& controls, QWidget* parent = nullptr);

  [[nodiscard]] QTabWidget& Tabs() const { return *m_tabs; }
  [[nodiscard]] DesignPage& Page(int index) const;
  [[nodiscard]] QPushButton& ApplyButton() const { return *m_apply; }

  // Writes the changes of every page that holds some.
  void ApplyAll();

 private:
  void UpdateApply();

  QTabWidget* m_tabs;
  QPushButton* m_apply = nullptr;
};

}  // namespace vumocaixa::qt
