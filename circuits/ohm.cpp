#include "circuits/ohm.h"

#include "circuits/quantities.h"
#include "circuits/sliders.h"
#include "common/checked.h"
#include "common/numbertext.h"

namespace vorneta {

OhmReadings ohmSliderChanged(OhmSlider slider, int position, char separator)
{
    OhmReadings readings;
    readings.setting = storeSetting(slider == OhmSlider::Current ? PradOhm : RezystancjaOhm,
                                    position, separator);
    // With R = 0 and a negative current the product is -0, which the number text writes as 0.
    readings.voltage = defaultText((Real(PradOhm) * Real(RezystancjaOhm)).value(), separator);
    return readings;
}

}  // namespace vorneta
