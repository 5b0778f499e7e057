#include "comandos.hpp"

#include <array>
#include <string>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/tipos/tipos_de_dados.hpp>
#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>
#include <vumocaixa/validate/mascara.hpp>
#include <vumocaixa/validate/mascara_alfanumerica.hpp>
#include <vumocaixa/validate/palavras.hpp>
#include <vumocaixa/words/extenso.hpp>

namespace vumocaixa::cli {
namespace {

struct NamedType {
  std::string_view tipo;
  std::int16_t tipo_dados;
  Validator validator;  // the rule's own validator, where it decides alone
};

constexpr std::array<NamedType, 8> kTypes = {{
    {"cic", kCIC, ValidaCIC},
    {"cpf", kCIC, ValidaCIC},
    {"cnpj", kCNPJ, ValidaCNPJ},
    {"pis", kPIS, ValidaPIS},
    {"cartao", kCartaoDeCredito, ValidaCartao},
    {"cep", kCEP, nullptr},
    {"email", kEmail, nullptr},
    {"data", kData, nullptr},
}};

struct NamedMask {
  std::string_view tipo;
  std::string_view mask;
};

constexpr std::array<NamedMask, 7> kMasks = {{
    {"cic", kMascaraCIC},
    {"cpf", kMascaraCIC},
    {"cnpj", kMascaraCNPJ},
    {"pis", kMascaraPIS},
    {"cartao", kMascaraCartao},
    {"cep", kMascaraCEP},
    {"data", kMascaraData4},
}};

void WriteLine(std::string_view text, Output& out) {
  out.Write(text);
  out.Write('\n');
}

}  // namespace

std::optional<Regras> FindRegras(std::string_view tipo, bool alfanumerico) {
  for (const auto& named : kTypes) {
    if (named.tipo != tipo) continue;
    return Regras{.tipo = named.tipo_dados,
                  .validador = alfanumerico ? nullptr : named.validator,
                  .alfanumerico = alfanumerico};
  }
  return std::nullopt;
}

Operation AlphanumericCnpjMask() {
  return [](std::string_view value, Output& out) {
    WriteLine(FormataMascaraAlfanumerica(value, kMascaraCNPJAlfanumerico), out);
    return true;
  };
}

std::optional<Operation> MaskOperation(std::string_view tipo) {
  for (const auto& named : kMasks) {
    if (named.tipo != tipo) continue;
    const std::string_view mask = named.mask;
    return Operation([mask](std::string_view value, Output& out) {
      WriteLine(FormataMascara(SoDigitos(value), mask), out);
      return true;
    });
  }
  return std::nullopt;
}

Operation WordsOperation(OpcoesExtenso opcoes) {
  return [opcoes](std::string_view value, Output& out) {
    const std::string words = ValorPorExtenso(value, PtBR(), opcoes);
    WriteLine(words, out);
    return !words.empty();
  };
}

Operation CapitaliseOperation(bool endereco) {
  return [endereco](std::string_view value, Output& out) {
    WriteLine(FormataPalavras(value, endereco), out);
    return true;
  };
}

}  // namespace vumocaixa::cli
