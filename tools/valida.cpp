#include "valida.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>

#include "csv.hpp"
#include "linhas.hpp"
#include "relato.hpp"

namespace vumocaixa::cli {
namespace {

bool HoldsNul(std::string_view text) {
  return std::memchr(text.data(), '\0', text.size()) != nullptr;
}

// The verdict on one value; text that is not UTF-8 or holds a NUL is nothing a box
// could hold.
bool Judge(Check& check, std::string_view value, bool may_hold_nul) {
  return IsUtf8(value) && !(may_hold_nul && HoldsNul(value)) && check(value);
}

// Reports text that is not UTF-8 or holds a NUL.
void ReportBadText(std::string_view text, bool may_hold_nul, std::uint64_t line,
                   Problemas& problemas) {
  if (!IsUtf8(text)) problemas.Report(line, "o texto não é UTF-8");
  if (may_hold_nul && HoldsNul(text)) problemas.Report(line, "o texto tem um byte nulo");
}

void ReportTooLong(std::uint64_t line, Relato& relato) {
  relato.problemas().Report(line, kLinhaLongaDemais);
  relato.Unwritten();
}

template <Saida S>
void CheckLine(Check& check, std::string_view line, bool may_hold_nul, std::uint64_t number,
               Relato& relato) {
  const bool valid = Judge(check, line, may_hold_nul);
  if (!valid) ReportBadText(line, may_hold_nul, number, relato.problemas());
  relato.Line<S>(line, valid);
}

// Reads lines in blocks and splits them here: the loop over millions of short lines
// is the tool's hottest.
template <Saida S>
void CheckLines(Check& check, LineReader& in, Relato& relato) {
  std::uint64_t number = 0;
  std::string_view lines;
  for (Lido lido; (lido = in.NextLines(lines)) != Lido::kFim;) {
    if (lido == Lido::kLongaDemais) {
      ReportTooLong(++number, relato);
      continue;
    }
    const bool may_hold_nul = in.MayHoldNul();
    const char* const end = lines.data() + lines.size();
    for (const char* p = lines.data(); p < end;) {
      const char* stop = LineEndAt(p);
      std::string_view line(p, static_cast<std::size_t>(stop - p));
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      CheckLine<S>(check, line, may_hold_nul, ++number, relato);
      p = stop + 1;
    }
  }
}

template <Saida S>
void CheckArguments(Check& check, std::span<const std::string_view> valores, Relato& relato) {
  relato.problemas().ReportValues();
  for (std::size_t i = 0; i < valores.size(); ++i) {
    const bool valid = Judge(check, valores[i], false);
    if (!valid) ReportBadText(valores[i], false, i + 1, relato.problemas());
    relato.Line<S>(valores[i], valid);
  }
}

// Calls run with the output mode as a template argument, so that each mode gets a
// loop of its own.
template <class Run>
void WithSaida(Saida saida, Run run) {
  switch (saida) {
    case Saida::kTodas: return run.template operator()<Saida::kTodas>();
    case Saida::kInvalidos: return run.template operator()<Saida::kInvalidos>();
    case Saida::kContagem: return run.template operator()<Saida::kContagem>();
  }
}

char Separador(const Opcoes& opcoes) { return opcoes.separador.value_or(';'); }

bool SameName(std::string_view a, std::string_view b) {
  const auto trim = [](std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
  };
  return EqualsIgnoringAsciiCase(trim(a), trim(b));
}

// The index of the header field named nome (spaces around it and the case of A to Z
// do not count), or nothing; names lists the header's fields for the message.
std::optional<std::size_t> FindColumn(std::string_view header, char separador,
                                      std::string_view nome, std::string& names) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (header.starts_with(kByteOrderMark)) header.remove_prefix(kByteOrderMark.size());
  Campos campos(header, separador);
  std::string scratch;
  std::string_view field;
  for (std::size_t index = 0; campos.Next(field, scratch); ++index) {
    if (SameName(field, nome)) return index;
    names += (index == 0 ? "" : ", ") + std::string(field);
  }
  return std::nullopt;
}

// The verdict on the row's field at index, after reporting what is wrong with the
// row as text.
bool JudgeRow(Check& check, std::string_view row, std::size_t index, char separador,
              const LineReader& in, Problemas& problemas, std::string& scratch) {
  const bool may_hold_nul = in.MayHoldNul();
  ReportBadText(row, may_hold_nul, in.Line(), problemas);
  Campos campos(row, separador);
  std::string_view field;
  std::size_t count = 0;
  while (count <= index && campos.Next(field, scratch)) ++count;
  if (count <= index) {
    problemas.Report(in.Line(), "a linha tem " + std::to_string(count) +
                                    (count == 1 ? " campo" : " campos") + " e falta a coluna " +
                                    std::to_string(index + 1));
    return false;
  }
  return Judge(check, field, may_hold_nul);
}

template <Saida S>
void CheckRows(Check& check, std::size_t index, char separador, LineReader& in, RowEnd& end,
               Relato& relato) {
  std::string scratch;
  std::string_view row;
  for (Lido lido; (lido = in.Next(row, end)) != Lido::kFim;) {
    if (lido == Lido::kLongaDemais) {
      ReportTooLong(in.Line(), relato);
      continue;
    }
    if (end.LastRowUnclosed()) relato.problemas().Report(in.Line(), "aspas abertas e não fechadas");
    if (row.empty()) continue;
    const bool valid = JudgeRow(check, row, index, separador, in, relato.problemas(), scratch);
    relato.Row<S>(row, valid, in.EndedInCrLf());
  }
}

// Reads the header row, when there is one, and finds the named column in it. False
// when the rows cannot be checked.
bool ReadHeader(const Opcoes& opcoes, Coluna& coluna, LineReader& in, RowEnd& end, Relato& relato) {
  std::string_view header;
  const Lido lido = in.Next(header, end);
  if (lido == Lido::kFim) {
    if (!coluna.nome.empty())
      relato.problemas().Report(1, "a entrada está vazia: falta o cabeçalho");
    return false;
  }
  if (lido == Lido::kLongaDemais) {
    ReportTooLong(in.Line(), relato);
    return false;
  }
  if (!coluna.nome.empty()) {
    std::string names;
    const std::optional<std::size_t> index =
        FindColumn(header, Separador(opcoes), coluna.nome, names);
    if (!index) {
      relato.problemas().Report(in.Line(), "o cabeçalho não tem a coluna '" +
                                               std::string(coluna.nome) + "' (colunas: " + names +
                                               ")");
      return false;
    }
    coluna.indice = *index;
  }
  relato.Header(header, in.EndedInCrLf());
  return true;
}

void CheckCsvInput(Check& check, const Opcoes& opcoes, Coluna coluna, int fd, Relato& relato) {
  LineReader in(fd);
  RowEnd end(Separador(opcoes));
  const bool header = opcoes.cabecalho || !coluna.nome.empty();
  if (header && !ReadHeader(opcoes, coluna, in, end, relato)) return;
  WithSaida(relato.saida(), [&]<Saida S>() {
    CheckRows<S>(check, coluna.indice, Separador(opcoes), in, end, relato);
  });
}

// Opens a file for reading ("-" is standard input); -1 after reporting a failure.
int OpenInput(std::string_view arquivo, Problemas& problemas) {
  if (arquivo == "-") {
    AnnounceTerminalInput();
    return STDIN_FILENO;
  }
  const std::string path(arquivo);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    problemas.Report("não foi possível abrir '" + path + "': " + std::strerror(errno));
    return -1;
  }
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
    problemas.Report("'" + path + "' é uma pasta, não um arquivo");
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

// A failing host service (the date rules) refuses the value rather than stopping the
// run.
bool Check::ByExitRule(std::string_view value) {
  texto_.assign(value);
  try {
    return ConfereSaidaDaCaixa(tipo_, texto_, opcoes_).empty();
  } catch (const Error&) {
    return false;
  }
}

int CheckValues(Check& check, Saida saida, std::span<const std::string_view> valores) {
  Relato relato(saida, '\t');
  if (!valores.empty()) {
    WithSaida(saida, [&]<Saida S>() { CheckArguments<S>(check, valores, relato); });
  } else {
    AnnounceTerminalInput();
    LineReader in(STDIN_FILENO);
    WithSaida(saida, [&]<Saida S>() { CheckLines<S>(check, in, relato); });
  }
  return relato.Finish();
}

int CheckCsv(Check& check, const Opcoes& opcoes, std::span<const std::string_view> arquivos) {
  static constexpr std::string_view kStandardInput[] = {"-"};
  if (arquivos.empty()) arquivos = kStandardInput;
  Relato relato(opcoes.saida, Separador(opcoes));
  for (std::string_view arquivo : arquivos) {
    relato.problemas().SetOrigem(arquivo == "-" ? std::string_view() : arquivo);
    const int fd = OpenInput(arquivo, relato.problemas());
    if (fd < 0) continue;
    CheckCsvInput(check, opcoes, *opcoes.coluna, fd, relato);
    if (fd != STDIN_FILENO) ::close(fd);
  }
  return relato.Finish();
}

}  // namespace vumocaixa::cli
