// Amounts in words per second, on random amounts of every size up to the currency
// limit, written as a Brazilian user types them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <vumocaixa/words/extenso.hpp>

namespace {

// "1.234.567,89": whole reais grouped by points, two decimals after a comma.
std::string BrazilianAmount(std::uint64_t cents) {
  std::string whole = std::to_string(cents / 100);
  for (auto i = static_cast<std::ptrdiff_t>(whole.size()) - 3; i > 0; i -= 3) {
    whole.insert(static_cast<std::size_t>(i), ".");
  }
  const auto fraction = cents % 100;
  return whole + (fraction < 10 ? ",0" : ",") + std::to_string(fraction);
}

// 1024 amounts whose number of digits is spread evenly from 1 to 17 (up to
// 922.337.203.685.477,58), so that every scale word turns up.
std::vector<std::string> RandomAmounts() {
  constexpr std::uint64_t kLimit = 92233720368547758;  // the largest amount, in centavos
  std::mt19937_64 random(42);
  std::vector<std::string> amounts;
  for (int i = 0; i < 1024; ++i) {
    const int digits = 1 + i % 17;
    std::uint64_t top = 1;
    for (int d = 0; d < digits; ++d) top = top > kLimit / 10 ? kLimit : top * 10;
    amounts.push_back(BrazilianAmount(1 + random() % top));
  }
  return amounts;
}

void BM_ValorPorExtenso_Random(benchmark::State& state, vumocaixa::EstiloExtenso estilo) {
  const std::vector<std::string> amounts = RandomAmounts();
  const vumocaixa::RegionalSettings r = vumocaixa::PtBR();
  std::size_t i = 0;
  std::size_t words = 0;
  for (auto _ : state) {
    std::string out = vumocaixa::ValorPorExtenso(amounts[i++ & 1023], r, {estilo});
    words += out.empty() ? 0 : 1;
    benchmark::DoNotOptimize(out);
  }
  if (words != static_cast<std::size_t>(state.iterations())) state.SkipWithError("no words");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_ValorPorExtenso_Random, classico, vumocaixa::EstiloExtenso::Classico);
BENCHMARK_CAPTURE(BM_ValorPorExtenso_Random, norma, vumocaixa::EstiloExtenso::Norma);
BENCHMARK_CAPTURE(BM_ValorPorExtenso_Random, norma_maiusculas,
                  vumocaixa::EstiloExtenso::NormaMaiusculas);

void BM_ValorPorExtenso_Largest(benchmark::State& state) {
  const std::string amount = "922.337.203.685.477,58";
  for (auto _ : state) {
    std::string out = vumocaixa::ValorPorExtenso(amount);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ValorPorExtenso_Largest);

void BM_ValorPorExtenso_NotANumber(benchmark::State& state) {
  const std::string amount = "doze reais";
  for (auto _ : state) {
    std::string out = vumocaixa::ValorPorExtenso(amount);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ValorPorExtenso_NotANumber);

}  // namespace
