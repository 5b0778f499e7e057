#pragma once
// QtPageSurface: a design-time page drawn with Qt widgets. Frames are QGroupBoxes,
// labels QLabels, check boxes QCheckBoxes, text boxes QLineEdits, drop-down lists
// non-editable QComboBoxes and picture boxes QLabels showing a picture of the
// library's resources (":/" and the resource name), sized to the picture.
//
// Positions and sizes come in twips and are drawn at the surface's logical resolution;
// the tab order is the order in which the widgets are added. Each widget carries its
// name as object name, for findChild. A widget notifies only when its value really
// changes, whether the user or the program changed it; after every notification the
// surface emits edited(), so that a dialog can look at the page's Changed flag again.

#include <memory>
#include <vector>

#include <QWidget>

#include <vumocaixa/pages/page_widgets.hpp>

class QLabel;

namespace vumocaixa::qt {

class QtPageWidget;

class QtPageSurface final : public QWidget, public PageSurface {
  Q_OBJECT

 public:
  explicit QtPageSurface(QWidget* parent = nullptr);
  ~QtPageSurface() override;

  // Sets the window title and the fixed client size.
  void SetPage(const PageLayout& page) override;
  PageWidget& Add(const PageWidgetLayout& layout) override;

  // The page widget of that name, or nullptr.
  [[nodiscard]] PageWidget* Find(QStringView name) const;

 signals:
  void edited();

 private:
  [[nodiscard]] QWidget* ContainerOf(const PageWidgetLayout& layout) const;
  [[nodiscard]] QRect Geometry(const PageWidgetLayout& layout) const;
  void StartAfterEarlierText(QLabel& label) const;

  std::vector<std::unique_ptr<QtPageWidget>> m_widgets;
  QWidget* m_lastInTabOrder = nullptr;
};

}  // namespace vumocaixa::qt
