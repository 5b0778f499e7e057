#include "passeio.hpp"

#include <cstdio>

#include <QDir>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>

namespace demo {
namespace {

// The message dialog open in the form: the control makes it as a child of its item.
QObject* OpenDialog(const QQuickItem& item) {
  for (QObject* child : item.children()) {
    if (child->metaObject()->indexOfProperty("buttons") >= 0 &&
        child->property("visible").toBool()) {
      return child;
    }
  }
  for (const QQuickItem* inner : item.childItems()) {
    if (QObject* dialog = OpenDialog(*inner)) return dialog;
  }
  return nullptr;
}

// The item named name among the form's items.
const QQuickItem* Find(const QQuickItem& item, const QString& name) {
  if (item.objectName() == name) return &item;
  for (const QQuickItem* inner : item.childItems()) {
    if (const QQuickItem* found = Find(*inner, name)) return found;
  }
  return nullptr;
}

class Tour {
 public:
  Tour(QQuickWindow& window, const QString& folder) : m_window(window), m_folder(folder) {}

  // Types text into the field that has the focus, then Enter.
  void Fill(const QString& text) {
    for (const QChar c : text) {
      if (c.unicode() < 127) {
        QTest::keyClick(&m_window, c.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Press, &m_window, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, &m_window, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
    QTest::keyClick(&m_window, Qt::Key_Return);
    QTest::qWait(20);
  }

  [[nodiscard]] QString Shown(const char* field) const {
    const QQuickItem* caixa = Find(*m_window.contentItem(), QString::fromUtf8(field));
    return caixa != nullptr ? caixa->property("text").toString() : QString();
  }

  void Shot(const char* name, const char* what, bool ok) {
    const QString file = QDir(m_folder).filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    const bool saved = m_window.grabWindow().save(file);
    std::printf("%s %s: %s\n", ok && saved ? "ok  " : "FALHOU", name, what);
    std::fflush(stdout);
    m_failures += ok && saved ? 0 : 1;
  }

  // Closes the next message the form shows, after a screenshot with it open.
  void AnswerNextMessage(const char* name, const char* what) {
    auto* timer = new QTimer(&m_window);
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, name, what] {
      QObject* dialog = OpenDialog(*m_window.contentItem());
      if (dialog == nullptr) return;
      timer->stop();
      QTest::qWait(100);
      Shot(name, what, !dialog->property("text").toString().isEmpty());
      QMetaObject::invokeMethod(dialog, "accept");
      timer->deleteLater();
    });
    timer->start(20);
  }

  int Run() {
    QDir().mkpath(m_folder);
    m_window.requestActivate();
    if (!QTest::qWaitForWindowExposed(&m_window)) ++m_failures;
    QTest::qWait(100);
    Shot("01-formulario", "o formulário, com o foco em Nome", true);
    Fill(QStringLiteral("maria da silva"));
    Fill(QStringLiteral("f"));
    Fill(QStringLiteral("15031985"));
    Fill(QStringLiteral("39"));
    Fill(QStringLiteral("12345678909"));
    Shot("02-dados-pessoais", "nome, sexo, nascimento, idade e CPF digitados",
         Shown("CPF") == QStringLiteral("123.456.789-09") && Shown("Sexo") == QStringLiteral("F"));
    Fill(QStringLiteral("12345678951"));
    Fill(QStringLiteral("rua das flores, 10"));
    Fill(QStringLiteral("01310100"));
    Fill(QStringLiteral("maria@exemplo.com.br"));
    Fill(QStringLiteral("www.exemplo.com.br"));
    Fill(QStringLiteral("1234"));
    Fill(QStringLiteral("62.5"));
    Fill(QStringLiteral("1.68"));
    Fill(QStringLiteral("4500.5"));
    QTest::qWait(50);
    Shot("03-salario-por-extenso", "o salário formatado e por extenso",
         Shown("Extenso").startsWith(QStringLiteral("Quatro Mil e Quinhentos Reais")));
    Fill(QStringLiteral("2"));
    Fill(QStringLiteral("10000"));
    AnswerNextMessage("04-mensagem-cnpj", "um CNPJ errado é recusado com a mensagem do controle");
    Fill(QStringLiteral("11222333000100"));
    QTest::qWait(300);
    std::printf("%s\n", m_failures == 0 ? "passeio completo" : "passeio com falhas");
    return m_failures == 0 ? 0 : 1;
  }

 private:
  QQuickWindow& m_window;
  QString m_folder;
  int m_failures = 0;
};

}  // namespace

int RunQmlTour(QQuickWindow& window, const QString& folder) {
  std::printf("passeio pelo formulário QML; imagens em %s\n", qPrintable(folder));
  return Tour(window, folder).Run();
}

}  // namespace demo
