#pragma once
// Judging one line or CSV row at a time and writing it as a run of "valida" asks:
// with its verdict, only when refused, or not at all; its value in the form asked;
// the reason of a refusal. The streaming reader and the threads share it.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "csv.hpp"
#include "juiz.hpp"
#include "linhas.hpp"
#include "motivos.hpp"
#include "relato.hpp"

namespace vumocaixa::cli {

class Avaliador {
 public:
  // Judges by regras and writes as escrita says; coluna is the 0-based CSV field
  // that Registro judges.
  Avaliador(const Regras& regras, const Escrita& escrita, std::size_t coluna)
      : juiz_(regras), escrita_(escrita), coluna_(coluna) {}

  // Where the following lines and rows are written, counted and their problems told.
  void Usa(Output& out, Contas& contas, Avisos& avisos) {
    out_ = &out;
    contas_ = &contas;
    avisos_ = &avisos;
  }
  // Bytes written before the next line or row judged, if it is written at all: the
  // byte-order mark that opened the input.
  void Prefixo(std::string_view bytes) { prefixo_ = bytes; }

  // A line, without its line end, which is "\r\n" when crlf. Written as
  // "<value>\t<verdict>[\t<reason>]\n", or when refused "<value>[\t<reason>]" and
  // the line's own end. may_hold_nul: whether the input may hold a NUL byte.
  template <Saida S>
  void Linha(std::string_view linha, bool crlf, bool may_hold_nul, std::uint64_t numero) {
    std::string_view escrito = linha;
    Motivo motivo = Motivo::kCodificacao;
    if (IsText(linha, may_hold_nul)) {
      motivo = juiz_.Julga(linha, escrito);
    } else {
      ReportBadText(linha, may_hold_nul, numero);
    }
    contas_->Conta(motivo);
    if constexpr (S == Saida::kTodas) {
      WritePrefix();
      out_->Write(escrito);
      out_->Write(motivo == Motivo::kNenhum ? std::string_view("\tválido")
                                            : std::string_view("\tinválido"));
      if (escrita_.motivo) WriteReason('\t', motivo);
      out_->Write('\n');
    } else if constexpr (S == Saida::kInvalidos) {
      if (motivo == Motivo::kNenhum) return;
      WritePrefix();
      out_->Write(escrito);
      if (escrita_.motivo) WriteReason('\t', motivo);
      WriteLineEnd(crlf);
    }
  }

  // A CSV row, without its line end: written with one more field for the verdict
  // and, asked for, one for the reason, or only when refused with the reason alone;
  // the judged field rewritten in the form asked, every other byte kept.
  template <Saida S>
  void Registro(std::string_view registro, bool crlf, bool may_hold_nul, std::uint64_t numero);

  // A line or row beyond the reader's limit, skipped.
  void Longa(std::uint64_t numero);
  // The last row of the input, whose quote never closed: written as it was read,
  // with its "\r" and "\n" when it had them.
  template <Saida S>
  void Aberto(std::string_view registro, bool crlf, bool newline, std::uint64_t numero);

 private:
  // Whether text is UTF-8 without a NUL byte, all that a box could hold.
  static bool IsText(std::string_view text, bool may_hold_nul) {
    return IsUtf8(text) &&
           !(may_hold_nul && std::memchr(text.data(), '\0', text.size()) != nullptr);
  }
  void ReportBadText(std::string_view text, bool may_hold_nul, std::uint64_t numero);
  Motivo JulgaCampo(std::string_view registro, bool may_hold_nul, std::uint64_t numero);
  void WriteRow(std::string_view registro);
  void WriteReason(char separador, Motivo motivo);

  void WritePrefix() {
    if (prefixo_.empty()) return;
    out_->Write(prefixo_);
    prefixo_ = {};
  }
  void WriteLineEnd(bool crlf) {
    out_->Write(crlf ? std::string_view("\r\n") : std::string_view("\n"));
  }

  Juiz juiz_;
  Escrita escrita_;
  std::size_t coluna_;
  Output* out_ = nullptr;
  Contas* contas_ = nullptr;
  Avisos* avisos_ = nullptr;
  std::string_view prefixo_;
  // The judged field of the last row: its bytes in the row, its value, what to write.
  std::size_t campo_inicio_ = 0;
  std::size_t campo_fim_ = 0;
  bool campo_entre_aspas_ = false;
  std::string_view campo_;
  std::string_view escrito_;
  std::string campo_guardado_;
  std::string campo_reescrito_;
};

template <Saida S>
void Avaliador::Registro(std::string_view registro, bool crlf, bool may_hold_nul,
                         std::uint64_t numero) {
  const Motivo motivo = JulgaCampo(registro, may_hold_nul, numero);
  contas_->Conta(motivo);
  if constexpr (S == Saida::kContagem) return;
  if (S == Saida::kInvalidos && motivo == Motivo::kNenhum) return;
  WritePrefix();
  WriteRow(registro);
  if constexpr (S == Saida::kTodas) {
    out_->Write(escrita_.separador);
    out_->Write(motivo == Motivo::kNenhum ? std::string_view("válido")
                                          : std::string_view("inválido"));
  }
  if (escrita_.motivo) WriteReason(escrita_.separador, motivo);
  WriteLineEnd(crlf);
}

template <Saida S>
void Avaliador::Aberto(std::string_view registro, bool crlf, bool newline, std::uint64_t numero) {
  avisos_->Report(numero, "aspas abertas e não fechadas");
  contas_->Conta(Motivo::kAspasAbertas);
  if constexpr (S == Saida::kContagem) return;
  WritePrefix();
  out_->Write(registro);
  if (crlf) out_->Write('\r');
  if (newline) out_->Write('\n');
}

}  // namespace vumocaixa::cli
