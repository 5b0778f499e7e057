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

#include <vumocaixa/host/widget.hpp>

#include "quick_frame_p.hpp"

namespace vumocaixa::quick {

class QuickPart : public QObject, public Widget {
  Q_OBJECT

 public:
  ~QuickPart() override;

  // The item, made on first use.
  [[nodiscard]] QQuickItem& Item();
  [[nodiscard]] bool HasItem() const { return m_item != nullptr; }
  // Makes the item if the control shows this part.
  void MakeIfShown();

  [[nodiscard]] bool Enabled() const override { return m_enabled; }
  void SetEnabled(bool enabled) override;
  [[nodiscard]] bool Visible() const override { return m_visible; }
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
  void Refresh() override;

  // Places the item again (after the frame's resolution changed).
  void ApplyGeometry();

 protected:
  // qml is the component's source, name the object name of its items; the property
  // backColor of the root item takes BackColor, the item textItem (or the root) the
  // font and ForeColor.
  QuickPart(QuickFrame& frame, const char* name, const char* qml);
  [[nodiscard]] QuickFrame& Frame() const { return m_frame; }
  // The item that shows the text: the root or its property textItem.
  [[nodiscard]] QQuickItem& TextItem();
  // Called once the item is made, to apply what the kind keeps.
  virtual void Made() {}

 private:
  void Make();
  void ApplyColors();

  QuickFrame& m_frame;
  const char* m_name;
  const char* m_qml;
  QPointer<QQuickItem> m_item;
  bool m_enabled = true;
  bool m_visible = true;
  Color m_backColor = kSystemWindowColor;
  Color m_foreColor = kSystemWindowTextColor;
  FontRef m_font = std::make_shared<vumocaixa::Font>();
  std::int32_t m_left = 0;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
};

}  // namespace vumocaixa::quick
