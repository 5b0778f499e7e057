#include "quick_part_p.hpp"

#include <QEventLoop>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::quick {

using qtcommon::FromUtf8;
using qtcommon::ToQColor;
using qtcommon::ToQFont;
using qtcommon::TwipsToPixels;

namespace {

// One component per kind of part and engine, kept as a child of the engine.
QQmlComponent& ComponentFor(QQmlEngine& engine, const char* name, const char* qml) {
  const QString key = QStringLiteral("vumocaixa-") + QString::fromLatin1(name);
  auto* component = engine.findChild<QQmlComponent*>(key, Qt::FindDirectChildrenOnly);
  if (component == nullptr) {
    component = new QQmlComponent(&engine, &engine);
    component->setObjectName(key);
    component->setData(QByteArray(qml), QUrl(QStringLiteral("vumocaixa:///") + key + ".qml"));
  }
  if (component->isLoading()) {
    // A component asked for while the engine loads another one may finish on the
    // engine's loader thread.
    QEventLoop loop;
    QObject::connect(component, &QQmlComponent::statusChanged, &loop, &QEventLoop::quit);
    if (component->isLoading()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  if (!component->isReady()) throw HostError(component->errorString().toStdString());
  return *component;
}

}  // namespace

QuickPart::QuickPart(QuickFrame& frame, WidgetKind kind, const char* name, const char* qml)
    : Part(kind, true), m_frame(frame), m_name(name), m_qml(qml) {}

QuickPart::~QuickPart() { delete m_item.data(); }

QQuickItem& QuickPart::Item() {
  if (m_item == nullptr) Make();
  return *m_item;
}

void QuickPart::MakeIfShown() {
  if (m_item == nullptr && Visible()) Make();
}

void QuickPart::Make() {
  QQmlComponent& component = ComponentFor(m_frame.Engine(), m_name, m_qml);
  QObject* made = component.beginCreate(m_frame.Engine().rootContext());
  auto* item = qobject_cast<QQuickItem*>(made);
  if (item == nullptr) {
    delete made;
    throw HostError(component.errorString().toStdString());
  }
  item->setObjectName(QString::fromLatin1(m_name));
  item->setParent(&m_frame.FrameItem());
  item->setParentItem(&m_frame.FrameItem());
  component.completeCreate();
  m_item = item;
  item->setEnabled(Enabled());
  item->setVisible(Visible());
  ApplyColors();
  ApplyFont();
  ApplyGeometry();
  ApplyCaption();
  Made();
}

QQuickItem& QuickPart::TextItem() {
  auto* text = Item().property("textItem").value<QQuickItem*>();
  return text != nullptr ? *text : *m_item;
}

void QuickPart::Changed(Aspect aspect) {
  if (!m_item) {
    if (aspect == Aspect::Visible && Visible() && m_frame.Complete()) Make();
    return;
  }
  switch (aspect) {
    case Aspect::Enabled: m_item->setEnabled(Enabled()); break;
    case Aspect::Visible: m_item->setVisible(Visible()); break;
    case Aspect::Colors: ApplyColors(); break;
    case Aspect::Font: ApplyFont(); break;
    case Aspect::Place: ApplyGeometry(); break;
    case Aspect::Caption: ApplyCaption(); break;
    default: break;
  }
}

void QuickPart::ApplyColors() {
  m_item->setProperty("backColor", ToQColor(BackColor()));
  TextItem().setProperty("color", ToQColor(ForeColor()));
}

void QuickPart::ApplyFont() { TextItem().setProperty("font", ToQFont(*Font())); }

void QuickPart::ApplyCaption() {
  if (Kind() != WidgetKind::EditBox) m_item->setProperty("text", FromUtf8(Text()));
}

void QuickPart::Refresh() {
  if (m_item) ApplyFont();
}

void QuickPart::ApplyGeometry() {
  if (!m_item) return;
  const qreal dpi = m_frame.Dpi();
  m_item->setX(TwipsToPixels(Left(), dpi));
  m_item->setWidth(TwipsToPixels(Width(), dpi));
  m_item->setHeight(TwipsToPixels(Height(), dpi));
}

}  // namespace vumocaixa::quick
