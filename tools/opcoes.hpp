#pragma once
// The command line of one subcommand: its options, read from a table, and its values.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vumocaixa::cli {

// What "valida" writes.
enum class Saida {
  kTodas,      // every line or row, with its verdict
  kInvalidos,  // only the lines or rows that fail, unchanged
  kContagem,   // only the totals
};

// How "valida" writes each judged value.
enum class Forma {
  kComoLido,   // as it was read
  kFormatada,  // laid into its type's mask, as the box shows it when left
  kCompacta,   // its digits (and letters) alone
};

// The CSV column that "valida" checks: a 1-based number or a header name.
struct Coluna {
  std::size_t indice = 0;  // 0-based; found in the header when nome is set
  std::string nome;
};

// Everything a subcommand's arguments ask for.
struct Opcoes {
  std::vector<std::string_view> valores;  // arguments that are not options, in order
  bool help = false;
  bool endereco = false;
  bool alfanumerico = false;
  bool norma = false;
  bool maiusculas = false;
  Saida saida = Saida::kTodas;
  Forma forma = Forma::kComoLido;
  bool motivo = false;            // the reason of each refusal
  bool estrito = false;           // the strict rules of a cleaning pass
  std::optional<Coluna> coluna;   // "valida" reads CSV when set
  std::optional<char> separador;  // given with --separador; ';' otherwise
  bool cabecalho = false;         // the first row is a header (implied by a column name)
  std::string erro;               // set when the arguments cannot be used; the rest is then partial
};

// Reads the arguments that follow the command's name. Options may stand anywhere
// before "--", as "--nome valor" or "--nome=valor"; after "--" everything is a value,
// and so is "-" and a single "-" followed by text, such as a negative amount.
// Sets erro, in the words shown to the user, for an option that is unknown or not
// meant for the command, a missing or wrong option value, or a second value where one
// option takes one:
//   ParseOpcoes("valida", {"cic", "--coluna", "3"}) -> valores {"cic"}, coluna {indice 2}
//   ParseOpcoes("extenso", {"--verbose"})          -> erro "opção desconhecida: --verbose"
[[nodiscard]] Opcoes ParseOpcoes(std::string_view command, std::span<const std::string_view> args);

}  // namespace vumocaixa::cli
