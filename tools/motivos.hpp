#pragma once
// Why a value or a row was refused: one short fixed word per reason, and the totals
// of a run by reason.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vumocaixa::cli {

enum class Motivo : std::uint8_t {
  kNenhum,             // not refused
  kRecusado,           // refused, for a reason nobody asked for
  kVazio,              // an empty value, in strict mode
  kTamanho,            // too few or too many digits (or characters)
  kDigitoVerificador,  // the check digits do not fit
  kDigitosRepetidos,   // a document number of one repeated digit, in strict mode
  kFormato,            // not shaped as the type asks (an e-mail, a date)
  kDataInexistente,    // a date shaped as one, but no day of the calendar
  kEmissor,            // a card number of a length its issuer does not use, in strict mode
  kCodificacao,        // text that is not UTF-8, or holds a NUL byte
  kColunaAusente,      // a row without the column
  kAspasAbertas,       // a row whose quote is never closed
  kLinhaLonga,         // a line or row beyond the reader's limit
};

inline constexpr std::size_t kMotivos = static_cast<std::size_t>(Motivo::kLinhaLonga) + 1;

// A reason's word and what it means, for the help.
struct DescricaoDoMotivo {
  Motivo motivo;
  std::string_view palavra;
  std::string_view explicacao;
};

// Every reason but kNenhum and kRecusado, in the order the totals list them.
[[nodiscard]] const std::array<DescricaoDoMotivo, kMotivos - 2>& Motivos();

// The word of a reason: "dígito verificador" for kDigitoVerificador; empty for kNenhum
// and kRecusado.
[[nodiscard]] std::string_view Palavra(Motivo motivo);

// The values or rows of a run, valid and refused, and the refused by reason.
struct Contas {
  std::uint64_t validos = 0;
  std::uint64_t invalidos = 0;
  std::array<std::uint64_t, kMotivos> por_motivo{};

  void Conta(Motivo motivo) {
    ++(motivo == Motivo::kNenhum ? validos : invalidos);
    ++por_motivo[static_cast<std::size_t>(motivo)];
  }
  void Soma(const Contas& outras);
};

}  // namespace vumocaixa::cli
