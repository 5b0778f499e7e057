#pragma once
// Propriedades, the control's own design-time page: the data type chosen from a list
// of the seventeen types, and the options TeclaEnter, MaiusculoEMinusculo,
// TudoMaiusculo, TamanhoMáximo, Endereço and ExtensoNorma.
//
// The page works on the first selected control only, reading and writing its
// properties by name; the control applies its own rules to what the page writes.
// Showing the page writes nothing. Choosing a type in the list writes the whole page
// to the control at once; the options that the chosen type refuses or does not use are
// unchecked, disabled and written as false, and a TamanhoMáximo that is no whole number of 0 or
// more is not written (the page says why under it).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/pages/page_widgets.hpp>

namespace vumocaixa {

// The page's widgets in tab order, and its caption and client area.
[[nodiscard]] std::span<const PageWidgetLayout> PropriedadesLayout();
[[nodiscard]] const PageLayout& PropriedadesPage();
// What the page says under a TamanhoMáximo it cannot write.
inline constexpr std::string_view kAvisoTamanhoMáximo =
    "TamanhoMáximo deve ser um número inteiro, 0 ou maior.";

class Propriedades {
 public:
  // Creates the page's widgets on the surface, which must outlive the page.
  explicit Propriedades(PageSurface& surface);

  Propriedades(const Propriedades&) = delete;
  Propriedades& operator=(const Propriedades&) = delete;

  // The designer's selection; the page uses item 0 only.
  void SetSelectedControls(std::vector<VumoCaixaControl*> controls);
  [[nodiscard]] const std::vector<VumoCaixaControl*>& SelectedControls() const {
    return m_Selected;
  }

  // True while the page holds changes to apply; the designer clears it after applying.
  [[nodiscard]] bool Changed() const { return m_Changed; }
  void SetChanged(bool changed) { m_Changed = changed; }

  // Loads the widgets from the first selected control (the type last); writes nothing
  // and leaves Changed as it was.
  void PropertyPage_SelectionChanged();
  // Writes the seven properties to the first selected control (the type first), the
  // options the type refuses or does not use as false; a TamanhoMáximo that is no
  // whole number of 0 or more is left out, and so is a loaded type that names no list
  // position (a stored 20) unless the type was changed on the page.
  void PropertyPage_ApplyChanges();

  void TipoDados_Click();
  void TipoDados_Change();
  void txtTipoDados_Change();
  void txtTamanhoMáximo_Change();
  void chkTeclaEnter_Click();
  void chkMaiusculoEMinusculo_Click();
  void chkTudoMaiusculo_Click();
  void chkEndereço_Click();
  void chkExtensoNorma_Click();

 private:
  [[nodiscard]] VumoCaixaControl* First() const;
  void Wire(PageWidget& widget, std::string_view name);
  void Write(VumoCaixaControl& control, std::string_view name, const std::string& text);
  // tipo: nothing when no type is chosen.
  void AjustaOpcoes(std::optional<std::int16_t> tipo);
  void MostraAviso();

  PageWidget* m_txtTipoDados = nullptr;
  PageWidget* m_TipoDados = nullptr;
  PageWidget* m_chkTeclaEnter = nullptr;
  PageWidget* m_chkMaiusculoEMinusculo = nullptr;
  PageWidget* m_chkTudoMaiusculo = nullptr;
  PageWidget* m_txtTamanhoMáximo = nullptr;
  PageWidget* m_chkEndereço = nullptr;
  PageWidget* m_chkExtensoNorma = nullptr;
  PageWidget* m_lblAviso = nullptr;
  bool m_Carregando = false;     // the widgets are being loaded from the control
  bool m_TipoEscolhido = false;  // the type number changed since the page was loaded
  std::vector<VumoCaixaControl*> m_Selected;
  bool m_Changed = false;
};

}  // namespace vumocaixa
