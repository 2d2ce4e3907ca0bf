#include "transients/capacitorpress.h"

#include "common/checked.h"
#include "common/numbertext.h"
#include "transients/closedforms.h"
#include "transients/plotframes.h"

#include <array>
#include <vector>

namespace vorneta {

namespace {

constexpr int kSamples = 421;        // drawn per curve; the last one step beyond T
constexpr int kTabulated = kTableRows - 1;
constexpr Quantity kTwoThirds = 2.0L / 3.0L;
constexpr Quantity kOneThird = 1.0L / 3.0L;
constexpr Pixel kOriginX = 119;      // sample k is drawn at x = 119 + k
constexpr Pixel kOriginY = 360;

}  // namespace

void capacitorPress(const CapacitorInputs &in, char sep, Surface &s, TextTable &grid, CapacitorReadouts &out)
{
    // 1. The inputs, in the order of the boxes.
    const Real T = parseQuantity(in.czas, sep);
    const Real U = parseQuantity(in.napiecie, sep);
    const Real R = parseQuantity(in.rezystancja, sep);
    const Real C = parseQuantity(in.pojemnosc, sep);

    // 2. The time constant.
    out.label111 = " " + defaultText((C * R).value(), sep) + " [s]";

    // 3. A clean plot region with its ticks and arrowheads.
    prepareCapacitorPlot(s);

    // 4., 5. Voltage scale and the voltage and time readouts.
    const Real sU = Real(330) / U;
    out.label95 = defaultText(U.value(), sep);
    out.label96 = formatGeneral((U * kTwoThirds).value(), 4, 3, sep);
    out.label97 = formatGeneral((U * kOneThird).value(), 4, 3, sep);
    out.label98 = defaultText((T * 0.25L).value(), sep);
    out.label99 = defaultText((T * 0.5L).value(), sep);
    out.label100 = defaultText((T * 0.75L).value(), sep);
    out.label101 = defaultText(T.value(), sep);

    // 6. The step.
    const Real dt = T / Real(420);

    // The new sample rows are made aside and replace the old ones only once complete.
    std::array<std::vector<std::string>, kCapacitorTableColumns> rows;
    for (auto &column : rows)
        column.resize(kTabulated + 1);

    // 7. Voltage curve. The current and charge curves restart the running time and evaluate
    // the same samples again, which gives the same values: they are kept from here.
    std::array<Real, kSamples + 1> voltage;
    s.setPenColour(kBlue);
    s.moveTo(120, kOriginY);
    Real t = 0;
    for (int k = 1; k <= kSamples; ++k) {
        t = t + dt;
        const Real u = NapiecieKondensatora(t, R, C, U);
        voltage[k] = u;
        s.lineTo(kOriginX + k, plotRow(kOriginY, u * sU));
        if (k <= kTabulated) {
            rows[0][k] = formatFixed(t.value(), 3, 3, sep);
            rows[1][k] = formatFixed(u.value(), 3, 3, sep);
        }
    }

    // 8. Current readouts and curve.
    const Real Imax = U / R;
    out.label104 = formatGeneral(Imax.value(), 2, 3, sep);
    out.label105 = formatGeneral((Imax * kTwoThirds).value(), 2, 3, sep);
    out.label106 = formatGeneral((Imax * kOneThird).value(), 2, 3, sep);
    s.setPenColour(kRed);
    s.moveTo(120, 30);
    const Real sI = Real(330) / Imax;
    for (int k = 1; k <= kSamples; ++k) {
        const Real u = voltage[k];
        s.lineTo(kOriginX + k, plotRow(kOriginY, ((U - u) * sI) / R));
        if (k <= kTabulated) {
            rows[2][k] = formatFixed(((U - u) / R).value(), 3, 6, sep);
            if (k == kTabulated) {
                for (int column = 0; column < kCapacitorTableColumns; ++column)
                    for (int row = 1; row <= kTabulated; ++row)
                        grid.setCell(column, row, std::move(rows[column][row]));
            }
        }
    }

    // 9. Charge readouts and curve.
    const Real Qmax = U * C;
    out.label108 = formatGeneral(Qmax.value(), 2, 3, sep);
    out.label109 = formatGeneral((Qmax * 0.5L).value(), 2, 3, sep);
    s.setPenColour(kGreen);
    s.moveTo(120, kOriginY);
    const Real sQ = Real(330) / Qmax;
    for (int k = 1; k <= kSamples; ++k) {
        const Real u = voltage[k];
        s.lineTo(kOriginX + k, plotRow(kOriginY, u * C * (Real(kTwoThirds) * sQ)));
    }

    // 10. The two axis lines, over the curves.
    s.setPenColour(kBlack);
    s.moveTo(120, 10);
    s.lineTo(120, 364);
    s.moveTo(590, 360);
    s.lineTo(116, 360);
}

}  // namespace vorneta
