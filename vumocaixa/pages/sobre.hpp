#pragma once
// Sobre, the about page: the library's name, version, logo, a note on its terms of
// use and the contact address. It edits nothing and reads no property.

#include <span>
#include <string>

#include <vumocaixa/pages/page_widgets.hpp>

namespace vumocaixa {

// The resource name of the logo, a 16-colour bitmap of 138 by 88 pixels.
inline constexpr std::string_view kLogoResource = "vumocaixa/logo.bmp";

[[nodiscard]] std::span<const PageWidgetLayout> SobreLayout();
[[nodiscard]] const PageLayout& SobrePage();

// "Versão " and the library's major, minor and revision numbers, each in its plain
// decimal form: "Versão 1.0.1".
[[nodiscard]] std::string VersionCaption();

class Sobre {
 public:
  // Creates the page's widgets on the surface, which must outlive the page.
  explicit Sobre(PageSurface& surface);

  // Sets the version caption; run once when the designer creates the page.
  void PropertyPage_Initialize();

 private:
  PageWidget* m_LblVersao = nullptr;
};

}  // namespace vumocaixa
