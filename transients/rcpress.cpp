#include "transients/rcpress.h"

#include "common/checked.h"
#include "common/numbertext.h"
#include "transients/closedforms.h"
#include "transients/plotframes.h"

#include <array>
#include <cmath>
#include <vector>

namespace vorneta {

namespace {

constexpr int kSamples = 420;  // sample 420 is at time T
constexpr int kTabulated = kTableRows - 1;
constexpr Pixel kOriginY = 195;

std::string sampleText(Real v, char sep) { return formatFixed(v.value(), 3, 6, sep); }

}  // namespace

void rcPress(const RcInputs &in, char sep, Surface &s, TextTable &grid, RcReadouts &out)
{
    // 1. A clean plot with its whole frame, before any input is read.
    prepareRcPlot(s);

    // 2. The inputs, in the order of the boxes.
    const Real T = parseQuantity(in.czasRC, sep);
    const Real R = parseQuantity(in.rezystancjaRC, sep);
    const Real C = parseQuantity(in.pojemnoscRC, sep);
    const Real Uc0 = parseQuantity(in.napPoczRC, sep);
    const Real U0 = parseQuantity(in.skladStalaRC, sep);
    const Real Um = sqrt(Real(2)) * parseQuantity(in.skladZmiennaRC, sep);
    const Real Tp = Real(1) / parseQuantity(in.okresRC, sep);
    const Real alpha = parseQuantity(in.katRC, sep);

    // 3. Derived values.
    const RcDerived d = deriveRc(T, R, C, Uc0, U0, Um, Tp, alpha);

    // 4. The samples as text. Rows 1 to 419 are made aside and replace the table's sample
    // rows together; sample 420 has no row and is kept for the drawing.
    std::array<std::vector<std::string>, kRcTableColumns> rows;
    for (auto &column : rows)
        column.resize(kTabulated + 1);
    std::array<std::string, kRcTableColumns> held;
    Real t = 0;
    for (int k = 1; k <= kSamples; ++k) {
        t = t + d.dt;
        // Uz, Uc and Ur as NapiecieZrodlaRC, NapiecieKondensatoraRC and NapiecieRezystoraRC give them.
        const RcVoltages v = rcVoltagesAt(d.A, t, d.tau, U0, Um, d.omega, d.phi, d.psi);
        std::array<std::string, kRcTableColumns> sample;
        sample[0] = sampleText(t, sep);
        sample[1] = sampleText(v.uz, sep);
        sample[2] = sampleText(v.uc, sep);
        sample[3] = sampleText(v.ur, sep);
        if (k <= kTabulated) {
            for (int column = 0; column < kRcTableColumns; ++column)
                rows[column][k] = std::move(sample[column]);
        } else {
            held = std::move(sample);
        }
        if (k == kTabulated) {
            for (int column = 0; column < kRcTableColumns; ++column)
                for (int row = 1; row <= kTabulated; ++row)
                    grid.setCell(column, row, std::move(rows[column][row]));
        }
    }

    // 5. Full scale: the largest magnitude among the value texts of the table. The values
    // read back here are kept for the drawing, which reads the same texts.
    std::array<std::vector<Quantity>, kRcTableColumns> values;
    for (int column = 1; column < grid.columnCount(); ++column) {
        values[column].resize(kTabulated + 1);
        for (int row = 1; row < grid.rowCount(); ++row)
            values[column][row] = parseQuantity(grid.cell(column, row), sep);
    }
    Quantity S = std::fabs(values[1][1]);
    for (int column = 1; column < grid.columnCount(); ++column) {
        for (int row = 1; row < grid.rowCount(); ++row) {
            const Quantity m = std::fabs(values[column][row]);
            if (m > S)
                S = m;
        }
    }

    // 6. Readouts.
    out.label122 = defaultText(S, sep);
    out.label123 = defaultText((Real(S) * Real(-1)).value(), sep);
    out.label124 = in.czasRC;

    // 7. The curves, drawn from the texts.
    const std::array<Colour, 3> pens = {kBlue, kRed, kGreen};
    for (int column = 1; column <= 3; ++column) {
        s.setPenColour(pens[column - 1]);
        // Sample 420's text is read back only when its point is drawn: a text rounded beyond
        // the extended range (from about 1.19E4932 up) fails there, after the curve's other lines.
        const auto y = [&](int k) {
            const Quantity v = k <= kTabulated ? values[column][k] : parseQuantity(held[column], sep);
            return plotRow(kOriginY, Real(v) * (Real(165) / Real(S)));
        };
        s.moveTo(40, y(1));
        for (int k = 2; k <= kSamples; ++k)
            s.lineTo(39 + k, y(k));
    }
}

}  // namespace vorneta
