// Calls per second of the locale number services: reading a text (IsNumericText),
// converting it (ToNumber per kind) and writing a number (NumberText), with a plain
// integer parse as the baseline and texts swept from short to long.
#include <vumocaixa/host/regional.hpp>

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <string_view>

namespace {

namespace vc = vumocaixa;

// Eight texts of the kinds a numeric box sees, some of them no numbers.
const std::array<std::string, 8> kTexts = {
    "1234,56", "R$ 1.234,56", "-32768", "12w",
    "0,0001",  "1,5E+20",     ",",      "922.337.203.685.477,5807"};

void BM_BaselineFromChars(benchmark::State& state) {
  const std::string text = "123456";
  for (auto _ : state) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    benchmark::DoNotOptimize(value);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BaselineFromChars);

void BM_IsNumericText(benchmark::State& state) {
  std::size_t i = 0;
  int numeric = 0;
  for (auto _ : state) {
    const bool ok = vc::IsNumericText(kTexts[i++ & 7]);
    benchmark::DoNotOptimize(ok);
    numeric += ok ? 1 : 0;
  }
  state.SetItemsProcessed(state.iterations());
  if (state.iterations() >= 8 && numeric == 0) state.SkipWithError("nothing numeric");
}
BENCHMARK(BM_IsNumericText);

// Texts of n digits with a decimal comma in the middle.
void BM_IsNumericTextLength(benchmark::State& state) {
  std::string text(static_cast<std::size_t>(state.range(0)), '7');
  text[text.size() / 2] = ',';
  for (auto _ : state) benchmark::DoNotOptimize(vc::IsNumericText(text));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  if (!vc::IsNumericText(text)) state.SkipWithError("not read as a number");
}
BENCHMARK(BM_IsNumericTextLength)->RangeMultiplier(16)->Range(8, 1 << 20);

void BM_ToNumber(benchmark::State& state) {
  const auto kind = static_cast<vc::NumberKind>(state.range(0));
  const vc::Variant text = std::string("1.234,5678");
  for (auto _ : state) benchmark::DoNotOptimize(vc::ToNumber(text, kind));
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(vc::NumberText(vc::ToNumber(text, kind)));
}
BENCHMARK(BM_ToNumber)->DenseRange(0, 5);

void BM_NumberText(benchmark::State& state) {
  const std::array<vc::Variant, 6> values = {
      std::int16_t{-32768},
      std::int32_t{2147483647},
      3.402823e38f,
      1.0 / 3,
      vc::Currency{-9223372036854775807 - 1},
      vc::Decimal{(static_cast<unsigned __int128>(1) << 96) - 1, 28, true}};
  const vc::Variant& value = values[static_cast<std::size_t>(state.range(0))];
  std::size_t length = 0;
  for (auto _ : state) {
    const std::string text = vc::NumberText(value);
    length = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(state.iterations());
  if (length == 0) state.SkipWithError("empty text");
  state.SetLabel(vc::NumberText(value));
}
BENCHMARK(BM_NumberText)->DenseRange(0, 5);

void BM_FormatCurrency(benchmark::State& state) {
  const vc::Variant text = std::string("1234567,891");
  for (auto _ : state) benchmark::DoNotOptimize(vc::FormatValue(text, vc::kCurrencyFormat));
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(vc::FormatValue(text, vc::kCurrencyFormat));
}
BENCHMARK(BM_FormatCurrency);

}  // namespace
