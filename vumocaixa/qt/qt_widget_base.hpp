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

#include <vumocaixa/host/part.hpp>
#include <vumocaixa/qt/qt_frame.hpp>

namespace vumocaixa::qt {

class QtWidgetBase : public Part {
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
  // The widget's own visibility, whether or not its window is shown.
  [[nodiscard]] bool Visible() const override;
  // Repaints the widget with the current contents of its shared font.
  void Refresh() override;

  // Places the widget again, after the frame's resolution changed.
  void ApplyGeometry();
  // The Qt widget's font changed. A widget that showed the part's font by inheriting it
  // from the frame, and now inherits another, takes the part's font as its own.
  void WidgetFontChanged();

 protected:
  // name (a string literal) is the object name of the Qt widget; background and text are
  // the palette roles that BackColor and ForeColor set.
  QtWidgetBase(QtFrame& frame, WidgetKind kind, const char* name, QPalette::ColorRole background,
               QPalette::ColorRole text);
  [[nodiscard]] QtFrame& Frame() const { return m_frame; }
  [[nodiscard]] const char* Name() const { return m_name; }
  // Makes the kind's Qt widget, a child of the frame's widget (made with its parent, a
  // widget keeps nothing of a window of its own).
  [[nodiscard]] virtual QWidget* MakeWidget() = 0;
  // Gives the widget what the kind kept: once it is made, and again when the caption of a
  // label or button changes.
  virtual void Made() {}
  // Shows what changed on the widget, once made; a kind adds its own aspects.
  void Changed(Aspect aspect) override;
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
  const char* m_name;
  QPointer<QWidget> m_widget;
  QPalette::ColorRole m_backgroundRole;
  QPalette::ColorRole m_textRole;
  bool m_shareFont = false;
};

}  // namespace vumocaixa::qt
