#pragma once
// QtContainer: the control's container inside a Qt widget. The control's events
// become Qt signals whose by-reference arguments a directly connected slot may
// change (Cancel, KeyAscii, KeyCode, Shift and the rest); the control's size in
// twips follows the widget's size in pixels at the screen's logical resolution.
//
//   connect(&container, &QtContainer::keyEnter, [](qint16& Cancel) { Cancel = 1; });

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include <QObject>
#include <QString>

#include <vumocaixa/host/sized_container.hpp>
#include <vumocaixa/qt/qt_frame.hpp>
#include <vumocaixa/qtcommon/host_events.hpp>

class QWidget;

namespace vumocaixa::qt {

class QtContainer final : public QObject, public SizedContainer, private qtcommon::HostEvents {
  Q_OBJECT

 public:
  // widget is the control's own widget; it must outlive the container. The control's
  // size (see SizedContainer) is the widget's at the screen's logical resolution.
  explicit QtContainer(QWidget& widget);
  ~QtContainer() override;

  // --- Container -------------------------------------------------------------------
  ControlEvents& Events() override { return *this; }
  void PropertyChanged(std::string_view name) override;
  [[nodiscard]] bool CanPropertyChange(std::string_view name) override;
  // The widget's current font.
  [[nodiscard]] FontRef AmbientFont() const override;

  // The life of the widget that the signals reach (see qt_frame.hpp): after a signal
  // whose slot deleted it, the control's handler stops with FrameDeleted.
  void SetLife(std::shared_ptr<FrameLife> life) { m_life = std::move(life); }

  // Called with the name (UTF-8) of each persisted property that changed, before the
  // signal.
  void SetPropertyObserver(std::function<void(std::string_view)> observer) {
    m_propertyObserver = std::move(observer);
  }

  // The answer of CanPropertyChange (true unless set).
  void SetCanPropertyChange(bool answer) { m_canPropertyChange = answer; }

  // The widget was resized (by a layout, by the user): takes its size in twips and
  // calls UserControl_Resize when that differs from the control's size.
  void WidgetResized();

 signals:
  void change();
  void click();
  void dblClick();
  void keyDown(qint16& KeyCode, qint16& Shift);
  void keyEnter(qint16& Cancel);
  void keyPress(qint16& KeyAscii);
  void keyUp(qint16& KeyCode, qint16& Shift);
  void mouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
  void mouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
  void mouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
  void mandarEmail(QString& Endereco);
  void abrirHomePage(QString& Endereco);
  // A persisted property changed: "TipoDados", "Enabled", ..., "Text".
  void propertyChanged(const QString& name);

 private:
  // Raises the event's signal with references to args.
  void Raise(qtcommon::HostEvent event, qtcommon::HostEventArgs& args) override;
  void SizeSet() override;
  template <class F>
  void Emit(F&& emitter) {
    EmitToHost(m_life, std::forward<F>(emitter));
  }

  QWidget& m_widget;
  bool m_canPropertyChange = true;
  std::shared_ptr<FrameLife> m_life = std::make_shared<FrameLife>();
  std::function<void(std::string_view)> m_propertyObserver;
};

}  // namespace vumocaixa::qt
