#include <vumocaixa/qt/qt_page_surface.hpp>
#include <vumocaixa/qtcommon/values.hpp>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalBlocker>

// The logo and other pictures of the pages live in the library's resources; a static
// library must register them before the first picture is looked up.
static void InitPageResources() { Q_INIT_RESOURCE(vumocaixa_pages); }

namespace vumocaixa::qt {

using qtcommon::ToQColor;
using qtcommon::TwipsToPixels;

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// One page widget over its Qt widget. The last value notified is kept, so that a
// signal for a value that did not change (a text set to what it held) raises nothing.
class QtPageWidget final : public PageWidget {
 public:
  QtPageWidget(QWidget* widget, QtPageSurface& surface) : m_widget(widget), m_surface(surface) {
    m_lastText = CurrentText();
    Connect();
  }

  [[nodiscard]] QWidget* Widget() const { return m_widget; }

  [[nodiscard]] std::string Text() const override { return CurrentText().toStdString(); }
  void SetText(std::string_view text) override {
    const QString t = Q(text);
    if (auto* e = qobject_cast<QLineEdit*>(m_widget)) e->setText(t);
    if (auto* l = qobject_cast<QLabel*>(m_widget)) l->setText(t);
    if (auto* c = qobject_cast<QCheckBox*>(m_widget)) c->setText(t);
    if (auto* g = qobject_cast<QGroupBox*>(m_widget)) g->setTitle(t);
  }

  [[nodiscard]] int Value() const override {
    const auto* c = qobject_cast<const QCheckBox*>(m_widget);
    return c != nullptr && c->isChecked() ? 1 : 0;
  }
  void SetValue(int value) override {
    if (auto* c = qobject_cast<QCheckBox*>(m_widget)) c->setChecked(value == 1);
  }

  // A combo box selects its first entry by itself; the list keeps no selection until
  // one is made.
  void AddItem(std::string_view item) override {
    auto* c = qobject_cast<QComboBox*>(m_widget);
    if (c == nullptr) return;
    const QSignalBlocker quiet(c);
    const int index = c->currentIndex();
    c->addItem(Q(item));
    c->setCurrentIndex(index);
  }
  [[nodiscard]] int ListCount() const override {
    const auto* c = qobject_cast<const QComboBox*>(m_widget);
    return c != nullptr ? c->count() : 0;
  }
  [[nodiscard]] std::string List(int index) const override {
    const auto* c = qobject_cast<const QComboBox*>(m_widget);
    return c != nullptr ? c->itemText(index).toStdString() : std::string();
  }
  [[nodiscard]] int ListIndex() const override {
    const auto* c = qobject_cast<const QComboBox*>(m_widget);
    return c != nullptr ? c->currentIndex() : -1;
  }
  void SetListIndex(int index) override {
    auto* c = qobject_cast<QComboBox*>(m_widget);
    if (c != nullptr && index >= -1 && index < c->count()) c->setCurrentIndex(index);
  }

  [[nodiscard]] bool Enabled() const override { return m_widget->isEnabled(); }
  void SetEnabled(bool enabled) override { m_widget->setEnabled(enabled); }

  void SetNotify(std::function<void(PageNotification)> notify) override {
    m_notify = std::move(notify);
  }

 private:
  [[nodiscard]] QString CurrentText() const {
    if (const auto* e = qobject_cast<const QLineEdit*>(m_widget)) return e->text();
    if (const auto* l = qobject_cast<const QLabel*>(m_widget)) return l->text();
    if (const auto* c = qobject_cast<const QCheckBox*>(m_widget)) return c->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(m_widget)) return g->title();
    if (const auto* c = qobject_cast<const QComboBox*>(m_widget)) return c->currentText();
    return {};
  }

  void Connect() {
    if (auto* e = qobject_cast<QLineEdit*>(m_widget)) {
      QObject::connect(e, &QLineEdit::textChanged, e, [this](const QString& text) {
        if (text != m_lastText) Notify(PageNotification::Change, text);
      });
    } else if (auto* c = qobject_cast<QCheckBox*>(m_widget)) {
      QObject::connect(c, &QCheckBox::toggled, c,
                       [this] { Notify(PageNotification::Click, CurrentText()); });
    } else if (auto* l = qobject_cast<QComboBox*>(m_widget)) {
      QObject::connect(l, &QComboBox::currentIndexChanged, l,
                       [this] { Notify(PageNotification::Click, CurrentText()); });
    }
  }

  void Notify(PageNotification n, const QString& text) {
    m_lastText = text;
    if (m_notify) m_notify(n);
    emit m_surface.edited();
  }

  QWidget* m_widget;
  QtPageSurface& m_surface;
  QString m_lastText;
  std::function<void(PageNotification)> m_notify;
};

// The pages were laid out for a small 8-point font; a larger one would not fit them.
QtPageSurface::QtPageSurface(QWidget* parent) : QWidget(parent) {
  InitPageResources();
  QFont small = font();
  small.setPointSizeF(8);
  setFont(small);
}

QtPageSurface::~QtPageSurface() = default;

void QtPageSurface::SetPage(const PageLayout& page) {
  setWindowTitle(Q(page.caption));
  setObjectName(Q(page.caption));
  setFixedSize(TwipsToPixels(page.width, logicalDpiX()), TwipsToPixels(page.height, logicalDpiY()));
}

QWidget* QtPageSurface::ContainerOf(const PageWidgetLayout& layout) const {
  if (layout.container.empty()) return const_cast<QtPageSurface*>(this);
  for (const auto& w : m_widgets) {
    if (w->Widget()->objectName() == Q(layout.container)) return w->Widget();
  }
  return const_cast<QtPageSurface*>(this);
}

QRect QtPageSurface::Geometry(const PageWidgetLayout& layout) const {
  const int x = logicalDpiX();
  const int y = logicalDpiY();
  return {TwipsToPixels(layout.left, x), TwipsToPixels(layout.top, y),
          TwipsToPixels(layout.width, x), TwipsToPixels(layout.height, y)};
}

namespace {

QWidget* Create(const PageWidgetLayout& layout, QWidget* parent) {
  switch (layout.kind) {
    case PageWidgetKind::Frame: return new QGroupBox(Q(layout.caption), parent);
    case PageWidgetKind::Label: return new QLabel(Q(layout.caption), parent);
    case PageWidgetKind::CheckBox: return new QCheckBox(Q(layout.caption), parent);
    case PageWidgetKind::TextBox: return new QLineEdit(Q(layout.caption), parent);
    case PageWidgetKind::DropDownList: return new QComboBox(parent);
    case PageWidgetKind::PictureBox: {
      auto* picture = new QLabel(parent);
      picture->setPixmap(QPixmap(QStringLiteral(":/") + Q(layout.caption)));
      return picture;
    }
  }
  return new QWidget(parent);
}

void ApplyLook(const PageWidgetLayout& layout, QWidget* w) {
  if (!layout.fontName.empty()) {
    QFont font(Q(layout.fontName));
    if (layout.fontSize > 0) font.setPointSizeF(layout.fontSize);
    font.setBold(layout.bold);
    w->setFont(font);
  }
  if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setWordWrap(layout.kind == PageWidgetKind::Label && layout.height > 300);
    if (layout.alignment == PageAlignment::Centre) label->setAlignment(Qt::AlignCenter);
    if (layout.foreColor != kSystemWindowTextColor) {
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText, ToQColor(layout.foreColor));
      label->setPalette(palette);
    }
  }
}

}  // namespace

// A one-line label that starts inside the text of an earlier one on its line (a wider
// font than the page was laid out for) moves right, so that neither text is covered.
void QtPageSurface::StartAfterEarlierText(QLabel& label) const {
  for (const auto& earlier : m_widgets) {
    const auto* other = qobject_cast<const QLabel*>(earlier->Widget());
    if (other == nullptr || other->wordWrap() || other->text().isEmpty() ||
        other->parentWidget() != label.parentWidget()) {
      continue;
    }
    const bool sameLine =
        other->y() < label.y() + label.height() && label.y() < other->y() + other->height();
    const int textEnd = other->x() + other->sizeHint().width();
    const int gap = other->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    if (sameLine && other->x() < label.x() && textEnd + gap > label.x()) {
      label.move(textEnd + gap, label.y());
    }
  }
}

PageWidget& QtPageSurface::Add(const PageWidgetLayout& layout) {
  QWidget* w = Create(layout, ContainerOf(layout));
  w->setObjectName(Q(layout.name));
  w->setGeometry(Geometry(layout));
  ApplyLook(layout, w);
  // A one-line label whose text needs more room than the page gives it (the page's
  // font may be wider than the one it was laid out for) grows to the right, within its
  // container, rather than cutting its text.
  if (auto* label = qobject_cast<QLabel*>(w);
      label != nullptr && !label->wordWrap() && layout.kind == PageWidgetKind::Label) {
    StartAfterEarlierText(*label);
    const int room = w->parentWidget()->width() - w->x();
    const int wanted = label->sizeHint().width();
    if (wanted > w->width()) w->resize(std::min(wanted, std::max(room, w->width())), w->height());
  }
  if (layout.kind == PageWidgetKind::PictureBox) {
    const auto* picture = qobject_cast<QLabel*>(w);
    if (!picture->pixmap().isNull()) w->resize(picture->pixmap().size());
  }
  w->setVisible(layout.visible);
  if (w->focusPolicy() != Qt::NoFocus) {
    if (m_lastInTabOrder != nullptr) setTabOrder(m_lastInTabOrder, w);
    m_lastInTabOrder = w;
  }
  m_widgets.push_back(std::make_unique<QtPageWidget>(w, *this));
  return *m_widgets.back();
}

PageWidget* QtPageSurface::Find(QStringView name) const {
  for (const auto& w : m_widgets) {
    if (w->Widget()->objectName() == name) return w.get();
  }
  return nullptr;
}

}  // namespace vumocaixa::qt
