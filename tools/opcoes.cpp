#include "opcoes.hpp"

#include <array>
#include <charconv>

namespace vumocaixa::cli {
namespace {

// Applies an option to the options read so far; gives an error text, or nothing.
using Apply = std::string (*)(Opcoes& opcoes, std::string_view value);

struct OptionRow {
  std::string_view name;
  std::string_view commands;  // the commands that take it, separated by spaces; empty: all
  bool takes_value;
  Apply apply;
};

std::string SetSaida(Opcoes& opcoes, Saida saida) {
  if (opcoes.saida != Saida::kTodas && opcoes.saida != saida) {
    return "as opções --invalidos e --contagem não se combinam.";
  }
  opcoes.saida = saida;
  return {};
}

std::string SetSeparador(Opcoes& opcoes, std::string_view value) {
  if (value == "tab" || value == "\\t") value = "\t";
  if (value.size() != 1 || value == "\"" || value == "\n" || value == "\r") {
    return "separador inválido: '" + std::string(value) +
           "'. Use um caractere só, como ; ou , (ou tab).";
  }
  opcoes.separador = value.front();
  return {};
}

std::string SetForma(Opcoes& opcoes, Forma forma) {
  if (opcoes.forma != Forma::kComoLido && opcoes.forma != forma) {
    return "as opções --formata e --compacta não se combinam.";
  }
  opcoes.forma = forma;
  return {};
}

// A column number is digits, with a sign or not; anything else names a header field.
std::string SetColuna(Opcoes& opcoes, std::string_view value) {
  if (value.empty()) return "a opção --coluna precisa de um número ou de um nome.";
  const bool negative = value.front() == '-';
  const std::string_view digits = value.substr(value.front() == '-' || value.front() == '+');
  std::size_t number = 0;
  const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || stop != digits.data() + digits.size()) {
    opcoes.coluna = Coluna{0, std::string(value)};
  } else if (error != std::errc() || number == 0 || negative) {
    return "coluna inválida: " + std::string(value) + ". As colunas contam de 1.";
  } else {
    opcoes.coluna = Coluna{number - 1, {}};
  }
  return {};
}

constexpr std::array<OptionRow, 17> kOptions = {{
    {"-h", "", false, [](Opcoes& o, std::string_view) { return o.help = true, std::string(); }},
    {"--help", "", false, [](Opcoes& o, std::string_view) { return o.help = true, std::string(); }},
    {"--endereco", "palavras", false,
     [](Opcoes& o, std::string_view) { return o.endereco = true, std::string(); }},
    {"--endereço", "palavras", false,
     [](Opcoes& o, std::string_view) { return o.endereco = true, std::string(); }},
    {"--alfanumerico", "valida mascara", false,
     [](Opcoes& o, std::string_view) { return o.alfanumerico = true, std::string(); }},
    {"--norma", "extenso", false,
     [](Opcoes& o, std::string_view) { return o.norma = true, std::string(); }},
    {"--maiusculas", "extenso", false,
     [](Opcoes& o, std::string_view) { return o.maiusculas = true, std::string(); }},
    {"--invalidos", "valida", false,
     [](Opcoes& o, std::string_view) { return SetSaida(o, Saida::kInvalidos); }},
    {"--contagem", "valida", false,
     [](Opcoes& o, std::string_view) { return SetSaida(o, Saida::kContagem); }},
    {"--formata", "valida", false,
     [](Opcoes& o, std::string_view) { return SetForma(o, Forma::kFormatada); }},
    {"--compacta", "valida", false,
     [](Opcoes& o, std::string_view) { return SetForma(o, Forma::kCompacta); }},
    {"--motivo", "valida", false,
     [](Opcoes& o, std::string_view) { return o.motivo = true, std::string(); }},
    {"--estrito", "valida", false,
     [](Opcoes& o, std::string_view) { return o.estrito = true, std::string(); }},
    {"--coluna", "valida", true, SetColuna},
    {"--separador", "valida", true, SetSeparador},
    {"--cabecalho", "valida", false,
     [](Opcoes& o, std::string_view) { return o.cabecalho = true, std::string(); }},
    {"--cabeçalho", "valida", false,
     [](Opcoes& o, std::string_view) { return o.cabecalho = true, std::string(); }},
}};

bool TakenBy(const OptionRow& row, std::string_view command) {
  if (row.commands.empty()) return true;
  std::string_view rest = row.commands;
  while (!rest.empty()) {
    const std::size_t space = rest.find(' ');
    if (rest.substr(0, space) == command) return true;
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
  }
  return false;
}

const OptionRow* FindOption(std::string_view name, std::string_view command) {
  for (const auto& row : kOptions) {
    if (row.name == name && TakenBy(row, command)) return &row;
  }
  return nullptr;
}

bool IsOption(std::string_view arg) { return arg.starts_with("--") || arg == "-h"; }

}  // namespace

Opcoes ParseOpcoes(std::string_view command, std::span<const std::string_view> args) {
  Opcoes opcoes;
  for (std::size_t i = 0; i < args.size() && opcoes.erro.empty(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--") {
      opcoes.valores.insert(opcoes.valores.end(), args.begin() + static_cast<long>(i) + 1,
                            args.end());
      break;
    }
    if (!IsOption(arg)) {
      opcoes.valores.push_back(arg);
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    const OptionRow* row = FindOption(name, command);
    if (row == nullptr) {
      opcoes.erro = "opção desconhecida: " + std::string(name);
    } else if (!row->takes_value) {
      opcoes.erro = equals == std::string_view::npos
                        ? row->apply(opcoes, {})
                        : "a opção " + std::string(name) + " não leva valor.";
    } else if (equals != std::string_view::npos) {
      opcoes.erro = row->apply(opcoes, arg.substr(equals + 1));
    } else if (i + 1 < args.size()) {
      opcoes.erro = row->apply(opcoes, args[++i]);
    } else {
      opcoes.erro = "falta o valor da opção " + std::string(name) + ".";
    }
  }
  return opcoes;
}

}  // namespace vumocaixa::cli
