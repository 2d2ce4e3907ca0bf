#pragma once

#include "common/quantity.h"

#include <string>

namespace vorneta {

// The first steps of every slider handler on the four circuit tabs: the slider's integer
// position becomes the slider's quantity, which stays stored until that slider moves again,
// and the stored value becomes the text of the slider's own readout (the default number
// text). Most sliders count tenths of their unit; the phase slider counts whole degrees.
enum class SliderScale { Tenths, Whole };

Quantity sliderValue(int position, SliderScale scale = SliderScale::Tenths);

// Stores the position's value in `quantity` and returns the setting readout's text.
std::string storeSetting(Quantity &quantity, int position, char separator,
                         SliderScale scale = SliderScale::Tenths);

}  // namespace vorneta
