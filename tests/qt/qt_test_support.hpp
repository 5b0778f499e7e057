#pragma once
// Helpers of the Qt host's tests: a frame for loose constituent widgets, and a
// listener that records the events a widget delivers and plays scripted handlers.

#include <cstdint>
#include <functional>

#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <vumocaixa/host/widget.hpp>
#include <vumocaixa/qt/qt_frame.hpp>

namespace vumocaixa::qt::testing {

// Types text into w key by key, as a keyboard does; characters beyond ASCII come with
// a key that Qt does not know, as from a keyboard layout that types them directly.
inline void TypeText(QWidget* w, const QString& text) {
  for (const char32_t c : text.toUcs4()) {
    if (c >= 32 && c < 127) {
      QTest::keyClick(w, static_cast<char>(c));
      continue;
    }
    const QString one = QString::fromUcs4(&c, 1);
    QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, one, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, one, Qt::NoModifier);
  }
}

class TestFrame final : public QWidget, public QtFrame {
 public:
  QWidget& FrameWidget() override { return *this; }
  void ReportError(const QString& where, const QString& what) noexcept override {
    errors << where + QStringLiteral(": ") + what;
  }
  void KeystrokeDone() override { ++keystrokes; }

  QStringList errors;
  int keystrokes = 0;
};

class RecordingListener final : public WidgetListener {
 public:
  void Change() override { Record(QStringLiteral("Change"), OnChange); }
  void Click() override { log << QStringLiteral("Click"); }
  void DblClick() override { log << QStringLiteral("DblClick"); }
  void GotFocus() override { Record(QStringLiteral("GotFocus"), OnGotFocus); }
  void LostFocus() override { Record(QStringLiteral("LostFocus"), OnLostFocus); }
  void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override {
    log << QStringLiteral("KeyDown(%1, %2)").arg(KeyCode).arg(Shift);
    if (OnKeyDown) OnKeyDown(KeyCode, Shift);
  }
  void KeyPress(std::int16_t& KeyAscii) override {
    log << QStringLiteral("KeyPress(%1)").arg(KeyAscii);
    if (OnKeyPress) OnKeyPress(KeyAscii);
  }
  void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override {
    log << QStringLiteral("KeyUp(%1, %2)").arg(KeyCode).arg(Shift);
    if (OnKeyUp) OnKeyUp(KeyCode, Shift);
  }
  void MouseDown(std::int16_t& B, std::int16_t& S, float& X, float& Y) override {
    log << QStringLiteral("MouseDown(%1, %2, %3, %4)").arg(B).arg(S).arg(X).arg(Y);
  }
  void MouseUp(std::int16_t& B, std::int16_t& S, float& X, float& Y) override {
    log << QStringLiteral("MouseUp(%1, %2, %3, %4)").arg(B).arg(S).arg(X).arg(Y);
  }

  // The log without the given kinds of entry ("KeyDown", "KeyUp", ...).
  [[nodiscard]] QStringList Without(const QStringList& kinds) const {
    QStringList kept;
    for (const QString& entry : log) {
      bool drop = false;
      for (const QString& kind : kinds) drop = drop || entry.startsWith(kind);
      if (!drop) kept << entry;
    }
    return kept;
  }

  QStringList log;
  std::function<void()> OnChange;
  std::function<void()> OnGotFocus;
  std::function<void()> OnLostFocus;
  std::function<void(std::int16_t&, std::int16_t&)> OnKeyDown;
  std::function<void(std::int16_t&)> OnKeyPress;
  std::function<void(std::int16_t&, std::int16_t&)> OnKeyUp;

 private:
  void Record(const QString& entry, const std::function<void()>& handler) {
    log << entry;
    if (handler) handler();
  }
};

}  // namespace vumocaixa::qt::testing
