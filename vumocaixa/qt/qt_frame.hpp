#pragma once
// QtFrame: what the Qt widgets of a control need from the widget that hosts them, and
// the guard that keeps every failure of the control inside the Qt event handler that
// called it.

#include <exception>

#include <QString>

class QWidget;

namespace vumocaixa::qt {

class QtFrame {
 public:
  virtual ~QtFrame() = default;

  // The parent of the constituent widgets; its logical resolution converts twips.
  [[nodiscard]] virtual QWidget& FrameWidget() = 0;
  // A call into the control failed; where names the Qt event that made it.
  virtual void ReportError(const QString& where, const QString& what) noexcept = 0;
  // A keystroke of a constituent box is complete: play the keys it queued.
  virtual void KeystrokeDone() = 0;
};

// Runs f and reports any exception it throws to frame instead of letting it go on
// into Qt. Returns whether f completed.
template <class F>
bool Guarded(QtFrame& frame, const char* where, F&& f) noexcept {
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

}  // namespace vumocaixa::qt
