// libFuzzer target for the number parser and the formats behind it.
//
// For each input text, under both separators:
//  - the parser either returns a finite value or throws ConversionError with the text as
//    typed in its message; it never crashes or hangs;
//  - it accepts exactly the texts of the number grammar (checked by a second, plain
//    reading of the grammar here), rejecting among those only values beyond the range;
//  - the value is the correctly rounded one: glibc's strtold_l under the "C" locale
//    (exact, and unaffected by the process locale) reads the same number in C form;
//  - every accepted value formats and parses back consistently: the 18-digit general
//    text parses to a value with the same text, and general and fixed texts at the
//    precision and digits taken from the input are fixed points of format(parse(...)).
#include "common/errors.h"
#include "common/numbertext.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <string>

using namespace vorneta;

namespace {

[[noreturn]] void fail(const char *what, const std::string &text, char separator)
{
    std::fprintf(stderr, "FAILED: %s, text [%s], separator '%c'\n", what, text.c_str(), separator);
    std::abort();
}

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

// The grammar, read again independently: returns the number in C form ("-12.5e+7"),
// or false when the text is not a number.
bool cForm(const std::string &text, char separator, std::string &out)
{
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos)
        return false;
    const std::size_t e = text.find_last_not_of(' ') + 1;
    const std::string t = text.substr(b, e - b);
    std::size_t i = 0;
    out.clear();
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        out += t[i++];
    std::string whole, fraction;
    bool sep = false;
    while (i < t.size() && digit(t[i]))
        whole += t[i++];
    if (i < t.size() && t[i] == separator) {
        sep = true;
        ++i;
        while (i < t.size() && digit(t[i]))
            fraction += t[i++];
    }
    if (whole.empty() && !sep)
        return false;
    out += (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        std::string sign = "+";
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            sign = t[i++];
        long exponent = 0;
        std::string digits;
        while (i < t.size() && digit(t[i]) && exponent < 500) {
            exponent = exponent * 10 + (t[i] - '0');
            digits += t[i++];
        }
        out += "e" + sign + (digits.empty() ? "0" : digits);
    }
    return i == t.size();
}

bool sameValue(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

locale_t cLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

// Reads a shown text back and formats the value again with the same format: the text
// must come back unchanged. Two kinds of text cannot: near the ends of the range, a text
// rounded to few digits may stand beyond the largest extended value (then the parser
// rejects it) or below the smallest normal one (then it reads back as a denormal, shown
// as zero). Both are let off only when the shown text's own value is out there.
template <typename Format>
void readBack(const std::string &input, const std::string &shown, char separator, Format format)
{
    std::string c;
    if (!cForm(shown, separator, c))
        fail(("shown text outside the grammar: " + shown).c_str(), input, separator);
    const long double exact = strtold_l(c.c_str(), nullptr, cLocale());
    try {
        const long double w = parseQuantity(shown, separator);
        if (format(w) != shown && std::fabs(exact) >= std::numeric_limits<long double>::min())
            fail(("text does not come back: " + shown).c_str(), input, separator);
    } catch (const ConversionError &) {
        if (!std::isinf(exact))
            fail(("shown text not accepted: " + shown).c_str(), input, separator);
    }
}

void roundTrip(const std::string &text, long double v, char separator, int precision,
               int digits)
{
    if (std::fabs(v) < std::numeric_limits<long double>::min())
        return;
    readBack(text, formatGeneral(v, 18, 0, separator), separator,
             [&](long double w) { return formatGeneral(w, 18, 0, separator); });
    readBack(text, formatGeneral(v, precision, digits, separator), separator,
             [&](long double w) { return formatGeneral(w, precision, digits, separator); });
    readBack(text, formatFixed(v, precision, digits, separator), separator,
             [&](long double w) { return formatFixed(w, precision, digits, separator); });
}

void check(const std::string &text, char separator, int precision, int digits)
{
    std::string c;
    const bool grammar = cForm(text, separator, c);
    long double v = 0;
    bool accepted = true;
    try {
        v = parseQuantity(text, separator);
    } catch (const ConversionError &e) {
        accepted = false;
        if (e.message() != "'" + text + "' is not a valid floating point value")
            fail("wrong message", text, separator);
    }
    if (!grammar) {
        if (accepted)
            fail("accepted a text outside the grammar", text, separator);
        return;
    }
    errno = 0;
    const long double expected = strtold_l(c.c_str(), nullptr, cLocale());
    const bool overflow = std::isinf(expected);
    if (!accepted) {
        if (!overflow)
            fail("rejected a number within the range", text, separator);
        return;
    }
    if (overflow)
        fail("accepted a number beyond the range", text, separator);
    if (!sameValue(v, expected)) {
        std::fprintf(stderr, "got %La, expected %La\n", v, expected);
        fail("value not correctly rounded", text, separator);
    }
    roundTrip(text, v, separator, precision, digits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte, when there is one, picks the precision and digits of the round trip.
    int precision = 15, digits = 3;
    if (size > 0) {
        precision = data[0] % 21 - 1;  // -1..19: the limits clamp them
        digits = (data[0] / 21) % 21 - 1;
        ++data;
        --size;
    }
    const std::string text(reinterpret_cast<const char *>(data), size);
    check(text, ',', precision, digits);
    check(text, '.', precision, digits);
    return 0;
}
