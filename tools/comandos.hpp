#pragma once
// The tool's subcommands as operations on one value at a time.

#include <functional>
#include <optional>
#include <string_view>

#include <vumocaixa/words/extenso.hpp>

#include "juiz.hpp"
#include "linhas.hpp"

namespace vumocaixa::cli {

// Handles one value: writes its output line and tells whether the value passed.
using Operation = std::function<bool(std::string_view value, Output& out)>;

// The rules of "valida TIPO", or nothing for an unknown type. Types: cic (or cpf),
// cnpj, pis, cartao, cep, email, data; alfanumerico lets a CNPJ hold letters. Only
// the type and its validator are set.
[[nodiscard]] std::optional<Regras> FindRegras(std::string_view tipo, bool alfanumerico);

// The mask of "mascara TIPO" laid over the value's digits, or nothing for an unknown
// type. Types: cic (or cpf), cnpj, pis, cartao, cep, data (99/99/9999).
[[nodiscard]] std::optional<Operation> MaskOperation(std::string_view tipo);

// "mascara cnpj --alfanumerico": the digits and letters of the value laid into
// AA.AAA.AAA/AAAA-99, letters upper-cased.
[[nodiscard]] Operation AlphanumericCnpjMask();

// The amount in words ("extenso") in the style of opcoes; an empty line where there
// are none, and then the value fails.
[[nodiscard]] Operation WordsOperation(OpcoesExtenso opcoes = {});

// The capitalised text ("palavras"), normalised as an address with endereco.
[[nodiscard]] Operation CapitaliseOperation(bool endereco);

}  // namespace vumocaixa::cli
