#include "quick_label_button_p.hpp"

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>

namespace vumocaixa::quick {

using qtcommon::FromUtf8;

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

void QuickCaptionPart::SetText(std::string_view text) {
  m_text = text;
  if (HasItem()) Item().setProperty("text", FromUtf8(m_text));
}

void QuickCaptionPart::Made() { Item().setProperty("text", FromUtf8(m_text)); }

QuickLabel::QuickLabel(QuickFrame& frame) : QuickCaptionPart(frame, "Caixa2", kLabelQml) {}

void QuickLabel::SetFocus() { throw HostError("a label cannot take the focus"); }

QuickButton::QuickButton(QuickFrame& frame) : QuickCaptionPart(frame, "Btn_Evento", kButtonQml) {}

void QuickButton::Made() {
  QuickCaptionPart::Made();
  Item().setProperty("acao", m_action);
  connect(&Item(), SIGNAL(clicked()), this, SLOT(Clicked()));
}

void QuickButton::SetAction(const QString& action) {
  m_action = action;
  if (HasItem()) Item().setProperty("acao", action);
}

void QuickButton::Clicked() {
  if (m_listener == nullptr) return;
  Guarded(Frame(), "Click", [this] { m_listener->Click(); });
}

void QuickButton::SetFocus() {
  if (!Enabled() || !Visible())
    throw HostError("a hidden or disabled button cannot take the focus");
  Item().forceActiveFocus(Qt::OtherFocusReason);
}

}  // namespace vumocaixa::quick
