#include "circuits/sliders.h"

#include "common/checked.h"
#include "common/numbertext.h"

namespace vorneta {

Quantity sliderValue(int position, SliderScale scale)
{
    const Real value(static_cast<Quantity>(position));
    return scale == SliderScale::Tenths ? (value / Real(10.0L)).value() : value.value();
}

std::string storeSetting(Quantity &quantity, int position, char separator, SliderScale scale)
{
    quantity = sliderValue(position, scale);
    return defaultText(quantity, separator);
}

}  // namespace vorneta
