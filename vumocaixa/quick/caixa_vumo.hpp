#pragma once
// CaixaVumo: the data-entry control "Caixa de Texto Vumo" as a Qt Quick item, the QML
// type CaixaVumo of the module VumoCaixa 1.0.
//
//   import VumoCaixa
//   CaixaVumo {
//       tipoDados: CaixaVumo.CIC
//       Accessible.name: "CPF do cliente"
//       onKeyEnter: (evento) => evento.cancelar = false
//   }
//
// The item owns a VumoCaixaControl and its parts, made from Qt Quick items: the edit
// boxes "Caixa" and "Caixa1" (a TextInput in a frame, its property textItem), the label
// "Caixa2" and the button "Btn_Evento" (object names). It is a focus scope: focus given
// to it goes to the box its data type shows.
//
// The properties an application writes in QML are applied when the item is complete, in
// the order a saved form keeps (the text options and extensoNorma, the data type, then habilitado,
// the width, the colours, the font and the text), whatever their order in the QML text. A type's
// width comes with it, as if tamanhoMaximo were assigned its present value right after the type;
// implicitWidth follows it for the types of fixed width.
//
// The control's messages go to the signal mensagem and, unless mostraMensagens is
// false, to a modal MessageDialog; a failure inside the control goes to erro and a
// warning, never into the event loop.

#include <memory>
#include <optional>

#include <QtQml/qqmlregistration.h>
#include <QColor>
#include <QFont>
#include <QQuickItem>
#include <QString>
#include <QVariant>

#include "evento_caixa.hpp"

namespace vumocaixa::quick {

class CaixaVumo : public QQuickItem {
  Q_OBJECT
  QML_ELEMENT
  Q_PROPERTY(Tipo tipoDados READ tipoDados WRITE setTipoDados NOTIFY tipoDadosChanged)
  Q_PROPERTY(bool habilitado READ habilitado WRITE setHabilitado NOTIFY habilitadoChanged)
  Q_PROPERTY(bool teclaEnter READ teclaEnter WRITE setTeclaEnter NOTIFY teclaEnterChanged)
  Q_PROPERTY(bool maiusculoEMinusculo READ maiusculoEMinusculo WRITE setMaiusculoEMinusculo NOTIFY
                 maiusculoEMinusculoChanged)
  Q_PROPERTY(
      bool tudoMaiusculo READ tudoMaiusculo WRITE setTudoMaiusculo NOTIFY tudoMaiusculoChanged)
  Q_PROPERTY(
      int tamanhoMaximo READ tamanhoMaximo WRITE setTamanhoMaximo NOTIFY tamanhoMaximoChanged)
  Q_PROPERTY(bool endereco READ endereco WRITE setEndereco NOTIFY enderecoChanged)
  Q_PROPERTY(bool cnpjAlfanumerico READ cnpjAlfanumerico WRITE setCnpjAlfanumerico NOTIFY
                 cnpjAlfanumericoChanged)
  Q_PROPERTY(bool extensoNorma READ extensoNorma WRITE setExtensoNorma NOTIFY extensoNormaChanged)
  Q_PROPERTY(QVariant text READ text WRITE setText NOTIFY textChanged)
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor NOTIFY backColorChanged)
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor NOTIFY foreColorChanged)
  Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
  Q_PROPERTY(bool mostraMensagens MEMBER m_mostraMensagens NOTIFY mostraMensagensChanged)

 public:
  // The seventeen data types, valued as the data type numbers. Any int is a Tipo, so that
  // a number outside them reaches the control, which refuses it.
  enum Tipo : int {
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
    Email,
    HomePage,
    PIS,
    Extenso
  };
  Q_ENUM(Tipo)

  explicit CaixaVumo(QQuickItem* parent = nullptr);
  ~CaixaVumo() override;

  // A value outside the seventeen shows the control's property error and becomes Texto.
  [[nodiscard]] Tipo tipoDados() const;
  void setTipoDados(Tipo value);
  [[nodiscard]] bool habilitado() const;
  void setHabilitado(bool value);
  [[nodiscard]] bool teclaEnter() const;
  void setTeclaEnter(bool value);
  [[nodiscard]] bool maiusculoEMinusculo() const;
  void setMaiusculoEMinusculo(bool value);
  [[nodiscard]] bool tudoMaiusculo() const;
  void setTudoMaiusculo(bool value);
  [[nodiscard]] int tamanhoMaximo() const;
  void setTamanhoMaximo(int value);
  [[nodiscard]] bool endereco() const;
  void setEndereco(bool value);
  [[nodiscard]] bool cnpjAlfanumerico() const;
  void setCnpjAlfanumerico(bool value);
  // An Extenso box writes its amount in the written norm.
  [[nodiscard]] bool extensoNorma() const;
  void setExtensoNorma(bool value);
  // undefined, a number, a Boolean, a date or a string; assigned by value, converted
  // and shown as the data type says.
  [[nodiscard]] QVariant text() const;
  void setText(const QVariant& value);
  [[nodiscard]] QColor backColor() const;
  void setBackColor(const QColor& value);
  [[nodiscard]] QColor foreColor() const;
  void setForeColor(const QColor& value);
  [[nodiscard]] QFont font() const;
  void setFont(const QFont& value);

 signals:
  void tipoDadosChanged();
  void habilitadoChanged();
  void teclaEnterChanged();
  void maiusculoEMinusculoChanged();
  void tudoMaiusculoChanged();
  void tamanhoMaximoChanged();
  void enderecoChanged();
  void cnpjAlfanumericoChanged();
  void extensoNormaChanged();
  void textChanged();
  void backColorChanged();
  void foreColorChanged();
  void fontChanged();
  void mostraMensagensChanged();

  void change();
  void click();
  void dblClick();
  void keyDown(vumocaixa::quick::EventoCaixa* evento);
  void keyEnter(vumocaixa::quick::EventoCaixa* evento);
  void keyPress(vumocaixa::quick::EventoCaixa* evento);
  void keyUp(vumocaixa::quick::EventoCaixa* evento);
  void mouseDown(vumocaixa::quick::EventoCaixa* evento);
  void mouseMove(vumocaixa::quick::EventoCaixa* evento);
  void mouseUp(vumocaixa::quick::EventoCaixa* evento);
  void mandarEmail(vumocaixa::quick::EventoCaixa* evento);
  void abrirHomePage(vumocaixa::quick::EventoCaixa* evento);
  // A message of the control, for the application to show (estilo 16 a property error,
  // 64 an entry error); shown in a MessageDialog as well while mostraMensagens is true.
  void mensagem(const QString& texto, int estilo, const QString& titulo);
  void bipe();
  // A call into the control failed; onde names the event or property, oque the failure.
  void erro(const QString& onde, const QString& oque);

 protected:
  void classBegin() override;
  void componentComplete() override;
  void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;

 private:
  friend class QuickContainer;
  friend class QuickRuntime;
  class Private;
  struct Pending;

  // Shows a message of the control in the module's dialog, unless mostraMensagens is false.
  void ShowMessage(const QString& texto, const QString& titulo);
  // Raises the change signal of the property the control names ("TipoDados", "Enabled").
  void PropertyChanged(const QString& name);
  Q_SLOT void RefreshNames();
  // The value assigned and not applied yet, or what read gives.
  template <class T, class F>
  T Current(std::optional<T> Pending::*member, T fallback, F&& read) const;
  // Keeps value until the item is complete, or applies it now; true when it was
  // applied (or failed) and the item is still there.
  template <class T, class F>
  bool Assign(std::optional<T> Pending::*member, const T& value, const char* where, F&& apply);

  std::unique_ptr<Private> d;
  std::unique_ptr<Pending> m_pending;
  bool m_mostraMensagens = true;
};

}  // namespace vumocaixa::quick
