// Masks: typical masked entries, and the growth of the time with the text's length.
#include <benchmark/benchmark.h>

#include <string>

#include <vumocaixa/entry/mascara.hpp>

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
    ->Arg(1 << 16)->Arg(1 << 20)->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

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

}  // namespace
