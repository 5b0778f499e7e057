// vumocaixa: the control's validators, masks, amount in words and capitalisation on
// the command line, one value per argument or per line of standard input.
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
#include "opcoes.hpp"
#include "plataforma.hpp"
#include "relato.hpp"
#include "valida.hpp"

namespace vumocaixa::cli {
namespace {

// A usage error: the message and a hint to the help, on standard error.
int UsageError(const std::string& message, std::string_view command = {}) {
  std::string text = "vumocaixa: " + message + "\n";
  text += command.empty()
              ? "Use 'vumocaixa --help' para ver a ajuda.\n"
              : "Use 'vumocaixa " + std::string(command) + " --help' para ver a ajuda.\n";
  EscreveErro(text);
  return kUsageError;
}

int Print(std::string_view text) {
  Output out(kSaidaPadrao);
  out.Write(text);
  out.Flush();
  return kAllValid;
}

// Runs the operation over the values, or over the lines of standard input when
// there are none. Gives 1 when the operation failed on some value, 3 when a line
// was too long to read.
int RunValues(const Operation& operation, std::span<const std::string_view> values) {
  Output out(kSaidaPadrao);
  bool all_passed = true;
  Problemas problemas;
  if (!values.empty()) {
    for (std::string_view value : values) all_passed = operation(value, out) && all_passed;
  } else {
    AnnounceTerminalInput();
    LineReader in(kEntradaPadrao);
    std::string_view line;
    for (Lido lido; (lido = in.Next(line)) != Lido::kFim;) {
      if (lido == Lido::kLinha) {
        all_passed = operation(line, out) && all_passed;
      } else {
        problemas.Report(in.Line(), kLinhaLongaDemais);
      }
    }
  }
  out.Flush();
  problemas.Finish();
  if (problemas.Any()) return kBadInput;
  return all_passed ? kAllValid : kSomeInvalid;
}

constexpr std::string_view kValidaTypes = "cic (ou cpf), cnpj, pis, cartao, cep, email, data";
constexpr std::string_view kMascaraTypes = "cic (ou cpf), cnpj, pis, cartao, cep, data";

std::string UnknownType(std::string_view command, std::string_view tipo, std::string_view known) {
  return "tipo desconhecido para " + std::string(command) + ": '" + std::string(tipo) +
         "'.\nTipos: " + std::string(known) + ".";
}

int RunValida(const Opcoes& opcoes) {
  const std::string_view tipo = opcoes.valores.front();
  std::optional<Regras> regras = FindRegras(tipo, opcoes.alfanumerico);
  if (!regras) return UsageError(UnknownType("valida", tipo, kValidaTypes), "valida");
  regras->estrito = opcoes.estrito;
  regras->forma = opcoes.forma;
  regras->motivos = opcoes.motivo;
  const auto rest = std::span(opcoes.valores).subspan(1);
  if (opcoes.coluna) return CheckCsv(*regras, opcoes, rest);
  if (opcoes.cabecalho || opcoes.separador) {
    return UsageError("as opções --separador e --cabecalho só valem com --coluna.", "valida");
  }
  return CheckValues(*regras, opcoes, rest);
}

int RunMascara(const Opcoes& opcoes) {
  const std::string_view tipo = opcoes.valores.front();
  const std::optional<Operation> operation =
      opcoes.alfanumerico ? AlphanumericCnpjMask() : MaskOperation(tipo);
  if (!operation) return UsageError(UnknownType("mascara", tipo, kMascaraTypes), "mascara");
  return RunValues(*operation, std::span(opcoes.valores).subspan(1));
}

// "extenso": the classic text, or the written norm with --norma, in lower case unless
// --maiusculas asks for capitals at word starts.
int RunWords(const Opcoes& opcoes) {
  if (opcoes.maiusculas && !opcoes.norma) {
    return UsageError("a opção --maiusculas só vale com --norma.", "extenso");
  }
  EstiloExtenso estilo = EstiloExtenso::Classico;
  if (opcoes.norma) {
    estilo = opcoes.maiusculas ? EstiloExtenso::NormaMaiusculas : EstiloExtenso::Norma;
  }
  return RunValues(WordsOperation({estilo}), opcoes.valores);
}

int RunCommand(std::string_view command, std::span<const std::string_view> rest) {
  const Opcoes opcoes = ParseOpcoes(command, rest);
  if (!opcoes.erro.empty()) return UsageError(opcoes.erro, command);
  if (opcoes.help) return Print(CommandHelp(command));
  if (command == "extenso") return RunWords(opcoes);
  if (command == "palavras") return RunValues(CapitaliseOperation(opcoes.endereco), opcoes.valores);
  if (opcoes.valores.empty()) {
    return UsageError("falta o TIPO.\nTipos: " +
                          std::string(command == "valida" ? kValidaTypes : kMascaraTypes) + ".",
                      command);
  }
  if (opcoes.alfanumerico && opcoes.valores.front() != "cnpj") {
    return UsageError("a opção --alfanumerico só vale para o tipo cnpj.", command);
  }
  return command == "valida" ? RunValida(opcoes) : RunMascara(opcoes);
}

int Run(std::span<const std::string_view> args) {
  if (args.empty()) return UsageError("falta o comando.");
  const std::string_view command = args.front();
  if (command == "-h" || command == "--help") return Print(GeneralHelp());
  if (command == "--version") {
    return Print("vumocaixa " + std::to_string(kVersionMajor) + "." +
                 std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision) + "\n");
  }
  if (command.starts_with("-")) return UsageError("opção desconhecida: " + std::string(command));
  if (CommandHelp(command).empty()) {
    return UsageError("comando desconhecido: '" + std::string(command) +
                      "'.\nComandos: valida, mascara, extenso, palavras.");
  }
  return RunCommand(command, args.subspan(1));
}

}  // namespace
}  // namespace vumocaixa::cli

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = vumocaixa::cli::Argumentos(argc, argv);
  const std::vector<std::string_view> args(arguments.begin(), arguments.end());
  try {
    return vumocaixa::cli::Run(args);
  } catch (const std::system_error& e) {
    // what() reads "leitura: <reason>" or "escrita: <reason>".
    vumocaixa::cli::EscreveErro("vumocaixa: erro de " + std::string(e.what()) + "\n");
    return vumocaixa::cli::kBadInput;
  }
}
