#include "caixa_vumo_p.hpp"

#include <algorithm>

#include <QEventLoop>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickWindow>
#include <QScreen>
#include <QtDebug>

#include <vumocaixa/control/descricao_entrada.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>

namespace vumocaixa::quick {

using qtcommon::FromUtf8;
using qtcommon::ToQFont;
using qtcommon::TwipsToPixels;

namespace {

constexpr char kDialogQml[] = R"(
import QtQuick
import QtQuick.Dialogs
MessageDialog { buttons: MessageDialog.Ok }
)";

qreal PrimaryDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

// Enter, Return and Escape close the message from the keyboard, as its OK button does
// with the mouse: the dialog does not take the keyboard focus by itself.
class CloseOnEnter final : public QObject {
 public:
  explicit CloseOnEnter(QObject& dialog) : m_dialog(dialog) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) return false;
    QMetaObject::invokeMethod(&m_dialog, "accept");
    return true;
  }

 private:
  QObject& m_dialog;
};

}  // namespace

CaixaVumo::Private::Private(CaixaVumo& item, QQmlEngine& qmlEngine)
    : q(item),
      engine(qmlEngine),
      dpi(PrimaryDpi()),
      container(item, *this),
      runtime(item, *this),
      caixa(new QuickEditBox(*this, "Caixa")),
      caixa1(new QuickEditBox(*this, "Caixa1")),
      caixa2(new QuickLabel(*this)),
      button(new QuickButton(*this)),
      control(ConstituentWidgets{std::unique_ptr<Widget>(caixa), std::unique_ptr<Widget>(caixa1),
                                 std::unique_ptr<Widget>(caixa2), std::unique_ptr<Widget>(button)},
              container, runtime) {}

CaixaVumo::Private::~Private() { Detach(); }

void CaixaVumo::Private::Detach() {
  caixa->SetListener(nullptr);
  caixa1->SetListener(nullptr);
  button->SetListener(nullptr);
  container.Attach(nullptr);
}

void CaixaVumo::Private::Orphan() {
  for (QuickPart* part : std::initializer_list<QuickPart*>{caixa, caixa1, caixa2, button}) {
    if (!part->HasItem()) continue;
    QQuickItem& item = part->Item();
    item.setVisible(false);
    item.setParentItem(nullptr);
    item.setParent(nullptr);
  }
}

void CaixaVumo::Private::ReportError(const QString& where, const QString& what) noexcept {
  qWarning("CaixaVumo %s: %s", qUtf8Printable(where), qUtf8Printable(what));
  try {
    emit q.erro(where, what);
  } catch (...) {
    qWarning("CaixaVumo: a handler of erro failed");
  }
}

void CaixaVumo::Private::MakeShownParts() {
  for (QuickPart* part : std::initializer_list<QuickPart*>{caixa, caixa1, caixa2, button}) {
    part->MakeIfShown();
  }
}

void CaixaVumo::Private::FollowActiveBox() {
  QuickEditBox* active = nullptr;
  if (&control.ActiveWidget() == caixa) active = caixa;
  if (&control.ActiveWidget() == caixa1) active = caixa1;
  if (active != nullptr) active->Input().setFocus(true);
  const std::int32_t chars = control.TamanhoMáximo();
  const QFontMetricsF metrics(ToQFont(*caixa->Font()));
  const qreal design = TwipsToPixels(kDesignWidth, dpi);
  qreal width = design;
  if (!LarguraLivre(control.TipoDados()) && chars > 0) {
    const qreal minimum = TwipsToPixels(button->Width(), dpi);
    width = std::clamp(10 + chars * metrics.horizontalAdvance(QLatin1Char('9')), minimum,
                       std::max(minimum, design));
  }
  q.setImplicitWidth(width);
  q.setImplicitHeight(std::max<qreal>(TwipsToPixels(kMinimumHeight, dpi), metrics.height() + 8));
  RefreshNames();
}

void CaixaVumo::Private::RefreshNames() {
  const int tipo = control.TipoDados();
  const QQmlProperty accessibleName(&q, QStringLiteral("Accessible.name"), qmlContext(&q));
  const QString name = accessibleName.isValid() ? accessibleName.read().toString() : QString();
  const QString description = FromUtf8(DescricaoDaEntrada(tipo));
  caixa->SetAccessible(name, description);
  caixa1->SetAccessible(name, description);
  button->SetAction(FromUtf8(AcaoDoBotao(tipo)));
}

void CaixaVumo::Private::ShowDialog(const QString& texto, const QString& titulo) {
  auto* component = engine.findChild<QQmlComponent*>(QStringLiteral("vumocaixa-mensagem"),
                                                     Qt::FindDirectChildrenOnly);
  if (component == nullptr) {
    component = new QQmlComponent(&engine, &engine);
    component->setObjectName(QStringLiteral("vumocaixa-mensagem"));
    component->setData(kDialogQml, QUrl(QStringLiteral("vumocaixa:///mensagem.qml")));
  }
  QObject* dialog = component->beginCreate(engine.rootContext());
  if (dialog == nullptr) throw HostError(component->errorString().toStdString());
  dialog->setParent(&q);
  component->completeCreate();
  const QPointer<QObject> alive(dialog);
  dialog->setProperty("text", texto);
  dialog->setProperty("title", titulo);
  QEventLoop loop;
  QObject::connect(dialog, SIGNAL(accepted()), &loop, SLOT(quit()));
  QObject::connect(dialog, SIGNAL(rejected()), &loop, SLOT(quit()));
  QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
  CloseOnEnter keys(*dialog);
  QPointer<QQuickWindow> window = q.window();
  if (window) window->installEventFilter(&keys);
  QMetaObject::invokeMethod(dialog, "open");
  if (dialog->property("visible").toBool()) loop.exec();
  if (window) window->removeEventFilter(&keys);
  delete alive.data();
}

}  // namespace vumocaixa::quick
