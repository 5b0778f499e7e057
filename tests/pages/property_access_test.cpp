#include <vumocaixa/pages/property_access.hpp>

#include <gtest/gtest.h>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/errors.hpp>

namespace vumocaixa {
namespace {

TEST(PropertyAccess, TextsAreConvertedToThePropertysType) {
  MemoryForm form;
  VumoCaixaControl& c = form.Control();
  SetProperty(c, "TipoDados", std::string("9"));
  EXPECT_EQ(GetProperty(c, "TipoDados"), GeneralValue(std::int32_t{9}));
  SetProperty(c, "TipoDados", std::string("0"));
  SetProperty(c, "TamanhoMáximo", std::string("2,5"));  // half to even
  EXPECT_EQ(GetProperty(c, "TamanhoMáximo"), GeneralValue(std::int32_t{2}));
  SetProperty(c, "TeclaEnter", std::string("Falso"));
  EXPECT_EQ(GetProperty(c, "TeclaEnter"), GeneralValue(false));
  SetProperty(c, "Endereço", std::int32_t{-1});
  EXPECT_EQ(GetProperty(c, "Endereço"), GeneralValue(true));
  SetProperty(c, "Enabled", false);
  EXPECT_EQ(GetProperty(c, "Habilitado"), GeneralValue(false));
  SetProperty(c, "BackColor", std::int32_t{0x00FF00});
  EXPECT_EQ(c.BackColor(), (Color{0x00FF00u}));
}

TEST(PropertyAccess, BadNamesAndValuesAreLibraryErrorsThatChangeNothing) {
  MemoryForm form;
  VumoCaixaControl& c = form.Control();
  c.SetTamanhoMáximo(20);
  struct Row {
    std::string_view name;
    GeneralValue value;
    std::string_view why;
  } rows[] = {
      {"Tamanho", std::string("1"), "unknown name"},
      {"TamanhoMáximo", std::string("vinte"), "not a number"},
      {"TamanhoMáximo", std::string("99999999999"), "beyond 32 bits"},
      {"TipoDados", std::string("40000"), "beyond 16 bits"},
      {"TeclaEnter", std::string("talvez"), "not a Boolean"},
  };
  for (const Row& r : rows) {
    EXPECT_THROW(SetProperty(c, r.name, r.value), PropertyError) << r.why;
  }
  EXPECT_THROW((void)GetProperty(c, "Nada"), PropertyError);
  EXPECT_EQ(c.TamanhoMáximo(), 20);
  EXPECT_EQ(c.TipoDados(), kTexto);
  EXPECT_TRUE(c.TeclaEnter());
}

TEST(PropertyAccess, OptionsOfOneTypeByName) {
  for (const char* name : {"CNPJAlfanumerico", "ExtensoNorma"}) {
    MemoryForm form;
    EXPECT_EQ(GeneralValue{false}, GetProperty(form.Control(), name)) << name;
    SetProperty(form.Control(), name, std::string("Verdadeiro"));
    EXPECT_EQ(GeneralValue{true}, GetProperty(form.Control(), name)) << name;
    EXPECT_THROW(SetProperty(form.Control(), name, std::string("talvez")), PropertyError);
    EXPECT_EQ(GeneralValue{true}, GetProperty(form.Control(), name)) << name;
  }
  MemoryForm form;
  SetProperty(form.Control(), "ExtensoNorma", true);
  EXPECT_TRUE(form.Control().ExtensoNorma());
  EXPECT_FALSE(form.Control().CNPJAlfanumerico());
}

TEST(PropertyAccess, EveryListedNameCanBeRead) {
  MemoryForm form;
  for (std::string_view name : AccessibleProperties()) {
    EXPECT_NO_THROW((void)GetProperty(form.Control(), name)) << name;
  }
}

}  // namespace
}  // namespace vumocaixa
