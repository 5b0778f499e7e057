#include <vumocaixa/pages/sobre.hpp>

#include <fstream>

#include <gtest/gtest.h>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/pages/memory_page.hpp>
#include <vumocaixa/version.hpp>

namespace vumocaixa {
namespace {

TEST(Sobre, VersionCaptionHasNoLeadingZeros) {
  EXPECT_STREQ(kFileVersion, "1.00.0001");
  MemoryPageSurface surface;
  Sobre page(surface);
  EXPECT_EQ(surface.Widget("Lbl_Versão").Text(), "Versão 0.0.0");
  page.PropertyPage_Initialize();
  EXPECT_EQ(surface.Widget("Lbl_Versão").Text(), "Versão 1.0.1");
}

TEST(Sobre, LogoIsA16ColourBitmapOf138By88) {
  std::ifstream in(std::string(VUMOCAIXA_SOURCE_DIR) + "/vumocaixa/pages/resources/logo.bmp",
                   std::ios::binary);
  ASSERT_TRUE(in);
  unsigned char header[30] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  const auto u32 = [&](int at) {
    return header[at] | header[at + 1] << 8 | header[at + 2] << 16 | header[at + 3] << 24;
  };
  EXPECT_EQ(header[0], 'B');
  EXPECT_EQ(header[1], 'M');
  EXPECT_EQ(u32(18), 138);
  EXPECT_EQ(u32(22), 88);
  EXPECT_EQ(header[28], 4);  // bits per pixel: 16 colours
}

TEST(Sobre, ShowingThePageChangesNoControl) {
  MemoryForm form;
  form.Control().SetTipoDados(kCIC);
  form.Container().ClearLog();
  MemoryPageSurface surface;
  Sobre page(surface);
  page.PropertyPage_Initialize();
  EXPECT_TRUE(form.Container().PropertyChanges().empty());
  EXPECT_EQ(form.Control().TipoDados(), kCIC);
}

}  // namespace
}  // namespace vumocaixa
