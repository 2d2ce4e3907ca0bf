#pragma once

#include "transients/surface.h"
#include "transients/texttable.h"

#include <string>

namespace vorneta {

// The texts of the RC tab's eight edit boxes, as typed.
struct RcInputs
{
    std::string czasRC;          // T, the simulated time [s]
    std::string rezystancjaRC;   // R [ohm]
    std::string pojemnoscRC;     // C [F]
    std::string napPoczRC;       // Uc0, the capacitor's initial voltage [V]
    std::string skladStalaRC;    // U0, the DC component [V]
    std::string skladZmiennaRC;  // the AC component's RMS value [V]
    std::string okresRC;         // f, the AC component's frequency [Hz]
    std::string katRC;           // alpha, the AC component's phase [deg]
};

// The texts of the RC tab's readout labels.
struct RcReadouts
{
    std::string label122;  // plus full scale
    std::string label123;  // minus full scale
    std::string label124;  // the simulated time as typed

    friend bool operator==(const RcReadouts &, const RcReadouts &) = default;
};

// A press of "Wykres" on the RC tab: prepares the plot, reads the inputs, makes 420
// samples of source, capacitor and resistor voltage as text (rows 1 to 419 of the table;
// sample 420 is held aside, drawn but never tabulated), takes the full scale from the
// table's value texts, writes the readouts and draws the three curves from the texts:
// source blue, capacitor red, resistor green.
//
// A failure ends the press where it happens; what was written or drawn before it stays.
// The sample rows are replaced together once every row has been made, so a press that
// fails before that leaves them as they were.
void rcPress(const RcInputs &inputs, char separator, Surface &image7, TextTable &grid2, RcReadouts &readouts);

}  // namespace vorneta
