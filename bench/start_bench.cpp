// Start's cost over the number of discovery records: it must grow linearly.
#include <benchmark/benchmark.h>

#include "start_fixture.h"

static void BM_StartWithRecords(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(bench::StartOnce(records));
  state.SetComplexityN(records);
}
BENCHMARK(BM_StartWithRecords)->RangeMultiplier(2)->Range(16, 256)->Complexity(benchmark::oN);
