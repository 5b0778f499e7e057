#include <vumocaixa/pages/sobre.hpp>

#include <array>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/version.hpp>

namespace vumocaixa {
namespace {

using K = PageWidgetKind;

constexpr PageLayout kPage{"Sobre", 5910, 3495};
constexpr Color kBlue{0x00FF0000u};  // colours are 0x00BBGGRR

constexpr std::array<PageWidgetLayout, 7> kLayout = {{
    {"Area_1", K::Frame, "VumoCaixa", 120, 120, 5655, 3255, "", 0},
    {"Logo", K::PictureBox, kLogoResource, 3360, 360, 2070, 1320, "Area_1", 1},
    {"Lbl_Título", K::Label, "VumoCaixa", 120, 840, 3135, 495, "Area_1", 2, true, "Verdana", 18,
     true, PageAlignment::Centre},
    {"Lbl_Versão", K::Label, "Versão 0.0.0", 120, 1200, 3135, 255, "Area_1", 3, true, "Verdana",
     9.75, false, PageAlignment::Centre},
    {"Lbl_Comentário", K::Label,
     "Este controle é gratuito: use-o à vontade em seus programas. Envie suas dúvidas, "
     "perguntas e sugestões por e-mail.",
     240, 1800, 5175, 735, "Area_1", 4},
    {"Lbl_email", K::Label, "email :", 360, 2640, 615, 255, "Area_1", 5},
    {"Lbl_emailEndereço",
     K::Label,
     "contato@vumocaixa.dev",
     840,
     2640,
     1695,
     255,
     "Area_1",
     6,
     true,
     {},
     0,
     false,
     PageAlignment::Left,
     kBlue},
}};

}  // namespace

std::span<const PageWidgetLayout> SobreLayout() { return kLayout; }
const PageLayout& SobrePage() { return kPage; }

std::string VersionCaption() {
  return "Versão " + NumberText(static_cast<std::int32_t>(kVersionMajor)) + "." +
         NumberText(static_cast<std::int32_t>(kVersionMinor)) + "." +
         NumberText(static_cast<std::int32_t>(kVersionRevision));
}

Sobre::Sobre(PageSurface& surface) {
  surface.SetPage(kPage);
  for (const PageWidgetLayout& layout : kLayout) {
    PageWidget& widget = surface.Add(layout);
    if (layout.name == "Lbl_Versão") m_LblVersao = &widget;
  }
}

void Sobre::PropertyPage_Initialize() { m_LblVersao->SetText(VersionCaption()); }

}  // namespace vumocaixa
