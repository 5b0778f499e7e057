// Masks: typical masked entries, and the growth of the time with the text's length.
#include <benchmark/benchmark.h>

#include <string>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/entry/saida_caixa.hpp>

namespace {

void BM_FormataMascara_Cic(benchmark::State& state) {
  const std::string digits = "12345678909";
  for (auto _ : state) {
    std::string out = vumocaixa::FormataMascara(digits, vumocaixa::kMascaraCIC);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormataMascara_Cic);

// A long digit text laid into a mask of the same length; the mask's literals are
// accented, so characters and bytes differ.
void BM_FormataMascara_Length(benchmark::State& state) {
  const auto length = static_cast<std::size_t>(state.range(0));
  std::string digits;
  std::string mask;
  while (digits.size() < length) {
    digits += "1234567890";
    mask += "999º999ª9999";
  }
  std::string out;
  for (auto _ : state) {
    out = vumocaixa::FormataMascara(digits, mask);
    benchmark::DoNotOptimize(out);
  }
  if (out.size() < digits.size()) state.SkipWithError("digits lost");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * digits.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FormataMascara_Length)
    ->Arg(1 << 16)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_SoDigitos_Length(benchmark::State& state) {
  std::string text;
  while (text.size() < static_cast<std::size_t>(state.range(0))) text += "123.456.789-09 ";
  for (auto _ : state) {
    std::string out = vumocaixa::SoDigitos(text);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SoDigitos_Length)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// The verdict on leaving a document box, for an entry already in the mask's form and
// for one whose digits are laid into the mask first. The text is reset each round
// into a string that keeps its capacity, as a reader of many lines would do.
void BM_ConfereSaidaDaCaixa(benchmark::State& state, std::int16_t tipo, std::string entrada) {
  std::string texto;
  texto.reserve(32);
  std::string_view recusa;
  for (auto _ : state) {
    texto.assign(entrada);
    recusa = vumocaixa::ConfereSaidaDaCaixa(tipo, texto);
    benchmark::DoNotOptimize(texto.data());
    benchmark::DoNotOptimize(recusa);
  }
  if (!recusa.empty()) state.SkipWithError("a valid entry was refused");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_ConfereSaidaDaCaixa, cic_mascarado, vumocaixa::kCIC, "123.456.789-09");
BENCHMARK_CAPTURE(BM_ConfereSaidaDaCaixa, cic_so_digitos, vumocaixa::kCIC, "12345678909");
BENCHMARK_CAPTURE(BM_ConfereSaidaDaCaixa, cep_dos_correios, vumocaixa::kCEP, "01310-100");
BENCHMARK_CAPTURE(BM_ConfereSaidaDaCaixa, cnpj_mascarado, vumocaixa::kCNPJ, "12.345.678/0001-95");

}  // namespace
