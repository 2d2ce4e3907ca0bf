// The number text on values and texts typical of the program: readings of the slider
// tabs, time constants and the samples of the result tables, edit-box texts.
#include "common/numbertext.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace vorneta;

namespace {

const std::vector<Quantity> &typicalValues()
{
    static const std::vector<Quantity> values = {0.0123456L, 3.3333333333L, -50.0L, 1234.5L,
                                                 0.47L,      2.2e-6L,       1.0L / 3.0L,
                                                 -0.0006L,   99.96L,        4.99996L};
    return values;
}

void BM_FormatGeneral(benchmark::State &state)
{
    const auto &values = typicalValues();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = formatGeneral(values[i], 4, 2, ',');
        benchmark::DoNotOptimize(text);
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_FormatGeneral);

void BM_DefaultText(benchmark::State &state)
{
    const auto &values = typicalValues();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = defaultText(values[i], ',');
        benchmark::DoNotOptimize(text);
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_DefaultText);

void BM_FormatFixed(benchmark::State &state)
{
    const auto &values = typicalValues();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = formatFixed(values[i], 6, 3, ',');
        benchmark::DoNotOptimize(text);
        i = i + 1 == values.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_FormatFixed);

// Magnitudes outside the 128-bit fast path (picofarads, far exponents).
void BM_FormatGeneralFarMagnitudes(benchmark::State &state)
{
    const Quantity values[] = {1e-12L, 4.7e-15L, 1e25L, 1e-300L};
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = formatGeneral(values[i], 15, 0, ',');
        benchmark::DoNotOptimize(text);
        i = (i + 1) % 4;
    }
}
BENCHMARK(BM_FormatGeneralFarMagnitudes);

// The ends of the extended range: a press with extreme inputs formats many of these.
void BM_FormatGeneralExtremeMagnitudes(benchmark::State &state)
{
    const Quantity values[] = {1e4000L, -3.3e-4000L, 1.18e4932L, 3.4e-4932L, 7.7e2500L, 1e-2500L};
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = formatGeneral(values[i], 15, 0, ',');
        benchmark::DoNotOptimize(text);
        i = (i + 1) % 6;
    }
}
BENCHMARK(BM_FormatGeneralExtremeMagnitudes);

void BM_FormatFixedExtremeMagnitudes(benchmark::State &state)
{
    const Quantity values[] = {1e4000L, -3.3e-4000L, 1.18e4932L, 3.4e-4932L, 7.7e2500L, 1e-2500L};
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = formatFixed(values[i], 6, 3, ',');
        benchmark::DoNotOptimize(text);
        i = (i + 1) % 6;
    }
}
BENCHMARK(BM_FormatFixedExtremeMagnitudes);

void BM_ParseQuantity(benchmark::State &state)
{
    const std::string texts[] = {"0,47", "1000", "2,2E-6", "10", "0,5", "-3,25", "4700", "1E-3"};
    std::size_t i = 0;
    for (auto _ : state) {
        Quantity v = parseQuantity(texts[i], ',');
        benchmark::DoNotOptimize(v);
        i = (i + 1) % 8;
    }
}
BENCHMARK(BM_ParseQuantity);

// Texts beyond 19 digits or exponent 27, read through the big integers.
void BM_ParseQuantityLongTexts(benchmark::State &state)
{
    const std::string texts[] = {"0,333333333333333333333333", "1E-40", "6,02214076E23",
                                 "1E300"};
    std::size_t i = 0;
    for (auto _ : state) {
        Quantity v = parseQuantity(texts[i], ',');
        benchmark::DoNotOptimize(v);
        i = (i + 1) % 4;
    }
}
BENCHMARK(BM_ParseQuantityLongTexts);

// Far exponents and long texts, down to the denormals.
void BM_ParseQuantityExtremeTexts(benchmark::State &state)
{
    static const std::string texts[] = {
        "1e-4950", "1,18973149535723176e4932", "3,3621031431120935063e-4932", "7,7E2500",
        std::string(800, '7') + "E-4999", "0," + std::string(400, '3') + "E4500"};
    std::size_t i = 0;
    for (auto _ : state) {
        Quantity v = parseQuantity(texts[i], ',');
        benchmark::DoNotOptimize(v);
        i = (i + 1) % 6;
    }
}
BENCHMARK(BM_ParseQuantityExtremeTexts);

}  // namespace
