#include "relato.hpp"

#include "plataforma.hpp"

namespace vumocaixa::cli {

void Problemas::Report(std::uint64_t line, std::string_view what) {
  const std::string where = origem_.empty() ? std::string() : origem_ + ", ";
  Show(where + std::string(unidade_) + " " + std::to_string(line) + ": " + std::string(what));
}

void Problemas::Report(std::string_view what) { Show(std::string(what)); }

void Problemas::Show(const std::string& text) {
  if (++count_ > kShownProblems) return;
  EscreveErro("vumocaixa: " + text + "\n");
}

void Problemas::Finish() const {
  if (count_ <= kShownProblems) return;
  EscreveErro("vumocaixa: " + std::to_string(count_) + " problemas na entrada; só os " +
              std::to_string(kShownProblems) + " primeiros foram mostrados.\n");
}

void AvisosGuardados::Report(std::uint64_t line, std::string_view what) {
  if (kept_.size() < kShownProblems) {
    kept_.emplace_back(line, what);
  } else {
    ++more_;
  }
}

void AvisosGuardados::TellTo(Problemas& problemas, std::uint64_t first) const {
  for (const auto& [line, what] : kept_) problemas.Report(first + line - 1, what);
  problemas.CountUnshown(more_);
}

void Relato::Header(std::string_view prefixo, std::string_view header, bool crlf) {
  if (header_written_ || escrita_.saida == Saida::kContagem) return;
  header_written_ = true;
  out_.Write(prefixo);
  out_.Write(header);
  if (escrita_.saida == Saida::kTodas) {
    out_.Write(escrita_.separador);
    out_.Write("validação");
  }
  if (escrita_.motivo) {
    out_.Write(escrita_.separador);
    out_.Write("motivo");
  }
  out_.Write(crlf ? std::string_view("\r\n") : std::string_view("\n"));
}

void Relato::Part(std::string_view text, const Contas& contas, const AvisosGuardados& avisos,
                  std::uint64_t first_line) {
  out_.WriteThrough(text);
  contas_.Soma(contas);
  avisos.TellTo(problemas_, first_line);
}

// "válidos: N<tab>inválidos: M", and with the reasons one line for each reason
// that refused something: "dígito verificador: 3".
void Relato::WriteTotals() {
  out_.Write("válidos: " + std::to_string(contas_.validos) +
             "\tinválidos: " + std::to_string(contas_.invalidos) + "\n");
  if (!escrita_.motivo) return;
  for (const auto& d : Motivos()) {
    const std::uint64_t count = contas_.por_motivo[static_cast<std::size_t>(d.motivo)];
    if (count > 0) out_.Write(std::string(d.palavra) + ": " + std::to_string(count) + "\n");
  }
}

int Relato::Finish() {
  if (escrita_.saida == Saida::kContagem) WriteTotals();
  out_.Flush();
  problemas_.Finish();
  if (problemas_.Any()) return kBadInput;
  return contas_.invalidos > 0 ? kSomeInvalid : kAllValid;
}

}  // namespace vumocaixa::cli
