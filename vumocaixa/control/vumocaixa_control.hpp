#pragma once
// VumoCaixaControl, "Caixa de Texto Vumo": one data-entry control for the forms of
// Brazilian business software. The data type (TipoDados) decides which constituent
// widget is shown and how the entry is masked, validated and displayed.
//
// The control owns its four widgets and reaches the outside world only through the
// host interfaces (Widget, Container, Runtime). Its member definitions are spread
// over the files of control/ (state, properties, value, persistence, layout, events)
// and entry/ (the keyboard and focus handlers of the two boxes).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <vumocaixa/host/container.hpp>
#include <vumocaixa/host/property_bag.hpp>
#include <vumocaixa/host/runtime.hpp>
#include <vumocaixa/host/values.hpp>
#include <vumocaixa/host/widget.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>
#include <vumocaixa/words/extenso.hpp>

namespace vumocaixa {

class MascaraContinua;
class VirgulaDoPonto;

// The control's four constituent widgets, made by the host.
struct ConstituentWidgets {
  std::unique_ptr<Widget> Caixa;       // edit box of the text-like types
  std::unique_ptr<Widget> Caixa1;      // edit box of the numeric types
  std::unique_ptr<Widget> Caixa2;      // label of the amount in words
  std::unique_ptr<Widget> Btn_Evento;  // the "..." button of e-mail and home page
};

class VumoCaixaControl : private ContainerClient {
 public:
  // Takes ownership of the widgets, sets their design-time sizes and caption, and
  // attaches itself to them and to the container. The container and the runtime
  // must outlive the control.
  VumoCaixaControl(ConstituentWidgets widgets, Container& container, Runtime& runtime);
  ~VumoCaixaControl() override;

  VumoCaixaControl(const VumoCaixaControl&) = delete;
  VumoCaixaControl& operator=(const VumoCaixaControl&) = delete;

  // --- Properties ------------------------------------------------------------------

  // "Especifíca a máscara de entrada para a caixa."
  [[nodiscard]] std::int16_t TipoDados() const;
  void SetTipoDados(std::int16_t value);

  // "Utiliza Propriedade Enabled do Objeto"
  [[nodiscard]] bool Habilitado() const;
  void SetHabilitado(bool value);

  // "Especifica se a tecla Enter envia para o próximo campo disponível."
  [[nodiscard]] bool TeclaEnter() const;
  void SetTeclaEnter(bool value);

  // "Coloca as primeiras letras das frases em maiusculo."
  [[nodiscard]] bool MaiusculoEMinusculo() const;
  void SetMaiusculoEMinusculo(bool value);

  // "Coloca todas as letras em maiusculo."
  [[nodiscard]] bool TudoMaiusculo() const;
  void SetTudoMaiusculo(bool value);

  // "Numero máximo de Caracteres (Igual ao MaxLenght)."
  [[nodiscard]] std::int32_t TamanhoMáximo() const;
  void SetTamanhoMáximo(std::int32_t value);

  // "Exige que seja colocado Rua, Av., Viela, etc."
  [[nodiscard]] bool Endereço() const;
  void SetEndereço(bool value);

  // "Aceita letras nas 12 primeiras posições do CNPJ (novo formato alfanumérico)."
  // Off by default: a CNPJ box then takes digits only. On, a CNPJ box takes the
  // letters A to Z (upper-cased) in the root and order, and checks the number with
  // ValidaCNPJAlfanumerico when the user leaves it.
  [[nodiscard]] bool CNPJAlfanumerico() const;
  void SetCNPJAlfanumerico(bool value);

  // "Escreve o extenso como manda a norma (minúsculas, três com acento, mil sem um)."
  // Off by default: an Extenso box then shows the classic text ("Um Mil Reais"). On,
  // it shows EstiloExtenso::Norma ("mil reais") from the next value assigned.
  [[nodiscard]] bool ExtensoNorma() const;
  void SetExtensoNorma(bool value);

  // "Recebe/Devolve o valor da caixa de texto."
  [[nodiscard]] Variant Text() const;
  void SetText(const Variant& value);             // assign by value: converted per type
  void SetTextByReference(const Variant& value);  // assign by reference: no conversion

  // "Define / retorna a cor de fundo da caixa de texto."
  [[nodiscard]] Color BackColor() const;
  void SetBackColor(Color value);

  // "Define / retorna a fonte utilizada."
  [[nodiscard]] FontRef Font() const;
  void SetFont(FontRef value);

  // "Define / retorna a cor da fonte usada."
  [[nodiscard]] Color ForeColor() const;
  void SetForeColor(Color value);

  // --- Container calls -------------------------------------------------------------

  void UserControl_InitProperties();
  void UserControl_ReadProperties(PropertyBag& bag);
  void UserControl_WriteProperties(PropertyBag& bag);
  void UserControl_Resize() override;
  void UserControl_GotFocus() override;

  // --- Access for hosts and tests --------------------------------------------------

  [[nodiscard]] Widget& Caixa() const { return *m_Widgets.Caixa; }
  [[nodiscard]] Widget& Caixa1() const { return *m_Widgets.Caixa1; }
  [[nodiscard]] Widget& Caixa2() const { return *m_Widgets.Caixa2; }
  [[nodiscard]] Widget& Btn_Evento() const { return *m_Widgets.Btn_Evento; }
  // The active widget: Caixa, Caixa1 or Caixa2.
  [[nodiscard]] Widget& ActiveWidget() const { return *m_Caixa; }
  // The date entry mask, "99/99/99" or "99/99/9999"; empty until the control is
  // loaded or first made a date box.
  [[nodiscard]] const std::string& MascaraData() const { return m_MascaraData; }

 private:
  class WidgetAdapter;

  // --- Widget event handlers: the boxes and the button reach them through the
  // listener each widget is given (WidgetAdapter), never an application directly.

  void Caixa_Change();
  void Caixa_Click();
  void Caixa_DblClick();
  void Caixa_GotFocus();
  void Caixa_LostFocus();
  void Caixa_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
  void Caixa_KeyPress(std::int16_t& KeyAscii);
  void Caixa_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
  void Caixa_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Caixa_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Caixa_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);

  void Caixa1_Change();
  void Caixa1_Click();
  void Caixa1_DblClick();
  void Caixa1_GotFocus();
  void Caixa1_LostFocus();
  void Caixa1_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
  void Caixa1_KeyPress(std::int16_t& KeyAscii);
  void Caixa1_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
  void Caixa1_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Caixa1_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Caixa1_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);

  void Btn_Evento_Click();

  // Shows and hides the widgets for data type t and makes its widget the active one.
  void SelecionaWidgets(std::int16_t t);
  // The width TamanhoMáximo gives the active box for the present data type when
  // pedida is asked for; nothing where the width stays as it is.
  [[nodiscard]] std::optional<std::int32_t> LarguraDoTipo(std::int32_t pedida) const;
  void RaiseChangeAndNotify();
  // Enter in either box: KeyEnter to the host, then on to the next field or a beep.
  void VaiAoProximoCampo();
  // Caixa1: a decimal separator typed right of a comma that was typed as '.' has
  // turned that comma back into a grouping point; the box shows agrupado.
  void AgrupaVirgulaDoPonto(const std::string& agrupado);
  // How the Extenso box writes an amount.
  [[nodiscard]] OpcoesExtenso EstiloDoExtenso() const;

  Container& m_Container;
  Runtime& m_Runtime;
  ConstituentWidgets m_Widgets;
  std::unique_ptr<WidgetAdapter> m_CaixaEvents;
  std::unique_ptr<WidgetAdapter> m_Caixa1Events;
  std::unique_ptr<WidgetAdapter> m_BtnEvents;

  std::int16_t m_TipoDados = kTexto;
  bool m_TeclaEnter = true;
  bool m_MaiusculoEMinusculo = true;
  bool m_TudoMaiusculo = false;
  std::int32_t m_Endereco = 0;  // nonzero: the text is a street address; true is -1
  bool m_CNPJAlfanumerico = false;
  bool m_ExtensoNorma = false;
  Widget* m_Caixa = nullptr;
  std::string m_MascaraData;
  // What Caixa holds while digits follow its mask.
  std::unique_ptr<MascaraContinua> m_MascaraContinua;
  // Where the comma typed as '.' into Caixa1 stands.
  std::unique_ptr<VirgulaDoPonto> m_VirgulaDoPonto;
};

}  // namespace vumocaixa
