// What both Qt hosts share: Qt's keys as the control's key codes and typed
// characters, values between the control's types and Qt's (QML's numbers among them),
// UTF-16 positions and the regional settings of a locale.

#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QTest>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/qtcommon/keys.hpp>
#include <vumocaixa/qtcommon/regional_locale.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

using namespace vumocaixa;
using namespace vumocaixa::qtcommon;

class QtCommonTest : public QObject {
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
        {Qt::Key_Backtab, Qt::ShiftModifier, 9, "Shift+Tab"},
        {Qt::Key_Escape, Qt::NoModifier, 27, "Escape"},
        {Qt::Key_Left, Qt::NoModifier, 37, "left arrow"},
        {Qt::Key_Down, Qt::NoModifier, 40, "down arrow"},
        {Qt::Key_Home, Qt::NoModifier, 36, "Home"},
        {Qt::Key_F1, Qt::NoModifier, 112, "F1"},
        {Qt::Key_F24, Qt::NoModifier, 135, "F24"},
        {Qt::Key_Shift, Qt::ShiftModifier, 16, "Shift itself"},
        {Qt::Key_Control, Qt::ControlModifier, 17, "Ctrl itself"},
        {Qt::Key_Comma, Qt::NoModifier, 188, "comma"},
        {Qt::Key_Minus, Qt::NoModifier, 189, "minus"},
        {Qt::Key_Period, Qt::NoModifier, 190, "point"},
        {Qt::Key_Slash, Qt::NoModifier, 191, "slash"},
        {Qt::Key_At, Qt::ShiftModifier, 50, "@ is Shift+2"},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 48, ") is Shift+0"},
        {Qt::Key_Ccedilla, Qt::NoModifier, 186, "the c-cedilla key"},
        {Qt::Key_Semicolon, Qt::NoModifier, 186, "the key a US keyboard has there"},
        {Qt::Key_QuoteDbl, Qt::ShiftModifier, 222, "double quote"},
        {Qt::Key_Launch0, Qt::NoModifier, 0, "a key without a code"},
    };
    for (const Row& r : rows) {
      QVERIFY2(KeyCodeOf(r.key, r.modifiers) == r.expected, r.name);
    }
  }

  void shiftStates() {
    QCOMPARE(ShiftState(Qt::NoModifier), 0);
    QCOMPARE(ShiftState(Qt::ShiftModifier | Qt::ControlModifier), 3);
    QCOMPARE(ShiftState(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    QCOMPARE(ShiftState(Qt::KeypadModifier | Qt::MetaModifier), 0);
    QCOMPARE(MouseButtons(Qt::LeftButton | Qt::MiddleButton), 5);
    QCOMPARE(MouseButtons(Qt::RightButton | Qt::BackButton), 2);
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
        {Qt::Key_Ccedilla, Qt::NoModifier, "ç", {{231, U'ç'}}, "c-cedilla has its code page code"},
        {Qt::Key_E,
         Qt::AltModifier | Qt::ControlModifier,
         "€",
         {{128, U'€'}},
         "AltGr typing the euro sign"},
        {Qt::Key_unknown, Qt::NoModifier, "ł", {{-1, U'ł'}}, "a letter outside the code page"},
        {Qt::Key_unknown, Qt::NoModifier, "😀", {{-1, U'😀'}}, "a character beyond 16 bits"},
        {Qt::Key_unknown, Qt::NoModifier, "ab", {{97, U'a'}, {98, U'b'}}, "two characters"},
        {Qt::Key_unknown, Qt::NoModifier, "a\x01", {{97, U'a'}}, "control characters left out"},
        {Qt::Key_Return, Qt::NoModifier, "\r", {{13, U'\r'}}, "Enter"},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", {{13, U'\r'}}, "keypad Enter"},
        {Qt::Key_Return, Qt::ShiftModifier, "\r", {{13, U'\r'}}, "Shift+Enter is Enter"},
        {Qt::Key_Return, Qt::ControlModifier, "", {{10, U'\n'}}, "Ctrl+Enter types a line feed"},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", {{8, U'\b'}}, "Backspace"},
        {Qt::Key_Backspace, Qt::ControlModifier, "", {{127, U'\x7f'}}, "Ctrl+Backspace"},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", {{27, U'\x1b'}}, "Escape"},
        {Qt::Key_Tab, Qt::NoModifier, "\t", {{9, U'\t'}}, "Tab"},
        {Qt::Key_Tab, Qt::ControlModifier, "", {}, "Ctrl+Tab types nothing"},
        {Qt::Key_B, Qt::ControlModifier, "\x02", {{2, U'\x02'}}, "Ctrl+B is its control code"},
        {Qt::Key_V, Qt::ControlModifier, "\x16", {}, "Ctrl+V pastes, it types nothing"},
        {Qt::Key_C, Qt::ControlModifier, "\x03", {}, "Ctrl+C copies"},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", {}, "Delete types nothing"},
        {Qt::Key_Left, Qt::NoModifier, "", {}, "arrows type nothing"},
        {Qt::Key_F, Qt::AltModifier, "f", {}, "Alt+F is a menu accelerator"},
        {Qt::Key_1, Qt::ControlModifier, "1", {}, "Ctrl with a digit types nothing"},
    };
    for (const Row& r : rows) {
      const QKeyEvent event(QEvent::KeyPress, r.key, r.modifiers, r.text);
      QVERIFY2(TypedChars(event) == r.expected, r.name);
    }
  }

  void textValuesRoundTrip() {
    struct Row {
      Variant value;
      QVariant expected;
      const char* name;
    };
    const Row rows[] = {
        {Empty{}, QVariant(), "empty"},
        {true, QVariant(true), "Boolean"},
        {std::int16_t{-32768}, QVariant::fromValue<qint16>(-32768), "16-bit whole number"},
        {std::int32_t{2147483647}, QVariant(2147483647), "32-bit whole number"},
        {1.5f, QVariant(1.5f), "single"},
        {0.1, QVariant(0.1), "double"},
        {Date{2024, 2, 29}, QVariant(QDate(2024, 2, 29)), "date"},
        {std::string("São Paulo"), QVariant(QStringLiteral("São Paulo")), "text"},
    };
    for (const Row& r : rows) {
      QVERIFY2(ToQVariant(r.value) == r.expected, r.name);
      QVERIFY2(FromQVariant(r.expected) == r.value, r.name);
    }
  }

  // Numbers whose kind has no counterpart, and the numbers of QML, whose whole values
  // arrive as doubles.
  void textValuesOfOtherKinds() {
    struct Row {
      QVariant value;
      Variant expected;
      const char* name;
    };
    const Row rows[] = {
        {QVariant(5.0), std::int32_t{5}, "a whole double is a whole number"},
        {QVariant(-2147483647.0), std::int32_t{-2147483647}, "down to the 32-bit range"},
        {QVariant(2147483648.0), 2147483648.0, "beyond 32 bits it stays a double"},
        {QVariant(5.5), 5.5, "a fraction stays a double"},
        {QVariant(qint64{9007199254740993}), std::string("9007199254740993"), "64 bits as text"},
        {QVariant(QDateTime(QDate(2024, 2, 1), QTime(10, 30))), Date{2024, 2, 1}, "a date-time"},
        {QVariant(QString()), std::string(), "a null text is the empty text"},
        {QVariant(QMetaType(QMetaType::Int)), Empty{}, "a null number is empty"},
    };
    for (const Row& r : rows) {
      QVERIFY2(FromQVariant(r.value) == r.expected, r.name);
    }
    QCOMPARE(ToQVariant(Currency{12345}), QVariant(1.2345));
    QCOMPARE(ToQVariant(Decimal{15, 1, true}), QVariant(QStringLiteral("-1.5")));
  }

  void coloursAndSizes() {
    QCOMPARE(ToQColor(Color{0x00336699}), QColor(0x99, 0x66, 0x33));
    QCOMPARE(FromQColor(QColor(0x99, 0x66, 0x33)).value, 0x00336699u);
    QCOMPARE(ToQColor(kSystemWindowTextColor), QGuiApplication::palette().color(QPalette::Text));
    QCOMPARE(TwipsToPixels(1440, 96), 96);
    QCOMPARE(TwipsToPixels(15, 96), 1);
    QCOMPARE(TwipsToPixels(1440, 0), 96);  // an unknown resolution counts as 96
    QCOMPARE(PixelsToTwips(96, 120), 1152);
    QCOMPARE(PixelsToTwipsF(1.5, 96), 22.5f);
  }

  void utf16Positions() {
    const QString text = QString::fromUtf8("a😀b");  // the emoji is two UTF-16 units
    QCOMPARE(CodePointsBefore(text, 1), 1);
    QCOMPARE(CodePointsBefore(text, 2), 2);  // inside the pair counts its character
    QCOMPARE(CodePointsBefore(text, 3), 2);
    QCOMPARE(CodePointsBefore(text, 99), 3);
    QCOMPARE(Utf16Before(text, 2), 3);
    QCOMPARE(Utf16Before(text, 99), 4);
    QCOMPARE(Utf16Before(text, -1), 0);
    QCOMPARE(FromUtf8("ç\xff"), QString::fromUtf8("ç\xff"));
  }

  void regionalSettingsOfLocales() {
    const RegionalSettings brazil =
        RegionalFromLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCOMPARE(brazil.decimalSeparator, ',');
    QCOMPARE(brazil.groupSeparator, '.');
    QCOMPARE(QString::fromStdString(brazil.currencySymbol), "R$");
    QCOMPARE(QString::fromStdString(brazil.shortDatePattern), "dd/MM/yyyy");
    QVERIFY(RegionalFromLocale(QLocale(QLocale::English, QLocale::UnitedStates)) == PtBR());
    QVERIFY(RegionalFromLocale(QLocale(QLocale::Portuguese, QLocale::Portugal)) == PtBR());
    QVERIFY(RegionalFromLocale(QLocale::c()) == PtBR());
  }
};

QTEST_MAIN(QtCommonTest)
#include "qtcommon_test.moc"
