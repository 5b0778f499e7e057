#pragma once
// ModalDriver answers the modal windows that open while a test runs, from a timer that
// also runs inside their own event loops: a message box is recorded and closed, any
// other modal window is handed once to the test's handler.

#include <functional>

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace vumocaixa::qt::testing {

class ModalDriver : public QObject {
 public:
  explicit ModalDriver(std::function<void(QWidget&)> onModal = {}) : m_onModal(std::move(onModal)) {
    connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
    m_timer.start(10);
  }

  // The texts of the message boxes closed so far.
  QStringList messages;
  bool modalSeen = false;

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages << box->text();
      box->accept();
    } else if (modal != nullptr && !modalSeen && m_onModal) {
      // Later, from the modal window's own loop: the handler may open another modal
      // window, which this timer must be free to answer.
      modalSeen = true;
      QTimer::singleShot(0, modal, [this, modal] { m_onModal(*modal); });
    }
  }

  std::function<void(QWidget&)> m_onModal;
  QTimer m_timer;
};

}  // namespace vumocaixa::qt::testing
