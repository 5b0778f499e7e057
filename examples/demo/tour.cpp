#include "tour.hpp"

#include <cstdio>

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "cadastro.hpp"

namespace demo {
namespace {

void Say(const QString& text) {
  std::printf("%s\n", text.toUtf8().constData());
  std::fflush(stdout);
}

class Tour {
 public:
  Tour(Cadastro& form, QString folder) : m_form(form), m_folder(std::move(folder)) {}

  // Saves a picture of widget as the next step's screenshot and prints the step.
  void Step(const QString& title, const QString& outcome, QWidget* widget = nullptr) {
    QApplication::processEvents();
    const QString file = QDir(m_folder).filePath(
        QStringLiteral("%1-%2.png").arg(++m_step, 2, 10, QChar('0')).arg(Slug(title)));
    (widget != nullptr ? widget : &m_form)->grab().save(file);
    Say(QStringLiteral("%1. %2").arg(m_step).arg(title));
    Say(QStringLiteral("   %1").arg(outcome));
    Say(QStringLiteral("   imagem: %1").arg(file));
  }

  // Gives the focus to the field, empties it and types text key by key.
  void Type(const QString& field, const QString& text) {
    VumoCaixaWidget* w = m_form.Field(field);
    w->SetText(QVariant());
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QWidget* box = QApplication::focusWidget();
    for (const char32_t c : text.toUcs4()) {
      const QString one = QString::fromUcs4(&c, 1);
      if (c >= 32 && c < 127) {
        QTest::keyClick(box, static_cast<char>(c));
      } else {
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, one, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, one, Qt::NoModifier);
      }
    }
  }

  // The Enter key on the field that has the focus: TeclaEnter moves to the next one.
  void Enter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
  }

  QString Shown(const QString& field) const { return m_form.Field(field)->Text().toString(); }
  QString Focus() const {
    if (QApplication::focusWidget() == static_cast<QWidget*>(&m_form.Gravar()))
      return QStringLiteral("Gravar");
    for (const QString& name : m_form.FieldNames()) {
      if (m_form.Field(name)->isAncestorOf(QApplication::focusWidget())) return name;
    }
    return QStringLiteral("(nenhum)");
  }

 private:
  static QString Slug(QString title) {
    title = title.toLower().normalized(QString::NormalizationForm_D);
    QString slug;
    for (const QChar c : title) {
      if (c.isLetterOrNumber() && c.unicode() < 128) slug += c;
      if (c == ' ' && !slug.endsWith('-')) slug += '-';
    }
    return slug;
  }

  Cadastro& m_form;
  QString m_folder;
  int m_step = 0;
};

void TypingSteps(Tour& tour, Cadastro& form, QStringList& messages) {
  tour.Type(QStringLiteral("Nome"), QStringLiteral("maria da silva"));
  tour.Enter();
  tour.Step(QStringLiteral("Nome digitado"),
            QStringLiteral("Nome = \"%1\"; Enter levou o foco a %2")
                .arg(tour.Shown(QStringLiteral("Nome")), tour.Focus()));
  tour.Type(QStringLiteral("CPF"), QStringLiteral("11144477735"));
  tour.Enter();
  tour.Step(QStringLiteral("CPF válido"),
            QStringLiteral("CPF = \"%1\", aceito; foco em %2")
                .arg(tour.Shown(QStringLiteral("CPF")), tour.Focus()));
  messages.clear();
  tour.Type(QStringLiteral("CPF"), QStringLiteral("11144477736"));
  tour.Enter();
  tour.Step(QStringLiteral("CPF inválido"),
            QStringLiteral("mensagem: \"%1\"; o foco voltou a %2")
                .arg(messages.join(QStringLiteral("; ")), tour.Focus()));
  tour.Type(QStringLiteral("CPF"), QStringLiteral("11144477735"));
  tour.Enter();
  tour.Type(QStringLiteral("Salário"), QStringLiteral("4500,5"));
  tour.Enter();
  tour.Step(QStringLiteral("Salário"),
            QStringLiteral("Salário = %1; por extenso: \"%2\"")
                .arg(tour.Shown(QStringLiteral("Salário")), tour.Shown(QStringLiteral("Extenso"))));
  tour.Type(QStringLiteral("Endereço"), QStringLiteral("av. presidente vargas n 1.001 apto 12"));
  tour.Enter();
  tour.Step(QStringLiteral("Endereço"),
            QStringLiteral("Endereço = \"%1\"").arg(tour.Shown(QStringLiteral("Endereço"))));
  tour.Type(QStringLiteral("Sexo"), QStringLiteral("fm"));
  tour.Enter();
  form.Field(QStringLiteral("Nascimento"))->SetText(QDate(1980, 5, 12));
  tour.Type(QStringLiteral("Idade"), QStringLiteral("46"));
  tour.Enter();
  tour.Type(QStringLiteral("CEP"), QStringLiteral("20071001"));
  tour.Enter();
  tour.Type(QStringLiteral("Cartão"), QStringLiteral("4111111111111111"));
  tour.Enter();
  tour.Step(QStringLiteral("Cadastro preenchido"),
            QStringLiteral("Sexo = \"%1\", Idade = %2, CEP = \"%3\"; Enter no último campo levou "
                           "o foco a %4")
                .arg(tour.Shown(QStringLiteral("Sexo")), tour.Shown(QStringLiteral("Idade")),
                     tour.Shown(QStringLiteral("CEP")), tour.Focus()));
}

// Gravar writes the typed values; emptied, the form gets them back from the file.
bool DataSteps(Tour& tour, Cadastro& form, const QString& folder) {
  QStringList before;
  for (const QString& name : form.FieldNames()) before << tour.Shown(name);
  const QString file = QDir(folder).filePath(QStringLiteral("cliente.json"));
  const bool saved = form.SaveData(file);
  form.ClearFields();
  const bool opened = saved && form.OpenData(file);
  QStringList after;
  for (const QString& name : form.FieldNames()) after << tour.Shown(name);
  const bool same = opened && after == before;
  tour.Step(QStringLiteral("Cadastro gravado e aberto"),
            QStringLiteral("gravado em %1; aberto de novo, %2")
                .arg(file, same ? QStringLiteral("com os mesmos valores")
                                : QStringLiteral("com outros valores: ") +
                                      after.join(QStringLiteral(" | "))));
  return same;
}

void PagesSteps(Tour& tour, Cadastro& form) {
  form.DesignMode().setChecked(true);
  QDialog* pages = form.OpenPages(*form.Field(QStringLiteral("Idade")), false);
  if (!QTest::qWaitForWindowExposed(pages)) Say(QStringLiteral("   (as páginas não apareceram)"));
  tour.Step(QStringLiteral("Páginas de Idade"),
            QStringLiteral("modo de design; páginas de Idade abertas em Propriedades"), pages);
  auto* tabs = pages->findChild<QTabWidget*>();
  tabs->setCurrentIndex(3);
  tour.Step(QStringLiteral("Página Sobre"), QStringLiteral("aba %1").arg(tabs->tabText(3)), pages);
  pages->close();
  form.DesignMode().setChecked(false);
}

}  // namespace

int RunTour(Cadastro& form, const QString& folder) {
  QDir().mkpath(folder);
  Say(QStringLiteral("Passeio pelo Cadastro de Cliente; imagens em %1").arg(folder));
  QStringList messages;
  form.SetMessagePresenter([&messages](const QString&, const QString& text) { messages << text; });
  form.show();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) Say(QStringLiteral("   (a janela não ficou ativa)"));
  Tour tour(form, folder);
  tour.Step(QStringLiteral("Formulário aberto"),
            QStringLiteral("%1 campos, um de cada tipo de dados").arg(form.FieldNames().size()));
  TypingSteps(tour, form, messages);
  const bool data = DataSteps(tour, form, folder);
  PagesSteps(tour, form);
  const QString file = QDir(folder).filePath(QStringLiteral("desenho.json"));
  const bool saved = form.SaveForm(file);
  const bool opened = saved && form.OpenForm(file);
  tour.Step(QStringLiteral("Desenho do formulário salvo e aberto"),
            QStringLiteral("%1 %2").arg(
                saved ? QStringLiteral("salvo em ") + file : QStringLiteral("não foi salvo"),
                opened ? QStringLiteral("e aberto de novo") : QStringLiteral("e não foi aberto")));
  return data && saved && opened ? 0 : 1;
}

}  // namespace demo
