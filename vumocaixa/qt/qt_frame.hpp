#pragma once
// QtFrame: what the Qt widgets of a control need from the widget that hosts them, over
// the failure boundary both Qt hosts share (see qtcommon/frame.hpp).

#include <vumocaixa/qtcommon/frame.hpp>

class QWidget;

namespace vumocaixa::qt {

class QtWidgetBase;

using qtcommon::EmitToHost;
using qtcommon::FrameBusy;
using qtcommon::FrameDeleted;
using qtcommon::FrameLife;
using qtcommon::Guarded;

class QtFrame : public qtcommon::Frame {
 public:
  // The parent of the constituent widgets; its logical resolution converts twips.
  [[nodiscard]] virtual QWidget& FrameWidget() = 0;
  // A constituent part made its Qt widget, a child of FrameWidget (see qt_widget_base.hpp).
  virtual void PartMade(QtWidgetBase& /*part*/) {}
  // The font of a constituent part's Qt widget changed.
  virtual void PartFontChanged(QWidget& /*widget*/) {}
};

}  // namespace vumocaixa::qt
