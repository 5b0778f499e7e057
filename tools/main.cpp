// vumocaixa: the control's validators, masks, amount in words and capitalisation on
// the command line, one value per argument or per line of standard input.
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <vumocaixa/version.hpp>

#include "ajuda.hpp"
#include "comandos.hpp"
#include "linhas.hpp"

namespace vumocaixa::cli {
namespace {

constexpr int kAllValid = 0;
constexpr int kSomeInvalid = 1;
constexpr int kUsageError = 2;
constexpr int kIoError = 3;

// A usage error: the message and a hint to the help, on standard error.
int UsageError(const std::string& message, std::string_view command = {}) {
  std::string text = "vumocaixa: " + message + "\n";
  text += command.empty() ? "Use 'vumocaixa --help' para ver a ajuda.\n"
                          : "Use 'vumocaixa " + std::string(command) +
                                " --help' para ver a ajuda.\n";
  std::fputs(text.c_str(), stderr);
  return kUsageError;
}

int Print(std::string_view text) {
  Output out(STDOUT_FILENO);
  out.Write(text);
  out.Flush();
  return kAllValid;
}

struct Arguments {
  std::vector<std::string_view> positional;
  bool help = false;
  bool endereco = false;
  bool alfanumerico = false;
  bool norma = false;
  bool maiusculas = false;
  std::string unknown_option;
};

// Options may stand anywhere before "--"; a single "-" followed by text, such as a
// negative amount, is a value.
Arguments ParseArguments(std::span<const std::string_view> args, std::string_view command) {
  const bool accepts_endereco = command == "palavras";
  const bool accepts_alfanumerico = command == "valida" || command == "mascara";
  const bool accepts_norma = command == "extenso";
  Arguments parsed;
  bool options_done = false;
  for (std::string_view arg : args) {
    if (options_done || !arg.starts_with("-") || arg == "-") {
      parsed.positional.push_back(arg);
    } else if (arg == "--") {
      options_done = true;
    } else if (arg == "-h" || arg == "--help") {
      parsed.help = true;
    } else if (accepts_endereco && (arg == "--endereco" || arg == "--endereço")) {
      parsed.endereco = true;
    } else if (accepts_alfanumerico && arg == "--alfanumerico") {
      parsed.alfanumerico = true;
    } else if (accepts_norma && arg == "--norma") {
      parsed.norma = true;
    } else if (accepts_norma && arg == "--maiusculas") {
      parsed.maiusculas = true;
    } else if (arg.starts_with("--") && parsed.unknown_option.empty()) {
      parsed.unknown_option = arg;
    } else {
      parsed.positional.push_back(arg);
    }
  }
  return parsed;
}

// Runs the operation over the values, or over the lines of standard input when
// there are none.
int RunValues(const Operation& operation, std::span<const std::string_view> values) {
  Output out(STDOUT_FILENO);
  bool all_passed = true;
  if (!values.empty()) {
    for (std::string_view value : values) all_passed = operation(value, out) && all_passed;
  } else {
    LineReader in(STDIN_FILENO);
    std::string_view line;
    while (in.Next(line)) all_passed = operation(line, out) && all_passed;
  }
  out.Flush();
  return all_passed ? kAllValid : kSomeInvalid;
}

std::string UnknownType(std::string_view command, std::string_view tipo,
                        std::string_view known) {
  std::string message = "tipo desconhecido para " + std::string(command) + ": '" +
                        std::string(tipo) + "'.";
  if (tipo == "cpf" || tipo == "CPF") message += " Para CPF, use cic.";
  return message + "\nTipos: " + std::string(known) + ".";
}

std::optional<Operation> TypedOperation(std::string_view command, std::string_view tipo) {
  return command == "valida" ? CheckOperation(tipo) : MaskOperation(tipo);
}

// The CNPJ that may hold letters; the option means nothing for the other types.
std::optional<Operation> AlphanumericOperation(std::string_view command) {
  return command == "valida" ? AlphanumericCnpjCheck() : AlphanumericCnpjMask();
}

// "extenso": the classic text, or the written norm with --norma, in lower case unless
// --maiusculas asks for capitals at word starts.
int RunWords(const Arguments& args, std::span<const std::string_view> values) {
  if (args.maiusculas && !args.norma) {
    return UsageError("a opção --maiusculas só vale com --norma.", "extenso");
  }
  EstiloExtenso estilo = EstiloExtenso::Classico;
  if (args.norma) {
    estilo = args.maiusculas ? EstiloExtenso::NormaMaiusculas : EstiloExtenso::Norma;
  }
  return RunValues(WordsOperation({estilo}), values);
}

int RunCommand(std::string_view command, std::span<const std::string_view> rest) {
  const Arguments args = ParseArguments(rest, command);
  if (args.help) return Print(CommandHelp(command));
  if (!args.unknown_option.empty()) {
    return UsageError("opção desconhecida: '" + args.unknown_option + "'.", command);
  }
  std::span<const std::string_view> values(args.positional);
  if (command == "extenso") return RunWords(args, values);
  if (command == "palavras") return RunValues(CapitaliseOperation(args.endereco), values);
  const std::string_view known = command == "valida"
                                     ? "cic, cnpj, pis, cartao, cep, email, data"
                                     : "cic, cnpj, pis, cartao, cep, data";
  if (values.empty()) {
    return UsageError("falta o TIPO.\nTipos: " + std::string(known) + ".", command);
  }
  const std::string_view tipo = values.front();
  if (args.alfanumerico && tipo != "cnpj") {
    return UsageError("a opção --alfanumerico só vale para o tipo cnpj.", command);
  }
  const std::optional<Operation> operation =
      args.alfanumerico ? AlphanumericOperation(command) : TypedOperation(command, tipo);
  if (!operation) return UsageError(UnknownType(command, tipo, known), command);
  return RunValues(*operation, values.subspan(1));
}

int Run(std::span<const std::string_view> args) {
  if (args.empty()) return UsageError("falta o comando.");
  const std::string_view command = args.front();
  if (command == "-h" || command == "--help") return Print(GeneralHelp());
  if (command == "--version") {
    return Print("vumocaixa " + std::to_string(kVersionMajor) + "." +
                 std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision) + "\n");
  }
  if (CommandHelp(command).empty()) {
    return UsageError("comando desconhecido: '" + std::string(command) +
                      "'.\nComandos: valida, mascara, extenso, palavras.");
  }
  return RunCommand(command, args.subspan(1));
}

}  // namespace
}  // namespace vumocaixa::cli

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  try {
    return vumocaixa::cli::Run(args);
  } catch (const std::system_error& e) {
    // what() reads "leitura: <reason>" or "escrita: <reason>".
    std::fprintf(stderr, "vumocaixa: erro de %s\n", e.what());
    return vumocaixa::cli::kIoError;
  }
}
