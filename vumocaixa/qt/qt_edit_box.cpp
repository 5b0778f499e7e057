#include <vumocaixa/qt/qt_edit_box.hpp>

#include <algorithm>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qt/qt_line_edit.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>

namespace vumocaixa::qt {

using qtcommon::CodePointsBefore;
using qtcommon::FromUtf8;
using qtcommon::Utf16Before;

QtEditBox::QtEditBox(QtFrame& frame, const char* name)
    : QtWidgetBase(frame, QPalette::Base, QPalette::Text), m_name(name) {
  ShareInheritedFont();
}

QtEditBox::~QtEditBox() {
  if (VumoLineEdit* edit = Edit()) edit->SetListener(nullptr);
}

QLineEdit& QtEditBox::LineEdit() { return static_cast<QLineEdit&>(QtWidget()); }

VumoLineEdit* QtEditBox::Edit() const { return static_cast<VumoLineEdit*>(MadeWidget()); }

QWidget* QtEditBox::MakeWidget() {
  auto* edit = new VumoLineEdit(Frame());
  edit->setObjectName(m_name);
  return edit;
}

void QtEditBox::Made() {
  Edit()->SetMaxChars(m_maxChars);
  Edit()->SetListener(m_listener);
}

// A box not made yet is empty: a text makes it. Until then its caret stands at 0 with
// nothing selected, as in an empty QLineEdit.
std::string QtEditBox::Text() const {
  const VumoLineEdit* edit = Edit();
  return edit != nullptr ? edit->text().toStdString() : std::string();
}

void QtEditBox::SetText(std::string_view text) {
  if (Edit() == nullptr && text.empty()) return;
  static_cast<VumoLineEdit&>(LineEdit()).SetTextByProgram(FromUtf8(text));
}

std::int32_t QtEditBox::SelStart() const {
  const VumoLineEdit* edit = Edit();
  if (edit == nullptr) return 0;
  const int utf16 = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  return CodePointsBefore(edit->text(), utf16);
}

void QtEditBox::SetSelStart(std::int32_t start) {
  VumoLineEdit* edit = Edit();
  if (edit == nullptr) return;
  edit->setCursorPosition(Utf16Before(edit->text(), std::max(start, 0)));
}

std::int32_t QtEditBox::SelLength() const {
  const VumoLineEdit* edit = Edit();
  if (edit == nullptr) return 0;
  return CodePointsBefore(edit->selectedText(), static_cast<int>(edit->selectedText().size()));
}

void QtEditBox::SetSelLength(std::int32_t length) {
  VumoLineEdit* edit = Edit();
  if (edit == nullptr) return;
  const QString text = edit->text();
  const std::int32_t start = SelStart();
  const int from = Utf16Before(text, start);
  const int to = Utf16Before(text, start + std::max(length, 0));
  if (to == from) {
    edit->setCursorPosition(from);
  } else {
    edit->setSelection(from, to - from);
  }
}

void QtEditBox::SetMaxLength(std::int32_t length) {
  if (length < 0) {
    throw HostError("MaxLength must not be negative");
  }
  m_maxChars = length;
  if (VumoLineEdit* edit = Edit()) edit->SetMaxChars(length);
}

void QtEditBox::SetFocus() {
  if (!Enabled() || !Visible() || !LineEdit().isVisibleTo(LineEdit().window())) {
    throw HostError("a hidden or disabled box cannot take the focus: " + std::string(m_name));
  }
  LineEdit().setFocus(Qt::OtherFocusReason);
}

void QtEditBox::SetListener(WidgetListener* listener) {
  m_listener = listener;
  if (VumoLineEdit* edit = Edit()) edit->SetListener(listener);
}

}  // namespace vumocaixa::qt
