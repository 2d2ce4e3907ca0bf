#pragma once

namespace vorneta {

// The decimal separator of the user's numeric settings, as the number text uses it:
// the locale's decimal point, "." when it cannot be read or is not one ASCII character.
// Read at start-up and again whenever the application sees a locale change.
char decimalSeparator();

// Reads the separator again now (called on a locale change).
void refreshDecimalSeparator();

}  // namespace vorneta
