// The container and runtime services of the Qt host: signals with by-reference
// arguments, the control's size in twips, message boxes, the beep and "{Tab}".

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qt/qt_container.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>

using namespace vumocaixa;
using namespace vumocaixa::qt;

namespace {

struct ResizeCounter final : ContainerClient {
  void UserControl_Resize() override {
    ++resizes;
    if (onResize) onResize();
  }
  void UserControl_GotFocus() override {}
  int resizes = 0;
  std::function<void()> onResize;
};

}  // namespace

class ServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void slotsWriteIntoTheEventArguments() {
    QWidget widget;
    QtContainer container(widget);
    connect(&container, &QtContainer::keyEnter, [](qint16& Cancel) { Cancel = -1; });
    connect(&container, &QtContainer::keyPress, [](qint16& KeyAscii) { KeyAscii = 0; });
    connect(&container, &QtContainer::keyDown, [](qint16& KeyCode, qint16& Shift) {
      KeyCode = 46;
      Shift = 1;
    });
    connect(&container, &QtContainer::mouseUp, [](qint16& B, qint16&, float& X, float&) {
      B = 2;
      X = 1.5f;
    });
    connect(&container, &QtContainer::mandarEmail,
            [](QString& Endereco) { Endereco = Endereco.toUpper(); });
    std::int16_t cancel = 0, ascii = 97, code = 65, shift = 0, button = 1, mshift = 0;
    float x = 0, y = 0;
    std::string address = reinterpret_cast<const char*>(u8"joão@vumo.com.br");
    container.Events().KeyEnter(cancel);
    container.Events().KeyPress(ascii);
    container.Events().KeyDown(code, shift);
    container.Events().MouseUp(button, mshift, x, y);
    container.Events().MandarEmail(address);
    QCOMPARE(cancel, -1);
    QCOMPARE(ascii, 0);
    QCOMPARE(code, 46);
    QCOMPARE(shift, 1);
    QCOMPARE(button, 2);
    QCOMPARE(x, 1.5f);
    QCOMPARE(QString::fromStdString(address), QString::fromUtf8("JOÃO@VUMO.COM.BR"));
  }

  void propertyChangedCarriesTheName() {
    QWidget widget;
    QtContainer container(widget);
    QSignalSpy spy(&container, &QtContainer::propertyChanged);
    container.PropertyChanged(reinterpret_cast<const char*>(u8"TamanhoMáximo"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toString(), QString::fromUtf8("TamanhoMáximo"));
  }

  void sizeInTwipsFollowsTheWidget() {
    QWidget widget;
    QtContainer container(widget);
    ResizeCounter client;
    container.Attach(&client);
    const int dpi = widget.logicalDpiX();
    container.SetWidth(2880);
    QCOMPARE(widget.width(), 2 * dpi);
    QCOMPARE(client.resizes, 1);
    container.SetWidth(2880);
    QCOMPARE(client.resizes, 1);  // the same size is no change
    widget.resize(3 * dpi, widget.height());
    container.WidgetResized();
    QCOMPARE(container.Width(), 4320);
    QCOMPARE(client.resizes, 2);
    container.WidgetResized();
    QCOMPARE(client.resizes, 2);
    QVERIFY_THROWS_EXCEPTION(HostError, container.SetHeight(-1));
  }

  void resizeFromInsideResizeReachesTheControl() {
    QWidget widget;
    QtContainer container(widget);
    ResizeCounter client;
    client.onResize = [&] {
      if (container.Height() < 315) container.SetHeight(315);
    };
    container.Attach(&client);
    container.SetHeight(200);
    QCOMPARE(container.Height(), 315);
    QCOMPARE(client.resizes, 2);
  }

  void endlessResizeFails() {
    QWidget widget;
    QtContainer container(widget);
    ResizeCounter client;
    client.onResize = [&] { container.SetWidth(container.Width() + 15); };
    container.Attach(&client);
    QVERIFY_THROWS_EXCEPTION(HostError, container.SetWidth(100));
    client.onResize = nullptr;
    container.SetWidth(3000);  // still usable
    QCOMPARE(container.Width(), 3000);
  }

  void messageIcons() {
    struct Row {
      int style;
      int icon;
      const char* name;
    };
    const Row rows[] = {
        {64, QMessageBox::Information, "entry errors"},
        {16, QMessageBox::Critical, "property errors"},
        {48, QMessageBox::Warning, "warning"},
        {32, QMessageBox::Question, "question"},
        {0, QMessageBox::NoIcon, "no icon"},
        {64 + 0, QMessageBox::Information, "OK only"},
    };
    for (const Row& r : rows) QVERIFY2(MessageIconOf(r.style) == r.icon, r.name);
  }

  void realMessageBoxIsModalWithItsIconAndClosedByTheUser() {
    QWidget widget;
    widget.show();
    QtRuntime runtime(widget);
    struct Seen {
      QString text, title;
      QMessageBox::Icon icon = QMessageBox::NoIcon;
      bool modal = false;
    } seen;
    for (const int style : {64, 16}) {
      QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seen = {box->text(), box->windowTitle(), box->icon(), box->isModal()};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
      });
      runtime.ShowMessage(reinterpret_cast<const char*>(u8"CIC inválido. Redigite."), style,
                          reinterpret_cast<const char*>(u8"Valor inválido"));
      QCOMPARE(seen.text, QString::fromUtf8("CIC inválido. Redigite."));
      QCOMPARE(seen.title, QString::fromUtf8("Valor inválido"));
      QCOMPARE(seen.icon, style == 64 ? QMessageBox::Information : QMessageBox::Critical);
      QVERIFY(seen.modal);
    }
  }

  void presenterReplacesTheMessageBox() {
    QWidget widget;
    QtRuntime runtime(widget);
    QStringList shown;
    runtime.SetMessagePresenter([&](const QString& prompt, int style, const QString& title) {
      shown << QStringLiteral("%1|%2|%3").arg(prompt).arg(style).arg(title);
    });
    runtime.ShowMessage("Erro na Propriedade", 16, "Erro");
    QCOMPARE(shown, QStringList({"Erro na Propriedade|16|Erro"}));
  }

  void beepIsSignalled() {
    QWidget widget;
    QtRuntime runtime(widget);
    QSignalSpy spy(&runtime, &QtRuntime::beeped);
    runtime.Beep();
    QCOMPARE(spy.count(), 1);
  }

  void tabLeavesTheControlForTheNextWidget() {
    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* control = new QWidget(&window);
    auto* inner = new QLineEdit(control);
    auto* button = new QPushButton("...", control);
    auto* after = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QtRuntime runtime(*control);
    inner->setFocus();
    runtime.SendKeys("{Tab}", false);
    QCOMPARE(QApplication::focusWidget(), inner);  // not before the keystroke is done
    runtime.PlayQueuedKeys();
    QCOMPARE(QApplication::focusWidget(), after);
    QVERIFY(button->isVisible());
    // From the last widget of the chain the Tab wraps round to the first.
    after->setEnabled(false);
    inner->setFocus();
    runtime.SendKeys("{TAB}", false);
    QTRY_COMPARE(QApplication::focusWidget(), before);
  }

  void otherKeysAreRefused() {
    QWidget widget;
    QtRuntime runtime(widget);
    QVERIFY_THROWS_EXCEPTION(HostError, runtime.SendKeys("{Enter}", false));
  }
};

QTEST_MAIN(ServicesTest)
#include "qt_services_test.moc"
