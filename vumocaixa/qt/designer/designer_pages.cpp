#include "designer_pages.hpp"

#include <array>
#include <span>
#include <utility>
#include <vector>

#include <QPushButton>
#include <QTabWidget>

#include <vumocaixa/host/memory_property_bag.hpp>
#include <vumocaixa/qt/qt_design_pages.hpp>
#include <vumocaixa/qt/qt_page_dialog.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

namespace vumocaixa::qt {
namespace {

// A hidden control with the stored properties of control; the messages it shows while
// the pages are being made belong to parent's window.
VumoCaixaWidget* CopyOf(VumoCaixaWidget& control, QWidget* parent) {
  MemoryPropertyBag bag;
  control.WriteProperties(bag);
  auto* copy = new VumoCaixaWidget(parent);
  copy->hide();
  copy->setObjectName(control.objectName());
  copy->ReadProperties(bag);
  return copy;
}

// The text options, which a data type may refuse to turn on.
constexpr std::array kOptions = {"MaiusculoEMinusculo", "TudoMaiusculo", "Endereco"};
// What belongs to the box the data type shows.
constexpr std::array kBoxProperties = {"Habilitado", "TamanhoMaximo"};
constexpr std::array kOthers = {"TeclaEnter", "CNPJAlfanumerico", "ExtensoNorma",
                                "BackColor",  "ForeColor",        "Font"};

}  // namespace

DesignerPages::DesignerPages(VumoCaixaWidget& control, PropertyWriter write, QWidget* parent)
    : m_control(control), m_write(std::move(write)), m_copy(CopyOf(control, parent)) {
  m_dialog =
      std::make_unique<QtPageDialog>(std::vector<VumoCaixaControl*>{&m_copy->Control()}, parent);
  m_dialog->setWindowTitle(QStringLiteral("Caixa de Texto Vumo - %1").arg(control.objectName()));
  // A child of the dialog, so that its messages belong to the dialog; never shown.
  m_copy->setParent(m_dialog.get());
  m_copy->hide();
  // A page reports an edit once the page has handled it, and Aplicar is heard after
  // the dialog applied the pages: each step of the pages is written whole.
  for (int i = 0; i < m_dialog->Tabs().count(); ++i) {
    connect(&m_dialog->Page(i), &DesignPage::edited, this, &DesignerPages::WriteChanges);
  }
  connect(&m_dialog->ApplyButton(), &QPushButton::clicked, this, &DesignerPages::WriteChanges);
  // Shown, the Propriedades page has already written the control's values to the copy.
  WriteChanges();
}

DesignerPages::~DesignerPages() = default;

bool DesignerPages::ShowPage(const QString& page) {
  QTabWidget& tabs = m_dialog->Tabs();
  for (int i = 0; i < tabs.count(); ++i) {
    if (tabs.tabText(i) == page) {
      tabs.setCurrentIndex(i);
      return true;
    }
  }
  return false;
}

int DesignerPages::Run(const QString& page) {
  ShowPage(page);
  const int result = m_dialog->exec();
  WriteChanges();
  return result;
}

// The order is one that the control's property rules accept both ways, so that undoing
// the writes in reverse order restores the control too: options turned off (always
// accepted); a new data type, preceded by the box properties at their present values
// (undone after the type, these bring the old box back as it was); options turned on
// (the new type accepts them, as the copy did); the box properties; the rest.
void DesignerPages::WriteChanges() {
  for (const char* option : kOptions) {
    if (Differs(option) && !m_copy->property(option).toBool()) Write(option);
  }
  if (Differs("TipoDados")) {
    for (const char* box : kBoxProperties) Write(box, m_control.property(box));
    Write("TipoDados");
  }
  for (const char* name : kOptions) {
    if (Differs(name)) Write(name);
  }
  for (const char* name : kBoxProperties) {
    if (Differs(name)) Write(name);
  }
  for (const char* name : kOthers) {
    if (Differs(name)) Write(name);
  }
}

QStringList DesignerPages::WrittenProperties() {
  QStringList names{QStringLiteral("TipoDados")};
  for (const auto& group :
       {std::span<const char* const>(kOptions), std::span<const char* const>(kBoxProperties),
        std::span<const char* const>(kOthers)}) {
    for (const char* name : group) names << QString::fromLatin1(name);
  }
  return names;
}

bool DesignerPages::Differs(const char* name) const {
  return m_control.property(name) != m_copy->property(name);
}

void DesignerPages::Write(const char* name) { Write(name, m_copy->property(name)); }

void DesignerPages::Write(const char* name, const QVariant& value) {
  m_write(m_control, QString::fromLatin1(name), value);
}

}  // namespace vumocaixa::qt
