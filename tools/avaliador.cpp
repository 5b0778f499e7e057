#include "avaliador.hpp"

namespace vumocaixa::cli {

void Avaliador::ReportBadText(std::string_view text, bool may_hold_nul, std::uint64_t numero) {
  if (!IsUtf8(text)) avisos_->Report(numero, "o texto não é UTF-8");
  if (may_hold_nul && std::memchr(text.data(), '\0', text.size()) != nullptr) {
    avisos_->Report(numero, "o texto tem um byte nulo");
  }
}

// Finds the row's field at coluna_ and judges it, after reporting what is wrong
// with the row as text. Leaves where the field stands and what to write in its
// place for WriteRow.
Motivo Avaliador::JulgaCampo(std::string_view registro, bool may_hold_nul, std::uint64_t numero) {
  if (!IsText(registro, may_hold_nul)) ReportBadText(registro, may_hold_nul, numero);
  Campos campos(registro, escrita_.separador);
  std::size_t count = 0;
  while (count <= coluna_ && campos.Next(campo_, campo_guardado_)) ++count;
  if (count <= coluna_) {
    avisos_->Report(numero, "a linha tem " + std::to_string(count) +
                                (count == 1 ? " campo" : " campos") + " e falta a coluna " +
                                std::to_string(coluna_ + 1));
    campo_ = escrito_ = {};
    return Motivo::kColunaAusente;
  }
  campo_inicio_ = campos.Begin();
  campo_fim_ = campos.End();
  campo_entre_aspas_ = campos.WasQuoted();
  escrito_ = campo_;
  if (!IsText(campo_, may_hold_nul)) return Motivo::kCodificacao;
  return juiz_.Julga(campo_, escrito_);
}

// The row as read, or with the judged field replaced by what is to be written in
// its place, in quotes if it was or if it needs them.
void Avaliador::WriteRow(std::string_view registro) {
  if (escrito_ == campo_) {
    out_->Write(registro);
    return;
  }
  campo_reescrito_.clear();
  AppendField(campo_reescrito_, escrito_, escrita_.separador, campo_entre_aspas_);
  out_->Write(registro.substr(0, campo_inicio_));
  out_->Write(campo_reescrito_);
  out_->Write(registro.substr(campo_fim_));
}

void Avaliador::WriteReason(char separador, Motivo motivo) {
  out_->Write(separador);
  const std::string_view palavra = Palavra(motivo);
  if (palavra.find(separador) == std::string_view::npos) {
    out_->Write(palavra);
    return;
  }
  campo_reescrito_.clear();
  AppendField(campo_reescrito_, palavra, separador);
  out_->Write(campo_reescrito_);
}

void Avaliador::Longa(std::uint64_t numero) {
  avisos_->Report(numero, kLinhaLongaDemais);
  contas_->Conta(Motivo::kLinhaLonga);
}

}  // namespace vumocaixa::cli
