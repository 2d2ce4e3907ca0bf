#pragma once

#include <string>

namespace vorneta {

// "Prawo Ohma": a current source drives I through a resistor R; the voltmeter shows U = R * I.
// The handlers' work without the widgets: each stores its slider's setting in the tab's
// quantity (PradOhm, RezystancjaOhm) and returns the texts of the readouts it rewrites.

enum class OhmSlider {
    Current,     // TrackBar1, PradOhm, readout Label3
    Resistance,  // TrackBar2, RezystancjaOhm, readout Label4
};

struct OhmReadings {
    std::string setting;  // the moved slider's own readout
    std::string voltage;  // Label5: U = I * R
};

OhmReadings ohmSliderChanged(OhmSlider slider, int position, char separator);

}  // namespace vorneta
