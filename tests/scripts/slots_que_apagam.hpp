#pragma once
// Slots that delete the control: for every signal a host raises, a directly connected
// slot deletes the control's widget or item while the control is inside the handler
// that raised it. Nothing may touch the control afterwards (the hosts' tests run under
// AddressSanitizer), and the control must be gone. The same rows run on the Qt Widgets
// host and on the Qt Quick host through a FormDriver each.

#include <functional>
#include <memory>
#include <stdexcept>

#include <QCoreApplication>
#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <QTest>

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa::testing {

// Runs a function, directly, whenever sender raises its signal of a name, whatever the
// signal's arguments (it listens as QSignalSpy does, without a class of moc's).
class SlotByName final : public QObject {
 public:
  SlotByName(QObject& sender, const QByteArray& signal, std::function<void()> slot)
      : m_slot(std::move(slot)) {
    const QMetaObject& meta = *sender.metaObject();
    for (int i = 0; i < meta.methodCount(); ++i) {
      const QMetaMethod method = meta.method(i);
      if (method.methodType() != QMetaMethod::Signal || method.name() != signal) continue;
      m_connected = QMetaObject::connect(&sender, i, this, QObject::staticMetaObject.methodCount(),
                                         Qt::DirectConnection);
      return;
    }
  }

  [[nodiscard]] bool Connected() const { return m_connected; }

  int qt_metacall(QMetaObject::Call call, int id, void** args) override {
    id = QObject::qt_metacall(call, id, args);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod) return id;
    if (id == 0) m_slot();
    return id - 1;
  }

 private:
  std::function<void()> m_slot;
  bool m_connected = false;
};

// A control on a form of one host, driven as a user and an application drive it. A box
// is named "Caixa" or "Caixa1"; a host whose keys go to the focused box may ignore it.
class FormDriver {
 public:
  virtual ~FormDriver() = default;

  // Connects slot directly to the signal named signal: an event of the control
  // ("change", "keyPress", ...), "erro", "mensagem", "bipe", or a property's change
  // ("tipoDadosChanged", "tamanhoMaximoChanged").
  virtual void Connect(const char* signal, std::function<void()> slot) = 0;
  // Deletes the control's widget or item (or the window it is in, as the form says).
  virtual void DeleteControl() = 0;
  // Whether what DeleteControl deletes is gone, and nothing else is.
  [[nodiscard]] virtual bool Deleted() const = 0;

  virtual void SetTipo(int tipo) = 0;
  virtual void SetText(const QString& text) = 0;
  virtual void SetTeclaEnter(bool on) = 0;
  virtual void SetTamanhoMaximo(int chars) = 0;
  // Gives the focus to the control's active box.
  virtual void Focus() = 0;
  virtual void Type(const char* box, const QString& keys) = 0;
  virtual void Enter(const char* box) = 0;
  virtual void Click(const char* box) = 0;
  virtual void DblClick(const char* box) = 0;
  virtual void MouseMove(const char* box) = 0;
  virtual void ClickButton() = 0;
  virtual void Paste(const char* box, const QString& text) = 0;
  // Takes the focus out of the box.
  virtual void Leave(const char* box) = 0;
};

struct SlotQueApaga {
  const char* nome;
  const char* sinal;
  std::function<void(FormDriver&)> acao;
};

inline void TypeOne(FormDriver& f) { f.Type("Caixa", QStringLiteral("1")); }
inline void ClickBox(FormDriver& f) { f.Click("Caixa"); }

inline void SendByButton(FormDriver& f, int tipo, const char* address) {
  f.SetTipo(tipo);
  f.Focus();
  f.Type("Caixa", QString::fromUtf8(address));
  f.ClickButton();
}

inline const SlotQueApaga kSlotsQueApagam[] = {
    {"change", "change", TypeOne},
    {"change ao atribuir", "change", [](FormDriver& f) { f.SetText(QStringLiteral("abc")); }},
    {"keyDown", "keyDown", TypeOne},
    {"keyPress", "keyPress", TypeOne},
    {"keyUp", "keyUp", TypeOne},
    {"keyEnter", "keyEnter", [](FormDriver& f) { f.Enter("Caixa"); }},
    {"keyEnter numérico", "keyEnter",
     [](FormDriver& f) {
       f.SetTipo(kMoeda);
       f.Focus();
       f.Enter("Caixa1");
     }},
    {"click", "click", ClickBox},
    {"dblClick", "dblClick", [](FormDriver& f) { f.DblClick("Caixa"); }},
    {"mouseDown", "mouseDown", ClickBox},
    {"mouseMove", "mouseMove", [](FormDriver& f) { f.MouseMove("Caixa"); }},
    {"mouseUp", "mouseUp", ClickBox},
    {"mandarEmail", "mandarEmail",
     [](FormDriver& f) { SendByButton(f, kEmail, "ana@vumo.com.br"); }},
    {"abrirHomePage", "abrirHomePage",
     [](FormDriver& f) { SendByButton(f, kHomePage, "vumo.com.br"); }},
    {"mudança de tipoDados", "tipoDadosChanged", [](FormDriver& f) { f.SetTipo(kCIC); }},
    {"mudança de tamanhoMaximo", "tamanhoMaximoChanged",
     [](FormDriver& f) { f.SetTamanhoMaximo(20); }},
    {"erro", "erro",
     [](FormDriver& f) {
       f.Connect("keyPress", [] { throw std::runtime_error("falhou"); });
       f.Type("Caixa", QStringLiteral("12"));
     }},
    {"mensagem", "mensagem",
     [](FormDriver& f) {
       f.SetTipo(kCIC);
       f.Focus();
       f.Type("Caixa", QStringLiteral("11111111112"));
       f.Leave("Caixa");
     }},
    {"mensagem numérico", "mensagem",
     [](FormDriver& f) {
       f.SetTipo(kInteiro);
       f.Focus();
       f.Paste("Caixa1", QStringLiteral("12a"));
       f.Leave("Caixa1");
     }},
    {"bipe", "bipe",
     [](FormDriver& f) {
       f.SetTeclaEnter(false);
       f.Focus();
       f.Enter("Caixa");
     }},
};

// Plays every row on a new form from newForm, with a slot that deletes the control
// connected to the row's signal.
inline void PlaySlotsQueApagam(const std::function<std::unique_ptr<FormDriver>()>& newForm) {
  for (const SlotQueApaga& r : kSlotsQueApagam) {
    const std::unique_ptr<FormDriver> form = newForm();
    FormDriver& f = *form;
    f.Focus();
    f.Connect(r.sinal, [&f] { f.DeleteControl(); });
    r.acao(f);
    QVERIFY2(f.Deleted(), r.nome);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace vumocaixa::testing
