// A slider drag runs its handler on every step: the tabs' computations alone, and a slider
// step through the whole handler with its label updates.
#include "circuits/kirchhoff.h"
#include "circuits/ohm.h"
#include "circuits/power.h"
#include "circuits/quantities.h"
#include "circuits/ui/kirchhoffcurrenttab.h"
#include "circuits/ui/kirchhoffvoltagetab.h"
#include "circuits/ui/ohmtab.h"
#include "circuits/ui/powertab.h"

#include <QSlider>

#include <benchmark/benchmark.h>

using namespace vorneta;

namespace {

void BM_OhmComputation(benchmark::State &state)
{
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ohmSliderChanged(OhmSlider::Current, position - 50, ','));
        position = (position + 7) % 101;
    }
}
BENCHMARK(BM_OhmComputation);

void BM_KirchhoffCurrentComputation(benchmark::State &state)
{
    setStartQuantities();
    PradJ1Wezel = 3.7L;
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nodeSliderChanged(NodeSlider::R2, 10 + position, ','));
        position = (position + 7) % 91;
    }
}
BENCHMARK(BM_KirchhoffCurrentComputation);

void BM_KirchhoffVoltageComputation(benchmark::State &state)
{
    setStartQuantities();
    NapiecieU1Oczko = 37.1L;
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(loopSliderChanged(LoopSlider::R2, 10 + position, ','));
        position = (position + 7) % 91;
    }
}
BENCHMARK(BM_KirchhoffVoltageComputation);

void BM_PowerComputation(benchmark::State &state)
{
    setStartQuantities();
    SemMoc = 7.3L;
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(powerSliderChanged(PowerSlider::Phase, position, ','));
        position = (position + 7) % 181;
    }
}
BENCHMARK(BM_PowerComputation);

// One slider step as the user makes it: the new position, the change notification, the
// handler through the error guard, and its label texts and sizes.
template <typename Tab>
void sliderSteps(benchmark::State &state, const char *sliderName)
{
    setStartQuantities();
    Tab tab;
    auto *slider = tab.template findChild<QSlider *>(QString::fromLatin1(sliderName));
    const int span = slider->maximum() - slider->minimum() + 1;
    int step = 0;
    for (auto _ : state) {
        slider->setValue(slider->minimum() + step);
        step = (step + 7) % span;
    }
}

void BM_OhmSliderStep(benchmark::State &state) { sliderSteps<OhmTab>(state, "TrackBar1"); }
BENCHMARK(BM_OhmSliderStep);

void BM_KirchhoffCurrentSliderStep(benchmark::State &state)
{
    sliderSteps<KirchhoffCurrentTab>(state, "TrackBar5");
}
BENCHMARK(BM_KirchhoffCurrentSliderStep);

void BM_KirchhoffVoltageSliderStep(benchmark::State &state)
{
    sliderSteps<KirchhoffVoltageTab>(state, "TrackBar10");
}
BENCHMARK(BM_KirchhoffVoltageSliderStep);

void BM_PowerSliderStep(benchmark::State &state) { sliderSteps<PowerTab>(state, "TrackBar15"); }
BENCHMARK(BM_PowerSliderStep);

}  // namespace
