// CaixaVumo in a QML form, typed into key by key as a user does: the typing scripts the
// Widgets host runs too, Enter, the messages (taken over and in the module's dialog),
// paste, the amount in words, the e-mail button, properties and their notifications,
// events whose arguments a handler changes, and the names screen readers read.

#include <QClipboard>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSGRendererInterface>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>

#include "../scripts/roteiros_digitacao.hpp"
#include "../scripts/slots_que_apagam.hpp"

using namespace vumocaixa;

namespace {

// Types text key by key into the window's focused item, as a keyboard does; characters
// beyond ASCII come with a key that Qt does not know.
void TypeInto(QWindow* window, const QString& text) {
  for (const char32_t c : text.toUcs4()) {
    if (c >= 32 && c < 127) {
      QTest::keyClick(window, static_cast<char>(c));
      continue;
    }
    const QString one = QString::fromUcs4(&c, 1);
    QTest::sendKeyEvent(QTest::Press, window, Qt::Key_unknown, one, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, window, Qt::Key_unknown, one, Qt::NoModifier);
  }
}

QPoint CentreOf(const QQuickItem& item) {
  return item.mapToScene(QPointF(item.width() / 2, item.height() / 2)).toPoint();
}

// The shared rows on the CaixaVumo of the test form; the slot deletes the item. Keys go
// to the focused box.
class ItemDriver final : public vumocaixa::testing::FormDriver {
 public:
  ItemDriver() {
    if (qEnvironmentVariableIsEmpty("QML_IMPORT_PATH"))
      view.engine()->addImportPath(VUMOCAIXA_QML_BUILD_DIR);
    view.setSource(QUrl::fromLocalFile(VUMOCAIXA_TEST_FORM));
    caixa = view.rootObject()->findChild<QQuickItem*>("caixa");
    proximo = view.rootObject()->findChild<QQuickItem*>("proximo");
    view.show();
    view.requestActivate();
    if (!QTest::qWaitForWindowActive(&view)) qWarning("the form is not active");
  }

  void Connect(const char* signal, std::function<void()> slot) override {
    m_slots.push_back(
        std::make_unique<vumocaixa::testing::SlotByName>(*caixa, signal, std::move(slot)));
    QVERIFY2(m_slots.back()->Connected(), signal);
  }
  void DeleteControl() override { delete caixa.data(); }
  [[nodiscard]] bool Deleted() const override { return caixa.isNull(); }

  void SetTipo(int tipo) override { caixa->setProperty("tipoDados", tipo); }
  void SetText(const QString& text) override { caixa->setProperty("text", text); }
  void SetTeclaEnter(bool on) override { caixa->setProperty("teclaEnter", on); }
  void SetTamanhoMaximo(int chars) override { caixa->setProperty("tamanhoMaximo", chars); }
  void Focus() override { caixa->forceActiveFocus(); }
  void Type(const char* /*box*/, const QString& keys) override { TypeInto(&view, keys); }
  void Enter(const char* /*box*/) override { QTest::keyClick(&view, Qt::Key_Return); }
  void Click(const char* box) override {
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(Input(box)));
  }
  void DblClick(const char* box) override {
    QTest::mouseDClick(&view, Qt::LeftButton, {}, CentreOf(Input(box)));
  }
  // The box sees the mouse move while a button holds it.
  void MouseMove(const char* box) override {
    const QPoint at = CentreOf(Input(box));
    QTest::mousePress(&view, Qt::LeftButton, {}, at);
    QTest::mouseMove(&view, at + QPoint(2, 0));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, at + QPoint(2, 0));
  }
  void ClickButton() override {
    QMetaObject::invokeMethod(caixa->findChild<QQuickItem*>("Btn_Evento"), "clicked");
  }
  void Paste(const char* /*box*/, const QString& text) override {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
  }
  void Leave(const char* /*box*/) override {
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(*proximo));
    QCoreApplication::processEvents();  // the box reports leaving once the click is over
  }

 private:
  QQuickItem& Input(const char* box) const {
    auto* part = caixa->findChild<QQuickItem*>(box);
    return *part->property("textItem").value<QQuickItem*>();
  }

  QQuickView view;
  QPointer<QQuickItem> caixa;
  QQuickItem* proximo = nullptr;
  std::vector<std::unique_ptr<vumocaixa::testing::SlotByName>> m_slots;
};

}  // namespace

class CaixaVumoTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QQuickView> view;
  QQuickItem* caixa = nullptr;
  QQuickItem* proximo = nullptr;
  QStringList messages;

  QQuickItem* focused() const { return view->activeFocusItem(); }
  QQuickItem* input(const char* box = "Caixa") const {
    auto* part = caixa->findChild<QQuickItem*>(box);
    return part->property("textItem").value<QQuickItem*>();
  }
  QString shown(const char* box = "Caixa") const { return input(box)->property("text").toString(); }

  void type(const QString& text) { TypeInto(view.get(), text); }

  void leave() {
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, CentreOf(*proximo));
    QCoreApplication::processEvents();  // the box reports leaving once the click is over
  }

  void setTipo(QQuickItem* item, int tipo) { item->setProperty("tipoDados", tipo); }

 private slots:
  void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

  void init() {
    view = std::make_unique<QQuickView>();
    if (qEnvironmentVariableIsEmpty("QML_IMPORT_PATH"))
      view->engine()->addImportPath(VUMOCAIXA_QML_BUILD_DIR);
    view->setSource(QUrl::fromLocalFile(VUMOCAIXA_TEST_FORM));
    QVERIFY2(view->status() == QQuickView::Ready,
             qPrintable(view->errors().isEmpty() ? QString() : view->errors().first().toString()));
    caixa = view->rootObject()->findChild<QQuickItem*>("caixa");
    proximo = view->rootObject()->findChild<QQuickItem*>("proximo");
    messages.clear();
    connect(caixa, SIGNAL(mensagem(QString, int, QString)), this,
            SLOT(record(QString, int, QString)));
    view->show();
    view->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
  }

  void record(const QString& texto, int estilo, const QString& titulo) {
    messages << QStringLiteral("%1|%2|%3").arg(texto).arg(estilo).arg(titulo);
  }

  void cleanup() { view.reset(); }

  // A C++ slot may delete the item on any of its signals.
  void aSlotMayDeleteTheItemOnAnySignal() {
    view.reset();
    vumocaixa::testing::PlaySlotsQueApagam([] { return std::make_unique<ItemDriver>(); });
  }

  void cpfTypedKeyByKey() {
    auto* cpf = view->rootObject()->findChild<QQuickItem*>("cpf");
    QCOMPARE(cpf->property("tipoDados").toInt(), int{kCIC});
    cpf->forceActiveFocus();
    const QStringList masks = {
        "1",         "12",         "123",         "123.4",         "123.45",        "123.456",
        "123.456.7", "123.456.78", "123.456.789", "123.456.789-0", "123.456.789-09"};
    for (const QString& mask : masks) {
      type(mask.back());
      QCOMPARE(focused()->property("text").toString(), mask);
    }
  }

  void sharedTypingScripts() {
    for (const vumocaixa::testing::RoteiroDigitacao& r : vumocaixa::testing::kRoteirosDigitacao) {
      setTipo(caixa, kTexto);
      caixa->setProperty("text", QString());
      setTipo(caixa, r.tipo);
      caixa->setProperty("endereco", r.endereco);
      caixa->forceActiveFocus();
      messages.clear();
      QQuickItem* active = focused();
      QVERIFY2(active != nullptr && active->parentItem()->parentItem() == caixa, r.nome);
      type(QString::fromUtf8(r.digitado));
      QVERIFY2(
          active->property("text").toString() == QString::fromUtf8(r.mostrado),
          qPrintable(QStringLiteral("%1: %2").arg(r.nome, active->property("text").toString())));
      leave();
      QVERIFY2(
          active->property("text").toString() == QString::fromUtf8(r.aoSair),
          qPrintable(QStringLiteral("%1: %2").arg(r.nome, active->property("text").toString())));
      QVERIFY2(messages.join(u'/') == QString::fromUtf8(r.mensagem),
               qPrintable(QStringLiteral("%1: %2").arg(r.nome, messages.join(u'/'))));
      const bool refused = *r.mensagem != '\0';
      QVERIFY2((focused() == active) == refused, r.nome);
      proximo->forceActiveFocus();
      QCoreApplication::processEvents();
    }
  }

  void enterMovesToTheNextItemUnlessCancelled() {
    QSignalSpy enters(caixa, SIGNAL(keyEnter(vumocaixa::quick::EventoCaixa*)));
    QSignalSpy beeps(caixa, SIGNAL(bipe()));
    caixa->forceActiveFocus();
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(enters.count(), 1);
    QVERIFY(focused() != input());
    QCOMPARE(beeps.count(), 0);
    QCOMPARE(shown(), QString());
  }

  void pastedTextIsCheckedOnLeaving() {
    setTipo(caixa, kInteiro);
    caixa->forceActiveFocus();
    QGuiApplication::clipboard()->setText("12a");
    QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(shown("Caixa1"), "12a");
    leave();
    QCOMPARE(messages,
             QStringList({QString::fromUtf8("Valor Inválido. Redigite.|64|Erro nos dados")}));
    QCOMPARE(shown("Caixa1"), "0");
    QCOMPARE(focused(), input("Caixa1"));
  }

  void inputMethodTextIsFilteredByTheControl() {
    setTipo(caixa, kInteiro);
    caixa->forceActiveFocus();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("1a2"));
    QGuiApplication::sendEvent(focused(), &composed);
    QCOMPARE(shown("Caixa1"), "12");
  }

  void messageInTheModulesDialog() {
    caixa->setProperty("mostraMensagens", true);
    setTipo(caixa, kCIC);
    caixa->forceActiveFocus();
    type("11111111112");
    QString seen;
    QTimer close;
    connect(&close, &QTimer::timeout, this, [&] {
      for (QObject* child : caixa->children()) {
        if (child->metaObject()->indexOfProperty("buttons") < 0) continue;
        seen = child->property("text").toString() + "|" + child->property("title").toString();
        QTest::keyClick(view.get(), Qt::Key_Return);  // the keyboard closes it
        close.stop();
      }
    });
    close.start(10);
    leave();
    QCOMPARE(seen, QString::fromUtf8("CIC inválido. Redigite.|Valor inválido"));
    QTRY_COMPARE(focused(), input());
  }

  void extensoShowsTheWordsOfAnAssignedAmount() {
    setTipo(caixa, kExtenso);
    caixa->setProperty("text", 1.5);
    auto* label = caixa->findChild<QQuickItem*>("Caixa2");
    QVERIFY(label != nullptr && label->isVisible());
    QCOMPARE(label->property("text").toString(), "Um Real e Cinquenta Centavos");
    QVERIFY(!input()->isVisible());
    QCOMPARE(caixa->property("text").toString(), "Um Real e Cinquenta Centavos");
  }

  void emailButtonHandsTheAddressToTheHandler() {
    setTipo(caixa, kEmail);
    caixa->forceActiveFocus();
    type("ana@vumo.com.br");
    QSignalSpy sent(caixa, SIGNAL(mandarEmail(vumocaixa::quick::EventoCaixa*)));
    auto* button = caixa->findChild<QQuickItem*>("Btn_Evento");
    QVERIFY(button != nullptr && button->isVisible());
    QCOMPARE(button->property("acao").toString(), "Enviar e-mail");
    QMetaObject::invokeMethod(button, "clicked");
    QCOMPARE(sent.count(), 1);
  }

  // A handler in QML changes the argument: a cancelled Enter beeps and stays.
  void handlersChangeTheArguments() {
    QQmlComponent component(view->engine());
    component.setData(
        "import QtQuick\nimport VumoCaixa\nCaixaVumo {\n"
        "  mostraMensagens: false; tudoMaiusculo: true\n"
        "  onKeyEnter: (evento) => evento.cancelar = true\n"
        "}",
        QUrl());
    std::unique_ptr<QObject> made(component.beginCreate(view->engine()->rootContext()));
    auto* item = qobject_cast<QQuickItem*>(made.get());
    QVERIFY2(item != nullptr, qPrintable(component.errorString()));
    item->setParentItem(view->rootObject());
    component.completeCreate();
    QSignalSpy beeps(item, SIGNAL(bipe()));
    item->forceActiveFocus();
    type("ab");
    QCOMPARE(focused()->property("text").toString(), "AB");
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(focused()->parentItem()->parentItem(), item);
  }

  void propertiesNotifyAndRefuseAsTheControlDoes() {
    QSignalSpy tipos(caixa, SIGNAL(tipoDadosChanged()));
    QSignalSpy textos(caixa, SIGNAL(textChanged()));
    setTipo(caixa, kCEP);
    QCOMPARE(tipos.count(), 1);
    QCOMPARE(caixa->property("tamanhoMaximo").toInt(), 10);
    caixa->forceActiveFocus();
    type("1");
    QVERIFY(textos.count() >= 1);
    setTipo(caixa, 40000);
    QCOMPARE(messages, QStringList({"Erro na Propriedade|16|Erro"}));
    QCOMPARE(caixa->property("tipoDados").toInt(), int{kTexto});
  }

  // A property that takes a new value raises its own change signal, and no other's.
  void everyPropertyNotifiesItsOwnChange() {
    const struct {
      const char* name;
      QVariant value;  // none: a Boolean, which changes to the other value
    } rows[] = {
        {"tipoDados", int{kCEP}},
        {"habilitado", {}},
        {"teclaEnter", {}},
        {"maiusculoEMinusculo", {}},
        {"tudoMaiusculo", {}},
        {"tamanhoMaximo", 7},
        {"endereco", {}},
        {"cnpjAlfanumerico", {}},
        {"extensoNorma", {}},
        {"text", QStringLiteral("12")},
        {"backColor", QColor(Qt::red)},
        {"foreColor", QColor(Qt::blue)},
        {"font", QFont(QStringLiteral("DejaVu Sans"), 20)},
    };
    const QMetaObject& meta = *caixa->metaObject();
    int notifying = 0;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
      notifying += meta.property(i).hasNotifySignal() ? 1 : 0;
    }
    QCOMPARE(notifying, int(std::size(rows)) + 1);  // and mostraMensagens, the item's own
    for (const auto& r : rows) {
      const QMetaProperty property = meta.property(meta.indexOfProperty(r.name));
      QSignalSpy own(caixa, QByteArray("2") + property.notifySignal().methodSignature());
      QSignalSpy tipos(caixa, SIGNAL(tipoDadosChanged()));
      const QVariant now = caixa->property(r.name);
      QVERIFY2(caixa->setProperty(r.name, r.value.isValid() ? r.value : QVariant(!now.toBool())),
               r.name);
      QVERIFY2(own.count() >= 1, r.name);
      if (qstrcmp(r.name, "tipoDados") != 0) QVERIFY2(tipos.isEmpty(), r.name);
    }
  }

  // The README's QML example, as an application would load it.
  void readmeExampleLoads() {
    QFile readme(VUMOCAIXA_SOURCE_DIR "/README.md");
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype start = text.indexOf("```qml\n");
    QVERIFY(start >= 0);
    const qsizetype end = text.indexOf("```", start + 7);
    QQmlComponent component(view->engine());
    component.setData(text.mid(start + 7, end - start - 7).toUtf8(), QUrl());
    std::unique_ptr<QObject> made(component.create());
    QVERIFY2(made != nullptr, qPrintable(component.errorString()));
    QStringList tipos;
    for (const QQuickItem* item : qobject_cast<QQuickItem*>(made.get())->childItems()) {
      tipos << QString::number(item->property("tipoDados").toInt());
    }
    QCOMPARE(tipos, QStringList({QString::number(kCIC), QString::number(kMoeda)}));
  }

  // QML's enum values start with a capital: "email" is Email there.
  void tipoIsTheTableOfDataTypes() {
    const QMetaProperty property =
        caixa->metaObject()->property(caixa->metaObject()->indexOfProperty("tipoDados"));
    const QMetaEnum tipos = property.enumerator();
    QCOMPARE(std::size_t(tipos.keyCount()), kTiposDeDados.size());
    for (int i = 0; i < tipos.keyCount(); ++i) {
      QString nome = QString::fromUtf8(kTiposDeDados[std::size_t(i)].nome.data(),
                                       qsizetype(kTiposDeDados[std::size_t(i)].nome.size()));
      nome[0] = nome[0].toUpper();
      QCOMPARE(QString::fromLatin1(tipos.key(i)), nome);
      QCOMPARE(tipos.value(i), i);
    }
  }

  // An item makes the parts its data type shows, and only those.
  void itemHoldsThePartsItsTypeShows() {
    QQmlComponent component(view->engine());
    for (const TipoDadosInfo& row : kTiposDeDados) {
      QByteArray name(row.nome.data(), static_cast<qsizetype>(row.nome.size()));
      name[0] = static_cast<char>(QChar::toUpper(name[0]));
      component.setData(
          "import VumoCaixa\nCaixaVumo { mostraMensagens: false; tipoDados: "
          "CaixaVumo." +
              name + " }",
          QUrl());
      const std::unique_ptr<QObject> item(component.create());
      QVERIFY2(item != nullptr, qPrintable(component.errorString()));
      const auto made = [&](const char* part) {
        return item->findChild<QQuickItem*>(QString::fromLatin1(part)) != nullptr;
      };
      QVERIFY2(made("Caixa") == (row.caixa == CaixaDoTipo::Caixa), name);
      QVERIFY2(made("Caixa1") == (row.caixa == CaixaDoTipo::Caixa1), name);
      QVERIFY2(made("Caixa2") == (row.caixa == CaixaDoTipo::Caixa2), name);
      QVERIFY2(made("Btn_Evento") == row.botao, name);
    }
  }

  // In a column nobody sizes the items: each shows at its type's width, and a width the
  // application sets holds.
  void itemWithoutASizeTakesItsTypesWidth() {
    auto* cpf = view->rootObject()->findChild<QQuickItem*>("cpf");
    QVERIFY(caixa->width() > cpf->width());
    QVERIFY(cpf->width() > 0 && cpf->height() > 0);
    QCOMPARE(cpf->width(), cpf->implicitWidth());
    QCOMPARE(caixa->width(), caixa->implicitWidth());
    cpf->setWidth(50);
    setTipo(cpf, kCEP);
    QCOMPARE(cpf->width(), 50.0);
  }

  void screenReadersGetTheNameAndTheEntry() {
    setTipo(caixa, kMoeda);
    QQuickItem* box = caixa->findChild<QQuickItem*>("Caixa1");
    QCOMPARE(box->property("accessibleName").toString(), "Documento");
    QCOMPARE(box->property("accessibleDescription").toString(), "Valor em reais");
  }
};

QTEST_MAIN(CaixaVumoTest)
#include "caixa_vumo_test.moc"
