#pragma once

#include <QImage>

namespace vorneta {

// The fixed circuit pictures beside the plots, black on white.

// Image6, 165 x 124: a DC source (battery) marked U on the left branch, a resistor R on
// the top branch, a capacitor C on the right branch and an open switch on the bottom one.
QImage capacitorCircuitPicture();

// Image8, 209 x 124: the same loop fed by a voltage source, a circle with a green upward
// arrow, marked U.
QImage rcCircuitPicture();

}  // namespace vorneta
