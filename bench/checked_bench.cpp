#include "common/checked.h"

#include <benchmark/benchmark.h>

using namespace vorneta;

static void BM_CheckedExponential(benchmark::State &state)
{
    Real t(0.001L), tau(0.5L);
    for (auto _ : state) {
        Real u = Real(10) * (Real(1) - exp(-t / tau));
        benchmark::DoNotOptimize(u);
    }
}
BENCHMARK(BM_CheckedExponential);
