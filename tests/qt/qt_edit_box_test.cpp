// The edit box over a real QLineEdit: keystrokes as KeyDown, KeyPress and KeyUp,
// what the handlers hand back, characters counted as code points, and Change.

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <vumocaixa/host/container.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qt/qt_edit_box.hpp>
#include <vumocaixa/qt/qt_label_button.hpp>

#include "qt_test_support.hpp"

using namespace vumocaixa;
using namespace vumocaixa::qt;
using vumocaixa::qt::testing::RecordingListener;
using vumocaixa::qt::testing::TestFrame;
using vumocaixa::qt::testing::TypeText;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class EditBoxTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestFrame> frame;
  std::unique_ptr<QtEditBox> box;
  RecordingListener listener;

  QLineEdit& edit() { return box->LineEdit(); }

 private slots:
  void init() {
    frame = std::make_unique<TestFrame>();
    box = std::make_unique<QtEditBox>(*frame, "Caixa");
    listener = RecordingListener();
    box->SetListener(&listener);
    box->SetWidth(3015);
    box->SetHeight(315);
  }

  void cleanup() {
    box.reset();
    frame.reset();
  }

  void typingRaisesTheKeyEventsInOrder() {
    QTest::sendKeyEvent(QTest::Press, &edit(), Qt::Key_A, "A", Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Release, &edit(), Qt::Key_A, "A", Qt::ShiftModifier);
    // QTest presses and releases Shift around the letter, as a keyboard does.
    QCOMPARE(listener.log, QStringList({"KeyDown(16, 1)", "KeyDown(65, 1)", "KeyPress(65)",
                                        "Change", "KeyUp(65, 1)", "KeyUp(16, 0)"}));
    QCOMPARE(edit().text(), "A");
    QCOMPARE(frame->keystrokes, 4);  // after each press and each release
  }

  void whatKeyPressHandsBackIsInserted() {
    struct Row {
      QString typed;
      std::function<void(std::int16_t&)> handler;
      QString expected;
      const char* name;
    };
    const Row rows[] = {
        {"a", [](std::int16_t& k) { k = 0; }, "", "0 inserts nothing"},
        {"a", [](std::int16_t& k) { k = 'Z'; }, "Z", "a changed code inserts its character"},
        {U("ç"), [](std::int16_t& k) { k = 199; }, U("Ç"), "accented capital from its code"},
        {U("😀"), nullptr, U("😀"), "-1 handed back inserts the character as typed"},
        {U("😀"), [](std::int16_t& k) { k = 0; }, "", "-1 refused"},
        {"a", [](std::int16_t& k) { k = 13; }, "", "a control code inserts nothing"},
        {"a", [](std::int16_t& k) { k = 144; }, "", "an unassigned code inserts nothing"},
    };
    for (const Row& r : rows) {
      box->SetText("");
      listener.OnKeyPress = r.handler;
      TypeText(&edit(), r.typed);
      QVERIFY2(edit().text() == r.expected, r.name);
    }
  }

  void backspaceHandedBackDeletesLeftOfTheCaret() {
    box->SetText("123");
    listener.OnKeyPress = [](std::int16_t& k) { k = 8; };
    QTest::keyClick(&edit(), Qt::Key_4);
    QCOMPARE(edit().text(), "12");
  }

  void keyDownClearingTheCodeStopsKeysWithoutCharacters() {
    box->SetText("abc");
    box->SetSelStart(1);
    listener.OnKeyDown = [](std::int16_t& code, std::int16_t&) { code = 0; };
    QTest::keyClick(&edit(), Qt::Key_Delete);
    QCOMPARE(edit().text(), "abc");
    listener.OnKeyDown = nullptr;
    QTest::keyClick(&edit(), Qt::Key_Delete);
    QCOMPARE(edit().text(), "ac");
  }

  void keyDownClearingTheCodeDoesNotStopTheCharacter() {
    box->SetText("abc");
    listener.OnKeyDown = [](std::int16_t& code, std::int16_t&) { code = 0; };
    QTest::keyClick(&edit(), Qt::Key_Backspace);
    QCOMPARE(edit().text(), "ab");
    QVERIFY(listener.log.contains("KeyPress(8)"));
  }

  void controlEnterLeavesNoLineBreak() {
    box->SetText("12");
    QTest::keyClick(&edit(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(edit().text(), "12");
    QCOMPARE(listener.Without({"Change", "KeyDown(17", "KeyUp(17"}),
             QStringList({"KeyDown(13, 2)", "KeyPress(10)", "KeyUp(13, 2)"}));
  }

  // An accelerator goes on to the window: the box neither types nor keeps it.
  void altWithALetterTypesNothing() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F, Qt::AltModifier, QStringLiteral("f"));
    QApplication::sendEvent(&edit(), &press);
    QVERIFY(!press.isAccepted());
    QCOMPARE(edit().text(), "");
    QCOMPARE(listener.log, QStringList({"KeyDown(70, 4)"}));
  }

  void deleteHasNoKeyPress() {
    box->SetText("ab");
    box->SetSelStart(0);
    listener.log.clear();
    QTest::keyClick(&edit(), Qt::Key_Delete);
    QCOMPARE(listener.log, QStringList({"KeyDown(46, 0)", "Change", "KeyUp(46, 0)"}));
  }

  void setTextRaisesChangeOnlyForANewText() {
    box->SetText("abc");
    box->SetSelStart(1);
    box->SetSelLength(1);
    box->SetText("abc");  // the text the box holds: caret and selection stay
    QCOMPARE(box->SelStart(), 1);
    QCOMPARE(box->SelLength(), 1);
    box->SetText("");
    QCOMPARE(listener.log, QStringList({"Change", "Change"}));
  }

  void maxLengthCountsCharactersNotUtf16Units() {
    box->SetMaxLength(3);
    TypeText(&edit(), U("😀😀😀😀"));
    QCOMPARE(edit().text(), U("😀😀😀"));
    QCOMPARE(box->SelStart(), 3);
  }

  void maxLengthStopsTypingButNotSetText() {
    box->SetMaxLength(2);
    QTest::keyClicks(&edit(), "abc");
    QCOMPARE(edit().text(), "ab");
    box->SetText("abcdef");
    QCOMPARE(QString::fromStdString(box->Text()), "abcdef");
    QTest::keyClick(&edit(), Qt::Key_G);
    QCOMPARE(edit().text(), "abcdef");
    QTest::keyClick(&edit(), Qt::Key_Backspace);
    QCOMPARE(edit().text(), "abcde");
  }

  void pasteIsCutToTheRoomLeft() {
    box->SetMaxLength(5);
    box->SetText("ab");
    box->SetSelStart(1);
    QApplication::clipboard()->setText(U("XYZ😀W"));
    listener.log.clear();
    QTest::keyClick(&edit(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit().text(), "aXYZb");
    QCOMPARE(box->SelStart(), 4);
    QVERIFY(!listener.log.join(' ').contains("KeyPress"));
  }

  void noMaxLengthMeansNoLimit() {
    box->SetMaxLength(0);
    box->SetText(std::string(40000, 'x'));
    QTest::keyClick(&edit(), Qt::Key_Y);
    QCOMPARE(edit().text().size(), 40001);
  }

  void negativeMaxLengthFails() { QVERIFY_THROWS_EXCEPTION(HostError, box->SetMaxLength(-1)); }

  void caretAndSelectionCountCodePoints() {
    box->SetText(reinterpret_cast<const char*>(u8"a😀b😀c"));
    box->SetSelStart(2);
    QCOMPARE(edit().cursorPosition(), 3);
    box->SetSelLength(2);
    QCOMPARE(edit().selectedText(), U("b😀"));
    QCOMPARE(box->SelStart(), 2);
    QCOMPARE(box->SelLength(), 2);
    box->SetSelStart(99);
    QCOMPARE(box->SelStart(), 5);
    QCOMPARE(box->SelLength(), 0);
    box->SetSelStart(0);
    box->SetSelLength(99);
    QCOMPARE(box->SelLength(), 5);
  }

  void failingHandlerIsReportedAndTheBoxGoesOn() {
    listener.OnKeyPress = [](std::int16_t& k) {
      if (k == 'x') throw HostError("falhou");
    };
    QTest::keyClicks(&edit(), "axb");
    QCOMPARE(edit().text(), "ab");
    QCOMPARE(frame->errors, QStringList({"KeyPress: falhou"}));
  }

  void twipsBecomePixelsAtTheLogicalResolution() {
    const int dpi = frame->logicalDpiX();
    box->SetLeft(1440);
    box->SetWidth(2880);
    QCOMPARE(edit().x(), dpi);
    QCOMPARE(edit().width(), 2 * dpi);
    QCOMPARE(box->Width(), 2880);
    QVERIFY_THROWS_EXCEPTION(HostError, box->SetWidth(-1));
    QVERIFY_THROWS_EXCEPTION(HostError, box->SetHeight(-15));
  }

  void hiddenOrDisabledBoxCannotTakeTheFocus() {
    frame->show();
    box->SetVisible(false);
    QVERIFY(!box->Visible());
    QVERIFY_THROWS_EXCEPTION(HostError, box->SetFocus());
    box->SetVisible(true);
    box->SetEnabled(false);
    QVERIFY_THROWS_EXCEPTION(HostError, box->SetFocus());
    box->SetEnabled(true);
    box->SetFocus();
  }

  void labelHoldsItsCaptionAndRefusesTheFocus() {
    QtLabelBox label(*frame, "Caixa2");
    label.SetWidth(vumocaixa::kDesignWidth);
    label.SetText(reinterpret_cast<const char*>(u8"Cento e vinte reais"));
    QCOMPARE(label.Label().text(), "Cento e vinte reais");
    QCOMPARE(label.Label().objectName(), "Caixa2");
    QVERIFY_THROWS_EXCEPTION(HostError, label.SetFocus());
  }

  void clickAndMouseEventsCarryTwips() {
    frame->show();
    const int dpi = edit().logicalDpiX();
    QTest::mouseClick(&edit(), Qt::LeftButton, Qt::ShiftModifier, QPoint(dpi / 2, 3));
    const QStringList mouse = listener.Without({"GotFocus", "Change"});
    QCOMPARE(mouse.size(), 3);
    QCOMPARE(mouse[0], QStringLiteral("MouseDown(1, 1, 720, %1)").arg(3 * 1440.0 / dpi));
    QVERIFY(mouse[1].startsWith("MouseUp(1, 1, 720"));
    QCOMPARE(mouse[2], "Click");
  }
};

QTEST_MAIN(EditBoxTest)
#include "qt_edit_box_test.moc"
