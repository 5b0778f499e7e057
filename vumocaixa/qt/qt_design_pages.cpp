#include <vumocaixa/qt/qt_design_pages.hpp>

#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <vumocaixa/pages/propriedades.hpp>
#include <vumocaixa/pages/sobre.hpp>
#include <vumocaixa/qt/qt_page_surface.hpp>
#include <vumocaixa/qtcommon/values.hpp>

namespace vumocaixa::qt {

using qtcommon::FromQColor;
using qtcommon::FromQFont;
using qtcommon::ToQColor;
using qtcommon::ToQFont;

namespace {

const QString kBackColor = QStringLiteral("BackColor");
const QString kForeColor = QStringLiteral("ForeColor");

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

VumoCaixaControl* First(const std::vector<VumoCaixaControl*>& controls) {
  return controls.empty() ? nullptr : controls.front();
}

// A page surface centred at the top of its page.
QtPageSurface* PlaceSurface(QWidget& page) {
  auto* layout = new QVBoxLayout(&page);
  auto* surface = new QtPageSurface(&page);
  layout->addWidget(surface, 0, Qt::AlignHCenter | Qt::AlignTop);
  return surface;
}

}  // namespace

// --- Propriedades -----------------------------------------------------------------------

QtPropriedadesPage::QtPropriedadesPage(std::vector<VumoCaixaControl*> controls, QWidget* parent)
    : DesignPage(parent),
      m_surface(PlaceSurface(*this)),
      m_page(std::make_unique<Propriedades>(*m_surface)) {
  connect(m_surface, &QtPageSurface::edited, this, &DesignPage::edited);
  m_page->SetSelectedControls(std::move(controls));
  m_page->PropertyPage_SelectionChanged();
}

QtPropriedadesPage::~QtPropriedadesPage() = default;

QString QtPropriedadesPage::Caption() const { return Q(vumocaixa::PropriedadesPage().caption); }

bool QtPropriedadesPage::Changed() const { return m_page->Changed(); }

void QtPropriedadesPage::Apply() {
  m_page->PropertyPage_ApplyChanges();
  m_page->SetChanged(false);
  emit edited();
}

// --- Colour -------------------------------------------------------------------------------

QtColorPage::QtColorPage(std::vector<VumoCaixaControl*> controls, QWidget* parent)
    : DesignPage(parent),
      m_controls(std::move(controls)),
      m_property(new QComboBox(this)),
      m_sample(new QLabel(this)) {
  setObjectName(QStringLiteral("Cor"));
  m_property->setObjectName(QStringLiteral("Propriedade"));
  m_property->addItems({kBackColor, kForeColor});
  m_sample->setObjectName(QStringLiteral("Amostra"));
  m_sample->setMinimumSize(120, 40);
  m_sample->setFrameShape(QFrame::Box);
  m_sample->setAutoFillBackground(true);
  auto* choose = new QPushButton(QStringLiteral("Escolher cor..."), this);
  choose->setObjectName(QStringLiteral("EscolherCor"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Propriedade:"), m_property);
  form->addRow(QStringLiteral("Cor:"), m_sample);
  form->addRow(QString(), choose);
  connect(m_property, &QComboBox::currentIndexChanged, this, [this] { UpdateSample(); });
  connect(choose, &QPushButton::clicked, this, [this] { OpenChooser(); });
  UpdateSample();
}

QString QtColorPage::Caption() const { return QStringLiteral("Cor"); }
bool QtColorPage::Changed() const { return m_back.has_value() || m_fore.has_value(); }

QColor QtColorPage::ShownColor() const {
  const bool back = m_property->currentText() == kBackColor;
  if (back && m_back) return *m_back;
  if (!back && m_fore) return *m_fore;
  const VumoCaixaControl* control = First(m_controls);
  if (control == nullptr) return {};
  return ToQColor(back ? control->BackColor() : control->ForeColor());
}

void QtColorPage::ShowProperty(const QString& name) { m_property->setCurrentText(name); }

void QtColorPage::ChooseColor(const QColor& colour) {
  if (!colour.isValid()) return;
  (m_property->currentText() == kBackColor ? m_back : m_fore) = colour;
  UpdateSample();
  emit edited();
}

void QtColorPage::OpenChooser() {
  ChooseColor(QColorDialog::getColor(ShownColor(), this, QStringLiteral("Escolha a cor")));
}

void QtColorPage::UpdateSample() {
  QPalette palette = m_sample->palette();
  palette.setColor(QPalette::Window, ShownColor());
  m_sample->setPalette(palette);
  m_sample->setText(ShownColor().name());
}

void QtColorPage::Apply() {
  for (VumoCaixaControl* control : m_controls) {
    if (m_back) control->SetBackColor(FromQColor(*m_back));
    if (m_fore) control->SetForeColor(FromQColor(*m_fore));
  }
  m_back.reset();
  m_fore.reset();
  UpdateSample();
  emit edited();
}

// --- Font ---------------------------------------------------------------------------------

QtFontPage::QtFontPage(std::vector<VumoCaixaControl*> controls, QWidget* parent)
    : DesignPage(parent), m_controls(std::move(controls)), m_sample(new QLabel(this)) {
  setObjectName(QStringLiteral("Fonte"));
  m_sample->setObjectName(QStringLiteral("Amostra"));
  m_sample->setMinimumSize(240, 60);
  m_sample->setFrameShape(QFrame::Box);
  auto* choose = new QPushButton(QStringLiteral("Escolher fonte..."), this);
  choose->setObjectName(QStringLiteral("EscolherFonte"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Fonte:"), m_sample);
  form->addRow(QString(), choose);
  connect(choose, &QPushButton::clicked, this, [this] { OpenChooser(); });
  const VumoCaixaControl* control = First(m_controls);
  if (control != nullptr && control->Font() != nullptr) m_shown = ToQFont(*control->Font());
  UpdateSample();
}

QString QtFontPage::Caption() const { return QStringLiteral("Fonte"); }
bool QtFontPage::Changed() const { return m_changed; }
QFont QtFontPage::ShownFont() const { return m_shown; }

void QtFontPage::ChooseFont(const QFont& font) {
  m_shown = font;
  m_changed = true;
  UpdateSample();
  emit edited();
}

void QtFontPage::OpenChooser() {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, m_shown, this, QStringLiteral("Escolha a fonte"));
  if (ok) ChooseFont(chosen);
}

void QtFontPage::UpdateSample() {
  m_sample->setFont(m_shown);
  m_sample->setText(QStringLiteral("%1, %2 pt").arg(m_shown.family()).arg(m_shown.pointSizeF()));
}

void QtFontPage::Apply() {
  if (m_changed) {
    for (VumoCaixaControl* control : m_controls) {
      control->SetFont(std::make_shared<Font>(FromQFont(m_shown)));
    }
  }
  m_changed = false;
  emit edited();
}

// --- Sobre --------------------------------------------------------------------------------

QtSobrePage::QtSobrePage(QWidget* parent)
    : DesignPage(parent),
      m_surface(PlaceSurface(*this)),
      m_page(std::make_unique<Sobre>(*m_surface)) {
  m_page->PropertyPage_Initialize();
}

QtSobrePage::~QtSobrePage() = default;

QString QtSobrePage::Caption() const { return Q(vumocaixa::SobrePage().caption); }

}  // namespace vumocaixa::qt
