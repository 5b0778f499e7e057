#pragma once
// The four design-time pages of a VumoCaixaControl drawn with Qt, in the order a
// designer offers them: Propriedades, the colour page (BackColor and ForeColor, chosen
// with QColorDialog), the font page (Font, chosen with QFontDialog) and Sobre.
//
// Every page works on the controls selected in the designer: Propriedades on the
// first one only, the colour and font pages on all of them, Sobre on none.

#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QWidget>

#include <vumocaixa/control/vumocaixa_control.hpp>

class QComboBox;
class QLabel;

namespace vumocaixa {
class Propriedades;
class Sobre;
}  // namespace vumocaixa

namespace vumocaixa::qt {

class QtPageSurface;

class DesignPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // The tab's caption.
  [[nodiscard]] virtual QString Caption() const = 0;
  // True while the page holds changes that Apply would write.
  [[nodiscard]] virtual bool Changed() const = 0;
  // Writes the page's changes to the selected controls and clears Changed.
  virtual void Apply() = 0;

 signals:
  // The page's values or its Changed flag may have changed.
  void edited();
};

// Propriedades: shown at once for the given controls (which writes the first control's
// own values back to it and leaves Changed true).
class QtPropriedadesPage final : public DesignPage {
  Q_OBJECT

 public:
  explicit QtPropriedadesPage(std::vector<VumoCaixaControl*> controls, QWidget* parent = nullptr);
  ~QtPropriedadesPage() override;

  [[nodiscard]] QString Caption() const override;
  [[nodiscard]] bool Changed() const override;
  void Apply() override;
  [[nodiscard]] QtPageSurface& Surface() const { return *m_surface; }

 private:
  QtPageSurface* m_surface;
  std::unique_ptr<Propriedades> m_page;
};

// The colour page: a property list (BackColor, ForeColor), a sample of the chosen
// colour and a button that opens the colour chooser.
class QtColorPage final : public DesignPage {
  Q_OBJECT

 public:
  explicit QtColorPage(std::vector<VumoCaixaControl*> controls, QWidget* parent = nullptr);

  [[nodiscard]] QString Caption() const override;
  [[nodiscard]] bool Changed() const override;
  void Apply() override;

  // Chooses colour for the property shown ("BackColor" or "ForeColor"), as the
  // chooser does.
  void ChooseColor(const QColor& colour);
  void ShowProperty(const QString& name);
  [[nodiscard]] QColor ShownColor() const;

 private:
  void OpenChooser();
  void UpdateSample();

  std::vector<VumoCaixaControl*> m_controls;
  QComboBox* m_property;
  QLabel* m_sample;
  std::optional<QColor> m_back;
  std::optional<QColor> m_fore;
};

// The font page: a sample of the font and a button that opens the font chooser.
class QtFontPage final : public DesignPage {
  Q_OBJECT

 public:
  explicit QtFontPage(std::vector<VumoCaixaControl*> controls, QWidget* parent = nullptr);

  [[nodiscard]] QString Caption() const override;
  [[nodiscard]] bool Changed() const override;
  void Apply() override;

  void ChooseFont(const QFont& font);
  [[nodiscard]] QFont ShownFont() const;

 private:
  void OpenChooser();
  void UpdateSample();

  std::vector<VumoCaixaControl*> m_controls;
  QLabel* m_sample;
  QFont m_shown;
  bool m_changed = false;
};

// Sobre: the library's name, version, logo and contact; never changed.
class QtSobrePage final : public DesignPage {
  Q_OBJECT

 public:
  explicit QtSobrePage(QWidget* parent = nullptr);
  ~QtSobrePage() override;

  [[nodiscard]] QString Caption() const override;
  [[nodiscard]] bool Changed() const override { return false; }
  void Apply() override {}
  [[nodiscard]] QtPageSurface& Surface() const { return *m_surface; }

 private:
  QtPageSurface* m_surface;
  std::unique_ptr<Sobre> m_page;
};

}  // namespace vumocaixa::qt
