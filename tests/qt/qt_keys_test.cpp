// Key codes, modifier states and character codes of Qt key events, and what a box
// does with the code that comes back from KeyPress.

#include <QKeyEvent>
#include <QTest>

#include <vumocaixa/qt/qt_keys.hpp>

using namespace vumocaixa::qt;

class KeysTest : public QObject {
  Q_OBJECT

 private slots:
  void keyCodes() {
    struct Row {
      int key;
      Qt::KeyboardModifiers modifiers;
      std::int16_t expected;
      const char* name;
    };
    const Row rows[] = {
        {Qt::Key_A, Qt::NoModifier, 65, "letter a"},
        {Qt::Key_Z, Qt::ShiftModifier, 90, "capital Z keeps the letter's code"},
        {Qt::Key_0, Qt::NoModifier, 48, "digit 0"},
        {Qt::Key_9, Qt::NoModifier, 57, "digit 9"},
        {Qt::Key_5, Qt::KeypadModifier, 101, "keypad 5"},
        {Qt::Key_Period, Qt::KeypadModifier, 110, "keypad decimal point"},
        {Qt::Key_Comma, Qt::KeypadModifier, 110, "keypad decimal comma"},
        {Qt::Key_Enter, Qt::KeypadModifier, 13, "keypad Enter"},
        {Qt::Key_Return, Qt::NoModifier, 13, "Enter"},
        {Qt::Key_Backspace, Qt::NoModifier, 8, "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, 46, "Delete"},
        {Qt::Key_Delete, Qt::ShiftModifier, 46, "Shift+Delete keeps Delete's code"},
        {Qt::Key_Tab, Qt::NoModifier, 9, "Tab"},
        {Qt::Key_Escape, Qt::NoModifier, 27, "Escape"},
        {Qt::Key_Left, Qt::NoModifier, 37, "left arrow"},
        {Qt::Key_Down, Qt::NoModifier, 40, "down arrow"},
        {Qt::Key_Home, Qt::NoModifier, 36, "Home"},
        {Qt::Key_F1, Qt::NoModifier, 112, "F1"},
        {Qt::Key_F12, Qt::NoModifier, 123, "F12"},
        {Qt::Key_Shift, Qt::ShiftModifier, 16, "Shift itself"},
        {Qt::Key_Control, Qt::ControlModifier, 17, "Ctrl itself"},
        {Qt::Key_Comma, Qt::NoModifier, 188, "comma"},
        {Qt::Key_Minus, Qt::NoModifier, 189, "minus"},
        {Qt::Key_Period, Qt::NoModifier, 190, "point"},
        {Qt::Key_Slash, Qt::NoModifier, 191, "slash"},
        {Qt::Key_At, Qt::ShiftModifier, 50, "@ is Shift+2"},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 48, ") is Shift+0"},
        {Qt::Key_Ccedilla, Qt::NoModifier, 186, "the c-cedilla key"},
        {Qt::Key_Launch0, Qt::NoModifier, 0, "a key without a code"},
    };
    for (const Row& r : rows) {
      QVERIFY2(KeyCodeOf(r.key, r.modifiers) == r.expected, r.name);
    }
  }

  void shiftStates() {
    QCOMPARE(ShiftState(Qt::NoModifier), 0);
    QCOMPARE(ShiftState(Qt::ShiftModifier), 1);
    QCOMPARE(ShiftState(Qt::ControlModifier), 2);
    QCOMPARE(ShiftState(Qt::AltModifier), 4);
    QCOMPARE(ShiftState(Qt::ShiftModifier | Qt::ControlModifier), 3);
    QCOMPARE(ShiftState(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    QCOMPARE(ShiftState(Qt::KeypadModifier | Qt::MetaModifier), 0);
  }

  void typedCharacters() {
    struct Row {
      int key;
      Qt::KeyboardModifiers modifiers;
      QString text;
      std::vector<TypedChar> expected;
      const char* name;
    };
    const Row rows[] = {
        {Qt::Key_A, Qt::NoModifier, "a", {{97, U'a'}}, "plain letter"},
        {Qt::Key_A, Qt::ShiftModifier, "A", {{65, U'A'}}, "capital letter"},
        {Qt::Key_Ccedilla,
         Qt::NoModifier,
         QString::fromUtf8("ç"),
         {{231, U'ç'}},
         "c-cedilla has its code page code"},
        {Qt::Key_E,
         Qt::AltModifier | Qt::ControlModifier,
         QString::fromUtf8("€"),
         {{128, U'€'}},
         "AltGr typing the euro sign"},
        {Qt::Key_unknown,
         Qt::NoModifier,
         QString::fromUtf8("ł"),
         {{-1, U'ł'}},
         "a letter outside the code page is -1"},
        {Qt::Key_unknown,
         Qt::NoModifier,
         QString::fromUtf8("😀"),
         {{-1, U'😀'}},
         "a character beyond 16 bits is -1"},
        {Qt::Key_unknown,
         Qt::NoModifier,
         "ab",
         {{97, U'a'}, {98, U'b'}},
         "a key that types two characters"},
        {Qt::Key_Return, Qt::NoModifier, "\r", {{13, U'\r'}}, "Enter"},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", {{13, U'\r'}}, "keypad Enter"},
        {Qt::Key_Return, Qt::ShiftModifier, "\r", {{13, U'\r'}}, "Shift+Enter is Enter"},
        {Qt::Key_Return, Qt::ControlModifier, "", {{10, U'\n'}}, "Ctrl+Enter types a line feed"},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", {{8, U'\b'}}, "Backspace"},
        {Qt::Key_Backspace, Qt::ControlModifier, "", {{127, U'\x7f'}}, "Ctrl+Backspace"},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", {{27, U'\x1b'}}, "Escape"},
        {Qt::Key_B, Qt::ControlModifier, "\x02", {{2, U'\x02'}}, "Ctrl+B is its control code"},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", {}, "Delete types nothing"},
        {Qt::Key_Left, Qt::NoModifier, "", {}, "arrows type nothing"},
        {Qt::Key_F, Qt::AltModifier, "f", {}, "Alt+F is a menu accelerator"},
        {Qt::Key_1, Qt::ControlModifier, "1", {}, "Ctrl with a digit types nothing"},
    };
    for (const Row& r : rows) {
      QVERIFY2(TypedChars(r.key, r.modifiers, r.text) == r.expected, r.name);
    }
  }

  void actionsForHandedBackCodes() {
    struct Row {
      std::int16_t typed;
      std::int16_t handed;
      CharAction expected;
      const char* name;
    };
    const Row rows[] = {
        {97, 97, CharAction::InsertCode, "unchanged character"},
        {97, 65, CharAction::InsertCode, "changed into another character"},
        {97, 0, CharAction::Nothing, "swallowed"},
        {-1, -1, CharAction::InsertTyped, "character without a code, unchanged"},
        {-1, 0, CharAction::Nothing, "character without a code, refused"},
        {-1, 63, CharAction::InsertCode, "character without a code, replaced"},
        {97, -1, CharAction::Nothing, "a code turned into -1 has no character"},
        {8, 8, CharAction::Backspace, "Backspace passes"},
        {97, 8, CharAction::Backspace, "a character turned into Backspace"},
        {13, 13, CharAction::DefaultKeyAction, "Enter left alone"},
        {10, 10, CharAction::DefaultKeyAction, "line feed left alone"},
        {27, 27, CharAction::DefaultKeyAction, "Escape left alone"},
        {97, 13, CharAction::Nothing, "a character turned into Enter inserts nothing"},
        {97, 10, CharAction::Nothing, "a character turned into a line feed inserts nothing"},
        {97, 129, CharAction::Nothing, "an unassigned code of the code page"},
        {97, 256, CharAction::Nothing, "a code beyond the code page"},
        {97, 255, CharAction::InsertCode, "y with diaeresis, the last code"},
    };
    for (const Row& r : rows) {
      QVERIFY2(ActionFor(r.typed, r.handed) == r.expected, r.name);
    }
  }

  void editingCommandsKeepTheirKeys() {
    const QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, "\x16");
    const QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "\x03");
    const QKeyEvent ctrlB(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, "\x02");
    const QKeyEvent letter(QEvent::KeyPress, Qt::Key_V, Qt::NoModifier, "v");
    QVERIFY(IsEditingCommand(paste));
    QVERIFY(IsEditingCommand(copy));
    QVERIFY(!IsEditingCommand(ctrlB));
    QVERIFY(!IsEditingCommand(letter));
  }
};

QTEST_MAIN(KeysTest)
#include "qt_keys_test.moc"
