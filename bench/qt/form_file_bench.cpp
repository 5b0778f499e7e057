// Form files of 1,000 to 100,000 controls: built, saved and loaded again. The time
// per control should stay the same across the sizes.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <vumocaixa/qt/form_file.hpp>

namespace {

using vumocaixa::qt::FormFile;

FormFile FormOf(std::int64_t controls) {
  FormFile form(QStringLiteral("Cadastro"));
  for (std::int64_t i = 0; i < controls; ++i) {
    auto& bag = form.Add(QStringLiteral("Controle%1").arg(i));
    bag.WriteProperty("TipoDados", std::int16_t(i % 17), std::int16_t{0});
    bag.WriteProperty("TamanhoMáximo", std::int32_t{14}, std::int32_t{0});
  }
  return form;
}

void BM_SaveForm(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("form.json");
  for (auto _ : state) {
    FormOf(state.range(0)).Save(path);
  }
  state.SetComplexityN(state.range(0));
}

void BM_LoadForm(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("form.json");
  FormOf(state.range(0)).Save(path);
  std::size_t loaded = 0;
  for (auto _ : state) {
    const FormFile form = FormFile::Load(path, qint64{1} << 30);
    loaded = form.Controls().size();
    benchmark::DoNotOptimize(loaded);
  }
  if (loaded != static_cast<std::size_t>(state.range(0))) state.SkipWithError("controls lost");
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_SaveForm)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_LoadForm)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
