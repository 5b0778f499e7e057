#include "relato.hpp"

#include <cstdio>

namespace vumocaixa::cli {
namespace {

constexpr std::uint64_t kShownProblems = 10;

}  // namespace

void Problemas::Report(std::uint64_t line, std::string_view what) {
  const std::string where = origem_.empty() ? std::string() : origem_ + ", ";
  Show(where + std::string(unidade_) + " " + std::to_string(line) + ": " + std::string(what));
}

void Problemas::Report(std::string_view what) { Show(std::string(what)); }

void Problemas::Show(const std::string& text) {
  if (++count_ > kShownProblems) return;
  std::fputs(("vumocaixa: " + text + "\n").c_str(), stderr);
}

void Problemas::Finish() const {
  if (count_ <= kShownProblems) return;
  std::fprintf(
      stderr, "vumocaixa: %llu problemas na entrada; só os %llu primeiros foram mostrados.\n",
      static_cast<unsigned long long>(count_), static_cast<unsigned long long>(kShownProblems));
}

void Relato::Header(std::string_view header, bool crlf) {
  if (header_written_ || saida_ == Saida::kContagem) return;
  header_written_ = true;
  out_.Write(header);
  if (saida_ == Saida::kTodas) {
    out_.Write(separador_);
    out_.Write("validação");
  }
  out_.Write(crlf ? std::string_view("\r\n") : std::string_view("\n"));
}

int Relato::Finish() {
  if (saida_ == Saida::kContagem) {
    out_.Write("válidos: " + std::to_string(validos_) +
               "\tinválidos: " + std::to_string(invalidos_) + "\n");
  }
  out_.Flush();
  problemas_.Finish();
  if (problemas_.Any()) return kBadInput;
  return invalidos_ > 0 ? kSomeInvalid : kAllValid;
}

}  // namespace vumocaixa::cli
