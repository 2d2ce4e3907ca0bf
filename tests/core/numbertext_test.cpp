#include "common/errors.h"
#include "common/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

using namespace vorneta;

namespace {

using Limits = std::numeric_limits<Quantity>;

enum class Format { Default, General, Fixed };

struct FormatCase {
    Quantity value;
    Format format;
    int precision;
    int digits;
    const char *text;  // with "," as the separator
};

std::string format(const FormatCase &c, char separator)
{
    switch (c.format) {
    case Format::Default: return defaultText(c.value, separator);
    case Format::General: return formatGeneral(c.value, c.precision, c.digits, separator);
    case Format::Fixed: return formatFixed(c.value, c.precision, c.digits, separator);
    }
    return {};
}

std::string withSeparator(std::string text, char separator)
{
    for (char &c : text)
        if (c == ',')
            c = separator;
    return text;
}

std::string describe(Quantity v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.21Lg", v);
    return buf;
}

void expectFormats(const std::vector<FormatCase> &cases)
{
    for (const char separator : {',', '.'}) {
        for (const FormatCase &c : cases) {
            EXPECT_EQ(format(c, separator), withSeparator(c.text, separator))
                << "value " << describe(c.value) << ", P " << c.precision << ", D " << c.digits
                << ", separator '" << separator << "'";
        }
    }
}

bool sameBits(Quantity a, Quantity b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

locale_t cLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

}  // namespace

TEST(NumberText, ExamplesOfTheFormats)
{
    expectFormats({
        {0.5L, Format::Default, 15, 0, "0,5"},
        {1.0L / 3.0L, Format::Default, 15, 0, "0,333333333333333"},
        {0.0001L, Format::Default, 15, 0, "0,0001"},
        {0.00001L, Format::Default, 15, 0, "1E-5"},
        {1e15L, Format::Default, 15, 0, "1E15"},
        {1234567890123456.0L, Format::Default, 15, 0, "1,23456789012346E15"},
        {2.0L / 3.0L, Format::General, 4, 0, "0,6667"},
        {12345.0L, Format::General, 4, 0, "1,235E4"},
        {330.0L, Format::General, 2, 0, "3,3E2"},
        {12.5L, Format::General, 2, 0, "13"},
        {0.125L, Format::General, 2, 0, "0,13"},
        {-0.00004L, Format::General, 2, 0, "-4E-5"},
        {0.0L, Format::Fixed, 3, 3, "0,000"},
        {12.3456L, Format::Fixed, 3, 3, "12,300"},
        {-0.0004L, Format::Fixed, 3, 3, "0,000"},
        {-0.0006L, Format::Fixed, 3, 3, "-0,001"},
        {999.6L, Format::Fixed, 3, 3, "1E3"},
        {5.123456L, Format::Fixed, 3, 6, "5,120000"},
    });
}

TEST(NumberText, RoundingThroughEighteenDigitsThenHalfAwayFromZero)
{
    expectFormats({
        // carry into a new leading digit
        {99.96L, Format::General, 3, 0, "100"},
        {-99.96L, Format::General, 3, 0, "-100"},
        {99.96L, Format::Fixed, 3, 3, "100,000"},
        {0.9996L, Format::Fixed, 3, 3, "1,000"},
        {999.96L, Format::General, 3, 0, "1E3"},
        // 9.995 is held a little below 9.995, but its 18 digits end in ...5000
        {9.995L, Format::General, 3, 0, "10"},
        {-9.995L, Format::General, 3, 0, "-10"},
        {9.995L, Format::General, 4, 0, "9,995"},
        // rounding moves the value from scientific into fixed notation
        {0.00009995L, Format::General, 3, 0, "0,0001"},
        {0.00009995L, Format::General, 4, 0, "9,995E-5"},
        // 18-digit forms that end in 5, kept to 17 digits: away from zero, even when the
        // value itself lies just below the half
        {1.00000000000000005L, Format::General, 17, 0, "1,0000000000000001"},
        {1.0000000000000000499L, Format::General, 17, 0, "1,0000000000000001"},
        {-1.0000000000000000499L, Format::General, 17, 0, "-1,0000000000000001"},
        {1.0000000000000000499L, Format::General, 18, 0, "1,00000000000000005"},
        {1.0000000000000000449L, Format::General, 17, 0, "1"},
        // the fixed format stops at whichever ends first, P digits or D decimals
        {0.0123456L, Format::Fixed, 3, 6, "0,012300"},
        {0.0123456L, Format::Fixed, 5, 3, "0,012"},
        {0.0005L, Format::Fixed, 3, 3, "0,001"},
        {0.00049L, Format::Fixed, 3, 3, "0,000"},
        {1234.5L, Format::Fixed, 4, 2, "1235,00"},
        {1234.5L, Format::Fixed, 5, 0, "1235"},
        {1234.5L, Format::Fixed, 3, 2, "1,23E3"},
        {-50.0L, Format::Fixed, 15, 2, "-50,00"},
        // zero padding of the integer part, and no separator without digits
        {123456789012345678.0L, Format::General, 18, 0, "123456789012345678"},
        {1e17L, Format::General, 18, 0, "100000000000000000"},
        {1e18L, Format::General, 18, 0, "1E18"},
        {-50.0L, Format::Default, 15, 0, "-50"},
        {1e-100L, Format::Default, 15, 0, "1E-100"},
        {3e100L, Format::Default, 15, 0, "3E100"},
        {1e-12L, Format::General, 4, 0, "1E-12"},
    });
}

TEST(NumberText, PrecisionAndDigitLimits)
{
    const Quantity third = 1.0L / 3.0L;
    expectFormats({
        {12.5L, Format::General, 1, 0, "13"},
        {12.5L, Format::General, -7, 0, "13"},
        {third, Format::General, 18, 0, "0,333333333333333333"},
        {third, Format::General, 19, 0, "0,333333333333333333"},
        {third, Format::General, 1000, 0, "0,333333333333333333"},
        {third, Format::Fixed, 18, 19, "0,333333333333333333"},
        {third, Format::Fixed, 40, 40, "0,333333333333333333"},
        {2.0L, Format::Fixed, 2, 25, "2,000000000000000000"},
        {third, Format::Fixed, 1, 5, "0,33000"},
        {third, Format::General, 4, 99, "0,3333"},  // D has no effect on the general format
        {2.5L, Format::Fixed, 3, 0, "3"},
    });
}

TEST(NumberText, ZeroTinyValuesInfinitiesAndNotANumber)
{
    const Quantity nan = Limits::quiet_NaN();
    expectFormats({
        {0.0L, Format::Default, 15, 0, "0"},
        {-0.0L, Format::Default, 15, 0, "0"},
        {-0.0L, Format::Fixed, 3, 2, "0,00"},
        {-0.0L, Format::Fixed, 3, 0, "0"},
        {Limits::min(), Format::Default, 15, 0, "3,36210314311209E-4932"},
        {Limits::min(), Format::General, 18, 0, "3,36210314311209351E-4932"},
        {-Limits::min(), Format::General, 3, 0, "-3,36E-4932"},
        {Limits::min() / 2, Format::Default, 15, 0, "0"},
        {-Limits::min() / 2, Format::Default, 15, 0, "0"},
        {-Limits::denorm_min(), Format::Fixed, 3, 3, "0,000"},
        {Limits::max(), Format::General, 18, 0, "1,18973149535723177E4932"},
        {-Limits::max(), Format::Default, 15, 0, "-1,18973149535723E4932"},
        {Limits::infinity(), Format::Default, 15, 0, "INF"},
        {-Limits::infinity(), Format::General, 4, 0, "-INF"},
        {Limits::infinity(), Format::Fixed, 3, 3, "INF"},
        {-Limits::infinity(), Format::Fixed, 3, 3, "-INF"},
        {nan, Format::Default, 15, 0, "NAN"},
        {-nan, Format::Fixed, 3, 3, "NAN"},
    });
}

namespace {

struct ParseCase {
    const char *text;  // with "," as the separator
    bool valid;
    Quantity value;
};

constexpr Quantity kInvalid = 0;

}  // namespace

TEST(NumberParser, ValidAndInvalidTexts)
{
    const Quantity denorm = Limits::denorm_min();
    const std::vector<ParseCase> cases = {
        {"5", true, 5},
        {" 5 ", true, 5},
        {"   -3,25E+2  ", true, -325},
        {",", true, 0},
        {"5,", true, 5},
        {",5", true, 0.5L},
        {"-,5", true, -0.5L},
        {"+5", true, 5},
        {"0,47", true, 0.47L},
        {"2,2E-6", true, 2.2e-6L},
        {"2,2e-6", true, 2.2e-6L},
        {"1000", true, 1000},
        {"007", true, 7},
        {"1e", true, 1},
        {"1e+", true, 1},
        {"1E-", true, 1},
        {",e", true, 0},
        {"1e4932", true, 1e4932L},
        {"1,18973149535723176e4932", true, 1.18973149535723176e4932L},
        {"1e0500", true, 1e500L},
        {"1e00000000", true, 1},
        {"5e499", true, 5e499L},
        {"1e-4950", true, 3 * denorm},  // 2.74 times the smallest denormal
        {"3,6e-4951", true, denorm},
        {"1e-4999", true, 0},
        {"0e4999", true, 0},
        {"3,3621031431120935063e-4932", true, Limits::min()},
        {"12345678901234567890123456789", true, 12345678901234567890123456789.0L},
        {"0,000000000000000000000000000000012345", true, 1.2345e-32L},
        {"", false, kInvalid},
        {"   ", false, kInvalid},
        {"+", false, kInvalid},
        {"-", false, kInvalid},
        {"- 5", false, kInvalid},
        {"--5", false, kInvalid},
        {"5-", false, kInvalid},
        {"E5", false, kInvalid},
        {"e", false, kInvalid},
        {"+E5", false, kInvalid},
        {"1e4933", false, kInvalid},
        {"1,2e4932", false, kInvalid},
        {"1e4999", false, kInvalid},
        {"1e-5000", false, kInvalid},   // the fourth exponent digit is left over
        {"1e5000", false, kInvalid},
        {"0e5000", false, kInvalid},
        {"1e50000", false, kInvalid},   // so is any digit after the exponent reaches 500
        {"1.5", false, kInvalid},
        {"1 000", false, kInvalid},
        {"1,000,5", false, kInvalid},
        {"\t5", false, kInvalid},
        {"5\t", false, kInvalid},
        {"5\n", false, kInvalid},
        {"INF", false, kInvalid},
        {"-INF", false, kInvalid},
        {"NAN", false, kInvalid},
        {"inf", false, kInvalid},
        {"0x10", false, kInvalid},
        {"5 e3", false, kInvalid},
        {"1e5,0", false, kInvalid},
        {"5V", false, kInvalid},
    };
    for (const char separator : {',', '.'}) {
        for (const ParseCase &c : cases) {
            std::string text = withSeparator(c.text, separator);
            if (separator == '.' && std::string(c.text) == "1.5")
                text = "1,5";  // the other separator is the invalid one
            SCOPED_TRACE("text [" + text + "], separator '" + separator + "'");
            if (c.valid) {
                Quantity v = -1;
                ASSERT_NO_THROW(v = parseQuantity(text, separator));
                EXPECT_TRUE(sameBits(v, c.value) || (v == 0 && c.value == 0))
                    << describe(v) << " instead of " << describe(c.value);
            } else {
                try {
                    parseQuantity(text, separator);
                    ADD_FAILURE() << "accepted";
                } catch (const ConversionError &e) {
                    EXPECT_EQ(e.message(), "'" + text + "' is not a valid floating point value");
                }
            }
        }
    }
}

TEST(NumberParser, MessageHoldsTheTextAsTypedAndIsAFailure)
{
    try {
        parseQuantity("  1,5 V ", ',');
        FAIL() << "accepted";
    } catch (const Failure &e) {
        EXPECT_EQ(e.message(), "'  1,5 V ' is not a valid floating point value");
        EXPECT_STREQ(e.what(), "'  1,5 V ' is not a valid floating point value");
    }
}

TEST(NumberParser, SignOfZeroAndUnderflow)
{
    EXPECT_TRUE(std::signbit(parseQuantity("-0", ',')));
    EXPECT_TRUE(std::signbit(parseQuantity("-1e-4999", ',')));
    EXPECT_FALSE(std::signbit(parseQuantity("0", ',')));
    EXPECT_EQ(parseQuantity("-1e-4950", ','), -3 * Limits::denorm_min());
}

namespace {

// The exact decimal expansion of v with `places` decimals and "." as the point (glibc's
// printf is exact; the "C" locale keeps it from using the process's separator).
std::string exactDecimal(Quantity v, int places)
{
    const locale_t previous = uselocale(cLocale());
    std::vector<char> buf(places + 6000);
    std::snprintf(buf.data(), buf.size(), "%#.*Lf", places, v);
    uselocale(previous);
    return buf.data();
}

// Sum of two non-negative decimals written with the same number of places.
std::string add(std::string a, std::string b)
{
    while (a.size() < b.size())
        a.insert(0, "0");
    while (b.size() < a.size())
        b.insert(0, "0");
    std::string sum = a;
    int carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] == '.')
            continue;
        const int d = (a[i] - '0') + (b[i] - '0') + carry;
        sum[i] = static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    return carry ? "1" + sum : sum;
}

// Half a non-negative decimal, with one more place; "," as the separator.
std::string halve(const std::string &a)
{
    std::string half;
    int rest = 0;
    for (const char c : a) {
        if (c == '.') {
            half += ',';
            continue;
        }
        const int d = rest * 10 + (c - '0');
        half += static_cast<char>('0' + d / 2);
        rest = d % 2;
    }
    half += rest ? '5' : '0';
    while (half.back() == '0')
        half.pop_back();
    return half;
}

// A text a little below the decimal one: its last digit one lower, then `nines` nines.
std::string justBelow(std::string text, int nines)
{
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == ',')
            continue;
        if (text[i] == '0') {
            text[i] = '9';
            continue;
        }
        --text[i];
        break;
    }
    if (text.find(',') == std::string::npos)
        text += ',';
    return text + std::string(nines, '9');
}

bool evenMantissa(Quantity v)
{
    unsigned char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    return (bytes[0] & 1) == 0;
}

}  // namespace

// Texts that stand exactly halfway between two neighbouring extended values round to the
// even one; a further digit, however far behind the others, decides.
TEST(NumberParser, HalfwayTextsRoundToEvenAndEveryDigitCounts)
{
    struct Neighbours {
        Quantity below;
        int places;  // enough for the exact expansion of both
    };
    const Quantity one = 1.0L;
    for (const Neighbours n : {Neighbours{one, 70}, Neighbours{std::nextafter(one, 2.0L), 70},
                               Neighbours{0.0L, 16450}, Neighbours{Limits::denorm_min(), 16450},
                               Neighbours{std::nextafter(Limits::min(), 0.0L), 16450},
                               Neighbours{1e300L, 0}, Neighbours{std::nextafter(1e300L, 0.0L), 0},
                               Neighbours{std::nextafter(Limits::max(), 0.0L), 0}}) {
        const Quantity above = std::nextafter(n.below, Limits::infinity());
        const std::string mid = halve(add(exactDecimal(n.below, n.places), exactDecimal(above, n.places)));
        SCOPED_TRACE("halfway after " + describe(n.below));
        const Quantity even = evenMantissa(n.below) ? n.below : above;
        EXPECT_TRUE(sameBits(parseQuantity(mid, ','), even));
        EXPECT_TRUE(sameBits(parseQuantity(mid + "1", ','), above));
        EXPECT_TRUE(sameBits(parseQuantity(mid + std::string(12000, '0') + "1", ','), above));
        EXPECT_TRUE(sameBits(parseQuantity(mid + std::string(12000, '0'), ','), even));
        EXPECT_TRUE(sameBits(parseQuantity(justBelow(mid, 12000), ','), n.below));
        EXPECT_TRUE(sameBits(parseQuantity("-" + mid + "1", ','), -above));
    }
    // Halfway between the largest value and the next power of two lies the edge of the
    // range: the half rounds to even, beyond the range.
    const std::string twoTo16383 = exactDecimal(std::ldexp(1.0L, 16383), 0);
    const std::string edge = halve(add(exactDecimal(Limits::max(), 0), add(twoTo16383, twoTo16383)));
    EXPECT_THROW(parseQuantity(edge, ','), ConversionError);
    EXPECT_TRUE(sameBits(parseQuantity(justBelow(edge, 4), ','), Limits::max()));
}

TEST(NumberParser, SameValueAsAnExactReadingOfTheCText)
{
    // Texts of many digits and far exponents against glibc's strtold_l in the "C" locale.
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<int> digitCount(1, 60), exponent(-4999, 4999), place(0, 60);
    for (int i = 0; i < 20000; ++i) {
        std::string digits;
        const int count = digitCount(random);
        for (int k = 0; k < count; ++k)
            digits += static_cast<char>('0' + random() % 10);
        const int point = place(random) % (count + 1);
        const int e = exponent(random) / (i % 3 == 0 ? 1 : 100);
        const std::string c = digits.substr(0, point) + "." + digits.substr(point) + "e" +
                              std::to_string(e);
        const std::string ours = digits.substr(0, point) + "," + digits.substr(point) + "E" +
                                 std::to_string(e);
        const Quantity expected = strtold_l(c.c_str(), nullptr, cLocale());
        if (std::isinf(expected)) {
            EXPECT_THROW(parseQuantity(ours, ','), ConversionError) << ours;
        } else {
            Quantity v = 0;
            ASSERT_NO_THROW(v = parseQuantity(ours, ',')) << ours;
            ASSERT_TRUE(sameBits(v, expected)) << ours;
        }
    }
}

namespace {

// Random finite values: mostly of the magnitudes the program shows, some from the whole
// extended range short of its two ends, where a rounded text may leave the range.
Quantity randomValue(std::mt19937_64 &random)
{
    const std::uint64_t mantissa = random() | (1ULL << 63);
    const bool wide = random() % 20 == 0;
    const int exponent = wide ? static_cast<int>(random() % 32000) - 16000
                              : static_cast<int>(random() % 130) - 100;
    Quantity v = std::ldexp(static_cast<Quantity>(mantissa), exponent - 63);
    if (random() % 4 == 0 && std::fabs(v) >= 1)
        v = std::round(v * 1000) / 1000;  // values with few decimals, as typed
    return random() % 2 ? -v : v;
}

}  // namespace

// Every text a format shows reads back as a value that shows the same text, under either
// separator, and the 18-digit text is the exact value's correct rounding.
TEST(NumberText, FormatParseFormatRoundTrip)
{
    std::mt19937_64 random(0x5eed);
    for (int i = 0; i < 20000; ++i) {
        const Quantity v = randomValue(random);
        const int precision = static_cast<int>(random() % 21) - 1;
        const int digits = static_cast<int>(random() % 21) - 1;
        SCOPED_TRACE("value " + describe(v) + ", P " + std::to_string(precision) + ", D " +
                     std::to_string(digits));
        for (const char separator : {',', '.'}) {
            const std::string general = formatGeneral(v, precision, digits, separator);
            ASSERT_EQ(formatGeneral(parseQuantity(general, separator), precision, digits, separator),
                      general);
            const std::string fixed = formatFixed(v, precision, digits, separator);
            ASSERT_EQ(formatFixed(parseQuantity(fixed, separator), precision, digits, separator),
                      fixed);
            const std::string full = formatGeneral(v, 18, 0, separator);
            const Quantity back = parseQuantity(full, separator);
            ASSERT_EQ(formatGeneral(back, 18, 0, separator), full);
            EXPECT_LE(std::fabs(back - v), std::fabs(v) * 5e-17L);
        }
        // The same 18 digits as glibc's exact printf in the "C" locale.
        char c[64];
        const locale_t previous = uselocale(cLocale());
        std::snprintf(c, sizeof c, "%.17Le", v);
        uselocale(previous);
        ASSERT_TRUE(sameBits(strtold_l(c, nullptr, cLocale()),
                             parseQuantity(formatGeneral(v, 18, 0, ','), ',')))
            << c << " vs " << formatGeneral(v, 18, 0, ',');
    }
}

namespace {

// Texts and values from both directions, in one list to compare between locales.
std::vector<std::string> sampleResults()
{
    std::vector<std::string> out;
    for (const char separator : {',', '.'}) {
        for (const Quantity v : {0.5L, -1234.5678L, 2.2e-6L, 1e15L, 1.0L / 3.0L, -0.0006L,
                                 1e-300L, 7e300L, Limits::infinity()}) {
            out.push_back(defaultText(v, separator));
            out.push_back(formatGeneral(v, 4, 2, separator));
            out.push_back(formatFixed(v, 6, 3, separator));
        }
        for (const char *text : {"0,47", "0.47", "2,2E-6", "2.2E-6", " -1e+3 ", "1 000", ",",
                                 "1e-4950", "1e4933", "INF"}) {
            try {
                out.push_back(formatGeneral(parseQuantity(text, separator), 18, 0, '.'));
            } catch (const ConversionError &e) {
                out.push_back(e.message());
            }
        }
    }
    return out;
}

}  // namespace

TEST(NumberText, IndependentOfTheCLibraryLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const std::vector<std::string> underC = sampleResults();
    ASSERT_NE(std::setlocale(LC_ALL, "pl_PL.UTF-8"), nullptr)
        << "the Polish locale is missing; tools/install-deps generates it";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    EXPECT_STREQ(probe, "2,5");  // the C library itself now writes ","
    const std::vector<std::string> underPolish = sampleResults();
    EXPECT_EQ(defaultText(2.5L, '.'), "2.5");
    EXPECT_EQ(parseQuantity("2.5", '.'), 2.5L);
    EXPECT_THROW(parseQuantity("2,5", '.'), ConversionError);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(underPolish, underC);
}

namespace {

// Significant digits without trailing zeros and the exponent of the first one, from a
// text in "%.17Le" form or a general-format text with "." as the separator.
struct Digits {
    std::string digits;
    int exponent;
    bool negative;
    bool operator==(const Digits &) const = default;
};

Digits digitsOf(std::string text)
{
    Digits d{"", 0, false};
    if (!text.empty() && text[0] == '-') {
        d.negative = true;
        text.erase(0, 1);
    }
    const std::size_t e = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
    std::string all = whole + fraction;
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return d;
    d.exponent = static_cast<int>(whole.size()) - 1 - static_cast<int>(first) +
                 (e == std::string::npos ? 0 : std::stoi(text.substr(e + 1)));
    all.erase(0, first);
    all.erase(all.find_last_not_of('0') + 1);
    d.digits = all;
    return d;
}

Quantity fromBits(bool negative, std::uint64_t mantissa, int field)
{
    unsigned char bytes[sizeof(Quantity)] = {};
    std::memcpy(bytes, &mantissa, 8);
    const auto signField = static_cast<std::uint16_t>(field | (negative ? 0x8000 : 0));
    std::memcpy(bytes + 8, &signField, 2);
    Quantity v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

}  // namespace

// The 18 digits of values from the whole extended range, short and long mantissas, and the
// neighbours of powers of ten, against glibc's exact printf in the "C" locale (which rounds
// the exact value half to even, as the 18-digit step does). Denormals show as zero.
TEST(NumberText, EighteenDigitsAcrossTheWholeRangeAsAnExactPrintf)
{
    std::mt19937_64 random(0x4950);
    std::vector<Quantity> values;
    for (int i = 0; i < 30000; ++i) {
        std::uint64_t mantissa = random();
        if (i % 3 == 0)
            mantissa &= ~0ULL << (random() % 64);  // few significant bits: exact and tie cases
        int field = static_cast<int>(random() % 0x7FFF);
        if (i % 10 == 0)
            field = random() % 2 ? static_cast<int>(random() % 200)
                                 : 0x7FFE - static_cast<int>(random() % 200);
        if (field == 0)
            mantissa &= ~(1ULL << 63);
        else
            mantissa |= 1ULL << 63;
        values.push_back(fromBits(random() % 2, mantissa, field));
    }
    for (int k = -4950; k <= 4932; k += 7) {
        const Quantity power = strtold_l(("1e" + std::to_string(k)).c_str(), nullptr, cLocale());
        values.push_back(power);
        values.push_back(std::nextafter(power, 0.0L));
        values.push_back(std::nextafter(power, Limits::infinity()));
        // where the 19th digit rounds the 18 up to a power of ten, or just fails to
        values.push_back(power * (1 - 1e-18L));
        values.push_back(power * (1 - 4.9e-18L));
        values.push_back(power * (1 - 5.1e-18L));
    }
    values.push_back(Limits::max());
    values.push_back(Limits::min());
    values.push_back(Limits::denorm_min());

    const locale_t previous = uselocale(cLocale());
    for (const Quantity v : values) {
        if (std::isinf(v))
            continue;
        const std::string ours = formatGeneral(v, 18, 0, '.');
        if (v != 0 && std::fabs(v) < Limits::min()) {
            EXPECT_EQ(ours, "0") << describe(v);
            EXPECT_EQ(formatFixed(v, 18, 3, '.'), "0.000") << describe(v);
            continue;
        }
        char c[64];
        std::snprintf(c, sizeof c, "%.17Le", v);
        Digits expected = digitsOf(c);
        if (v == 0)
            expected.negative = false;  // zero is written without a sign
        ASSERT_EQ(digitsOf(ours), expected) << c << " vs " << ours;
        // The fixed format of a far magnitude falls back to the same digits.
        if (std::fabs(v) >= 1e19L) {
            ASSERT_EQ(formatFixed(v, 18, 3, '.'), ours) << c;
        }
    }
    uselocale(previous);
}
