#include <vumocaixa/qt/qt_edit_box.hpp>

#include <algorithm>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qt/qt_line_edit.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>

namespace vumocaixa::qt {

using qtcommon::CodePointsBefore;
using qtcommon::FromUtf8;
using qtcommon::Utf16Before;

QtEditBox::QtEditBox(QtFrame& frame, const QString& name)
    : QtWidgetBase(frame, new VumoLineEdit(frame), QPalette::Base, QPalette::Text),
      m_edit(static_cast<VumoLineEdit*>(&QtWidget())) {
  m_edit->setObjectName(name);
}

QtEditBox::~QtEditBox() { m_edit->SetListener(nullptr); }

QLineEdit& QtEditBox::LineEdit() const { return *m_edit; }

std::string QtEditBox::Text() const { return m_edit->text().toStdString(); }

void QtEditBox::SetText(std::string_view text) { m_edit->SetTextByProgram(FromUtf8(text)); }

std::int32_t QtEditBox::SelStart() const {
  const int utf16 = m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
  return CodePointsBefore(m_edit->text(), utf16);
}

void QtEditBox::SetSelStart(std::int32_t start) {
  m_edit->setCursorPosition(Utf16Before(m_edit->text(), std::max(start, 0)));
}

std::int32_t QtEditBox::SelLength() const {
  return CodePointsBefore(m_edit->selectedText(), static_cast<int>(m_edit->selectedText().size()));
}

void QtEditBox::SetSelLength(std::int32_t length) {
  const QString text = m_edit->text();
  const std::int32_t start = SelStart();
  const int from = Utf16Before(text, start);
  const int to = Utf16Before(text, start + std::max(length, 0));
  if (to == from) {
    m_edit->setCursorPosition(from);
  } else {
    m_edit->setSelection(from, to - from);
  }
}

std::int32_t QtEditBox::MaxLength() const { return m_edit->MaxChars(); }

void QtEditBox::SetMaxLength(std::int32_t length) {
  if (length < 0) {
    throw HostError("MaxLength must not be negative");
  }
  m_edit->SetMaxChars(length);
}

void QtEditBox::SetFocus() {
  if (!m_edit->isEnabled() || !m_edit->isVisibleTo(m_edit->window())) {
    throw HostError("a hidden or disabled box cannot take the focus: " +
                    m_edit->objectName().toStdString());
  }
  m_edit->setFocus(Qt::OtherFocusReason);
}

void QtEditBox::SetListener(WidgetListener* listener) { m_edit->SetListener(listener); }

}  // namespace vumocaixa::qt
