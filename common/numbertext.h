#pragma once

#include "common/quantity.h"

#include <string>
#include <string_view>

namespace vorneta {

// Number text: how every reading, table cell and edit box turns numbers into text and
// back. All of it is independent of the C library's locale; the decimal separator is
// passed in by the caller (the UI layer owns it). Strings are UTF-8.

// General format with precision P (2..18) and digits D (no effect in this format).
std::string formatGeneral(Quantity value, int precision, int digits, char separator);
// Fixed format with precision P and D digits after the separator.
std::string formatFixed(Quantity value, int precision, int digits, char separator);
// The default number text: the general format with precision 15.
std::string defaultText(Quantity value, char separator);
// Reads an edit box's text; throws ConversionError with the text exactly as typed.
Quantity parseQuantity(std::string_view text, char separator);

}  // namespace vorneta
