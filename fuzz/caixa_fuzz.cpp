// The text box driven as a user and a host would: typing, editing keys, caret moves,
// Enter, leaving the box, pasting and assigning Text, in any order, on every text-like
// data type.
//
// Input: a data type selector, then a script of actions, each one byte plus its operands.
//
// Whatever the script does, nothing but the library's own errors escapes, the value
// property reads what the box shows, messages on leaving carry the entry title and
// style, and as long as the entry was only typed and edited with keys, a document box
// shows its digits laid into its mask (or the beginning of that).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include <fuzzer/FuzzedDataProvider.h>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/entry/caixa_tipos.hpp>
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/text.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace vc = vumocaixa;

constexpr std::int16_t kTipos[] = {vc::kTexto, vc::kData,  vc::kByte,  vc::kCIC,
                                   vc::kCNPJ,  vc::kCartaoDeCredito,    vc::kCEP,
                                   vc::kEmail, vc::kHomePage,           vc::kPIS};

// Characters a user types: digits most of all, then what a masked box must refuse.
constexpr std::string_view kTeclas[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8",
                                        "9", "a", "w", "W", "ç", "Ç", ".", "-", "/",
                                        " ", "@", "€", "日", "😀", "\b"};

struct Estado {
  vc::MemoryForm& f;
  std::int16_t tipo;
  bool soTeclas = true;  // the entry came from typing and editing keys only
};

void Digita(Estado& e, FuzzedDataProvider& in) {
  const auto n = in.ConsumeIntegralInRange<std::size_t>(1, 16);
  for (std::size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) {
    e.f.Type(kTeclas[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTeclas) - 1)]);
  }
}

void MoveCursor(Estado& e, FuzzedDataProvider& in) {
  e.f.Caixa().SetSelStart(in.ConsumeIntegralInRange<std::int32_t>(-2, 25));
  e.f.Caixa().SetSelLength(in.ConsumeIntegralInRange<std::int32_t>(-2, 25));
}

void AtribuiText(Estado& e, FuzzedDataProvider& in, bool porReferencia) {
  const std::string valor = in.ConsumeRandomLengthString(64);
  try {
    if (porReferencia) {
      e.f.Control().SetTextByReference(vc::Variant(valor));
      e.soTeclas = false;
    } else {
      e.f.Control().SetText(vc::Variant(valor));
    }
  } catch (const vc::InvalidTextError&) {
    Require(!vc::IsValidUtf8(valor), "only malformed UTF-8 is refused", valor);
  } catch (const vc::Error&) {
    // A date that the locale cannot format, and the like: the caller's to handle.
  }
}

void Sai(Estado& e) {
  const std::string antes = e.f.Caixa().Text();
  const std::size_t mensagens = e.f.Runtime().Messages().size();
  e.f.Leave();
  const auto& todas = e.f.Runtime().Messages();
  Require(todas.size() <= mensagens + 1, "at most one message per exit", antes);
  if (todas.size() > mensagens) {
    Require(!antes.empty(), "an empty entry is never refused");
    Require(todas.back().title == "Valor inválido" && todas.back().style == 64,
            "entry messages carry their title and style", todas.back().prompt);
  }
}

void Age(Estado& e, FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0: case 1: case 2: Digita(e, in); break;
    case 3: e.f.PressDelete(); break;
    case 4: e.f.PressBackspace(); break;
    case 5: MoveCursor(e, in); break;
    case 6: e.f.PressEnter(); break;
    case 7: Sai(e); break;
    case 8: AtribuiText(e, in, in.ConsumeBool()); break;
    default:
      e.f.PressShiftDelete();  // left to the box: may edit inside the mask
      e.soTeclas = false;
      break;
  }
}

void Confere(Estado& e) {
  const std::string mostrado = e.f.Caixa().Text();
  const vc::Variant lido = e.f.Control().Text();
  Require(std::holds_alternative<std::string>(lido) && std::get<std::string>(lido) == mostrado,
          "Text reads what the box shows", mostrado);
  const std::string_view mascara = vc::MascaraDoTipo(e.tipo);
  if (!e.soTeclas || mascara.empty()) return;
  const std::string completo = vc::FormataMascara(vc::SoDigitos(mostrado), mascara);
  Require(completo.compare(0, mostrado.size(), mostrado) == 0,
          "a typed document number follows its mask", mostrado + " / " + completo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  vc::MemoryForm f;
  Estado e{f, kTipos[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTipos) - 1)]};
  f.Control().SetTipoDados(e.tipo);
  f.Control().SetTamanhoMáximo(20);
  f.Control().SetTudoMaiusculo(in.ConsumeBool());
  while (in.remaining_bytes() > 0) {
    Age(e, in);
    Confere(e);
  }
  return 0;
}
