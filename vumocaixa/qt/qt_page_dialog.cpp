#include <vumocaixa/qt/qt_page_dialog.hpp>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <vumocaixa/qt/qt_design_pages.hpp>

namespace vumocaixa::qt {

QtPageDialog::QtPageDialog(const std::vector<VumoCaixaControl*>& controls, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)) {
  setWindowTitle(QStringLiteral("Páginas de propriedades"));
  const std::vector<DesignPage*> pages = {new QtPropriedadesPage(controls),
                                          new QtColorPage(controls), new QtFontPage(controls),
                                          new QtSobrePage()};
  for (DesignPage* page : pages) {
    m_tabs->addTab(page, page->Caption());
    connect(page, &DesignPage::edited, this, [this] { UpdateApply(); });
  }
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  m_apply = buttons->button(QDialogButtonBox::Apply);
  m_apply->setText(QStringLiteral("Aplicar"));
  connect(m_apply, &QPushButton::clicked, this, [this] { ApplyAll(); });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    ApplyAll();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_tabs, &QTabWidget::currentChanged, this, [this] { UpdateApply(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  layout->addWidget(buttons);
  UpdateApply();
}

DesignPage& QtPageDialog::Page(int index) const {
  return *qobject_cast<DesignPage*>(m_tabs->widget(index));
}

void QtPageDialog::ApplyAll() {
  for (int i = 0; i < m_tabs->count(); ++i) {
    if (Page(i).Changed()) Page(i).Apply();
  }
  UpdateApply();
}

void QtPageDialog::UpdateApply() {
  if (m_apply != nullptr) m_apply->setEnabled(Page(m_tabs->currentIndex()).Changed());
}

}  // namespace vumocaixa::qt
