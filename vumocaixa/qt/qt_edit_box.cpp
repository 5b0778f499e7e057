#include <vumocaixa/qt/qt_edit_box.hpp>

#include <algorithm>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qt/qt_line_edit.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>

namespace vumocaixa::qt {

using qtcommon::FromUtf8;

QtEditBox::QtEditBox(QtFrame& frame, const char* name)
    : QtWidgetBase(frame, WidgetKind::EditBox, name, QPalette::Base, QPalette::Text) {
  ShareInheritedFont();
}

QtEditBox::~QtEditBox() {
  if (VumoLineEdit* edit = Edit()) edit->SetListener(nullptr);
}

QLineEdit& QtEditBox::LineEdit() { return static_cast<QLineEdit&>(QtWidget()); }

VumoLineEdit* QtEditBox::Edit() const { return static_cast<VumoLineEdit*>(MadeWidget()); }

QWidget* QtEditBox::MakeWidget() {
  auto* edit = new VumoLineEdit(Frame());
  return edit;
}

void QtEditBox::Made() {
  Edit()->SetMaxChars(MaxLength());
  Edit()->SetListener(Listener());
}

void QtEditBox::Changed(Aspect aspect) {
  VumoLineEdit* edit = Edit();
  if (edit != nullptr && aspect == Aspect::MaxLength) edit->SetMaxChars(MaxLength());
  if (edit != nullptr && aspect == Aspect::Listener) edit->SetListener(Listener());
  QtWidgetBase::Changed(aspect);
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

QtEditBox::Selection QtEditBox::Selected() const {
  const VumoLineEdit* edit = Edit();
  if (edit == nullptr) return {};
  const qtcommon::Utf16Caret caret{edit->selectionStart(), edit->selectionEnd(),
                                   edit->cursorPosition()};
  const auto [start, length] = qtcommon::CodePointSelection(edit->text(), caret);
  return {start, length};
}

void QtEditBox::Select(Selection selection) {
  VumoLineEdit* edit = Edit();
  if (edit == nullptr) return;
  const auto [from, to] = qtcommon::Utf16Range(edit->text(), selection.start, selection.length);
  if (to == from) {
    edit->setCursorPosition(from);
  } else {
    edit->setSelection(from, to - from);
  }
}

void QtEditBox::SetFocus() {
  if (!Enabled() || !Visible() || !LineEdit().isVisibleTo(LineEdit().window())) {
    throw HostError("a hidden or disabled box cannot take the focus: " + std::string(Name()));
  }
  LineEdit().setFocus(Qt::OtherFocusReason);
}

}  // namespace vumocaixa::qt
