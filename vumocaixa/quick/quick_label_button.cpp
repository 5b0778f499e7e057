#include "quick_label_button_p.hpp"

#include <vumocaixa/host/errors.hpp>

namespace vumocaixa::quick {

namespace {

constexpr char kLabelQml[] = R"(
import QtQuick
Text {
  property color backColor
  verticalAlignment: Text.AlignVCenter
  elide: Text.ElideRight
  Accessible.role: Accessible.StaticText
  Accessible.name: text
}
)";

constexpr char kButtonQml[] = R"(
import QtQuick
import QtQuick.Controls
Button {
  property color backColor
  property string acao
  focusPolicy: Qt.TabFocus
  padding: 0
  Accessible.name: acao
  ToolTip.text: acao
  ToolTip.visible: hovered && acao.length > 0
  ToolTip.delay: 500
}
)";

}  // namespace

QuickLabel::QuickLabel(QuickFrame& frame)
    : QuickPart(frame, WidgetKind::LabelBox, "Caixa2", kLabelQml) {}

void QuickLabel::SetFocus() { throw HostError("a label cannot take the focus"); }

QuickButton::QuickButton(QuickFrame& frame)
    : QuickPart(frame, WidgetKind::PushButton, "Btn_Evento", kButtonQml) {}

void QuickButton::Made() {
  Item().setProperty("acao", m_action);
  connect(&Item(), SIGNAL(clicked()), this, SLOT(Clicked()));
}

void QuickButton::SetAction(const QString& action) {
  m_action = action;
  if (HasItem()) Item().setProperty("acao", action);
}

void QuickButton::Clicked() {
  if (WidgetListener* listener = Listener())
    Guarded(Frame(), "Click", [listener] { listener->Click(); });
}

void QuickButton::SetFocus() {
  if (!Enabled() || !Visible())
    throw HostError("a hidden or disabled button cannot take the focus");
  Item().forceActiveFocus(Qt::OtherFocusReason);
}

}  // namespace vumocaixa::quick
