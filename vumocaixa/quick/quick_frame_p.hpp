#pragma once
// QuickFrame: what the Qt Quick parts of a control need from the item that hosts them,
// over the failure boundary both Qt hosts share (see qtcommon/frame.hpp).

#include <vumocaixa/qtcommon/frame.hpp>

class QQmlEngine;
class QQuickItem;

namespace vumocaixa::quick {

using qtcommon::Guarded;

class QuickFrame : public qtcommon::Frame {
 public:
  // The parent of the parts, and the engine that makes them.
  [[nodiscard]] virtual QQuickItem& FrameItem() = 0;
  [[nodiscard]] virtual QQmlEngine& Engine() = 0;
  // The logical resolution that converts twips.
  [[nodiscard]] virtual qreal Dpi() const = 0;
  // While a message is shown the focus is on its dialog: the boxes do not report it.
  [[nodiscard]] virtual bool ShowingMessage() const = 0;
  // Whether the frame item is complete: until then a part shown makes no item.
  [[nodiscard]] virtual bool Complete() const = 0;
};

}  // namespace vumocaixa::quick
