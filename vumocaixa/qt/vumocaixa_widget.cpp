#include <vumocaixa/qt/vumocaixa_widget.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QtDebug>

#include <vumocaixa/qt/qt_accessible_names_p.hpp>
#include <vumocaixa/qt/qt_container.hpp>
#include <vumocaixa/qt/qt_edit_box.hpp>
#include <vumocaixa/qt/qt_label_button.hpp>
#include <vumocaixa/qt/qt_logical_dpi_p.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>
#include <vumocaixa/qtcommon/properties.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::qt {

namespace {

// The names are checked against the rows of kTiposDeDados by the widget's tests.
static_assert(std::size_t{VumoCaixaWidget::Extenso} + 1 == kTiposDeDados.size());

}  // namespace

class VumoCaixaWidget::Private final : public QtFrame {
 public:
  explicit Private(VumoCaixaWidget& widget)
      : q(widget),
        container(widget),
        runtime(widget),
        caixa(new QtEditBox(*this, "Caixa")),
        caixa1(new QtEditBox(*this, "Caixa1")),
        caixa2(new QtLabelBox(*this, "Caixa2")),
        button(new QtPushButton(*this, "Btn_Evento")),
        control(
            ConstituentWidgets{std::unique_ptr<Widget>(caixa), std::unique_ptr<Widget>(caixa1),
                               std::unique_ptr<Widget>(caixa2), std::unique_ptr<Widget>(button)},
            container, runtime),
        names(std::in_place, widget) {
    container.SetLife(Life());
    runtime.SetFrame(*this);
    WatchFocus();
    // A widget made in a window on the screen made its first parts with the control.
    constructed = true;
    for (QtWidgetBase* part : Parts()) {
      if (part->MadeWidget() != nullptr) PartMade(*part);
    }
  }

  QWidget& FrameWidget() override { return q; }

  void PartMade(QtWidgetBase& part) override {
    if (!constructed || !names) return;
    if (&part == caixa || &part == caixa1) {
      names->AddBox(static_cast<QtEditBox&>(part).LineEdit());
      FollowFocus();
    }
    if (&part == button) names->AddButton(button->Button());
  }

  void PartFontChanged(QWidget& widget) override {
    for (QtWidgetBase* part : Parts()) {
      if (part->MadeWidget() == &widget) part->WidgetFontChanged();
    }
  }

  void ReportError(const QString& where, const QString& what) noexcept override {
    qWarning("VumoCaixaWidget %s: %s", qUtf8Printable(where), qUtf8Printable(what));
    try {
      emit q.erro(where, what);
    } catch (...) {
      qWarning("VumoCaixaWidget: a slot of erro failed");
    }
  }

  void KeystrokeDone() override { runtime.PlayQueuedKeys(); }

  // Runs f as a call from Qt into the control; false when a slot deleted the widget
  // meanwhile, and then the caller must not touch it.
  template <class F>
  bool Call(const char* where, F&& f) {
    const std::shared_ptr<FrameLife> life = Life();
    Guarded(*this, where, std::forward<F>(f));
    return !life->gone;
  }

  // Nothing reaches the control while it and its widgets go.
  void Detach() {
    caixa->SetListener(nullptr);
    caixa1->SetListener(nullptr);
    button->SetListener(nullptr);
    container.Attach(nullptr);
    names.reset();
  }

  // Names the box that takes the focus before Qt tells a screen reader about it: one
  // watcher serves every VumoCaixaWidget of the application.
  static void WatchFocus() {
    static QPointer<QApplication> watched;
    if (watched == qApp) return;
    watched = qApp;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
      if (qobject_cast<QLineEdit*>(now) == nullptr) return;
      auto* widget = qobject_cast<VumoCaixaWidget*>(now->parentWidget());
      if (widget != nullptr && widget->d && widget->d->names) widget->d->names->Rename();
    });
  }

  // Takes the constituent Qt widgets out of the widget, which is being deleted while
  // a call is under way: they go with this object once the call has unwound.
  void Orphan() {
    for (QtWidgetBase* part : Parts()) {
      if (QWidget* made = part->MadeWidget()) {
        made->hide();
        made->setParent(nullptr);
      }
    }
  }

  // The widget is about to be shown for the first time: the parts its type shows are
  // made now, with their children's polish and before a layout asks for a size.
  void MakeShownParts() {
    for (QtWidgetBase* part : Parts()) part->MakeIfShown();
  }

  [[nodiscard]] std::array<QtWidgetBase*, 4> Parts() const {
    return {caixa, caixa1, caixa2, button};
  }

  template <class T, class F>
  T Get(const char* where, T fallback, F&& f) const {
    T value = fallback;
    Guarded(const_cast<Private&>(*this), where, [&] { value = f(); });
    return value;
  }

  // A type of fixed width keeps to its size hint in a layout; free text grows.
  void FollowActiveWidget() {
    FollowFocus();
    const int tipo = control.TipoDados();
    FollowWidth(LarguraLivre(control.TipoDados()) ? QSizePolicy::Preferred : QSizePolicy::Maximum);
    names->SetType(tipo);
  }

  // Focus given to the widget goes to the active box: from setFocus, a buddy label's
  // shortcut and the tab order alike. A type without a box (Extenso) takes no focus.
  // Until the active box is made the widget takes the focus itself, and hands it on
  // when the box becomes its proxy.
  void FollowFocus() {
    QtEditBox* active = ActiveBox();
    QWidget* proxy = active != nullptr ? active->MadeWidget() : nullptr;
    q.setFocusProxy(proxy);
    if (proxy != nullptr) {
      q.setFocusPolicy(proxy->focusPolicy());
    } else {
      q.setFocusPolicy(active != nullptr ? Qt::StrongFocus : Qt::NoFocus);
    }
  }

  [[nodiscard]] QtEditBox* ActiveBox() const {
    if (&control.ActiveWidget() == caixa) return caixa;
    if (&control.ActiveWidget() == caixa1) return caixa1;
    return nullptr;
  }

  // The box whose size the widget's size hint follows: the active one (Caixa for a type
  // without a box, which is not made for it).
  [[nodiscard]] QtEditBox& SizingBox() const {
    QtEditBox* active = ActiveBox();
    return active != nullptr ? *active : *caixa;
  }

  // The height of a line edit in the boxes' font: the sizing box's, or, while it is not
  // made, that of a line edit made for the moment, once for each font, style and
  // resolution.
  [[nodiscard]] int BoxHeight() const {
    QtEditBox& box = SizingBox();
    if (box.MadeWidget() != nullptr) return box.LineEdit().sizeHint().height();
    static QHash<QString, int> heights;
    const QFont font = qtcommon::ToQFont(*box.Font());
    const QString key =
        QStringLiteral("%1|%2|%3").arg(font.key(), q.style()->name()).arg(LogicalDpiOf(q).y);
    const auto known = heights.constFind(key);
    if (known != heights.cend()) return *known;
    QLineEdit probe(&q);
    probe.setFont(font);
    return heights[key] = probe.sizeHint().height();
  }

  // A horizontal size policy that the application or a form gave the widget is kept.
  void FollowWidth(QSizePolicy::Policy wanted) {
    QSizePolicy policy = q.sizePolicy();
    if (policy.horizontalPolicy() != widthPolicy) return;
    widthPolicy = wanted;
    policy.setHorizontalPolicy(wanted);
    q.setSizePolicy(policy);
    q.updateGeometry();
  }

  // The width in pixels of the active box showing chars characters of its font.
  [[nodiscard]] int BoxWidthFor(int chars) const {
    const QLineEdit& box = SizingBox().LineEdit();
    const QFontMetrics metrics = box.fontMetrics();
    // A line edit's size hint is room for 17 'x' plus its frame and margins.
    const int frame = box.sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    return frame + chars * metrics.horizontalAdvance(QLatin1Char('9'));
  }

  // Connects the container's signal of the same signature as signal, one of this
  // widget's own, to it, once.
  void Relay(const QMetaMethod& signal) {
    const QMetaObject& own = VumoCaixaWidget::staticMetaObject;
    if (signal.enclosingMetaObject() != &own) return;
    const int bit = signal.methodIndex() - own.methodOffset();
    const int index =
        QtContainer::staticMetaObject.indexOfSignal(signal.methodSignature().constData());
    if (index < 0 || bit >= 32 || (relayed & (1u << bit)) != 0) return;
    relayed |= 1u << bit;
    QObject::connect(&container, QtContainer::staticMetaObject.method(index), &q, signal);
  }

  void PropertyChanged(std::string_view name) {
    if (name == "TipoDados") FollowActiveWidget();
  }

  VumoCaixaWidget& q;
  // Parts made while the control is constructed are taken up once it is.
  bool constructed = false;
  QtContainer container;
  QtRuntime runtime;
  QtEditBox* caixa;
  QtEditBox* caixa1;
  QtLabelBox* caixa2;
  QtPushButton* button;
  VumoCaixaControl control;
  std::optional<AccessibleNames> names;
  // The horizontal size policy this widget last gave itself.
  QSizePolicy::Policy widthPolicy = QSizePolicy::Preferred;
  // The signals of this widget (by their index among its own) relayed from the container.
  std::uint32_t relayed = 0;
};

VumoCaixaWidget::VumoCaixaWidget(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>(*this)) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  d->container.SetPropertyObserver([this](std::string_view name) { d->PropertyChanged(name); });
  d->Call("InitProperties", [this] {
    d->control.UserControl_InitProperties();
    const LogicalDpi dpi = LogicalDpiOf(*this);
    resize(qtcommon::TwipsToPixels(d->container.Width(), dpi.x),
           qtcommon::TwipsToPixels(d->container.Height(), dpi.y));
    d->control.UserControl_Resize();
  });
  d->FollowActiveWidget();
}

VumoCaixaWidget::~VumoCaixaWidget() {
  const std::shared_ptr<FrameLife> life = d->Life();
  life->gone = true;
  setFocusProxy(nullptr);
  d->Detach();
  if (life->busy == 0) return;
  // A slot deletes the widget while the control is inside one of its handlers: the
  // handler stops once the signal returns, and the control and its boxes, which it
  // may still be touching until then, go when the event loop next runs.
  d->Orphan();
  qtcommon::Release(*life, std::move(d));
}

// --- Properties -----------------------------------------------------------------------

int VumoCaixaWidget::TipoDados() const {
  return d->Get("TipoDados", 0, [this] { return static_cast<int>(d->control.TipoDados()); });
}

void VumoCaixaWidget::SetTipoDados(int value) {
  if (d->Call("TipoDados", [&] { qtcommon::AssignTipoDados(d->control, value); })) {
    d->FollowActiveWidget();
  }
}

bool VumoCaixaWidget::Habilitado() const {
  return d->Get("Habilitado", false, [this] { return d->control.Habilitado(); });
}

void VumoCaixaWidget::SetHabilitado(bool value) {
  d->Call("Habilitado", [&] { d->control.SetHabilitado(value); });
}

bool VumoCaixaWidget::TeclaEnter() const {
  return d->Get("TeclaEnter", false, [this] { return d->control.TeclaEnter(); });
}

void VumoCaixaWidget::SetTeclaEnter(bool value) {
  d->Call("TeclaEnter", [&] { d->control.SetTeclaEnter(value); });
}

bool VumoCaixaWidget::MaiusculoEMinusculo() const {
  return d->Get("MaiusculoEMinusculo", false, [this] { return d->control.MaiusculoEMinusculo(); });
}

void VumoCaixaWidget::SetMaiusculoEMinusculo(bool value) {
  d->Call("MaiusculoEMinusculo", [&] { d->control.SetMaiusculoEMinusculo(value); });
}

bool VumoCaixaWidget::TudoMaiusculo() const {
  return d->Get("TudoMaiusculo", false, [this] { return d->control.TudoMaiusculo(); });
}

void VumoCaixaWidget::SetTudoMaiusculo(bool value) {
  d->Call("TudoMaiusculo", [&] { d->control.SetTudoMaiusculo(value); });
}

int VumoCaixaWidget::TamanhoMaximo() const {
  return d->Get("TamanhoMaximo", 0,
                [this] { return static_cast<int>(d->control.TamanhoMáximo()); });
}

void VumoCaixaWidget::SetTamanhoMaximo(int value) {
  d->Call("TamanhoMaximo", [&] { d->control.SetTamanhoMáximo(value); });
}

bool VumoCaixaWidget::Endereco() const {
  return d->Get("Endereco", false, [this] { return d->control.Endereço(); });
}

void VumoCaixaWidget::SetEndereco(bool value) {
  d->Call("Endereco", [&] { d->control.SetEndereço(value); });
}

bool VumoCaixaWidget::CNPJAlfanumerico() const {
  return d->Get("CNPJAlfanumerico", false, [this] { return d->control.CNPJAlfanumerico(); });
}

void VumoCaixaWidget::SetCNPJAlfanumerico(bool value) {
  d->Call("CNPJAlfanumerico", [&] { d->control.SetCNPJAlfanumerico(value); });
}

bool VumoCaixaWidget::ExtensoNorma() const {
  return d->Get("ExtensoNorma", false, [this] { return d->control.ExtensoNorma(); });
}

void VumoCaixaWidget::SetExtensoNorma(bool value) {
  d->Call("ExtensoNorma", [&] { d->control.SetExtensoNorma(value); });
}

QVariant VumoCaixaWidget::Text() const {
  return d->Get("Text", QVariant(), [this] { return qtcommon::ToQVariant(d->control.Text()); });
}

void VumoCaixaWidget::SetText(const QVariant& value) {
  d->Call("Text", [&] { d->control.SetText(qtcommon::FromQVariant(value)); });
}

QColor VumoCaixaWidget::BackColor() const {
  return d->Get("BackColor", QColor(),
                [this] { return qtcommon::ToQColor(d->control.BackColor()); });
}

void VumoCaixaWidget::SetBackColor(const QColor& value) {
  d->Call("BackColor", [&] { d->control.SetBackColor(qtcommon::FromQColor(value)); });
}

QColor VumoCaixaWidget::ForeColor() const {
  return d->Get("ForeColor", QColor(),
                [this] { return qtcommon::ToQColor(d->control.ForeColor()); });
}

void VumoCaixaWidget::SetForeColor(const QColor& value) {
  d->Call("ForeColor", [&] { d->control.SetForeColor(qtcommon::FromQColor(value)); });
}

QFont VumoCaixaWidget::Font() const {
  return d->Get("Font", QWidget::font(), [this] {
    const FontRef font = d->control.Font();
    return font ? qtcommon::ToQFont(*font) : QWidget::font();
  });
}

void VumoCaixaWidget::SetFont(const QFont& value) {
  d->Call("Font", [&] {
    d->control.SetFont(std::make_shared<vumocaixa::Font>(qtcommon::FromQFont(value)));
  });
}

void VumoCaixaWidget::ReadProperties(PropertyBag& bag) {
  if (!d->Call("ReadProperties", [&] { d->control.UserControl_ReadProperties(bag); })) return;
  d->FollowActiveWidget();
}

void VumoCaixaWidget::WriteProperties(PropertyBag& bag) {
  d->Call("WriteProperties", [&] { d->control.UserControl_WriteProperties(bag); });
}

VumoCaixaControl& VumoCaixaWidget::Control() const { return d->control; }
QtContainer& VumoCaixaWidget::Container() const { return d->container; }
QtRuntime& VumoCaixaWidget::Runtime() const { return d->runtime; }

// --- Qt events ------------------------------------------------------------------------

QSize VumoCaixaWidget::sizeHint() const {
  const LogicalDpi dpi = LogicalDpiOf(*this);
  const int height = std::max(qtcommon::TwipsToPixels(kMinimumHeight, dpi.y), d->BoxHeight());
  const int design = qtcommon::TwipsToPixels(kDesignWidth, dpi.x);
  const int chars = TamanhoMaximo();
  if (LarguraLivre(static_cast<std::int16_t>(TipoDados())) || chars <= 0) return {design, height};
  const int minimum = minimumSizeHint().width();
  return {std::clamp(d->BoxWidthFor(chars), minimum, std::max(minimum, design)), height};
}

QSize VumoCaixaWidget::minimumSizeHint() const {
  const LogicalDpi dpi = LogicalDpiOf(*this);
  return {qtcommon::TwipsToPixels(d->button->Width(), dpi.x),
          qtcommon::TwipsToPixels(kMinimumHeight, dpi.y)};
}

// The container raises the control's events; each is relayed as this widget's signal of
// the same name from the moment something listens to it, so that a form of many
// controls holds no connection that nothing listens to.
void VumoCaixaWidget::connectNotify(const QMetaMethod& signal) {
  QWidget::connectNotify(signal);
  d->Relay(signal);
}

bool VumoCaixaWidget::event(QEvent* event) {
  if (event->type() == QEvent::Polish) {
    const bool done = QWidget::event(event);
    d->MakeShownParts();
    return done;
  }
  if (event->type() == QEvent::Show && d->names) d->names->Rename();
  return QWidget::event(event);
}

void VumoCaixaWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  d->Call("Resize", [this] { d->container.WidgetResized(); });
}

void VumoCaixaWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  d->Call("GotFocus", [this] { d->control.UserControl_GotFocus(); });
}

}  // namespace vumocaixa::qt
