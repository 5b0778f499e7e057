#include "comandos.hpp"

#include <array>
#include <string>

#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/entry/mascara_alfanumerica.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>
#include <vumocaixa/validate/palavras.hpp>
#include <vumocaixa/words/extenso.hpp>

namespace vumocaixa::cli {
namespace {

// A postal code is refused only when it is shorter than its mask, whatever its
// characters are.
bool CheckCep(std::string_view value) { return CharCount(value) >= kMascaraCEP.size(); }

bool CheckEmail(std::string_view value) { return value.find('@') != std::string_view::npos; }

bool CheckDate(std::string_view value) {
  try {
    return IsDateText(Variant{std::string(value)}, PtBR());
  } catch (const Error&) {
    return false;
  }
}

struct NamedCheck {
  std::string_view tipo;
  Check check;
};

constexpr std::array<NamedCheck, 8> kChecks = {{
    {"cic", ValidaCIC},
    {"cpf", ValidaCIC},
    {"cnpj", ValidaCNPJ},
    {"pis", ValidaPIS},
    {"cartao", ValidaCartao},
    {"cep", CheckCep},
    {"email", CheckEmail},
    {"data", CheckDate},
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

std::optional<Check> FindCheck(std::string_view tipo) {
  for (const auto& named : kChecks) {
    if (named.tipo == tipo) return named.check;
  }
  return std::nullopt;
}

Check AlphanumericCnpjCheck() { return ValidaCNPJAlfanumerico; }

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
