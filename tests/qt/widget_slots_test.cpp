// Slots that abuse VumoCaixaWidget: a directly connected slot that deletes the widget
// or its window, for every signal, must leave nothing behind that touches freed
// memory (run under AddressSanitizer); a slot that throws on a notification is
// reported and the control still does what its rules say.

#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include "qt_test_support.hpp"

using namespace vumocaixa;
using namespace vumocaixa::qt;
using vumocaixa::qt::testing::TypeText;

namespace {

struct Form {
  Form() : window(new QWidget) {
    auto* layout = new QVBoxLayout(window);
    caixa = new VumoCaixaWidget(window);
    next = new QLineEdit(window);
    layout->addWidget(caixa);
    layout->addWidget(next);
    caixa->Runtime().SetRegional(PtBR());
    caixa->Runtime().SetMessagePresenter(
        [this](const QString& prompt, int, const QString&) { messages << prompt; });
    window->show();
    window->activateWindow();
  }
  ~Form() { delete window.data(); }

  QLineEdit& Box(const char* name = "Caixa") const { return *caixa->findChild<QLineEdit*>(name); }
  // Leaves the active box without an event of another widget: Qt itself must not be
  // inside one when a slot deletes the window.
  void Leave(const char* name = "Caixa") const { Box(name).clearFocus(); }

  QPointer<QWidget> window;
  QPointer<VumoCaixaWidget> caixa;
  QLineEdit* next = nullptr;
  QStringList messages;
};

// Connects a slot to one signal of the form's widget, whose arguments it ignores.
using Connect = std::function<void(Form&, const std::function<void()>&)>;

template <class... Args>
Connect On(void (VumoCaixaWidget::*signal)(Args...)) {
  return [signal](Form& f, const std::function<void()>& slot) {
    QObject::connect(f.caixa, signal, [slot](Args...) { slot(); });
  };
}

template <class... Args>
Connect OnRuntime(void (QtRuntime::*signal)(Args...)) {
  return [signal](Form& f, const std::function<void()>& slot) {
    QObject::connect(&f.caixa->Runtime(), signal, [slot](Args...) { slot(); });
  };
}

void SendMouseMove(QWidget& w) {
  const QPointF at(4, 4);
  QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
}

}  // namespace

class WidgetSlotsTest : public QObject {
  Q_OBJECT

 private slots:
  void aSlotMayDeleteTheWidgetOrItsWindowOnAnySignal() {
    const struct {
      const char* name;
      Connect connect;
      std::function<void(Form&)> act;
    } rows[] = {
        {"change", On(&VumoCaixaWidget::change), [](Form& f) { TypeText(&f.Box(), "1"); }},
        {"change ao atribuir", On(&VumoCaixaWidget::change),
         [](Form& f) { f.caixa->SetText(QStringLiteral("abc")); }},
        {"keyDown", On(&VumoCaixaWidget::keyDown), [](Form& f) { TypeText(&f.Box(), "1"); }},
        {"keyPress", On(&VumoCaixaWidget::keyPress), [](Form& f) { TypeText(&f.Box(), "1"); }},
        {"keyUp", On(&VumoCaixaWidget::keyUp), [](Form& f) { TypeText(&f.Box(), "1"); }},
        {"keyEnter", On(&VumoCaixaWidget::keyEnter),
         [](Form& f) { QTest::keyClick(&f.Box(), Qt::Key_Return); }},
        {"keyEnter numérico", On(&VumoCaixaWidget::keyEnter),
         [](Form& f) {
           f.caixa->SetTipoDados(kMoeda);
           f.caixa->setFocus();
           QTest::keyClick(&f.Box("Caixa1"), Qt::Key_Return);
         }},
        {"click", On(&VumoCaixaWidget::click),
         [](Form& f) { QTest::mouseClick(&f.Box(), Qt::LeftButton); }},
        {"dblClick", On(&VumoCaixaWidget::dblClick),
         [](Form& f) { QTest::mouseDClick(&f.Box(), Qt::LeftButton); }},
        {"mouseDown", On(&VumoCaixaWidget::mouseDown),
         [](Form& f) { QTest::mouseClick(&f.Box(), Qt::LeftButton); }},
        {"mouseMove", On(&VumoCaixaWidget::mouseMove), [](Form& f) { SendMouseMove(f.Box()); }},
        {"mouseUp", On(&VumoCaixaWidget::mouseUp),
         [](Form& f) { QTest::mouseClick(&f.Box(), Qt::LeftButton); }},
        {"mandarEmail", On(&VumoCaixaWidget::mandarEmail),
         [](Form& f) {
           f.caixa->SetTipoDados(kEmail);
           f.caixa->setFocus();
           TypeText(&f.Box(), "ana@vumo.com.br");
           QTest::mouseClick(f.caixa->findChild<QPushButton*>("Btn_Evento"), Qt::LeftButton);
         }},
        {"abrirHomePage", On(&VumoCaixaWidget::abrirHomePage),
         [](Form& f) {
           f.caixa->SetTipoDados(kHomePage);
           f.caixa->setFocus();
           TypeText(&f.Box(), "vumo.com.br");
           QTest::mouseClick(f.caixa->findChild<QPushButton*>("Btn_Evento"), Qt::LeftButton);
         }},
        {"propertyChanged", On(&VumoCaixaWidget::propertyChanged),
         [](Form& f) { f.caixa->SetTipoDados(kCIC); }},
        {"propertyChanged por nome", On(&VumoCaixaWidget::propertyChanged),
         [](Form& f) { f.caixa->setProperty("TamanhoM\xc3\xa1ximo", 20); }},
        {"erro",
         [](Form& f, const std::function<void()>& slot) {
           QObject::connect(f.caixa, &VumoCaixaWidget::keyPress,
                            [](qint16&) { throw std::runtime_error("falhou"); });
           On (&VumoCaixaWidget::erro)(f, slot);
         },
         [](Form& f) { TypeText(&f.Box(), "12"); }},
        {"messageShown", OnRuntime(&QtRuntime::messageShown),
         [](Form& f) {
           f.caixa->SetTipoDados(kCIC);
           f.caixa->setFocus();
           TypeText(&f.Box(), "11111111112");
           f.Leave();
         }},
        {"messageShown numérico", OnRuntime(&QtRuntime::messageShown),
         [](Form& f) {
           f.caixa->SetTipoDados(kInteiro);
           f.caixa->setFocus();
           QApplication::clipboard()->setText(QStringLiteral("12a"));
           QTest::keyClick(&f.Box("Caixa1"), Qt::Key_V, Qt::ControlModifier);
           f.Leave("Caixa1");
         }},
        {"beeped", OnRuntime(&QtRuntime::beeped),
         [](Form& f) {
           f.caixa->SetTeclaEnter(false);
           f.caixa->setFocus();
           QTest::keyClick(&f.Box(), Qt::Key_Return);
         }},
    };
    for (const bool wholeWindow : {false, true}) {
      for (const auto& r : rows) {
        Form f;
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        f.caixa->setFocus();
        r.connect(f, [&f, wholeWindow] {
          if (wholeWindow) {
            delete f.window.data();
          } else {
            delete f.caixa.data();
          }
        });
        r.act(f);
        QVERIFY2(f.caixa.isNull(), r.name);
        QCOMPARE(f.window.isNull(), wholeWindow);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      }
    }
  }

  void aSlotThatThrowsOnANotificationIsReportedAndTheRulesGoOn() {
    const struct {
      const char* name;
      Connect connect;
      std::function<void(Form&)> act;
      QStringList messages;  // shown all the same
    } rows[] = {
        {"messageShown",
         OnRuntime(&QtRuntime::messageShown),
         [](Form& f) {
           f.caixa->SetTipoDados(kCIC);
           f.caixa->setFocus();
           TypeText(&f.Box(), "11111111112");
           f.Leave();
         },
         {QString::fromUtf8("CIC inválido. Redigite.")}},
        {"beeped",
         OnRuntime(&QtRuntime::beeped),
         [](Form& f) {
           f.caixa->SetTeclaEnter(false);
           f.caixa->setFocus();
           QTest::keyClick(&f.Box(), Qt::Key_Return);
         },
         {}},
    };
    for (const auto& r : rows) {
      Form f;
      QVERIFY(QTest::qWaitForWindowActive(f.window));
      QSignalSpy errors(f.caixa, &VumoCaixaWidget::erro);
      r.connect(f, [] { throw std::runtime_error("falhou"); });
      r.act(f);
      QCOMPARE(f.messages, r.messages);
      QCOMPARE(QApplication::focusWidget(), &f.Box());
      QCOMPARE(errors.count(), 1);
      QCOMPARE(errors[0][0].toString(), QString::fromUtf8(r.name));
      QCOMPARE(errors[0][1].toString(), QStringLiteral("falhou"));
    }
  }
};

QTEST_MAIN(WidgetSlotsTest)
#include "widget_slots_test.moc"
