// Calls per second of the check-digit and card routines on masked and plain input.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>

namespace {

// Eight numbers, valid and not, so that branches cannot learn a single answer.
constexpr std::array<std::string_view, 8> kCic = {
    "123.456.789-09", "529.982.247-25", "111.444.777-35", "123.456.789-00",
    "987.654.321-00", "000.000.001-91", "735.194.826-10", "123.456.789-0"};
constexpr std::array<std::string_view, 8> kCicPlain = {"12345678909", "52998224725", "11144477735",
                                                       "12345678900", "98765432100", "00000000191",
                                                       "73519482610", "1234567890"};
constexpr std::array<std::string_view, 8> kCnpj = {
    "12.345.678/0001-95", "11.222.333/0001-81", "12.345.678/0001-59", "00.000.000/0001-91",
    "45.723.174/0001-10", "11.444.777/0001-61", "12.345.678/0001-9",  "60.701.190/0001-04"};
constexpr std::array<std::string_view, 8> kPis = {
    "100.00000.00.8", "123.45678.90.0", "123.00000.00.0", "100.00000.00.0",
    "120.54478.43.1", "170.33259.50.4", "125.31254.33.4", "123.45678.90.1"};
constexpr std::array<std::string_view, 8> kCartao = {
    "1234.5678.1234.5670", "4111.1111.1111.1111", "1234.5678.1234.5678", "5555.5555.5555.4444",
    "0000.0000.0000.0000", "4012.8888.8888.1881", "4111.1111.1111.111",  "6011.1111.1111.1117"};

template <bool (*Validate)(std::string_view), const std::array<std::string_view, 8>* Inputs>
void BM_Validate(benchmark::State& state) {
  std::size_t i = 0;
  int accepted = 0;
  for (auto _ : state) {
    const bool ok = Validate((*Inputs)[i++ & 7]);
    benchmark::DoNotOptimize(ok);
    accepted += ok ? 1 : 0;
  }
  state.SetItemsProcessed(state.iterations());
  if (state.iterations() >= 8 && accepted == 0) state.SkipWithError("nothing accepted");
}

BENCHMARK(BM_Validate<vumocaixa::ValidaCIC, &kCic>)->Name("ValidaCIC/masked");
BENCHMARK(BM_Validate<vumocaixa::ValidaCIC, &kCicPlain>)->Name("ValidaCIC/plain");
BENCHMARK(BM_Validate<vumocaixa::ValidaCNPJ, &kCnpj>)->Name("ValidaCNPJ/masked");
BENCHMARK(BM_Validate<vumocaixa::ValidaPIS, &kPis>)->Name("ValidaPIS/masked");
BENCHMARK(BM_Validate<vumocaixa::ValidaCartao, &kCartao>)->Name("ValidaCartao/masked");

}  // namespace
