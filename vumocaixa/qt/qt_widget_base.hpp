#pragma once
// QtWidgetBase: the members that the control's Qt widgets share (enabled state,
// visibility, colours, font, size and position in twips), over one QWidget child of
// the frame. The kinds add their value, caret and events.
//
// A part keeps what the control gives it and makes its Qt widget only when the control
// shows it and the frame's widget is polished (about to be shown for the first time) or
// already in a window on the screen, or when something needs the Qt widget itself: a
// form of many controls builds only the widgets its data types show.

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

  // The Qt widget, made now if it was not yet; it belongs to this object and dies with it.
  [[nodiscard]] QWidget& QtWidget();
  // The Qt widget, or nullptr while it is not made.
  [[nodiscard]] QWidget* MadeWidget() const { return m_widget; }
  // Makes the Qt widget if the control shows this part.
  void MakeIfShown();

  // Once made, the widget's own state: enabled only if its parents are too.
  [[nodiscard]] bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  // The widget's own visibility, whether or not its window is shown.
  [[nodiscard]] bool Visible() const override;
  void SetVisible(bool visible) override;
  [[nodiscard]] Color BackColor() const override { return m_backColor; }
  void SetBackColor(Color color) override;
  [[nodiscard]] Color ForeColor() const override { return m_foreColor; }
  void SetForeColor(Color color) override;
  // Until the control gives the part a font, a default one made when first asked for.
  [[nodiscard]] FontRef Font() const override;
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
  // The Qt widget's font changed. A widget that showed the part's font by inheriting it
  // from the frame, and now inherits another, takes the part's font as its own.
  void WidgetFontChanged();

 protected:
  // background and text are the palette roles that BackColor and ForeColor set.
  QtWidgetBase(QtFrame& frame, QPalette::ColorRole background, QPalette::ColorRole text);
  [[nodiscard]] QtFrame& Frame() const { return m_frame; }
  // Makes the kind's Qt widget, a child of the frame's widget (made with its parent, a
  // widget keeps nothing of a window of its own).
  [[nodiscard]] virtual QWidget* MakeWidget() = 0;
  // Gives the widget just made what the kind kept.
  virtual void Made() {}
  // For a kind whose Qt widget reports its font changes (WidgetFontChanged): a part's
  // font equal to the one the widget inherits is left inherited, so that the boxes of a
  // form share its font instead of holding a copy each.
  void ShareInheritedFont() { m_shareFont = true; }

 private:
  [[nodiscard]] bool FrameShown() const;
  void Make();
  void ApplyColors();
  void ApplyFont();

  QtFrame& m_frame;
  QPointer<QWidget> m_widget;
  QPalette::ColorRole m_backgroundRole;
  QPalette::ColorRole m_textRole;
  bool m_enabled = true;
  bool m_visible = false;
  bool m_shareFont = false;
  // What the control gave the part, for the widget made later.
  struct {
    bool visibility = false;
    bool colors = false;
    bool font = false;
    bool place = false;
  } m_given;
  Color m_backColor = kSystemWindowColor;
  Color m_foreColor = kSystemWindowTextColor;
  mutable FontRef m_font;
  std::int32_t m_left = 0;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
};

}  // namespace vumocaixa::qt
