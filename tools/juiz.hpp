#pragma once
// The verdict on one value of a run of "valida": the text box's own rule, the reason
// of a refusal, the stricter rules of a cleaning pass, and the value laid into its
// canonical form.

#include <cstdint>
#include <string>
#include <string_view>

#include "motivos.hpp"
#include "opcoes.hpp"

namespace vumocaixa::cli {

// A document check digit validator, such as ValidaCIC.
using Validator = bool (*)(std::string_view);

// What decides the verdicts of a run.
struct Regras {
  std::int16_t tipo = 0;
  // For the document types, the validator that the box's rule ends with: for them
  // the rule only lays the digits into the mask before it, which keeps them in order,
  // and the validators read nothing but the digits in order. About twice as fast
  // over millions of values as the whole rule.
  Validator validador = nullptr;
  bool alfanumerico = false;  // a CNPJ may hold letters
  bool estrito = false;       // the strict rules of RecusaEstrita as well
  bool motivos = false;       // refusals give their reason, not only kRecusado
  Forma forma = Forma::kComoLido;
};

// Judges values by a run's rules. Keeps texts between calls, so that judging does not
// allocate once values stop growing; each thread needs its own.
class Juiz {
 public:
  explicit Juiz(const Regras& regras) : regras_(regras) {}

  // The verdict on valor, UTF-8 text without NUL bytes: kNenhum when it passes,
  // otherwise the reason (kRecusado when the rules ask for none; the strict rules and
  // the forms give theirs always). escrito is set to what is written in the value's place: the
  // value, or its form when the rules ask for one. A value that cannot be laid into
  // its type's mask is written as it was read, and refused (kTamanho) if it passed.
  // Without estrito and a form, the verdict is the box's.
  [[nodiscard]] Motivo Julga(std::string_view valor, std::string_view& escrito) {
    escrito = valor;
    if (regras_.validador != nullptr && regras_.forma == Forma::kComoLido && !regras_.estrito) {
      return regras_.validador(valor) ? Motivo::kNenhum : Recusa(valor);
    }
    return JulgaPorInteiro(valor, escrito);
  }

  [[nodiscard]] const Regras& regras() const { return regras_; }

 private:
  Motivo Recusa(std::string_view valor) const;
  Motivo JulgaPorInteiro(std::string_view valor, std::string_view& escrito);
  bool PelaRegraDaCaixa(std::string_view valor);
  Motivo NaForma(std::string_view valor, Motivo motivo, std::string_view& escrito);

  Regras regras_;
  std::string texto_;     // the value as the box holds it after its rule
  std::string compacto_;  // its digits and letters alone
};

}  // namespace vumocaixa::cli
