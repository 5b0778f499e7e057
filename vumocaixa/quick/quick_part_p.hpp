#pragma once
// QuickPart: the members that the control's parts share (enabled state, visibility,
// colours, font, position and size in twips) over one Qt Quick item made from a small
// QML component. A part makes its item only when the control first shows it once the
// frame item is complete, or when something needs the item itself: a form of many
// controls makes only the items its data types show.

#include <cstdint>

#include <QObject>
#include <QPointer>
#include <QQuickItem>

#include <vumocaixa/host/part.hpp>

#include "quick_frame_p.hpp"

namespace vumocaixa::quick {

class QuickPart : public QObject, public Part {
  Q_OBJECT

 public:
  ~QuickPart() override;

  // The item, made on first use.
  [[nodiscard]] QQuickItem& Item();
  [[nodiscard]] bool HasItem() const { return m_item != nullptr; }
  // Makes the item if the control shows this part.
  void MakeIfShown();
  void Refresh() override;

  // Places the item again (after the frame's resolution changed).
  void ApplyGeometry();

 protected:
  // qml is the component's source, name the object name of its items; the property
  // backColor of the root item takes BackColor, the item textItem (or the root) the
  // font and ForeColor, and the root's text a label's or button's caption.
  QuickPart(QuickFrame& frame, WidgetKind kind, const char* name, const char* qml);
  [[nodiscard]] QuickFrame& Frame() const { return m_frame; }
  // The item that shows the text: the root or its property textItem.
  [[nodiscard]] QQuickItem& TextItem();
  // Called once the item is made, to apply what the kind keeps.
  virtual void Made() {}
  // Shows what changed on the item, once made.
  void Changed(Aspect aspect) override;

 private:
  void Make();
  void ApplyColors();
  void ApplyFont();
  void ApplyCaption();

  QuickFrame& m_frame;
  const char* m_name;
  const char* m_qml;
  QPointer<QQuickItem> m_item;
};

}  // namespace vumocaixa::quick
