// Capitalisation: a short name, and the growth of the time with the text's length.
#include <benchmark/benchmark.h>

#include <string>

#include <vumocaixa/validate/palavras.hpp>

namespace {

// Text like a list of addresses: accents, particles, Roman numerals, points inside
// numbers and after abbreviations, runs of spaces.
std::string AddressText(std::size_t length) {
  static constexpr const char* kLines[] = {
      "av. paulista, 1.578 - conj. 12 bela vista ",
      "RUA DAS FLORES  N.10 ",
      "praça joão xxiii   da sé ",
      "estr. velha de itapecerica km 10.5 ",
      "alameda santos, 200 - apto. 31 ",
      "r.augusta 1.500 são paulo ",
  };
  std::string text;
  for (std::size_t i = 0; text.size() < length; ++i) text += kLines[i % 6];
  return text;
}

void BM_FormataPalavras_Nome(benchmark::State& state) {
  const std::string name = "JOSÉ DA SILVA XAVIER DOS SANTOS";
  for (auto _ : state) {
    std::string out = vumocaixa::FormataPalavras(name, false);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormataPalavras_Nome);

void BM_FormataPalavras_Length(benchmark::State& state) {
  const std::string text = AddressText(static_cast<std::size_t>(state.range(0)));
  const bool endereco = state.range(1) != 0;
  std::string out;
  for (auto _ : state) {
    out = vumocaixa::FormataPalavras(text, endereco);
    benchmark::DoNotOptimize(out);
  }
  if (out.empty()) state.SkipWithError("empty result");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FormataPalavras_Length)
    ->Args({1 << 16, 0})
    ->Args({1 << 20, 0})
    ->Args({10 << 20, 0})
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_FormataPalavras_Length)->Args({1 << 20, 1})->Unit(benchmark::kMillisecond);

}  // namespace
