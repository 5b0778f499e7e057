#include "valida.hpp"

#include <optional>
#include <string>
#include <type_traits>

#include <vumocaixa/host/ascii.hpp>

#include "avaliador.hpp"
#include "csv.hpp"
#include "leitura.hpp"
#include "linhas.hpp"
#include "plataforma.hpp"
#include "relato.hpp"

namespace vumocaixa::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

Escrita EscritaDe(const Opcoes& opcoes, char separador) {
  return {opcoes.saida, opcoes.motivo, separador};
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
  Campos campos(header, separador);
  std::string scratch;
  std::string_view field;
  for (std::size_t index = 0; campos.Next(field, scratch); ++index) {
    if (SameName(field, nome)) return index;
    names += (index == 0 ? "" : ", ") + std::string(field);
  }
  return std::nullopt;
}

// Reads the header row, when there is one, and finds the named column in it. False
// when the rows cannot be checked.
bool ReadHeader(std::string_view prefixo, Coluna& coluna, LineReader& in, RowEnd& end,
                Relato& relato) {
  std::string_view header;
  const Lido lido = in.Next(header, end);
  if (lido == Lido::kFim) {
    if (!coluna.nome.empty()) {
      relato.problemas().Report(1, "a entrada está vazia: falta o cabeçalho");
    }
    return false;
  }
  if (lido == Lido::kLongaDemais) {
    relato.problemas().Report(in.Line(), kLinhaLongaDemais);
    relato.contas().Conta(Motivo::kLinhaLonga);
    return false;
  }
  if (!coluna.nome.empty()) {
    std::string names;
    const std::optional<std::size_t> index =
        FindColumn(header, relato.escrita().separador, coluna.nome, names);
    if (!index) {
      relato.problemas().Report(in.Line(), "o cabeçalho não tem a coluna '" +
                                               std::string(coluna.nome) + "' (colunas: " + names +
                                               ")");
      return false;
    }
    coluna.indice = *index;
  }
  relato.Header(prefixo, header, in.EndedInCrLf());
  return true;
}

// Judges the lines or rows of one input: the first one here, after a byte-order mark
// that is written back before it when the input is the run's first; the rest by threads when the input is a regular
// file and there are threads, else here as a stream.
class Entrada {
 public:
  Entrada(int fd, Relato& relato, const Divisao& divisao)
      : fd_(fd), in_(fd), relato_(relato), divisao_(divisao) {
    if (divisao.threads > 1) arquivo_ = ArquivoComumEm(fd);
    // Files of the kernel's own (/proc, /sys) say they are empty and are not.
    if (arquivo_ && arquivo_->tamanho == 0) arquivo_.reset();
    // A mark that opens a later input would land inside the output: it is dropped.
    const bool first = relato.StartsFirstInput();
    if (in_.SkipByteOrderMark() && first) prefixo_ = kByteOrderMark;
  }

  [[nodiscard]] std::string_view Prefixo() const { return prefixo_; }
  LineReader& in() { return in_; }

  // Judges what is left of the input with av, which writes to relato, its rows
  // ending where finder finds.
  template <Saida S, class Finder>
  void Judge(Finder& finder, Avaliador& av) {
    constexpr bool kCsv = !std::is_same_v<Finder, LineEnd>;
    if (!prefixo_.empty()) {
      av.Prefixo(prefixo_);
      JulgaUm<S, kCsv>(finder, av);
      av.Prefixo({});
    }
    if (arquivo_) {
      JulgaEmPartes(fd_, arquivo_->posicao + in_.Offset(), arquivo_->tamanho, in_.NextLine(), av,
                    kCsv, relato_, divisao_);
    } else if constexpr (kCsv) {
      (void)JulgaRegistros<S>(in_, finder, av, in_.NextLine());
    } else {
      (void)JulgaLinhas<S>(in_, av, in_.NextLine());
    }
  }

  // The header is read: what follows is rows.
  void HeaderRead() { prefixo_ = {}; }

 private:
  template <Saida S, bool kCsv, class Finder>
  void JulgaUm(Finder& finder, Avaliador& av) {
    if constexpr (kCsv) {
      (void)JulgaRegistros<S>(in_, finder, av, 1, in_.Offset() + 1);
    } else {
      std::string_view line;
      const Lido lido = in_.Next(line);
      if (lido == Lido::kLongaDemais) av.Longa(in_.Line());
      if (lido == Lido::kLinha) av.Linha<S>(line, in_.EndedInCrLf(), in_.MayHoldNul(), 1);
    }
  }

  int fd_;
  LineReader in_;
  Relato& relato_;
  const Divisao& divisao_;
  std::optional<ArquivoComum> arquivo_;
  std::string_view prefixo_;
};

void CheckCsvInput(const Regras& regras, const Opcoes& opcoes, int fd, Relato& relato,
                   const Divisao& divisao) {
  Coluna coluna = *opcoes.coluna;
  Entrada entrada(fd, relato, divisao);
  RowEnd end(Separador(opcoes));
  if (opcoes.cabecalho || !coluna.nome.empty()) {
    if (!ReadHeader(entrada.Prefixo(), coluna, entrada.in(), end, relato)) return;
    entrada.HeaderRead();
  }
  Avaliador av(regras, relato.escrita(), coluna.indice);
  av.Usa(relato.out(), relato.contas(), relato.problemas());
  WithSaida(relato.escrita().saida, [&]<Saida S>() { entrada.Judge<S>(end, av); });
}

}  // namespace

int CheckValues(const Regras& regras, const Opcoes& opcoes,
                std::span<const std::string_view> valores, const Divisao& divisao) {
  Relato relato(EscritaDe(opcoes, '\t'));
  Avaliador av(regras, relato.escrita(), 0);
  av.Usa(relato.out(), relato.contas(), relato.problemas());
  if (!valores.empty()) {
    relato.problemas().ReportValues();
    WithSaida(opcoes.saida, [&]<Saida S>() {
      for (std::size_t i = 0; i < valores.size(); ++i) av.Linha<S>(valores[i], false, false, i + 1);
    });
  } else {
    AnnounceTerminalInput();
    Entrada entrada(kEntradaPadrao, relato, divisao);
    LineEnd end;
    WithSaida(opcoes.saida, [&]<Saida S>() { entrada.Judge<S>(end, av); });
  }
  return relato.Finish();
}

int CheckCsv(const Regras& regras, const Opcoes& opcoes, std::span<const std::string_view> arquivos,
             const Divisao& divisao) {
  static constexpr std::string_view kStandardInput[] = {"-"};
  if (arquivos.empty()) arquivos = kStandardInput;
  Relato relato(EscritaDe(opcoes, Separador(opcoes)));
  for (std::string_view arquivo : arquivos) {
    relato.problemas().SetOrigem(arquivo == "-" ? std::string_view() : arquivo);
    if (arquivo == "-") {
      AnnounceTerminalInput();
      CheckCsvInput(regras, opcoes, kEntradaPadrao, relato, divisao);
      continue;
    }
    const Abertura aberto = AbreParaLeitura(std::string(arquivo));
    if (aberto.fd < 0) {
      relato.problemas().Report(aberto.erro);
      continue;
    }
    CheckCsvInput(regras, opcoes, aberto.fd, relato, divisao);
    Fecha(aberto.fd);
  }
  return relato.Finish();
}

}  // namespace vumocaixa::cli
