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

// ---------------------------------------------------------------------------------------
// The same presses through the tabs: the press, the readout labels, one notification to
// the grid, and (second pair) the plot and the grid painted again as the screen would.

#include "export/ui/tableexporter.h"
#include "transients/ui/capacitortab.h"
#include "transients/ui/rctab.h"
#include "transients/ui/resultgrid.h"
#include "transients/ui/surfaceview.h"

#include <QLineEdit>
#include <QPixmap>

namespace {

void fillCapacitorInputs(CapacitorTab &tab)
{
    tab.Czas->setText(QStringLiteral("1"));
    tab.Napiecie->setText(QStringLiteral("10"));
    tab.Rezystancja->setText(QStringLiteral("1000"));
    tab.pojemnosc->setText(QStringLiteral("1E-4"));
}

void fillRcInputs(RcTab &tab)
{
    // texts without a separator, so they read the same under any locale
    const char *texts[] = {"2E-1", "100", "1E-3", "-2", "3", "5", "10", "30"};
    QLineEdit *edits[] = {tab.CzasRC,        tab.RezystancjaRC,   tab.PojemnoscRC, tab.Nap_PoczRC,
                          tab.Sklad_StalaRC, tab.Sklad_ZmiennaRC, tab.OkresRC,     tab.KatRC};
    for (int i = 0; i < 8; ++i)
        edits[i]->setText(QString::fromLatin1(texts[i]));
}

}  // namespace

static void BM_CapacitorTabPress(benchmark::State &state)
{
    TableExporter exporter;
    CapacitorTab tab(exporter);
    tab.resize(777, 509);
    tab.drawActivationFrame();
    tab.writeHeadings();
    fillCapacitorInputs(tab);
    QPixmap screen(777, 509);
    const bool paint = state.range(0) != 0;
    for (auto _ : state) {
        tab.Button1Click();
        if (paint) {
            tab.Image5->render(&screen, tab.Image5->pos());
            tab.StringGrid1->render(&screen, tab.StringGrid1->pos());
        }
    }
}
BENCHMARK(BM_CapacitorTabPress)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

static void BM_RcTabPress(benchmark::State &state)
{
    TableExporter exporter;
    RcTab tab(exporter);
    tab.resize(777, 509);
    tab.writeHeadings();
    tab.drawActivationFrame();
    fillRcInputs(tab);
    QPixmap screen(777, 509);
    const bool paint = state.range(0) != 0;
    for (auto _ : state) {
        tab.Button3Click();
        if (paint) {
            tab.Image7->render(&screen, tab.Image7->pos());
            tab.StringGrid2->render(&screen, tab.StringGrid2->pos());
        }
    }
}
BENCHMARK(BM_RcTabPress)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// An RC press whose transient dies out within the first samples: the resistor voltage runs
// through magnitudes down to the extended range's bottom (about 1E-4950) before it is 0.
static void BM_RcPressFastTransient(benchmark::State &state)
{
    Surface image7 = makeRcSurface();
    TextTable grid2 = makeRcTable();
    RcReadouts readouts;
    const RcInputs in = {"1", "1", "1E-5", "0", "10", "0", "1", "0"};
    for (auto _ : state) {
        rcPress(in, ',', image7, grid2, readouts);
        benchmark::DoNotOptimize(image7.bits());
    }
}
BENCHMARK(BM_RcPressFastTransient)->Unit(benchmark::kMicrosecond);
