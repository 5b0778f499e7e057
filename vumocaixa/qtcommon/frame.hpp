#pragma once
// Frame: what the parts of a control need from the Qt widget or Qt Quick item that hosts
// them, and the boundary that keeps every failure of the control inside the Qt event
// that called it.
//
// A slot may delete the control's widget or item (or its window) while the control is
// inside one of its handlers. Every signal to the host is raised through EmitToHost:
// while it runs, the deletion leaves the control and its parts alive (see Release), and
// once it returns the handler stops with FrameDeleted, which Guarded swallows; the
// rest goes when the event loop next runs.

#include <exception>
#include <memory>
#include <utility>

#include <QObject>
#include <QString>

namespace vumocaixa::qtcommon {

// Whether the widget or item of a frame still exists, shared by everything that may
// outlive it for the rest of a handler.
struct FrameLife {
  bool gone = false;  // the widget or item has been deleted
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

// A slot deleted the control's widget or item: the handler that raised the signal stops.
class FrameDeleted final : public std::exception {
 public:
  [[nodiscard]] const char* what() const noexcept override { return "the widget was deleted"; }
};

// Raises a signal to the host through emitter; throws FrameDeleted when a slot
// deleted the widget or item of life. Exceptions of the slots go on to the caller.
template <class F>
void EmitToHost(const std::shared_ptr<FrameLife>& life, F&& emitter) {
  const std::shared_ptr<FrameLife> kept = life;
  {
    const FrameBusy busy(*kept);
    std::forward<F>(emitter)();
  }
  if (kept->gone) throw FrameDeleted();
}

class Frame {
 public:
  virtual ~Frame() = default;

  // The life of the frame's widget or item.
  [[nodiscard]] const std::shared_ptr<FrameLife>& Life() const { return m_life; }

  // A call into the control failed; where names the Qt event that made it.
  virtual void ReportError(const QString& where, const QString& what) noexcept = 0;
  // A keystroke of a box is complete: play the keys it queued.
  virtual void KeystrokeDone() = 0;

 private:
  std::shared_ptr<FrameLife> m_life = std::make_shared<FrameLife>();
};

// Runs f and reports any exception it throws to frame instead of letting it go on
// into Qt. Returns whether f completed with the frame's widget or item alive. Once it
// is deleted nothing runs and nothing is reported.
template <class F>
bool Guarded(Frame& frame, const char* where, F&& f) noexcept {
  const std::shared_ptr<FrameLife> life = frame.Life();
  if (life->gone) return false;
  // A slot of the report may delete the widget too.
  const FrameBusy busy(*life);
  try {
    std::forward<F>(f)();
    return !life->gone;
  } catch (const FrameDeleted&) {
    return false;
  } catch (const std::exception& e) {
    if (!life->gone) frame.ReportError(QString::fromUtf8(where), QString::fromUtf8(e.what()));
  } catch (...) {
    if (!life->gone) frame.ReportError(QString::fromUtf8(where), QStringLiteral("unknown failure"));
  }
  return false;
}

// Raises a notification through emitter: the failure of a slot is the host's, it is
// reported to frame (named where) and the caller goes on; a slot that deletes the
// frame's widget or item stops the caller with FrameDeleted.
template <class F>
void NotifyHost(Frame& frame, const char* where, F&& emitter) {
  QString failure;
  try {
    EmitToHost(frame.Life(), std::forward<F>(emitter));
    return;
  } catch (const FrameDeleted&) {
    throw;
  } catch (const std::exception& e) {
    failure = QString::fromUtf8(e.what());
  } catch (...) {
    failure = QStringLiteral("unknown failure");
  }
  EmitToHost(frame.Life(), [&] { frame.ReportError(QString::fromUtf8(where), failure); });
}

// The widget or item of life is being deleted, and held is what its handlers touch:
// while a handler is under way held is kept until the event loop next runs, so that
// the handler unwinds over live objects; otherwise it goes now.
template <class T>
void Release(const FrameLife& life, std::unique_ptr<T> held) {
  class Remains final : public QObject {
   public:
    explicit Remains(std::unique_ptr<T> kept) : m_kept(std::move(kept)) {}

   private:
    std::unique_ptr<T> m_kept;
  };
  if (life.busy > 0) (new Remains(std::move(held)))->deleteLater();
}

}  // namespace vumocaixa::qtcommon
