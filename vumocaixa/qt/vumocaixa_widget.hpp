#pragma once
// VumoCaixaWidget: the data-entry control "Caixa de Texto Vumo" as a Qt widget for
// the forms of Qt Widgets applications.
//
//   auto* cpf = new vumocaixa::qt::VumoCaixaWidget(form);
//   cpf->SetTipoDados(vumocaixa::kCIC);
//   layout->addRow("CPF", cpf);
//   QObject::connect(cpf, &vumocaixa::qt::VumoCaixaWidget::keyEnter,
//                    [](qint16& Cancel) { Cancel = 0; });
//
// The widget owns a VumoCaixaControl and its four constituent Qt widgets, the edit
// boxes "Caixa" and "Caixa1", the label "Caixa2" and the button "Btn_Evento" (object
// names, for findChild). A constituent widget is made when the data type first shows
// it, once the widget is about to be shown (at once in a window already on the screen):
// a form holds only the widgets its types show, and findChild finds no other. The
// control's events are signals with by-reference arguments that a directly connected
// slot may change; its properties are Q_PROPERTYs. TamanhoMáximo and Endereço are TamanhoMaximo and Endereco for Qt's
// property system; setProperty and property also know them by their accented names
// (properties of their own, hidden from Designer and not stored).
// A form (uic, QUiLoader, Designer) sets the properties in their declared order, so
// the order matters. The text options come before TipoDados: a new control (type 0)
// accepts each of them, so a form can hold an option its data type would refuse, as
// the control can. Habilitado and TamanhoMaximo come after it: they belong to the box
// the data type shows.
//
// The widget takes the focus for its active box (its focus proxy), so that setFocus,
// the tab order and a buddy label reach the box. The box carries the widget's
// accessible name, or when the application sets none the text of its buddy label (a
// label with the same parent as the widget), and a description of the entry ("CPF",
// "Valor em reais") for screen readers.
//
// No exception leaves the widget: a failure inside an event handler or a property
// assignment is reported through erro() and a warning, and the widget goes on.
// A directly connected slot may delete the widget or its window: the control then
// stops at that signal and nothing touches the widget again.

#include <memory>

#include <QColor>
#include <QFont>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <vumocaixa/control/vumocaixa_control.hpp>

namespace vumocaixa::qt {

class QtContainer;
class QtRuntime;

class VumoCaixaWidget : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool TeclaEnter READ TeclaEnter WRITE SetTeclaEnter)
  Q_PROPERTY(bool MaiusculoEMinusculo READ MaiusculoEMinusculo WRITE SetMaiusculoEMinusculo)
  Q_PROPERTY(bool TudoMaiusculo READ TudoMaiusculo WRITE SetTudoMaiusculo)
  Q_PROPERTY(bool Endereco READ Endereco WRITE SetEndereco)
  Q_PROPERTY(bool CNPJAlfanumerico READ CNPJAlfanumerico WRITE SetCNPJAlfanumerico)
  Q_PROPERTY(bool ExtensoNorma READ ExtensoNorma WRITE SetExtensoNorma)
  Q_PROPERTY(Tipo TipoDados READ TipoDadosEnum WRITE SetTipoDadosEnum)
  Q_PROPERTY(bool Habilitado READ Habilitado WRITE SetHabilitado)
  Q_PROPERTY(int TamanhoMaximo READ TamanhoMaximo WRITE SetTamanhoMaximo)
  Q_PROPERTY(QVariant Text READ Text WRITE SetText USER true)
  Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
  Q_PROPERTY(QColor ForeColor READ ForeColor WRITE SetForeColor)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  // TamanhoMáximo and Endereço, as setProperty and property know them: the build gives
  // these stand-ins their accented names (cmake/AccentedMocNames.cmake).
  Q_PROPERTY(int TamanhoM__ximo READ TamanhoMaximo WRITE SetTamanhoMaximo DESIGNABLE false
                 STORED false)
  Q_PROPERTY(bool Endere__o READ Endereco WRITE SetEndereco DESIGNABLE false STORED false)

 public:
  // The seventeen data types by name, valued as the data type numbers: the property
  // TipoDados offers them as a list (Qt Designer's property editor shows a drop-down)
  // and forms store them by name.
  enum Tipo {
    Texto,
    Data,
    Moeda,
    Inteiro,
    Longo,
    Simples,
    Duplo,
    Decimal,
    Byte,
    CIC,
    CNPJ,
    CartaoDeCredito,
    CEP,
    email,
    HomePage,
    PIS,
    Extenso
  };
  Q_ENUM(Tipo)

  // A new control: type 0, the ambient font of this widget, 3015 twips wide.
  explicit VumoCaixaWidget(QWidget* parent = nullptr);
  ~VumoCaixaWidget() override;

  // A data type outside 0 to 16 shows the control's property error and becomes 0.
  // The box takes its type's width, as if TamanhoMaximo were assigned its present value
  // right after the type: 14 characters for a CPF, 6 for an Inteiro; free text keeps
  // its width. A TamanhoMaximo assigned afterwards (a form stores it after TipoDados)
  // holds.
  [[nodiscard]] int TipoDados() const;
  void SetTipoDados(int value);
  [[nodiscard]] Tipo TipoDadosEnum() const { return static_cast<Tipo>(TipoDados()); }
  void SetTipoDadosEnum(Tipo value) { SetTipoDados(value); }
  [[nodiscard]] bool Habilitado() const;
  void SetHabilitado(bool value);
  [[nodiscard]] bool TeclaEnter() const;
  void SetTeclaEnter(bool value);
  [[nodiscard]] bool MaiusculoEMinusculo() const;
  void SetMaiusculoEMinusculo(bool value);
  [[nodiscard]] bool TudoMaiusculo() const;
  void SetTudoMaiusculo(bool value);
  [[nodiscard]] int TamanhoMaximo() const;
  void SetTamanhoMaximo(int value);
  [[nodiscard]] bool Endereco() const;
  void SetEndereco(bool value);
  // A CNPJ box that also takes letters in the first 12 positions; off by default.
  [[nodiscard]] bool CNPJAlfanumerico() const;
  void SetCNPJAlfanumerico(bool value);
  // An Extenso box that writes its amount in the written norm; off by default.
  [[nodiscard]] bool ExtensoNorma() const;
  void SetExtensoNorma(bool value);
  // The value: an empty QVariant, a number, a Boolean, a date or a string.
  [[nodiscard]] QVariant Text() const;
  // Assigned by value: converted and shown as the data type says.
  void SetText(const QVariant& value);
  [[nodiscard]] QColor BackColor() const;
  void SetBackColor(const QColor& value);
  [[nodiscard]] QColor ForeColor() const;
  void SetForeColor(const QColor& value);
  [[nodiscard]] QFont Font() const;
  void SetFont(const QFont& value);

  // Loads the properties a form saved, or saves them.
  void ReadProperties(PropertyBag& bag);
  void WriteProperties(PropertyBag& bag);

  [[nodiscard]] VumoCaixaControl& Control() const;
  [[nodiscard]] QtContainer& Container() const;
  [[nodiscard]] QtRuntime& Runtime() const;

  // The width of TamanhoMaximo characters of the box's font for the types of fixed
  // width (at most the width of a new control, which free text keeps); such a widget
  // keeps to its size hint in a layout (size policy Maximum), free text grows. A
  // horizontal size policy set by the application or a form is left as it is.
  [[nodiscard]] QSize sizeHint() const override;
  [[nodiscard]] QSize minimumSizeHint() const override;

 signals:
  void change();
  void click();
  void dblClick();
  void keyDown(qint16& KeyCode, qint16& Shift);
  void keyEnter(qint16& Cancel);
  void keyPress(qint16& KeyAscii);
  void keyUp(qint16& KeyCode, qint16& Shift);
  void mouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
  void mouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
  void mouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
  void mandarEmail(QString& Endereco);
  void abrirHomePage(QString& Endereco);
  // A persisted property changed: "TipoDados", "Enabled", ..., "Text".
  void propertyChanged(const QString& name);
  // A call into the control failed; where names the event or property, what the failure.
  void erro(const QString& where, const QString& what);

 protected:
  void connectNotify(const QMetaMethod& signal) override;
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  class Private;
  // Let go only when the widget is deleted from a slot: see the destructor.
  std::unique_ptr<Private> d;
};

}  // namespace vumocaixa::qt
