#include "export/tableencoding.h"

#include <algorithm>
#include <array>

namespace vorneta {

namespace {

// The upper half of Windows-1250 (bytes 0x80 to 0xFF) as Unicode; the lower half is ASCII.
// The program keeps its own copy of these 128 entries instead of asking iconv at run time:
// the conversion then cannot fail on a machine whose C library lacks its code-page modules,
// and what happens to a character outside the code page is decided here, not by a library
// setting. The tests compare the table with the C library's converter where one is present.
constexpr std::array<char16_t, 128> upperHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

// The tables hold only texts this program makes (digits, signs, "E", the decimal separator,
// ASCII headings), so nothing outside the code page is expected. Should one ever come, it is
// written as "?", as Windows itself does: the line keeps its cells and delimiters, and "?" can
// neither split a cell nor change its quoting.
constexpr char replacement = '?';

char encodeCharacter(char32_t c)
{
    if (c < 0x80)
        return static_cast<char>(c);
    if (c <= 0xFFFF) {
        const auto found = std::find(upperHalf.begin(), upperHalf.end(), static_cast<char16_t>(c));
        if (found != upperHalf.end())
            return static_cast<char>(0x80 + (found - upperHalf.begin()));
    }
    return replacement;
}

// Decodes one UTF-8 character starting at text[i] and moves i past it. A byte that does not
// begin a well-formed, shortest-form sequence of a valid code point is taken alone and gives
// ok = false.
char32_t decodeUtf8(std::string_view text, std::size_t &i, bool &ok)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    ok = true;
    if (first < 0x80) {
        ++i;
        return first;
    }
    int length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if ((first & 0xE0) == 0xC0) {
        length = 2; c = first & 0x1F; smallest = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3; c = first & 0x0F; smallest = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4; c = first & 0x07; smallest = 0x10000;
    }
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        ok = false;
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            ok = false;
            return 0;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        ok = false;
        return 0;
    }
    i += static_cast<std::size_t>(length);
    return c;
}

bool needsQuoting(std::string_view utf8)
{
    // Only ASCII bytes can be triggers; every byte of a multi-byte UTF-8 character is above 127.
    return std::any_of(utf8.begin(), utf8.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c == ',' || c == '"' || c == ' ' || (c >= 1 && c <= 31);
    });
}

}  // namespace

char32_t fromWindows1250(unsigned char byte)
{
    return byte < 0x80 ? byte : upperHalf[byte - 0x80];
}

std::string toWindows1250(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        bool ok = false;
        const char32_t c = decodeUtf8(utf8, i, ok);
        bytes += ok ? encodeCharacter(c) : replacement;
    }
    return bytes;
}

std::string encodeCell(std::string_view utf8)
{
    const std::string bytes = toWindows1250(utf8);
    if (!needsQuoting(utf8))
        return bytes;
    std::string quoted;
    quoted.reserve(bytes.size() + 2);
    quoted += '"';
    for (char c : bytes) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string encodeTable(const TextTable &table)
{
    std::string file;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            if (column > 0)
                file += ',';
            file += encodeCell(table.cell(column, row));
        }
        // A line of one single empty cell would be indistinguishable from no cell at all.
        if (table.columnCount() == 1 && table.cell(0, row).empty())
            file += "\"\"";
        file += "\r\n";
    }
    return file;
}

}  // namespace vorneta
