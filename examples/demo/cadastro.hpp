#pragma once
// Cadastro de Cliente: a customer form with a VumoCaixaWidget of every data type and a
// "Gravar" button, an events panel, a design mode in which a click opens a control's
// pages, and menu entries for the typed values (a cadastro file) and for the form's
// design (the controls' properties, a form file).

#include <vector>

#include <QMainWindow>
#include <QString>

#include <vumocaixa/qt/vumocaixa_widget.hpp>

class QAction;
class QCheckBox;
class QFormLayout;
class QMenu;
class QPushButton;
class QLabel;
class QPlainTextEdit;

namespace demo {

using vumocaixa::qt::VumoCaixaWidget;

class Cadastro final : public QMainWindow {
  Q_OBJECT

 public:
  explicit Cadastro(QWidget* parent = nullptr);

  // The control of the field named name ("CPF", "Salário", ...), or nullptr.
  [[nodiscard]] VumoCaixaWidget* Field(const QString& name) const;
  [[nodiscard]] QStringList FieldNames() const;
  [[nodiscard]] QAction& DesignMode() const { return *m_designMode; }
  [[nodiscard]] QPlainTextEdit& EventsPanel() const { return *m_events; }
  // On, the events panel shows every keystroke's KeyDown, KeyPress, KeyUp, Change and
  // PropertyChanged(Text).
  [[nodiscard]] QCheckBox& ShowKeystrokes() const { return *m_showKeys; }
  [[nodiscard]] QPushButton& Gravar() const { return *m_gravar; }

  // Writes a line to the events panel.
  void Log(const QString& line);

  // Saves the form's controls to path, or opens them from it. A failure is shown in a
  // message box and leaves the form as it was; the result says whether it worked.
  // Opening makes new controls: what was typed is gone.
  bool SaveForm(const QString& path);
  bool OpenForm(const QString& path);

  // Saves the typed values to path, or fills the fields from it (a field the file does
  // not name is emptied). A failure is shown in a message box; a file that cannot be
  // read changes nothing.
  bool SaveData(const QString& path);
  bool OpenData(const QString& path);
  // Empties every field that takes input.
  void ClearFields();
  // Whether any field holds a value.
  [[nodiscard]] bool HasTypedValues() const;

  // The pages of the field's control, as design mode opens them on a click; modal
  // unless modal is false (then the dialog is returned, to be closed by the caller).
  QDialog* OpenPages(VumoCaixaWidget& field, bool modal = true);

  // Shows message boxes of the form and its controls through presenter instead.
  void SetMessagePresenter(std::function<void(const QString&, const QString&)> presenter);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    QString name;
    QLabel* label;
    VumoCaixaWidget* field;
  };

  void BuildMenus();
  void BuildForm(QFormLayout& form);
  QWidget* BuildEventsPanel();
  void AddDesignActions(QMenu& menu);
  void AddDataActions(QMenu& menu);
  void GravarCadastro();
  void LogKeystroke(const QString& line);
  void Wire(Row& row);
  void WatchClicks(VumoCaixaWidget& field);
  void FeedAmountInWords();
  void OrderTabs();
  void ShowMessage(const QString& title, const QString& text);
  [[nodiscard]] Row* RowOf(const QObject* object);

  std::vector<Row> m_rows;
  QFormLayout* m_form = nullptr;
  QPlainTextEdit* m_events = nullptr;
  QCheckBox* m_showKeys = nullptr;
  QPushButton* m_gravar = nullptr;
  QAction* m_designMode = nullptr;
  QString m_path;
  QString m_dataPath;
  std::function<void(const QString&, const QString&)> m_presenter;
  QMetaObject::Connection m_feed;
};

}  // namespace demo
