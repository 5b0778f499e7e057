#pragma once
// QuickFrame: what the Qt Quick parts of a control need from the item that hosts them,
// and the guard that keeps every failure of the control inside the Qt event that
// called it.

#include <exception>

#include <QString>

class QQmlEngine;
class QQuickItem;

namespace vumocaixa::quick {

class QuickFrame {
 public:
  virtual ~QuickFrame() = default;

  // The parent of the parts, and the engine that makes them.
  [[nodiscard]] virtual QQuickItem& FrameItem() = 0;
  [[nodiscard]] virtual QQmlEngine& Engine() = 0;
  // The logical resolution that converts twips.
  [[nodiscard]] virtual qreal Dpi() const = 0;
  // A call into the control failed; where names the event that made it.
  virtual void ReportError(const QString& where, const QString& what) noexcept = 0;
  // A keystroke of a box is complete: play the keys it queued.
  virtual void KeystrokeDone() = 0;
  // While a message is shown the focus is on its dialog: the boxes do not report it.
  [[nodiscard]] virtual bool ShowingMessage() const = 0;
  // Whether the frame item is complete: until then a part shown makes no item.
  [[nodiscard]] virtual bool Complete() const = 0;
};

// Runs f, reporting any exception to frame instead of letting it go on into Qt.
// Returns whether f completed.
template <class F>
bool Guarded(QuickFrame& frame, const char* where, F&& f) noexcept {
  try {
    f();
    return true;
  } catch (const std::exception& e) {
    frame.ReportError(QString::fromUtf8(where), QString::fromUtf8(e.what()));
  } catch (...) {
    frame.ReportError(QString::fromUtf8(where), QStringLiteral("unknown failure"));
  }
  return false;
}

}  // namespace vumocaixa::quick
