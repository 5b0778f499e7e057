// The table of the data types: each row agrees with itself, and the type numbers
// are the rows' positions.

#include <string>

#include <gtest/gtest.h>

#include <vumocaixa/host/text.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>

namespace vumocaixa {
namespace {

TEST(TiposDeDados, EveryRowAgreesWithItself) {
  for (std::size_t t = 0; t < kTiposDeDados.size(); ++t) {
    const TipoDadosInfo& row = kTiposDeDados[t];
    const std::string numero = std::to_string(t) + " - ";
    EXPECT_EQ(row.rotulo.substr(0, numero.size()), numero) << row.rotulo;
    EXPECT_FALSE(row.nome.empty()) << row.rotulo;
    if (!row.mascara.empty()) {
      EXPECT_TRUE(row.mascarado) << row.rotulo;
      EXPECT_EQ(row.largura, RegraLargura::Fixa) << row.rotulo;
      EXPECT_EQ(static_cast<std::size_t>(row.caracteres), CharCount(row.mascara)) << row.rotulo;
    }
    EXPECT_EQ(row.numero.has_value(), row.caixa == CaixaDoTipo::Caixa1) << row.rotulo;
    EXPECT_EQ(row.largura == RegraLargura::SemLargura, row.caixa == CaixaDoTipo::Caixa2)
        << row.rotulo;
    EXPECT_EQ(row.largura == RegraLargura::Fixa, row.caracteres > 0) << row.rotulo;
    EXPECT_TRUE(!row.botao || row.caixa == CaixaDoTipo::Caixa) << row.rotulo;
  }
  EXPECT_EQ(InfoDoTipo(-1), nullptr);
  EXPECT_EQ(InfoDoTipo(static_cast<std::int16_t>(kTiposDeDados.size())), nullptr);
  EXPECT_EQ(InfoDoTipo(kExtenso), &kTiposDeDados.back());
}

}  // namespace
}  // namespace vumocaixa
