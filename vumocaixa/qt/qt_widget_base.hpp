#pragma once
// QtWidgetBase: the members that the control's Qt widgets share (enabled state,
// visibility, colours, font, size and position in twips), over one QWidget child of
// the frame. The kinds add their value, caret and events.

#include <cstdint>

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <vumocaixa/host/widget.hpp>
#include <vumocaixa/qt/qt_frame.hpp>

namespace vumocaixa::qt {

class QtWidgetBase : public Widget {
 public:
  ~QtWidgetBase() override;
  QtWidgetBase(const QtWidgetBase&) = delete;
  QtWidgetBase& operator=(const QtWidgetBase&) = delete;

  // The Qt widget; it belongs to this object and dies with it.
  [[nodiscard]] QWidget& QtWidget() const { return *m_widget; }

  [[nodiscard]] bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  // The widget's own visibility, whether or not its window is shown.
  [[nodiscard]] bool Visible() const override;
  void SetVisible(bool visible) override;
  [[nodiscard]] Color BackColor() const override { return m_backColor; }
  void SetBackColor(Color color) override;
  [[nodiscard]] Color ForeColor() const override { return m_foreColor; }
  void SetForeColor(Color color) override;
  [[nodiscard]] FontRef Font() const override { return m_font; }
  void SetFont(FontRef font) override;
  [[nodiscard]] std::int32_t Left() const override { return m_left; }
  void SetLeft(std::int32_t left) override;
  [[nodiscard]] std::int32_t Width() const override { return m_width; }
  // Negative sizes fail with HostError.
  void SetWidth(std::int32_t width) override;
  [[nodiscard]] std::int32_t Height() const override { return m_height; }
  void SetHeight(std::int32_t height) override;
  // Repaints the widget with the current contents of its shared font.
  void Refresh() override;

  // Places the widget again, after the frame's resolution changed.
  void ApplyGeometry();

 protected:
  // widget becomes a child of the frame's widget; background and text are the
  // palette roles that BackColor and ForeColor set.
  QtWidgetBase(QtFrame& frame, QWidget* widget, QPalette::ColorRole background,
               QPalette::ColorRole text);
  [[nodiscard]] QtFrame& Frame() const { return m_frame; }

 private:
  void ApplyColors();

  QtFrame& m_frame;
  QPointer<QWidget> m_widget;
  QPalette::ColorRole m_backgroundRole;
  QPalette::ColorRole m_textRole;
  Color m_backColor = kSystemWindowColor;
  Color m_foreColor = kSystemWindowTextColor;
  FontRef m_font = std::make_shared<vumocaixa::Font>();
  std::int32_t m_left = 0;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
};

}  // namespace vumocaixa::qt
