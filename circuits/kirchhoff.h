#pragma once

#include <array>
#include <string>

namespace vorneta {

// "I prawo Kirchhoffa": two current sources J1, J2 feed three resistors R1, R2, R3 in
// parallel; the branch ammeters show I_k = U / R_k with U = (J1 + J2) * Rp.
enum class NodeSlider {
    J1,  // TrackBar3, PradJ1Wezel, readout Label16
    J2,  // TrackBar4, PradJ2Wezel, readout Label18
    R1,  // TrackBar5, RezystancjaR1Wezel, readout Label22
    R2,  // TrackBar6, RezystancjaR2Wezel, readout Label23
    R3,  // TrackBar7, RezystancjaR3Wezel, readout Label24
};

struct NodeReadings {
    std::string setting;                     // the moved slider's own readout
    std::array<std::string, 3> branchCurrents;  // through R1, R2, R3: Label37, Label38, Label39
};

NodeReadings nodeSliderChanged(NodeSlider slider, int position, char separator);

// "II prawo Kirchhoffa": two voltage sources U1, U2 and three resistors R1, R2, R3 in
// series; the voltmeters show the drops R_k * I with I = (U1 + U2) / (R1 + R2 + R3).
enum class LoopSlider {
    U1,  // TrackBar10, NapiecieU1Oczko, readout Label72
    U2,  // TrackBar11, NapiecieU2Oczko, readout Label73
    R1,  // TrackBar12, RezystancjaR1Oczko, readout Label77
    R2,  // TrackBar13, RezystancjaR2Oczko, readout Label78
    R3,  // TrackBar14, RezystancjaR3Oczko, readout Label79
};

struct LoopReadings {
    std::string setting;                  // the moved slider's own readout
    std::array<std::string, 3> drops;     // across R1, R2, R3: Label74, Label76, Label75
};

LoopReadings loopSliderChanged(LoopSlider slider, int position, char separator);

}  // namespace vorneta
