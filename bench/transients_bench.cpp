// Whole presses of the two transient tabs in the core: parse, compute, format the samples,
// parse them back (RC), draw some 1,260 lines on the surface.
#include "transients/capacitorpress.h"
#include "transients/plotframes.h"
#include "transients/rcpress.h"

#include <benchmark/benchmark.h>

#include <limits>

using namespace vorneta;

static void BM_CapacitorPress(benchmark::State &state)
{
    Surface image5 = makeCapacitorSurface();
    TextTable grid1 = makeCapacitorTable();
    CapacitorReadouts readouts;
    drawCapacitorFrame(image5);
    writeCapacitorHeadings(grid1);
    const CapacitorInputs in = {"1", "10", "1000", "0,0001"};
    for (auto _ : state) {
        capacitorPress(in, ',', image5, grid1, readouts);
        benchmark::DoNotOptimize(image5.bits());
    }
}
BENCHMARK(BM_CapacitorPress)->Unit(benchmark::kMicrosecond);

static void BM_RcPress(benchmark::State &state)
{
    Surface image7 = makeRcSurface();
    TextTable grid2 = makeRcTable();
    RcReadouts readouts;
    drawRcFrame(image7);
    writeRcHeadings(grid2);
    const RcInputs in = {"0,2", "100", "0,001", "-2", "3", "5", "10", "30"};
    for (auto _ : state) {
        rcPress(in, ',', image7, grid2, readouts);
        benchmark::DoNotOptimize(image7.bits());
    }
}
BENCHMARK(BM_RcPress)->Unit(benchmark::kMicrosecond);

// A capacitor press whose curves run 10^18 pixels off the surface (R*C < 0): the lines are
// clipped, so this costs no more than an ordinary press.
static void BM_CapacitorPressFarOff(benchmark::State &state)
{
    Surface image5 = makeCapacitorSurface();
    TextTable grid1 = makeCapacitorTable();
    CapacitorReadouts readouts;
    const CapacitorInputs in = {"37", "1", "-1", "1"};
    for (auto _ : state) {
        capacitorPress(in, ',', image5, grid1, readouts);
        benchmark::DoNotOptimize(image5.bits());
    }
}
BENCHMARK(BM_CapacitorPressFarOff)->Unit(benchmark::kMicrosecond);

// The clearing step alone: 351 white lines of 421 pixels.
static void BM_CapacitorPlotPreparation(benchmark::State &state)
{
    Surface image5 = makeCapacitorSurface();
    for (auto _ : state) {
        prepareCapacitorPlot(image5);
        benchmark::DoNotOptimize(image5.bits());
    }
}
BENCHMARK(BM_CapacitorPlotPreparation)->Unit(benchmark::kMicrosecond);

static void BM_LineAcrossTheRange(benchmark::State &state)
{
    Surface s = makeRcSurface();
    constexpr Pixel kMax = std::numeric_limits<Pixel>::max();
    for (auto _ : state) {
        s.moveTo(-kMax, -kMax / 2);
        s.lineTo(kMax, kMax / 2 + 1000);
        benchmark::DoNotOptimize(s.bits());
    }
}
BENCHMARK(BM_LineAcrossTheRange);
