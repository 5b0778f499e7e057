#pragma once
// QtFrame: what the Qt widgets of a control need from the widget that hosts them, and
// the guard that keeps every failure of the control inside the Qt event handler that
// called it.
//
// A slot may delete the control's widget (or its window) while the control is inside
// one of its handlers. Every signal to the host is raised through EmitToHost: while
// it runs, the widget's deletion leaves the control and its boxes alive, and once it
// returns the handler stops with WidgetDeleted, which Guarded swallows; the rest goes
// when the event loop next runs.

#include <exception>
#include <memory>

#include <QString>

class QWidget;

namespace vumocaixa::qt {

class QtWidgetBase;

// Whether the widget of a frame still exists, shared by everything that may outlive it
// for the rest of a handler.
struct FrameLife {
  bool gone = false;  // the widget has been deleted
  int busy = 0;       // calls under way that a deletion must not pull the ground from
};

// Marks the frame busy for as long as it lives.
class FrameBusy {
 public:
  explicit FrameBusy(FrameLife& life) : m_life(life) { ++m_life.busy; }
  ~FrameBusy() { --m_life.busy; }
  FrameBusy(const FrameBusy&) = delete;
  FrameBusy& operator=(const FrameBusy&) = delete;

 private:
  FrameLife& m_life;
};

// A slot deleted the control's widget: the handler that raised the signal stops.
class WidgetDeleted final : public std::exception {
 public:
  [[nodiscard]] const char* what() const noexcept override { return "the widget was deleted"; }
};

// Raises a signal to the host through emitter; throws WidgetDeleted when a slot
// deleted the widget of life. Exceptions of the slots go on to the caller.
template <class F>
void EmitToHost(const std::shared_ptr<FrameLife>& life, F&& emitter) {
  const std::shared_ptr<FrameLife> kept = life;
  {
    const FrameBusy busy(*kept);
    emitter();
  }
  if (kept->gone) throw WidgetDeleted();
}

class QtFrame {
 public:
  virtual ~QtFrame() = default;

  // The life of the frame's widget.
  [[nodiscard]] const std::shared_ptr<FrameLife>& Life() const { return m_life; }

  // The parent of the constituent widgets; its logical resolution converts twips.
  [[nodiscard]] virtual QWidget& FrameWidget() = 0;
  // A call into the control failed; where names the Qt event that made it.
  virtual void ReportError(const QString& where, const QString& what) noexcept = 0;
  // A keystroke of a constituent box is complete: play the keys it queued.
  virtual void KeystrokeDone() = 0;
  // A constituent part made its Qt widget, a child of FrameWidget (see qt_widget_base.hpp).
  virtual void PartMade(QtWidgetBase& /*part*/) {}
  // The font of a constituent part's Qt widget changed.
  virtual void PartFontChanged(QWidget& /*widget*/) {}

 private:
  std::shared_ptr<FrameLife> m_life = std::make_shared<FrameLife>();
};

// Runs f and reports any exception it throws to frame instead of letting it go on
// into Qt. Returns whether f completed. Once the frame's widget is deleted nothing
// runs and nothing is reported.
template <class F>
bool Guarded(QtFrame& frame, const char* where, F&& f) noexcept {
  const std::shared_ptr<FrameLife> life = frame.Life();
  if (life->gone) return false;
  // A slot of the report may delete the widget too.
  const FrameBusy busy(*life);
  try {
    f();
    return !life->gone;
  } catch (const WidgetDeleted&) {
    return false;
  } catch (const std::exception& e) {
    if (!life->gone) frame.ReportError(QString::fromUtf8(where), QString::fromUtf8(e.what()));
  } catch (...) {
    if (!life->gone) frame.ReportError(QString::fromUtf8(where), QStringLiteral("unknown failure"));
  }
  return false;
}

}  // namespace vumocaixa::qt
