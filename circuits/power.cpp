#include "circuits/power.h"

#include "circuits/quantities.h"
#include "circuits/sliders.h"
#include "common/checked.h"
#include "common/numbertext.h"

namespace vorneta {

namespace {

Real apparentPower()
{
    return Real(SemMoc) * Real(SemMoc) / Real(ImpedancjaMoc);
}

// The phase in radians: degrees times pi, then divided by 180.
Real phaseRadians()
{
    return Real(KatMoc) * Real(kPi) / Real(180.0L);
}

}  // namespace

PowerReadings powerSliderChanged(PowerSlider slider, int position, char separator)
{
    PowerReadings readings;
    switch (slider) {
    case PowerSlider::Emf:
        readings.setting = storeSetting(SemMoc, position, separator);
        break;
    case PowerSlider::Impedance:
        readings.setting = storeSetting(ImpedancjaMoc, position, separator);
        break;
    case PowerSlider::Phase:
        readings.setting = storeSetting(KatMoc, position, separator, SliderScale::Whole);
        break;
    }

    readings.current = formatGeneral((Real(SemMoc) / Real(ImpedancjaMoc)).value(), 2, 3, separator);
    readings.apparent = formatGeneral(apparentPower().value(), 3, 2, separator);
    // sin 180 degrees and cos 90 degrees are not exactly zero in extended precision; at
    // those two angles the meters show a plain zero instead of a tiny product.
    readings.reactive = KatMoc == 180.0L
        ? formatGeneral(0.0L, 2, 2, separator)
        : formatGeneral((sin(phaseRadians()) * apparentPower()).value(), 3, 2, separator);
    readings.active = KatMoc == 90.0L
        ? formatGeneral(0.0L, 2, 2, separator)
        : formatGeneral((cos(phaseRadians()) * apparentPower()).value(), 3, 2, separator);
    return readings;
}

}  // namespace vorneta
