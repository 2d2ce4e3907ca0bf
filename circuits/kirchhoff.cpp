#include "circuits/kirchhoff.h"

#include "circuits/quantities.h"
#include "circuits/sliders.h"
#include "common/checked.h"
#include "common/numbertext.h"

namespace vorneta {

namespace {

Quantity &nodeQuantity(NodeSlider slider)
{
    switch (slider) {
    case NodeSlider::J1: return PradJ1Wezel;
    case NodeSlider::J2: return PradJ2Wezel;
    case NodeSlider::R1: return RezystancjaR1Wezel;
    case NodeSlider::R2: return RezystancjaR2Wezel;
    case NodeSlider::R3: break;
    }
    return RezystancjaR3Wezel;
}

Quantity &loopQuantity(LoopSlider slider)
{
    switch (slider) {
    case LoopSlider::U1: return NapiecieU1Oczko;
    case LoopSlider::U2: return NapiecieU2Oczko;
    case LoopSlider::R1: return RezystancjaR1Oczko;
    case LoopSlider::R2: return RezystancjaR2Oczko;
    case LoopSlider::R3: break;
    }
    return RezystancjaR3Oczko;
}

}  // namespace

NodeReadings nodeSliderChanged(NodeSlider slider, int position, char separator)
{
    NodeReadings readings;
    readings.setting = storeSetting(nodeQuantity(slider), position, separator);

    const Real r1(RezystancjaR1Wezel), r2(RezystancjaR2Wezel), r3(RezystancjaR3Wezel);
    const Real one(1.0L);
    // Parallel resistance, the reciprocals added in the order R1, R2, R3.
    const Real parallel = one / (one / r1 + one / r2 + one / r3);
    const Real node = (Real(PradJ1Wezel) + Real(PradJ2Wezel)) * parallel;
    readings.branchCurrents[0] = formatGeneral((node / r1).value(), 2, 3, separator);
    readings.branchCurrents[1] = formatGeneral((node / r2).value(), 2, 3, separator);
    readings.branchCurrents[2] = formatGeneral((node / r3).value(), 2, 3, separator);
    return readings;
}

LoopReadings loopSliderChanged(LoopSlider slider, int position, char separator)
{
    LoopReadings readings;
    readings.setting = storeSetting(loopQuantity(slider), position, separator);

    const Real r1(RezystancjaR1Oczko), r2(RezystancjaR2Oczko), r3(RezystancjaR3Oczko);
    // Loop current, the resistances added in the order R1, R2, R3.
    const Real current = (Real(NapiecieU1Oczko) + Real(NapiecieU2Oczko)) / (r1 + r2 + r3);
    readings.drops[0] = formatGeneral((r1 * current).value(), 3, 2, separator);
    readings.drops[1] = formatGeneral((r2 * current).value(), 3, 2, separator);
    readings.drops[2] = formatGeneral((r3 * current).value(), 3, 2, separator);
    return readings;
}

}  // namespace vorneta
