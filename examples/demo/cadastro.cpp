#include "cadastro.hpp"

#include "campos.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <vumocaixa/qt/qt_page_dialog.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>

namespace demo {

using namespace vumocaixa;

Cadastro::Cadastro(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Cadastro de Cliente"));
  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  auto* left = new QVBoxLayout;
  m_form = new QFormLayout;
  left->addLayout(m_form);
  m_gravar = new QPushButton(QStringLiteral("&Gravar"), central);
  m_gravar->setObjectName(QStringLiteral("Gravar"));
  m_gravar->setAutoDefault(true);  // Enter on the button presses it
  connect(m_gravar, &QPushButton::clicked, this, &Cadastro::GravarCadastro);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_gravar);
  left->addLayout(buttons);
  left->addStretch();
  columns->addLayout(left, 3);
  columns->addWidget(BuildEventsPanel(), 2);
  setCentralWidget(central);
  BuildForm(*m_form);
  BuildMenus();
  statusBar()->showMessage(QStringLiteral("Enter passa ao campo seguinte."));
  resize(980, 720);
  m_rows.front().field->setFocus();
}

QWidget* Cadastro::BuildEventsPanel() {
  auto* panel = new QWidget;
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  m_events = new QPlainTextEdit(panel);
  m_events->setObjectName(QStringLiteral("Eventos"));
  m_events->setReadOnly(true);
  m_events->setMaximumBlockCount(400);
  m_events->setPlaceholderText(QStringLiteral("Eventos dos controles"));
  m_showKeys = new QCheckBox(
      QStringLiteral("Mostrar cada tecla (KeyDown, KeyPress, KeyUp, Change, Text)"), panel);
  m_showKeys->setObjectName(QStringLiteral("MostrarTeclas"));
  layout->addWidget(m_events);
  layout->addWidget(m_showKeys);
  return panel;
}

void Cadastro::BuildForm(QFormLayout& form) {
  for (const FieldLayout& row : kFields) {
    auto* field = new VumoCaixaWidget;
    field->SetTipoDados(row.tipo);
    auto* label = new QLabel(QString::fromUtf8(row.label));
    label->setBuddy(field);
    form.addRow(label, field);
    m_rows.push_back({QString::fromUtf8(row.name), label, field});
    Wire(m_rows.back());
  }
  Field(QStringLiteral("Endereço"))->SetEndereco(true);
  Field(QStringLiteral("Sexo"))->SetTudoMaiusculo(true);
  FeedAmountInWords();
  OrderTabs();
}

void Cadastro::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Arquivo"));
  AddDataActions(*file);
  file->addSeparator();
  file->addAction(QStringLiteral("Sai&r"), this, &QWidget::close);
  QMenu* design = menuBar()->addMenu(QStringLiteral("&Formulário"));
  m_designMode = design->addAction(QStringLiteral("&Modo de design"));
  m_designMode->setCheckable(true);
  connect(m_designMode, &QAction::toggled, this, [this](bool on) {
    statusBar()->showMessage(on ? QStringLiteral("Modo de design: clique em um controle para "
                                                 "abrir suas páginas.")
                                : QStringLiteral("Enter passa ao campo seguinte."));
  });
  design->addSeparator();
  AddDesignActions(*design);
}

void Cadastro::Wire(Row& row) {
  VumoCaixaWidget* f = row.field;
  const QString n = row.name;
  f->setObjectName(n);
  connect(f, &VumoCaixaWidget::change, this, [this, n] { LogKeystroke(n + ": Change"); });
  connect(f, &VumoCaixaWidget::click, this, [this, n] { Log(n + ": Click"); });
  connect(f, &VumoCaixaWidget::dblClick, this, [this, n] { Log(n + ": DblClick"); });
  connect(f, &VumoCaixaWidget::keyDown, this, [this, n](qint16& KeyCode, qint16& Shift) {
    LogKeystroke(QStringLiteral("%1: KeyDown(%2, %3)").arg(n).arg(KeyCode).arg(Shift));
  });
  connect(f, &VumoCaixaWidget::keyPress, this, [this, n](qint16& KeyAscii) {
    LogKeystroke(QStringLiteral("%1: KeyPress(%2)").arg(n).arg(KeyAscii));
  });
  connect(f, &VumoCaixaWidget::keyUp, this, [this, n](qint16& KeyCode, qint16& Shift) {
    LogKeystroke(QStringLiteral("%1: KeyUp(%2, %3)").arg(n).arg(KeyCode).arg(Shift));
  });
  connect(f, &VumoCaixaWidget::keyEnter, this, [this, n](qint16&) { Log(n + ": KeyEnter"); });
  connect(f, &VumoCaixaWidget::mandarEmail, this,
          [this, n](QString& a) { Log(n + ": MandarEmail(" + a + ")"); });
  connect(f, &VumoCaixaWidget::abrirHomePage, this,
          [this, n](QString& a) { Log(n + ": AbrirHomePage(" + a + ")"); });
  connect(f, &VumoCaixaWidget::propertyChanged, this, [this, n](const QString& p) {
    const QString line = n + ": PropertyChanged(" + p + ")";
    p == QLatin1String("Text") ? LogKeystroke(line) : Log(line);  // Text changes per key
  });
  connect(f, &VumoCaixaWidget::erro, this, [this, n](const QString& where, const QString& what) {
    Log(n + ": erro em " + where + ": " + what);
  });
  f->Runtime().SetMessagePresenter([this, n](const QString& prompt, int, const QString& title) {
    Log(n + ": mensagem \"" + prompt + "\"");
    ShowMessage(title, prompt);
  });
  WatchClicks(*f);
}

void Cadastro::WatchClicks(VumoCaixaWidget& field) {
  field.installEventFilter(this);
  for (QWidget* child : field.findChildren<QWidget*>()) child->installEventFilter(this);
}

// Salário por extenso shows the salary in words whenever the salary's value changes.
void Cadastro::FeedAmountInWords() {
  disconnect(m_feed);
  VumoCaixaWidget* salario = Field(QStringLiteral("Salário"));
  m_feed = connect(salario, &VumoCaixaWidget::propertyChanged, this, [this](const QString& p) {
    if (p != QLatin1String("Text")) return;
    Field(QStringLiteral("Extenso"))->SetText(Field(QStringLiteral("Salário"))->Text());
  });
}

// The fields in their order, then Gravar: Enter on the last field reaches the button.
void Cadastro::OrderTabs() {
  for (std::size_t i = 1; i < m_rows.size(); ++i) {
    setTabOrder(m_rows[i - 1].field, m_rows[i].field);
  }
  setTabOrder(m_rows.back().field, m_gravar);
  setTabOrder(m_gravar, m_events);
  setTabOrder(m_events, m_showKeys);
}

VumoCaixaWidget* Cadastro::Field(const QString& name) const {
  for (const Row& row : m_rows) {
    if (row.name == name) return row.field;
  }
  return nullptr;
}

QStringList Cadastro::FieldNames() const {
  QStringList names;
  for (const Row& row : m_rows) names << row.name;
  return names;
}

Cadastro::Row* Cadastro::RowOf(const QObject* object) {
  for (Row& row : m_rows) {
    for (const QObject* o = object; o != nullptr; o = o->parent()) {
      if (o == row.field) return &row;
    }
  }
  return nullptr;
}

bool Cadastro::eventFilter(QObject* watched, QEvent* event) {
  if (m_designMode == nullptr || !m_designMode->isChecked() ||
      event->type() != QEvent::MouseButtonPress) {
    return QMainWindow::eventFilter(watched, event);
  }
  Row* row = RowOf(watched);
  if (row == nullptr) return QMainWindow::eventFilter(watched, event);
  OpenPages(*row->field);
  return true;
}

QDialog* Cadastro::OpenPages(VumoCaixaWidget& field, bool modal) {
  Log(QStringLiteral("Páginas de %1").arg(field.objectName()));
  auto* pages = new vumocaixa::qt::QtPageDialog({&field.Control()}, this);
  pages->setWindowTitle(QStringLiteral("Propriedades de %1").arg(field.objectName()));
  pages->setAttribute(Qt::WA_DeleteOnClose);
  if (!modal) {
    pages->show();
    return pages;
  }
  pages->exec();
  return nullptr;
}

void Cadastro::Log(const QString& line) { m_events->appendPlainText(line); }

void Cadastro::LogKeystroke(const QString& line) {
  if (m_showKeys->isChecked()) Log(line);
}

void Cadastro::SetMessagePresenter(std::function<void(const QString&, const QString&)> p) {
  m_presenter = std::move(p);
}

void Cadastro::ShowMessage(const QString& title, const QString& text) {
  if (m_presenter) {
    m_presenter(title, text);
    return;
  }
  QMessageBox::information(this, title, text);
}

}  // namespace demo
