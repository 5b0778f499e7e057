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

using Check = bool (*)(std::string_view);

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

constexpr std::array<NamedCheck, 7> kChecks = {{
    {"cic", ValidaCIC},
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

constexpr std::array<NamedMask, 6> kMasks = {{
    {"cic", kMascaraCIC},
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

Operation CheckWith(Check check) {
  return [check](std::string_view value, Output& out) {
    // The box never refuses an empty entry, and text that is not UTF-8 is no entry
    // the box could hold.
    const bool valid = value.empty() || (IsUtf8(value) && check(value));
    out.Write(value);
    out.Write(valid ? std::string_view("\tválido\n") : std::string_view("\tinválido\n"));
    return valid;
  };
}

}  // namespace

std::optional<Operation> CheckOperation(std::string_view tipo) {
  for (const auto& named : kChecks) {
    if (named.tipo == tipo) return CheckWith(named.check);
  }
  return std::nullopt;
}

Operation AlphanumericCnpjCheck() { return CheckWith(ValidaCNPJAlfanumerico); }

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
    WriteLine(ValorPorExtenso(value, PtBR(), opcoes), out);
    return true;
  };
}

Operation CapitaliseOperation(bool endereco) {
  return [endereco](std::string_view value, Output& out) {
    WriteLine(FormataPalavras(value, endereco), out);
    return true;
  };
}

}  // namespace vumocaixa::cli
