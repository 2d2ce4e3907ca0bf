#pragma once

#include <string>

namespace vorneta {

// "Pomiar mocy": a source of electromotive force E feeds a load of impedance Z with the
// phase shift phi between voltage and current. The meters show the current E / Z, the
// apparent power S = E * E / Z, the reactive power S sin(phi) and the active power S cos(phi).
enum class PowerSlider {
    Emf,        // TrackBar8, SemMoc (tenths of a volt), readout Label46
    Impedance,  // TrackBar9, ImpedancjaMoc (tenths of an ohm), readout Label47
    Phase,      // TrackBar15, KatMoc (whole degrees), readout Label84
};

struct PowerReadings {
    std::string setting;   // the moved slider's own readout
    std::string current;   // Label48
    std::string apparent;  // Label49, S
    std::string reactive;  // Label85, Q
    std::string active;    // Label86, P
};

PowerReadings powerSliderChanged(PowerSlider slider, int position, char separator);

}  // namespace vorneta
