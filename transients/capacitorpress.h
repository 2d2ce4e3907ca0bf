#pragma once

#include "transients/surface.h"
#include "transients/texttable.h"

#include <string>

namespace vorneta {

// The texts of the capacitor tab's four edit boxes, as typed.
struct CapacitorInputs
{
    std::string czas;         // Czas: T, the time span shown [s]
    std::string napiecie;     // Napiecie: U, the source voltage [V]
    std::string rezystancja;  // Rezystancja: R [ohm]
    std::string pojemnosc;    // pojemnosc: C [F]
};

// The texts of the capacitor tab's readout labels; a press writes them as it goes.
struct CapacitorReadouts
{
    std::string label111;                                // time constant, " <C*R> [s]"
    std::string label95, label96, label97;               // voltage at full scale, 2/3, 1/3
    std::string label98, label99, label100, label101;    // T/4, T/2, 3T/4, T
    std::string label104, label105, label106;            // current at full scale, 2/3, 1/3
    std::string label108, label109;                      // full charge, half charge

    friend bool operator==(const CapacitorReadouts &, const CapacitorReadouts &) = default;
};

// A press of "Wykres" on the capacitor tab: reads the inputs, shows the time constant,
// prepares the plot, writes the scale readouts, draws the voltage (blue), current (red)
// and charge (green) curves of 421 samples each, fills rows 1 to 419 of the table with
// time, voltage and current, and draws the two axis lines over the curves.
//
// A failure (ConversionError, or a floating-point fault) ends the press where it happens:
// what was written or drawn before it stays. The sample rows are replaced together once
// every row has been made, so a press that fails before that leaves them as they were.
void capacitorPress(const CapacitorInputs &inputs, char separator, Surface &image5, TextTable &grid1,
                    CapacitorReadouts &readouts);

}  // namespace vorneta
