// The cadastro's files: its typed values (Arquivo > Abrir / Gravar cadastro) and its
// design, the properties of its controls (Formulário > Abrir / Salvar desenho).

#include <QAction>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include <vumocaixa/qt/form_controls.hpp>

#include "cadastro.hpp"
#include "dados.hpp"

namespace demo {
namespace {

const QString kDesignFilter = QStringLiteral("Desenhos de formulário VumoCaixa (*.json)");
const QString kDataFilter = QStringLiteral("Cadastros (*.json)");

// The file the user picks in Qt's file dialog; a name typed without an extension gets
// ".json". Empty when the user cancels.
QString AskPath(QWidget* parent, const QString& title, const QString& filter, const QString& start,
                QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, title, start, filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("json"));
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace

void Cadastro::AddDataActions(QMenu& menu) {
  QAction* open = menu.addAction(QStringLiteral("&Abrir cadastro..."), this, [this] {
    const QString path = AskPath(this, QStringLiteral("Abrir cadastro"), kDataFilter, m_dataPath,
                                 QFileDialog::AcceptOpen);
    if (!path.isEmpty()) OpenData(path);
  });
  open->setShortcut(QKeySequence::Open);
  QAction* save =
      menu.addAction(QStringLiteral("&Gravar cadastro"), this, &Cadastro::GravarCadastro);
  save->setShortcut(QKeySequence::Save);
  menu.addAction(QStringLiteral("Gravar cadastro &como..."), this, [this] {
    const QString path = AskPath(this, QStringLiteral("Gravar cadastro"), kDataFilter, m_dataPath,
                                 QFileDialog::AcceptSave);
    if (!path.isEmpty()) SaveData(path);
  });
}

void Cadastro::AddDesignActions(QMenu& menu) {
  menu.addAction(QStringLiteral("A&brir desenho do formulário..."), this, [this] {
    const QString question = QStringLiteral(
        "Abrir um desenho de formulário apaga os valores digitados. Deseja continuar?");
    if (HasTypedValues() &&
        QMessageBox::question(this, QStringLiteral("Abrir desenho do formulário"), question) !=
            QMessageBox::Yes) {
      return;
    }
    const QString path = AskPath(this, QStringLiteral("Abrir desenho do formulário"), kDesignFilter,
                                 m_path, QFileDialog::AcceptOpen);
    if (!path.isEmpty()) OpenForm(path);
  });
  menu.addAction(QStringLiteral("&Salvar desenho do formulário..."), this, [this] {
    const QString path = AskPath(this, QStringLiteral("Salvar desenho do formulário"),
                                 kDesignFilter, m_path, QFileDialog::AcceptSave);
    if (!path.isEmpty()) SaveForm(path);
  });
}

// Gravar saves to the cadastro's file, asking for one the first time.
void Cadastro::GravarCadastro() {
  QString path = m_dataPath;
  if (path.isEmpty()) {
    path = AskPath(this, QStringLiteral("Gravar cadastro"), kDataFilter, QString(),
                   QFileDialog::AcceptSave);
  }
  if (!path.isEmpty()) SaveData(path);
}

bool Cadastro::HasTypedValues() const {
  for (const Row& row : m_rows) {
    if (row.field->TipoDados() != vumocaixa::kExtenso &&
        !TypedText(row.field->Text(), row.field->TipoDados()).isEmpty()) {
      return true;
    }
  }
  return false;
}

// An empty value assigned to a number shows 0; the box itself is emptied instead, as a
// user deleting its text leaves it.
void Cadastro::ClearFields() {
  for (const Row& row : m_rows) {
    if (row.field->TipoDados() != vumocaixa::kExtenso)
      row.field->Control().ActiveWidget().SetText({});
  }
}

bool Cadastro::SaveData(const QString& path) {
  std::vector<FieldValue> values;
  for (const Row& row : m_rows) {
    if (row.field->TipoDados() == vumocaixa::kExtenso) continue;  // follows the salary
    values.emplace_back(row.name, TypedText(row.field->Text(), row.field->TipoDados()));
  }
  try {
    vumocaixa::qt::SaveAtomically(path, DataJson(windowTitle(), values));
  } catch (const vumocaixa::Error& e) {
    ShowMessage(QStringLiteral("Erro ao gravar"), QString::fromUtf8(e.what()));
    return false;
  }
  m_dataPath = path;
  Log(QStringLiteral("Cadastro gravado em %1").arg(path));
  statusBar()->showMessage(QStringLiteral("Cadastro gravado em %1").arg(path));
  return true;
}

bool Cadastro::OpenData(const QString& path) {
  std::vector<FieldValue> values;
  try {
    values = LoadData(path);
    for (const auto& [name, text] : values) {
      if (Field(name) == nullptr) {
        throw vumocaixa::qt::FormFileError(
            QStringLiteral("O cadastro \"%1\" não pôde ser aberto: o campo \"%2\" não existe "
                           "neste formulário")
                .arg(path, name)
                .toStdString());
      }
    }
  } catch (const vumocaixa::Error& e) {
    ShowMessage(QStringLiteral("Erro ao abrir"), QString::fromUtf8(e.what()));
    return false;
  }
  ClearFields();
  for (const auto& [name, text] : values) {
    if (!text.isEmpty()) Field(name)->SetText(text);
  }
  m_dataPath = path;
  Log(QStringLiteral("Cadastro aberto de %1").arg(path));
  return true;
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
                           "existe neste cadastro")
                .arg(path, c.name)
                .toStdString());
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
