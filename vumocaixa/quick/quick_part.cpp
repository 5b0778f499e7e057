#include "quick_part_p.hpp"

#include <QEventLoop>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::quick {

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

QuickPart::QuickPart(QuickFrame& frame, const char* name, const char* qml)
    : m_frame(frame), m_name(name), m_qml(qml) {}

QuickPart::~QuickPart() { delete m_item.data(); }

QQuickItem& QuickPart::Item() {
  if (m_item == nullptr) Make();
  return *m_item;
}

void QuickPart::MakeIfShown() {
  if (m_item == nullptr && m_visible) Make();
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
  item->setEnabled(m_enabled);
  item->setVisible(m_visible);
  ApplyColors();
  TextItem().setProperty("font", ToQFont(*m_font));
  ApplyGeometry();
  Made();
}

QQuickItem& QuickPart::TextItem() {
  auto* text = Item().property("textItem").value<QQuickItem*>();
  return text != nullptr ? *text : *m_item;
}

void QuickPart::SetEnabled(bool enabled) {
  m_enabled = enabled;
  if (m_item) m_item->setEnabled(enabled);
}

void QuickPart::SetVisible(bool visible) {
  m_visible = visible;
  if (m_item) {
    m_item->setVisible(visible);
  } else if (visible && m_frame.Complete()) {
    Make();
  }
}

void QuickPart::SetBackColor(Color color) {
  m_backColor = color;
  ApplyColors();
}

void QuickPart::SetForeColor(Color color) {
  m_foreColor = color;
  ApplyColors();
}

void QuickPart::ApplyColors() {
  if (!m_item) return;
  m_item->setProperty("backColor", ToQColor(m_backColor));
  TextItem().setProperty("color", ToQColor(m_foreColor));
}

void QuickPart::SetFont(FontRef font) {
  m_font = font ? std::move(font) : std::make_shared<vumocaixa::Font>();
  if (m_item) TextItem().setProperty("font", ToQFont(*m_font));
}

void QuickPart::Refresh() {
  if (m_item) TextItem().setProperty("font", ToQFont(*m_font));
}

void QuickPart::SetLeft(std::int32_t left) {
  m_left = left;
  ApplyGeometry();
}

void QuickPart::SetWidth(std::int32_t width) {
  if (width < 0) throw HostError("a width must not be negative");
  m_width = width;
  ApplyGeometry();
}

void QuickPart::SetHeight(std::int32_t height) {
  if (height < 0) throw HostError("a height must not be negative");
  m_height = height;
  ApplyGeometry();
}

void QuickPart::ApplyGeometry() {
  if (!m_item) return;
  const qreal dpi = m_frame.Dpi();
  m_item->setX(TwipsToPixels(m_left, dpi));
  m_item->setWidth(TwipsToPixels(m_width, dpi));
  m_item->setHeight(TwipsToPixels(m_height, dpi));
}

}  // namespace vumocaixa::quick
