#include "cadastro.hpp"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>

#include <vumocaixa/qt/form_controls.hpp>
#include <vumocaixa/qt/qt_page_dialog.hpp>
#include <vumocaixa/qt/qt_runtime.hpp>

namespace demo {
namespace {

using namespace vumocaixa;

struct FieldLayout {
  const char* name;
  const char* label;
  std::int16_t tipo;
};

// One field of every data type; the address is free text with the address rule on.
constexpr FieldLayout kFields[] = {
    {"Nome", "Nome:", kTexto},
    {"Endereço", "Endereço:", kTexto},
    {"Nascimento", "Data de nascimento:", kData},
    {"Salário", "Salário:", kMoeda},
    {"Dependentes", "Dependentes:", kInteiro},
    {"Código", "Código do cliente:", kLongo},
    {"Peso", "Peso (kg):", kSimples},
    {"Altura", "Altura (m):", kDuplo},
    {"Limite", "Limite de crédito:", kDecimal},
    {"Idade", "Idade:", kByte},
    {"CPF", "CPF:", kCIC},
    {"CNPJ", "CNPJ:", kCNPJ},
    {"Cartão", "Cartão de crédito:", kCartaoDeCredito},
    {"CEP", "CEP:", kCEP},
    {"E-mail", "E-mail:", kEmail},
    {"Home page", "Home page:", kHomePage},
    {"PIS", "PIS:", kPIS},
    {"Extenso", "Salário por extenso:", kExtenso},
};

const QString kFilter = QStringLiteral("Formulários VumoCaixa (*.json)");

}  // namespace

Cadastro::Cadastro(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Cadastro de Cliente"));
  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  m_form = new QFormLayout;
  columns->addLayout(m_form, 3);
  m_events = new QPlainTextEdit(central);
  m_events->setObjectName(QStringLiteral("Eventos"));
  m_events->setReadOnly(true);
  m_events->setMaximumBlockCount(400);
  m_events->setPlaceholderText(QStringLiteral("Eventos dos controles"));
  columns->addWidget(m_events, 2);
  setCentralWidget(central);
  BuildForm(*m_form);
  BuildMenus();
  statusBar()->showMessage(QStringLiteral("Enter passa ao campo seguinte."));
  resize(940, 640);
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
  FeedAmountInWords();
  OrderTabs();
}

void Cadastro::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Arquivo"));
  file->addAction(QStringLiteral("&Abrir formulário..."), this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Abrir formulário"),
                                                      m_path, kFilter);
    if (!path.isEmpty()) OpenForm(path);
  });
  file->addAction(QStringLiteral("&Salvar formulário..."), this, [this] {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar formulário"),
                                                      m_path, kFilter);
    if (!path.isEmpty()) SaveForm(path);
  });
  file->addSeparator();
  file->addAction(QStringLiteral("Sai&r"), this, &QWidget::close);
  QMenu* design = menuBar()->addMenu(QStringLiteral("&Design"));
  m_designMode = design->addAction(QStringLiteral("&Modo de design"));
  m_designMode->setCheckable(true);
  connect(m_designMode, &QAction::toggled, this, [this](bool on) {
    statusBar()->showMessage(on ? QStringLiteral("Modo de design: clique em um controle para "
                                                 "abrir suas páginas.")
                                : QStringLiteral("Enter passa ao campo seguinte."));
  });
}

void Cadastro::Wire(Row& row) {
  VumoCaixaWidget* f = row.field;
  const QString n = row.name;
  f->setObjectName(n);
  connect(f, &VumoCaixaWidget::change, this, [this, n] { Log(n + ": Change"); });
  connect(f, &VumoCaixaWidget::click, this, [this, n] { Log(n + ": Click"); });
  connect(f, &VumoCaixaWidget::dblClick, this, [this, n] { Log(n + ": DblClick"); });
  connect(f, &VumoCaixaWidget::keyPress, this, [this, n](qint16& KeyAscii) {
    Log(QStringLiteral("%1: KeyPress(%2)").arg(n).arg(KeyAscii));
  });
  connect(f, &VumoCaixaWidget::keyEnter, this, [this, n](qint16&) { Log(n + ": KeyEnter"); });
  connect(f, &VumoCaixaWidget::mandarEmail, this,
          [this, n](QString& a) { Log(n + ": MandarEmail(" + a + ")"); });
  connect(f, &VumoCaixaWidget::abrirHomePage, this,
          [this, n](QString& a) { Log(n + ": AbrirHomePage(" + a + ")"); });
  connect(f, &VumoCaixaWidget::propertyChanged, this,
          [this, n](const QString& p) { Log(n + ": PropertyChanged(" + p + ")"); });
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

void Cadastro::OrderTabs() {
  for (std::size_t i = 1; i < m_rows.size(); ++i) {
    setTabOrder(m_rows[i - 1].field, m_rows[i].field);
  }
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
  if (m_designMode == nullptr || !m_designMode->isChecked() || event->type() != QEvent::MouseButtonPress) {
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

bool Cadastro::SaveForm(const QString& path) {
  std::vector<vumocaixa::qt::NamedControl> controls;
  for (const Row& row : m_rows) controls.push_back({row.name, row.field});
  try {
    vumocaixa::qt::SaveControls(controls, windowTitle()).Save(path);
  } catch (const vumocaixa::Error& e) {
    ShowMessage(QStringLiteral("Erro ao salvar"), QString::fromUtf8(e.what()));
    return false;
  }
  m_path = path;
  Log(QStringLiteral("Formulário salvo em %1").arg(path));
  return true;
}

// Every control of the file is loaded into a new widget first; only when all of them
// loaded do they take the places of the old ones, so a bad file changes nothing.
bool Cadastro::OpenForm(const QString& path) {
  std::vector<vumocaixa::qt::LoadedControl> loaded;
  try {
    loaded = vumocaixa::qt::LoadControls(vumocaixa::qt::FormFile::Load(path), path);
    for (const auto& c : loaded) {
      if (Field(c.name) == nullptr) {
        throw vumocaixa::qt::FormFileError(
            QStringLiteral("O formulário \"%1\" não pôde ser aberto: o controle \"%2\" não "
                           "existe neste cadastro").arg(path, c.name).toStdString());
      }
    }
  } catch (const vumocaixa::Error& e) {
    ShowMessage(QStringLiteral("Erro ao abrir"), QString::fromUtf8(e.what()));
    return false;
  }
  for (auto& c : loaded) {
    Row& row = *RowOf(Field(c.name));
    VumoCaixaWidget* old = row.field;
    row.field = c.widget.release();
    delete m_form->replaceWidget(old, row.field);
    row.label->setBuddy(row.field);
    old->deleteLater();
    Wire(row);
  }
  FeedAmountInWords();
  OrderTabs();
  m_path = path;
  Log(QStringLiteral("Formulário aberto de %1").arg(path));
  return true;
}

}  // namespace demo
