#pragma once
// QtRuntime: the runtime services of a control inside a Qt widget.
//
//  - ShowMessage shows a modal QMessageBox with an OK button, the prompt and the
//    title, and the information icon for style 64 or the critical (stop) icon for
//    style 16; a test or an application can put its own presenter in its place.
//  - Beep is the application's beep.
//  - SendKeys("{Tab}") moves the focus to the next widget of the window's tab chain
//    that lies outside the control's widget (see TabRuntime for when).
//
// messageShown and beeped are notifications: a slot that throws is reported to the
// frame (the widget's erro) and the message is still shown, the beep still sounds.

#include <functional>
#include <memory>
#include <string_view>

#include <QObject>
#include <QString>

#include <vumocaixa/qt/qt_frame.hpp>
#include <vumocaixa/qtcommon/tab_runtime.hpp>

class QWidget;

namespace vumocaixa::qt {

// The message box icon of a style: information for 64, critical for 16, warning for
// 48, question for 32, none otherwise.
[[nodiscard]] int MessageIconOf(int style);

class QtRuntime final : public QObject, public qtcommon::TabRuntime {
  Q_OBJECT

 public:
  using MessagePresenter =
      std::function<void(const QString& prompt, int style, const QString& title)>;

  // widget is the control's own widget: messages belong to its window, and "{Tab}"
  // leaves it. It must outlive the runtime.
  explicit QtRuntime(QWidget& widget);
  ~QtRuntime() override;

  void ShowMessage(std::string_view prompt, int style, std::string_view title) override;
  void Beep() override;

  // The frame of the control's widget: its life (a slot that deletes the widget stops
  // the control's handler, see qt_frame.hpp) and where failing slots are reported.
  // It must outlive the runtime.
  void SetFrame(QtFrame& frame);

  // Replaces the message box; an empty presenter brings the QMessageBox back.
  void SetMessagePresenter(MessagePresenter presenter) { m_presenter = std::move(presenter); }

 signals:
  void messageShown(const QString& prompt, int style, const QString& title);
  void beeped();

 private:
  [[nodiscard]] bool Gone() const override { return m_life->gone; }
  void MoveFocusToNext() override;
  template <class F>
  void Notify(const char* where, F&& emitter);

  QWidget& m_widget;
  QtFrame* m_frame = nullptr;
  std::shared_ptr<FrameLife> m_life = std::make_shared<FrameLife>();
  MessagePresenter m_presenter;
};

}  // namespace vumocaixa::qt
