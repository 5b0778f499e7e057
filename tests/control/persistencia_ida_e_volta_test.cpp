// Saving and loading again gives the same control; a bag that cannot be loaded leaves
// the control as it was.

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/memory_property_bag.hpp>
#include <vumocaixa/host/property_values.hpp>

#include "propriedades_controle.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vumocaixa {
namespace {

using teste::Controle;
using teste::Retrata;
using teste::Retrato;

struct Ajuste {
  std::int16_t tipo;
  bool maiusculoEMinusculo;
  bool tudoMaiusculo;
  bool endereco;
  bool teclaEnter;
  bool habilitado;
};

std::string Descreve(const Ajuste& a) {
  return "tipo " + std::to_string(a.tipo) + " M" + std::to_string(a.maiusculoEMinusculo) + " T" +
         std::to_string(a.tudoMaiusculo) + " E" + std::to_string(a.endereco) + " Enter" +
         std::to_string(a.teclaEnter) + " hab" + std::to_string(a.habilitado);
}

// Sets the control up as a form's author can: the text options while the control is
// still of type 0 (a later type change keeps them), then the type, then the rest.
void Ajusta(Controle& c, const Ajuste& a) {
  c->SetMaiusculoEMinusculo(a.maiusculoEMinusculo);
  c->SetTudoMaiusculo(a.tudoMaiusculo);
  c->SetEndereço(a.endereco);
  c->SetTipoDados(a.tipo);
  c->SetTeclaEnter(a.teclaEnter);
  c->SetHabilitado(a.habilitado);
  c->SetTamanhoMáximo(40);
  c->SetBackColor(Color{0x00C0FFu});
  c->SetFont(std::make_shared<Font>(Font{"Verdana", 10.5, true, false, true}));
  c->SetForeColor(Color{0x80000012u});
}

Retrato SalvaECarrega(const Controle& origem, Controle& destino) {
  MemoryPropertyBag bag;
  origem->UserControl_WriteProperties(bag);
  destino->UserControl_ReadProperties(bag);
  return Retrata(destino);
}

std::vector<Ajuste> TodosOsAjustes() {
  std::vector<Ajuste> ajustes;
  for (std::int16_t tipo = 0; tipo <= 16; ++tipo) {
    for (int bits = 0; bits < 32; ++bits) {
      ajustes.push_back({tipo, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0,
                         (bits & 16) != 0});
    }
  }
  return ajustes;
}

// Every type with every combination of the options and flags. A date control takes
// its mask and width from the user's short date when it is loaded; everything else
// comes back as it was saved, and a second round trip changes nothing at all.
TEST(PersistenciaIdaEVolta, EveryTypeAndOptionComesBack) {
  for (const Ajuste& a : TodosOsAjustes()) {
    Controle original;
    Ajusta(original, a);
    Retrato esperado = Retrata(original);
    if (a.tipo == kData) {
      esperado.mascara = "99/99/9999";
      esperado.tamanho = 10;
    }
    Controle carregado;
    EXPECT_EQ(SalvaECarrega(original, carregado), esperado) << Descreve(a);

    Controle denovo;
    EXPECT_EQ(SalvaECarrega(carregado, denovo), Retrata(carregado)) << Descreve(a);
  }
}

// The defaults are not stored, so a control whose values are the defaults again
// still comes back with them from a bag that held other values before.
TEST(PersistenciaIdaEVolta, ReturningToTheDefaultsSurvivesASaveIntoTheSameBag) {
  Controle c;
  Ajusta(c, {9, false, true, true, false, false});
  MemoryPropertyBag bag;
  c->UserControl_WriteProperties(bag);
  ASSERT_FALSE(bag.Stored().empty());

  Controle novo;
  novo->UserControl_InitProperties();
  novo->UserControl_WriteProperties(bag);
  EXPECT_TRUE(bag.Stored().empty());
  Controle carregado;
  carregado->UserControl_ReadProperties(bag);
  EXPECT_EQ(Retrata(carregado), Retrata(novo));
}

TEST(PersistenciaIdaEVolta, TheFontDefaultIsTheAmbientOneAtLoadTime) {
  Controle c;
  c.container.SetAmbientFont(std::make_shared<Font>(Font{"Tahoma", 8}));
  c->SetFont(std::make_shared<Font>(Font{"Tahoma", 8}));
  MemoryPropertyBag bag;
  c->UserControl_WriteProperties(bag);
  EXPECT_FALSE(bag.Contains("Font"));  // the same as the form's font

  Controle outro;
  outro.container.SetAmbientFont(std::make_shared<Font>(Font{"Arial", 12}));
  outro->UserControl_ReadProperties(bag);
  EXPECT_EQ(*outro->Font(), (Font{"Arial", 12}));
}

// Each key with a value that cannot become its field: the load fails naming the key,
// the control keeps every property it had, nobody was told anything, and it goes on
// working. The bad key comes after good values of all the keys before it, which must
// not have been applied either.
TEST(PersistenciaIdaEVolta, AnUnreadableValueLeavesTheControlAsItWas) {
  struct Row {
    const char* chave;
    PropertyValue valor;
  } rows[] = {
      {"TipoDados", std::string("nove")},
      {"TipoDados", std::int32_t{40000}},
      {"Enabled", Color{1}},
      {"TeclaEnter", std::string("talvez")},
      {"MaiusculoEMinusculo", std::make_shared<Font>()},
      {"TudoMaiusculo", Color{0}},
      {"TamanhoMáximo", std::string("muito")},
      {"TamanhoMáximo", std::int32_t{-1}},
      {"Endereço", std::string("Rua")},
      {"BackColor", std::make_shared<Font>()},
      {"Font", std::string("Arial")},
      {"Font", FontRef{}},
      {"ForeColor", true},
      {"CNPJAlfanumerico", std::string("sim")},
      {"ExtensoNorma", std::string("norma")},
  };
  for (const Row& r : rows) {
    const std::string linha = r.chave + (" = " + DescribePropertyValue(r.valor));
    Controle c;
    Ajusta(c, {9, false, true, false, false, false});
    const Retrato antes = Retrata(c);
    c.Esquece();

    MemoryPropertyBag bag;
    Controle fonte;
    Ajusta(fonte, {3, true, false, true, true, true});
    fonte->UserControl_WriteProperties(bag);
    bag.Store(r.chave, r.valor);
    try {
      c->UserControl_ReadProperties(bag);
      ADD_FAILURE() << linha << ": no error";
    } catch (const PropertyError& e) {
      EXPECT_NE(std::string(e.what()).find('"' + std::string(r.chave) + '"'), std::string::npos)
          << linha << ": " << e.what();
    }
    EXPECT_EQ(Retrata(c), antes) << linha;
    EXPECT_TRUE(c.container.PropertyChanges().empty()) << linha;
    EXPECT_TRUE(c.runtime.Messages().empty()) << linha;

    c->SetTipoDados(0);
    c.caixa->Type("12");
    EXPECT_EQ(c.caixa->Text(), "12") << linha;
  }
}

}  // namespace
}  // namespace vumocaixa
