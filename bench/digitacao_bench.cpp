// Typing into the control, key by key through the in-memory host: 1,000, 10,000 and
// 100,000 characters into boxes without a width. The time per character must stay
// the same as the text grows.
#include <benchmark/benchmark.h>

#include <string>

#include <vumocaixa/control/memory_form.hpp>

namespace {

using namespace vumocaixa;

void TypeInto(benchmark::State& state, std::int16_t tipo, char typed) {
  const auto count = static_cast<std::size_t>(state.range(0));
  const std::string text(count, typed);
  std::size_t shown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    MemoryForm form;
    form.Control().SetTipoDados(tipo);
    form.Active().SetMaxLength(0);  // as a form file may store it
    form.Enter();
    state.ResumeTiming();
    form.Type(text);
    shown = form.Shown().size();
  }
  if (shown < count) state.SkipWithError("characters were lost");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DigitaTexto(benchmark::State& state) { TypeInto(state, kTexto, 'a'); }
void BM_DigitaCIC(benchmark::State& state) { TypeInto(state, kCIC, '1'); }
void BM_DigitaData(benchmark::State& state) { TypeInto(state, kData, '1'); }
void BM_DigitaEmail(benchmark::State& state) { TypeInto(state, kEmail, 'a'); }
void BM_DigitaMoeda(benchmark::State& state) { TypeInto(state, kMoeda, '1'); }
void BM_DigitaDuplo(benchmark::State& state) { TypeInto(state, kDuplo, '1'); }

}  // namespace

#define VUMOCAIXA_TYPING_SIZES \
  RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Iterations(1)
BENCHMARK(BM_DigitaTexto)->VUMOCAIXA_TYPING_SIZES;
BENCHMARK(BM_DigitaCIC)->VUMOCAIXA_TYPING_SIZES;
BENCHMARK(BM_DigitaData)->VUMOCAIXA_TYPING_SIZES;
BENCHMARK(BM_DigitaEmail)->VUMOCAIXA_TYPING_SIZES;
BENCHMARK(BM_DigitaMoeda)->VUMOCAIXA_TYPING_SIZES;
BENCHMARK(BM_DigitaDuplo)->VUMOCAIXA_TYPING_SIZES;
