// GotFocus and LostFocus of the Qt edit boxes follow the focus between the widgets
// of a window, and nothing else: not window activation, popups or message boxes.

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <vumocaixa/qt/qt_edit_box.hpp>

#include "qt_test_support.hpp"

using namespace vumocaixa::qt;
using vumocaixa::qt::testing::RecordingListener;
using vumocaixa::qt::testing::TestFrame;

class FocusTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestFrame> window;
  std::unique_ptr<QtEditBox> a;
  std::unique_ptr<QtEditBox> b;
  QLineEdit* plain = nullptr;
  RecordingListener la;
  RecordingListener lb;

  void clearLogs() {
    la.log.clear();
    lb.log.clear();
  }

 private slots:
  void init() {
    window = std::make_unique<TestFrame>();
    a = std::make_unique<QtEditBox>(*window, "A");
    b = std::make_unique<QtEditBox>(*window, "B");
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(&a->LineEdit());
    layout->addWidget(&b->LineEdit());
    plain = new QLineEdit(window.get());
    layout->addWidget(plain);
    la = RecordingListener();
    lb = RecordingListener();
    a->SetListener(&la);
    b->SetListener(&lb);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    a->SetFocus();
    QCOMPARE(la.log, QStringList({"GotFocus"}));
    clearLogs();
  }

  void cleanup() {
    a.reset();
    b.reset();
    window.reset();
  }

  void movingBetweenBoxesRaisesLostThenGot() {
    QTest::keyClick(&a->LineEdit(), Qt::Key_Tab);
    // QTest sends the key's release to the box it pressed it in.
    QCOMPARE(la.Without({"Key"}), QStringList({"LostFocus"}));
    QCOMPARE(lb.log, QStringList({"GotFocus"}));
    QTest::mouseClick(plain, Qt::LeftButton);
    QCOMPARE(lb.log, QStringList({"GotFocus", "LostFocus"}));
  }

  void windowDeactivationIsNotLeaving() {
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), &a->LineEdit());
    QVERIFY(la.log.isEmpty());
  }

  void popupIsNotLeaving() {
    QMenu menu;
    menu.addAction("Copiar");
    menu.popup(a->LineEdit().mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.close();
    QTRY_COMPARE(QApplication::focusWidget(), &a->LineEdit());
    QVERIFY(la.log.isEmpty());
  }

  void messageBoxIsNotLeaving() {
    QTimer::singleShot(0, [] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box != nullptr);
      QTest::keyClick(box, Qt::Key_Enter);
    });
    QMessageBox::information(window.get(), "Valor inválido", "CIC inválido. Redigite.");
    // The window manager gives the window back its activation; offscreen has none.
    window->activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), &a->LineEdit());
    QVERIFY(la.log.isEmpty());
  }

  void focusSentBackFromLostFocusReturnsWithoutTheOtherBox() {
    la.OnLostFocus = [this] { a->SetFocus(); };
    QTest::keyClick(&a->LineEdit(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &a->LineEdit());
    QCOMPARE(la.Without({"Key"}), QStringList({"LostFocus", "GotFocus"}));
    QVERIFY(lb.log.isEmpty());
  }

  void messageBoxInLostFocusDoesNotLoop() {
    int shown = 0;
    la.OnLostFocus = [&] {
      ++shown;
      QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Enter);
      });
      QMessageBox::information(window.get(), "Valor inválido", "CIC inválido. Redigite.");
      window->activateWindow();
      a->SetFocus();
    };
    QTest::keyClick(&a->LineEdit(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), &a->LineEdit());
    QTest::qWait(50);
    QCOMPARE(shown, 1);
    QCOMPARE(la.Without({"Key"}), QStringList({"LostFocus", "GotFocus"}));
    QVERIFY(!lb.log.contains("LostFocus"));
  }

  void hidingTheFocusedBoxIsLeaving() {
    a->SetVisible(false);
    QCOMPARE(la.log, QStringList({"LostFocus"}));
  }
};

QTEST_MAIN(FocusTest)
#include "qt_focus_test.moc"
