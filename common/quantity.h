#pragma once

#include <cstdint>
#include <limits>

namespace vorneta {

// Every electrical value is held and computed as an 80-bit extended real.
using Quantity = long double;
static_assert(std::numeric_limits<Quantity>::digits == 64,
              "Vorneta needs the 80-bit extended type with a 64-bit mantissa");

// A pixel coordinate on a drawing surface, as produced by pixel rounding.
using Pixel = std::int64_t;

}  // namespace vorneta
