#include "caixa_vumo.hpp"

#include <optional>

#include <QHash>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QtDebug>

#include <vumocaixa/control/property_help.hpp>
#include <vumocaixa/qtcommon/properties.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

#include "caixa_vumo_p.hpp"

namespace vumocaixa::quick {

// What QML assigns before the item is complete, applied then in this order.
struct CaixaVumo::Pending {
  std::optional<bool> teclaEnter, maiusculoEMinusculo, tudoMaiusculo, endereco, cnpjAlfanumerico,
      extensoNorma;
  std::optional<int> tipoDados;
  std::optional<bool> habilitado;
  std::optional<int> tamanhoMaximo;
  std::optional<QVariant> text;
  std::optional<QColor> backColor, foreColor;
  std::optional<QFont> font;
};

namespace {

// The QML name of a property of the control: its member name without accents, its
// leading capitals in lower case ("TipoDados" tipoDados, "TamanhoMáximo" tamanhoMaximo,
// "CNPJAlfanumerico" cnpjAlfanumerico).
QByteArray QmlName(std::string_view member) {
  QString name = qtcommon::FromUtf8(member).normalized(QString::NormalizationForm_D);
  name.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
  qsizetype capitals = 0;
  while (capitals < name.size() && name[capitals].isUpper()) ++capitals;
  // Of a run of capitals before a word, the last one begins the word.
  if (capitals > 1 && capitals < name.size()) --capitals;
  for (qsizetype i = 0; i < capitals; ++i) name[i] = name[i].toLower();
  return name.toLatin1();
}

// The change signal of each property of the control's list, by the name the control
// gives the property when it changes.
const QHash<QString, QMetaMethod>& Notifiers() {
  static const QHash<QString, QMetaMethod> notifiers = [] {
    QHash<QString, QMetaMethod> found;
    const QMetaObject& meta = CaixaVumo::staticMetaObject;
    for (const PropertyHelp& p : PropertyHelpTexts()) {
      const int index = meta.indexOfProperty(QmlName(p.member).constData());
      if (index < 0) {
        qWarning("CaixaVumo: no property for %s", QmlName(p.member).constData());
        continue;
      }
      found.insert(qtcommon::FromUtf8(p.notified), meta.property(index).notifySignal());
    }
    return found;
  }();
  return notifiers;
}

}  // namespace

CaixaVumo::CaixaVumo(QQuickItem* parent)
    : QQuickItem(parent), m_pending(std::make_unique<Pending>()) {
  setFlag(ItemIsFocusScope);
  setActiveFocusOnTab(false);
}

CaixaVumo::~CaixaVumo() {
  if (!d) return;
  const std::shared_ptr<qtcommon::FrameLife> life = d->Life();
  life->gone = true;
  d->Detach();
  if (life->busy == 0) return;
  // A handler deletes the item while the control is inside one of its own: that one
  // stops once the signal returns, and the control and its parts, which it may still
  // be touching until then, go when the event loop next runs.
  d->Orphan();
  qtcommon::Release(*life, std::move(d));
}

void CaixaVumo::classBegin() {
  QQuickItem::classBegin();
  QQmlEngine* engine = qmlEngine(this);
  if (engine == nullptr) {
    qWarning("CaixaVumo: made without a QML engine, it shows nothing");
    return;
  }
  try {
    d = std::make_unique<Private>(*this, *engine);
  } catch (const std::exception& e) {
    qWarning("CaixaVumo: %s", e.what());
    emit erro(QStringLiteral("classBegin"), QString::fromUtf8(e.what()));
    return;
  }
  d->Call("InitProperties", [this] {
    d->control.UserControl_InitProperties();
    d->container.ItemResized();
  });
}

void CaixaVumo::componentComplete() {
  QQuickItem::componentComplete();
  const std::unique_ptr<Pending> p = std::move(m_pending);
  if (!d) return;
  // A handler of a property's change may delete the item: what follows it is skipped.
  const std::shared_ptr<qtcommon::FrameLife> life = d->Life();
  const auto apply = [&](const auto& pending, auto setter) {
    if (pending && !life->gone) (this->*setter)(*pending);
  };
  apply(p->teclaEnter, &CaixaVumo::setTeclaEnter);
  apply(p->maiusculoEMinusculo, &CaixaVumo::setMaiusculoEMinusculo);
  apply(p->tudoMaiusculo, &CaixaVumo::setTudoMaiusculo);
  apply(p->endereco, &CaixaVumo::setEndereco);
  apply(p->cnpjAlfanumerico, &CaixaVumo::setCnpjAlfanumerico);
  apply(p->extensoNorma, &CaixaVumo::setExtensoNorma);
  if (p->tipoDados && !life->gone) setTipoDados(static_cast<Tipo>(*p->tipoDados));
  apply(p->habilitado, &CaixaVumo::setHabilitado);
  apply(p->tamanhoMaximo, &CaixaVumo::setTamanhoMaximo);
  apply(p->backColor, &CaixaVumo::setBackColor);
  apply(p->foreColor, &CaixaVumo::setForeColor);
  apply(p->font, &CaixaVumo::setFont);
  apply(p->text, &CaixaVumo::setText);
  if (life->gone) return;
  d->MakeShownParts();
  d->FollowActiveBox();
  const QQmlProperty accessibleName(this, QStringLiteral("Accessible.name"), qmlContext(this));
  if (accessibleName.isValid()) {
    accessibleName.connectNotifySignal(this, SLOT(RefreshNames()));
  }
}

void CaixaVumo::RefreshNames() {
  if (d) d->RefreshNames();
}

void CaixaVumo::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
  QQuickItem::geometryChange(newGeometry, oldGeometry);
  if (d && newGeometry.size() != oldGeometry.size()) {
    d->Call("Resize", [this] { d->container.ItemResized(); });
  }
}

void CaixaVumo::PropertyChanged(const QString& name) {
  const QHash<QString, QMetaMethod>& notifiers = Notifiers();
  const auto notifier = notifiers.constFind(name);
  if (notifier != notifiers.cend()) notifier->invoke(this, Qt::DirectConnection);
}

void CaixaVumo::ShowMessage(const QString& texto, const QString& titulo) {
  if (!m_mostraMensagens || !d) return;
  // A handler may delete the item while the dialog is open: the inside outlives it.
  Private& inside = *d;
  ++inside.showingMessage;
  try {
    inside.ShowDialog(texto, titulo);
  } catch (...) {
    --inside.showingMessage;
    throw;
  }
  --inside.showingMessage;
}

// --- Properties -----------------------------------------------------------------------

template <class T, class F>
T CaixaVumo::Current(std::optional<T> Pending::*member, T fallback, F&& read) const {
  if (m_pending && (*m_pending.*member).has_value()) return *(*m_pending.*member);
  return d ? read() : fallback;
}

template <class T, class F>
bool CaixaVumo::Assign(std::optional<T> Pending::*member, const T& value, const char* where,
                       F&& apply) {
  if (m_pending) {
    *m_pending.*member = value;
    return false;
  }
  return d && d->Call(where, [&] { apply(d->control); });
}

CaixaVumo::Tipo CaixaVumo::tipoDados() const {
  return static_cast<Tipo>(
      Current<int>(&Pending::tipoDados, 0, [this] { return int{d->control.TipoDados()}; }));
}

void CaixaVumo::setTipoDados(Tipo value) {
  if (m_pending) {
    m_pending->tipoDados = value;
    return;
  }
  if (!d) return;
  if (d->Call("tipoDados", [&] { qtcommon::AssignTipoDados(d->control, value); })) {
    d->FollowActiveBox();
  }
}

bool CaixaVumo::habilitado() const {
  return Current<bool>(&Pending::habilitado, true, [this] { return d->control.Habilitado(); });
}

void CaixaVumo::setHabilitado(bool value) {
  Assign(&Pending::habilitado, value, "habilitado",
         [&](VumoCaixaControl& c) { c.SetHabilitado(value); });
}

bool CaixaVumo::teclaEnter() const {
  return Current<bool>(&Pending::teclaEnter, false, [this] { return d->control.TeclaEnter(); });
}

void CaixaVumo::setTeclaEnter(bool value) {
  Assign(&Pending::teclaEnter, value, "teclaEnter",
         [&](VumoCaixaControl& c) { c.SetTeclaEnter(value); });
}

bool CaixaVumo::maiusculoEMinusculo() const {
  return Current<bool>(&Pending::maiusculoEMinusculo, false,
                       [this] { return d->control.MaiusculoEMinusculo(); });
}

void CaixaVumo::setMaiusculoEMinusculo(bool value) {
  Assign(&Pending::maiusculoEMinusculo, value, "maiusculoEMinusculo",
         [&](VumoCaixaControl& c) { c.SetMaiusculoEMinusculo(value); });
}

bool CaixaVumo::tudoMaiusculo() const {
  return Current<bool>(&Pending::tudoMaiusculo, false,
                       [this] { return d->control.TudoMaiusculo(); });
}

void CaixaVumo::setTudoMaiusculo(bool value) {
  Assign(&Pending::tudoMaiusculo, value, "tudoMaiusculo",
         [&](VumoCaixaControl& c) { c.SetTudoMaiusculo(value); });
}

int CaixaVumo::tamanhoMaximo() const {
  return Current<int>(&Pending::tamanhoMaximo, 0,
                      [this] { return static_cast<int>(d->control.TamanhoMáximo()); });
}

void CaixaVumo::setTamanhoMaximo(int value) {
  if (Assign(&Pending::tamanhoMaximo, value, "tamanhoMaximo",
             [&](VumoCaixaControl& c) { c.SetTamanhoMáximo(value); })) {
    d->FollowActiveBox();
  }
}

bool CaixaVumo::endereco() const {
  return Current<bool>(&Pending::endereco, false, [this] { return d->control.Endereço(); });
}

void CaixaVumo::setEndereco(bool value) {
  Assign(&Pending::endereco, value, "endereco", [&](VumoCaixaControl& c) { c.SetEndereço(value); });
}

bool CaixaVumo::cnpjAlfanumerico() const {
  return Current<bool>(&Pending::cnpjAlfanumerico, false,
                       [this] { return d->control.CNPJAlfanumerico(); });
}

void CaixaVumo::setCnpjAlfanumerico(bool value) {
  Assign(&Pending::cnpjAlfanumerico, value, "cnpjAlfanumerico",
         [&](VumoCaixaControl& c) { c.SetCNPJAlfanumerico(value); });
}

bool CaixaVumo::extensoNorma() const {
  return Current<bool>(&Pending::extensoNorma, false, [this] { return d->control.ExtensoNorma(); });
}

void CaixaVumo::setExtensoNorma(bool value) {
  Assign(&Pending::extensoNorma, value, "extensoNorma",
         [&](VumoCaixaControl& c) { c.SetExtensoNorma(value); });
}

QVariant CaixaVumo::text() const {
  QVariant value;
  if (m_pending && m_pending->text) return *m_pending->text;
  if (d) d->Call("text", [&] { value = qtcommon::ToQVariant(d->control.Text()); });
  return value;
}

void CaixaVumo::setText(const QVariant& value) {
  Assign(&Pending::text, value, "text",
         [&](VumoCaixaControl& c) { c.SetText(qtcommon::FromQVariant(value)); });
}

QColor CaixaVumo::backColor() const {
  return Current<QColor>(&Pending::backColor, QColor(),
                         [this] { return qtcommon::ToQColor(d->control.BackColor()); });
}

void CaixaVumo::setBackColor(const QColor& value) {
  Assign(&Pending::backColor, value, "backColor",
         [&](VumoCaixaControl& c) { c.SetBackColor(qtcommon::FromQColor(value)); });
}

QColor CaixaVumo::foreColor() const {
  return Current<QColor>(&Pending::foreColor, QColor(),
                         [this] { return qtcommon::ToQColor(d->control.ForeColor()); });
}

void CaixaVumo::setForeColor(const QColor& value) {
  Assign(&Pending::foreColor, value, "foreColor",
         [&](VumoCaixaControl& c) { c.SetForeColor(qtcommon::FromQColor(value)); });
}

QFont CaixaVumo::font() const {
  return Current<QFont>(&Pending::font, QFont(), [this] {
    const FontRef font = d->control.Font();
    return font ? qtcommon::ToQFont(*font) : QFont();
  });
}

void CaixaVumo::setFont(const QFont& value) {
  if (Assign(&Pending::font, value, "font", [&](VumoCaixaControl& c) {
        c.SetFont(std::make_shared<vumocaixa::Font>(qtcommon::FromQFont(value)));
      })) {
    d->FollowActiveBox();
  }
}

}  // namespace vumocaixa::quick
