// Slots that abuse VumoCaixaWidget: a directly connected slot that deletes the widget
// or its window, for every signal, must leave nothing behind that touches freed
// memory (run under AddressSanitizer); a slot that throws on a notification is
// reported and the control still does what its rules say.

#include <functional>
#include <memory>
#include <vector>

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

#include "../scripts/slots_que_apagam.hpp"
#include "qt_test_support.hpp"

using namespace vumocaixa;
using namespace vumocaixa::qt;
using vumocaixa::qt::testing::TypeText;
using vumocaixa::testing::FormDriver;
using vumocaixa::testing::PlaySlotsQueApagam;
using vumocaixa::testing::SlotByName;

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

// The shared rows on a VumoCaixaWidget of a Form; the slot deletes the widget, or its
// window when wholeWindow.
class WidgetDriver final : public FormDriver {
 public:
  explicit WidgetDriver(bool wholeWindow) : m_wholeWindow(wholeWindow) {}

  void Connect(const char* signal, std::function<void()> slot) override {
    const QByteArray name(signal);
    QObject* sender = form.caixa;
    QByteArray own = name;
    if (name == "mensagem" || name == "bipe") sender = &form.caixa->Runtime();
    if (name == "mensagem") own = "messageShown";
    if (name == "bipe") own = "beeped";
    if (name.endsWith("Changed")) own = "propertyChanged";
    m_slots.push_back(std::make_unique<SlotByName>(*sender, own, std::move(slot)));
    QVERIFY2(m_slots.back()->Connected(), signal);
  }
  void DeleteControl() override {
    if (m_wholeWindow) {
      delete form.window.data();
    } else {
      delete form.caixa.data();
    }
  }
  [[nodiscard]] bool Deleted() const override {
    return form.caixa.isNull() && form.window.isNull() == m_wholeWindow;
  }

  void SetTipo(int tipo) override { form.caixa->SetTipoDados(tipo); }
  void SetText(const QString& text) override { form.caixa->SetText(text); }
  void SetTeclaEnter(bool on) override { form.caixa->SetTeclaEnter(on); }
  // By the accented name, which the widget keeps as a dynamic property.
  void SetTamanhoMaximo(int chars) override {
    form.caixa->setProperty("TamanhoM\xc3\xa1ximo", chars);
  }
  void Focus() override { form.caixa->setFocus(); }
  void Type(const char* box, const QString& keys) override { TypeText(&form.Box(box), keys); }
  void Enter(const char* box) override { QTest::keyClick(&form.Box(box), Qt::Key_Return); }
  void Click(const char* box) override { QTest::mouseClick(&form.Box(box), Qt::LeftButton); }
  void DblClick(const char* box) override { QTest::mouseDClick(&form.Box(box), Qt::LeftButton); }
  void MouseMove(const char* box) override { SendMouseMove(form.Box(box)); }
  void ClickButton() override {
    QTest::mouseClick(form.caixa->findChild<QPushButton*>("Btn_Evento"), Qt::LeftButton);
  }
  void Paste(const char* box, const QString& text) override {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&form.Box(box), Qt::Key_V, Qt::ControlModifier);
  }
  void Leave(const char* box) override { form.Leave(box); }

  Form form;

 private:
  bool m_wholeWindow;
  std::vector<std::unique_ptr<SlotByName>> m_slots;
};

}  // namespace

class WidgetSlotsTest : public QObject {
  Q_OBJECT

 private slots:
  void aSlotMayDeleteTheWidgetOrItsWindowOnAnySignal() {
    for (const bool wholeWindow : {false, true}) {
      PlaySlotsQueApagam([wholeWindow]() -> std::unique_ptr<FormDriver> {
        auto driver = std::make_unique<WidgetDriver>(wholeWindow);
        if (!QTest::qWaitForWindowActive(driver->form.window)) qWarning("the form is not active");
        return driver;
      });
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
