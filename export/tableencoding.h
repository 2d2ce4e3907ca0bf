#pragma once

#include "transients/texttable.h"

#include <string>
#include <string_view>

namespace vorneta {

// The bytes of an exported table file: every row from 0 to the last, the cells of a row joined
// by ",", each line ended by CR LF (the last one too), no byte-order mark, no heading or trailer
// of its own. A cell is put in double quotes, its inner quotes doubled, when it holds a comma,
// a double quote, a space or a control character of code 1 to 31; any other cell, an empty one
// included, is written as it stands (a line of one single empty cell is written as two double
// quotes, so that it is not an empty line). Cells are UTF-8; the file holds Windows-1250 bytes.
std::string encodeTable(const TextTable &table);

// One cell as it stands in a line: quoted when the rule above asks for it, in Windows-1250.
std::string encodeCell(std::string_view utf8);

// UTF-8 text as Windows-1250 bytes. A character that the code page does not hold, and every
// byte of a broken UTF-8 sequence, becomes "?".
std::string toWindows1250(std::string_view utf8);

// The Unicode character that a Windows-1250 byte stands for, 0 for the five unassigned bytes
// (0x81, 0x83, 0x88, 0x90, 0x98).
char32_t fromWindows1250(unsigned char byte);

}  // namespace vorneta
