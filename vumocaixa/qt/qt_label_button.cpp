#include <vumocaixa/qt/qt_label_button.hpp>

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/qtcommon/utf16.hpp>

namespace vumocaixa::qt {

using qtcommon::FromUtf8;

namespace {

// A one-line label that shows as much of its text as fits, cut at the end with "…";
// a cut text is whole in the tooltip, and the accessible name is always the whole text.
class ElidingLabel final : public QLabel {
 public:
  explicit ElidingLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }

  [[nodiscard]] const QString& FullText() const { return m_text; }
  void SetFullText(const QString& text) {
    m_text = text;
    Elide();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Elide();
  }
  void changeEvent(QEvent* event) override {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) Elide();
  }

 private:
  void Elide() {
    const QString shown = fontMetrics().elidedText(m_text, Qt::ElideRight, contentsRect().width());
    if (shown != text()) setText(shown);
    setToolTip(shown == m_text ? QString() : m_text);
    setAccessibleName(m_text);
  }

  QString m_text;
};

}  // namespace

QtLabelBox::QtLabelBox(QtFrame& frame, const char* name)
    : QtWidgetBase(frame, WidgetKind::LabelBox, name, QPalette::Window, QPalette::WindowText) {}

QLabel& QtLabelBox::Label() { return static_cast<QLabel&>(QtWidget()); }

QWidget* QtLabelBox::MakeWidget() {
  auto* label = new ElidingLabel(&Frame().FrameWidget());
  return label;
}

void QtLabelBox::Made() { static_cast<ElidingLabel&>(Label()).SetFullText(FromUtf8(Text())); }

void QtLabelBox::SetFocus() { throw HostError("a label cannot take the focus"); }

QtPushButton::QtPushButton(QtFrame& frame, const char* name)
    : QtWidgetBase(frame, WidgetKind::PushButton, name, QPalette::Button, QPalette::ButtonText) {}

// The button goes after this part: a click it reports while it goes reaches nothing.
QtPushButton::~QtPushButton() { SetListener(nullptr); }

QPushButton& QtPushButton::Button() { return static_cast<QPushButton&>(QtWidget()); }

QWidget* QtPushButton::MakeWidget() {
  auto* button = new QPushButton(&Frame().FrameWidget());
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [this] {
    if (WidgetListener* listener = Listener()) {
      Guarded(Frame(), "Click", [listener] { listener->Click(); });
    }
  });
  return button;
}

void QtPushButton::Made() { Button().setText(FromUtf8(Text())); }

void QtPushButton::SetFocus() {
  if (!Enabled() || !Visible() || !Button().isVisibleTo(Button().window())) {
    throw HostError("a hidden or disabled button cannot take the focus");
  }
  Button().setFocus(Qt::OtherFocusReason);
}

}  // namespace vumocaixa::qt
