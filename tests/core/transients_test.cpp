// The transient tabs' core: frames, plot preparations and the two presses.
#include "common/errors.h"
#include "common/numbertext.h"
#include "transients/capacitorpress.h"
#include "transients/closedforms.h"
#include "transients/plotframes.h"
#include "transients/rcpress.h"

#include "tests/core/transients_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

using namespace vorneta;
using namespace vorneta::testing_pixels;

namespace {

struct Line
{
    Pixel x0, y0, x1, y1;
};

// The frames as line calls, from their drawings.
const std::vector<Line> kCapacitorAxes = {{120, 10, 120, 364}, {590, 360, 116, 360}};
const std::vector<Line> kCapacitorMarks = {
    {225, 357, 225, 363}, {330, 357, 330, 363}, {435, 357, 435, 363}, {540, 357, 540, 363},
    {118, 30, 123, 30},   {118, 140, 123, 140}, {118, 250, 123, 250},
    {590, 360, 580, 355}, {590, 360, 580, 366}, {120, 10, 115, 20},   {120, 10, 125, 20},
};
const std::vector<Line> kRcFrame = {
    {40, 10, 40, 364},    {510, 195, 36, 195},  {145, 197, 145, 192}, {250, 197, 250, 192},
    {355, 197, 355, 192}, {460, 197, 460, 192}, {38, 30, 43, 30},     {38, 360, 43, 360},
    {510, 195, 500, 190}, {510, 195, 500, 201}, {40, 10, 35, 20},     {40, 10, 45, 20},
};

PixelSet linesOn(const Surface &s, const std::vector<Line> &lines)
{
    PixelSet set;
    for (const Line &l : lines)
        set.merge(expectedLine(s.width(), s.height(), l.x0, l.y0, l.x1, l.y1));
    return set;
}

PixelSet inRectangle(const PixelSet &set, int left, int right, int top, int bottom)
{
    PixelSet inside;
    for (const auto &p : set)
        if (p.first >= left && p.first <= right && p.second >= top && p.second <= bottom)
            inside.insert(p);
    return inside;
}

// Paints the whole surface with diagonal stripes of the given colour.
void scribble(Surface &s, Colour colour)
{
    s.setPenColour(colour);
    for (Pixel d = -s.height(); d < s.width(); d += 3) {
        s.moveTo(d, 0);
        s.lineTo(d + s.height(), s.height());
    }
}

// Runs f and returns the failure's message, or "" when it succeeds.
std::string failureOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Failure &failure) {
        return failure.message();
    }
    return "";
}

std::string withSeparator(std::string text, char sep)
{
    std::replace(text.begin(), text.end(), ',', sep);
    return text;
}

bool hasColour(const Surface &s, Colour colour) { return !painted(s, colour).empty(); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Frames and preparations

TEST(PlotFrames, ActivationDrawsTheFramesAndHeadingsOnly)
{
    Surface image5 = makeCapacitorSurface();
    Surface image7 = makeRcSurface();
    TextTable grid1 = makeCapacitorTable();
    TextTable grid2 = makeRcTable();
    drawCapacitorFrame(image5);
    writeCapacitorHeadings(grid1);
    writeRcHeadings(grid2);
    drawRcFrame(image7);

    ASSERT_EQ(image5.width(), 600);
    ASSERT_EQ(image5.height(), 400);
    ASSERT_EQ(image7.width(), 553);
    ASSERT_EQ(image7.height(), 377);
    PixelSet capacitorFrame = linesOn(image5, kCapacitorAxes);
    capacitorFrame.merge(linesOn(image5, kCapacitorMarks));
    EXPECT_EQ(painted(image5), capacitorFrame);
    EXPECT_EQ(painted(image5).size() + painted(image5, kWhite).size(), 600u * 400u);
    EXPECT_EQ(painted(image7), linesOn(image7, kRcFrame));

    // the ends of the lines: start painted, end not
    EXPECT_EQ(image5.pixel(120, 10), kBlack);
    EXPECT_EQ(image5.pixel(120, 363), kBlack);
    EXPECT_EQ(image5.pixel(120, 364), kWhite);
    EXPECT_EQ(image5.pixel(590, 360), kBlack);
    EXPECT_EQ(image5.pixel(117, 360), kBlack);
    EXPECT_EQ(image5.pixel(116, 360), kWhite);
    EXPECT_EQ(image5.pixel(225, 362), kBlack);
    EXPECT_EQ(image5.pixel(225, 363), kWhite);
    EXPECT_EQ(image5.pixel(122, 250), kBlack);
    EXPECT_EQ(image5.pixel(123, 250), kWhite);
    EXPECT_EQ(image7.pixel(460, 197), kBlack);
    EXPECT_EQ(image7.pixel(460, 192), kWhite);
    EXPECT_EQ(image7.pixel(36, 195), kWhite);
    EXPECT_EQ(image7.pixel(37, 195), kBlack);

    const std::vector<std::string> capacitorHeadings = {"t [s]", "U [V]", "I [A]"};
    const std::vector<std::string> rcHeadings = {"t [s]", "Uz [V]", "Uc [V]", "Ur [V]"};
    ASSERT_EQ(grid1.columnCount(), 3);
    ASSERT_EQ(grid2.columnCount(), 4);
    ASSERT_EQ(grid1.rowCount(), 420);
    ASSERT_EQ(grid2.rowCount(), 420);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(grid1.cell(c, 0), capacitorHeadings[c]);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(grid2.cell(c, 0), rcHeadings[c]);
    for (int r = 1; r < 420; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_TRUE(grid2.cell(c, r).empty() && (c == 3 || grid1.cell(c, r).empty()));
}

TEST(PlotFrames, CapacitorPreparationClearsThePlotAndLeavesTheAxisLinesOut)
{
    Surface s = makeCapacitorSurface();
    drawCapacitorFrame(s);
    scribble(s, kRed);
    prepareCapacitorPlot(s);

    const PixelSet marks = linesOn(s, kCapacitorMarks);
    for (int y = 10; y <= 360; ++y)
        for (int x = 120; x <= 539; ++x)
            ASSERT_EQ(s.pixel(x, y), marks.count({x, y}) ? kBlack : kWhite) << x << "," << y;
    EXPECT_EQ(inRectangle(painted(s), 120, 539, 10, 360), inRectangle(marks, 120, 539, 10, 360));
    // the tick at x = 540 lies just outside the cleared rectangle
    for (int y = 357; y <= 362; ++y)
        EXPECT_EQ(s.pixel(540, y), kBlack);
    // scribbles outside the rectangle stay
    EXPECT_FALSE(inRectangle(painted(s, kRed), 0, 119, 0, 399).empty());
    EXPECT_FALSE(inRectangle(painted(s, kRed), 541, 599, 0, 399).empty());
    EXPECT_TRUE(inRectangle(painted(s, kRed), 120, 539, 10, 360).empty());
}

TEST(PlotFrames, RcPreparationClearsThePlotAndDrawsTheWholeFrame)
{
    Surface s = makeRcSurface();
    drawRcFrame(s);
    scribble(s, kBlue);
    prepareRcPlot(s);

    const PixelSet frame = linesOn(s, kRcFrame);
    for (int y = 10; y <= 360; ++y)
        for (int x = 40; x <= 459; ++x)
            ASSERT_EQ(s.pixel(x, y), frame.count({x, y}) ? kBlack : kWhite) << x << "," << y;
    for (int y = 193; y <= 197; ++y)
        EXPECT_EQ(s.pixel(460, y), kBlack);  // the T tick, just outside
    EXPECT_FALSE(inRectangle(painted(s, kBlue), 461, 552, 0, 376).empty());
    EXPECT_TRUE(inRectangle(painted(s, kBlue), 40, 459, 10, 360).empty());
}

// ---------------------------------------------------------------------------------------
// The capacitor press

class CapacitorPress : public testing::Test
{
protected:
    CapacitorPress()
    {
        drawCapacitorFrame(image5);
        writeCapacitorHeadings(grid1);
    }

    void press(const CapacitorInputs &in, char sep = ',') { capacitorPress(in, sep, image5, grid1, readouts); }
    std::string failingPress(const CapacitorInputs &in, char sep = ',')
    {
        return failureOf([&] { press(in, sep); });
    }

    Surface image5 = makeCapacitorSurface();
    TextTable grid1 = makeCapacitorTable();
    CapacitorReadouts readouts;
};

// T = 1 s, U = 10 V, R = 1 kOhm, C = 100 uF: tau = 0.1 s.
const CapacitorInputs kWorkedCase = {"1", "10", "1000", "0,0001"};

TEST_F(CapacitorPress, WorkedCaseInBothSeparators)
{
    for (char sep : {',', '.'}) {
        SCOPED_TRACE(sep);
        CapacitorInputs in = kWorkedCase;
        in.pojemnosc = withSeparator(in.pojemnosc, sep);
        press(in, sep);
        CapacitorReadouts expected;
        expected.label111 = " 0,1 [s]";
        expected.label95 = "10";
        expected.label96 = "6,667";
        expected.label97 = "3,333";
        expected.label98 = "0,25";
        expected.label99 = "0,5";
        expected.label100 = "0,75";
        expected.label101 = "1";
        expected.label104 = "0,01";
        expected.label105 = "0,0067";
        expected.label106 = "0,0033";
        expected.label108 = "0,001";
        expected.label109 = "0,0005";
        for (std::string *text : {&expected.label111, &expected.label96, &expected.label97, &expected.label98,
                                  &expected.label99, &expected.label100, &expected.label104,
                                  &expected.label105, &expected.label106, &expected.label108,
                                  &expected.label109})
            *text = withSeparator(*text, sep);
        EXPECT_EQ(readouts, expected);

        struct Row
        {
            int row;
            const char *t, *u, *i;
        };
        for (const Row &r : {Row{1, "0,002", "0,235", "0,009760"}, Row{2, "0,005", "0,465", "0,009530"},
                             Row{42, "0,100", "6,320", "0,003680"}, Row{419, "0,998", "10,000", "0,000000"}}) {
            SCOPED_TRACE(r.row);
            EXPECT_EQ(grid1.cell(0, r.row), withSeparator(r.t, sep));
            EXPECT_EQ(grid1.cell(1, r.row), withSeparator(r.u, sep));
            EXPECT_EQ(grid1.cell(2, r.row), withSeparator(r.i, sep));
        }
        EXPECT_EQ(grid1.cell(0, 0), "t [s]");
    }
}

TEST_F(CapacitorPress, WorkedCaseCurvesLieUnderTheAxisLines)
{
    press(kWorkedCase);
    // Sample 42 is at t = tau: U(1 - 1/e) = 6.32 V at y = 360 - round(208.6) = 151, the
    // current 3.68 mA at y = 360 - round(121.4) = 239, the charge at 360 - round(139.1) = 221.
    EXPECT_EQ(image5.pixel(161, 151), kBlue);
    EXPECT_EQ(image5.pixel(161, 239), kRed);
    EXPECT_EQ(image5.pixel(161, 221), kGreen);
    // Sample 1 lies on the value axis at y = 352 (voltage), 38 (current), 355 (charge), so
    // each curve's first line runs up or down the axis, which is drawn over it. Sample 2 is
    // at x = 121: y = 345 (voltage), 45 (current).
    EXPECT_EQ(image5.pixel(121, 345), kBlue);
    EXPECT_EQ(image5.pixel(121, 45), kRed);
    for (int y = 10; y <= 363; ++y)
        EXPECT_EQ(image5.pixel(120, y), kBlack) << y;
    // The current decays onto the time axis, which covers it; it ends at x = 539, the
    // last sample's point (x = 540) not painted.
    for (int x = 117; x <= 590; ++x)
        EXPECT_EQ(image5.pixel(x, 360), kBlack) << x;
    EXPECT_EQ(image5.pixel(539, 30), kBlue);
    EXPECT_EQ(image5.pixel(539, 140), kGreen);
    EXPECT_EQ(image5.pixel(540, 30), kWhite);
    // What is left of the curves lies in x = 121..539 (the current ends under the time axis).
    for (Colour c : {kBlue, kRed, kGreen}) {
        const PixelSet curve = painted(image5, c);
        ASSERT_FALSE(curve.empty());
        EXPECT_EQ(curve.begin()->first, 121);
        EXPECT_EQ(curve.rbegin()->first, c == kRed ? 391 : 539);
    }
}

TEST_F(CapacitorPress, ZeroTimeSpan)
{
    press({"0", "10", "1000", "0,0001"});
    for (const std::string *label : {&readouts.label98, &readouts.label99, &readouts.label100, &readouts.label101})
        EXPECT_EQ(*label, "0");
    for (int r = 1; r <= 419; ++r) {
        ASSERT_EQ(grid1.cell(0, r), "0,000");
        ASSERT_EQ(grid1.cell(1, r), "0,000");
        ASSERT_EQ(grid1.cell(2, r), "0,010000");
    }
    // current a horizontal line at y = 30 up to x = 539; voltage and charge on the time axis
    for (int x = 121; x <= 539; ++x)
        ASSERT_EQ(image5.pixel(x, 30), kRed) << x;
    EXPECT_EQ(image5.pixel(540, 30), kWhite);
    EXPECT_FALSE(hasColour(image5, kBlue));
    EXPECT_FALSE(hasColour(image5, kGreen));
}

TEST_F(CapacitorPress, NegativeVoltageDrawsTheSameCurvesWithNegativeReadouts)
{
    press(kWorkedCase);
    const Surface positive = image5;
    const TextTable positiveTable = grid1;
    CapacitorInputs in = kWorkedCase;
    in.napiecie = "-10";
    press(in);
    EXPECT_TRUE(std::equal(positive.bits(), positive.bits() + 600 * 400, image5.bits()));
    EXPECT_EQ(readouts.label95, "-10");
    EXPECT_EQ(readouts.label96, "-6,667");
    EXPECT_EQ(readouts.label104, "-0,01");
    EXPECT_EQ(readouts.label109, "-0,0005");
    EXPECT_EQ(grid1.cell(1, 42), "-6,320");
    EXPECT_EQ(grid1.cell(2, 42), "-0,003680");
    EXPECT_EQ(grid1.cell(0, 42), positiveTable.cell(0, 42));
}

TEST_F(CapacitorPress, TimeConstantReadout)
{
    press({"1", "1", "2", "0,5"});
    EXPECT_EQ(readouts.label111, " 1 [s]");
}

TEST_F(CapacitorPress, ConversionErrorChangesNothing)
{
    press(kWorkedCase);
    const Surface before = image5;
    const TextTable tableBefore = grid1;
    const CapacitorReadouts readoutsBefore = readouts;
    struct Case
    {
        CapacitorInputs in;
        const char *message;
    };
    const Case cases[] = {
        {{"", "10", "1000", "1"}, "'' is not a valid floating point value"},
        {{"1", " 1x ", "1000", "1"}, "' 1x ' is not a valid floating point value"},
        {{"1", "10", "1.5", "1"}, "'1.5' is not a valid floating point value"},  // separator is ','
        {{"1", "10", "1000", "abc"}, "'abc' is not a valid floating point value"},
        {{"x", "y", "1000", "1"}, "'x' is not a valid floating point value"},  // first box first
    };
    for (const Case &c : cases) {
        EXPECT_EQ(failingPress(c.in), c.message);
        EXPECT_TRUE(std::equal(before.bits(), before.bits() + 600 * 400, image5.bits()));
        EXPECT_EQ(grid1, tableBefore);
        EXPECT_EQ(readouts, readoutsBefore);
    }
}

TEST_F(CapacitorPress, FaultsLeaveWhatWasDoneBeforeThem)
{
    press(kWorkedCase);
    const TextTable tableBefore = grid1;
    const CapacitorReadouts old = readouts;

    // U = 0 fails forming the voltage scale: new time constant, cleared plot, old readouts.
    EXPECT_EQ(failingPress({"2", "0", "1000", "0,001"}), "Floating point division by zero");
    EXPECT_EQ(readouts.label111, " 1 [s]");
    EXPECT_EQ(readouts.label95, old.label95);
    EXPECT_EQ(readouts.label101, old.label101);
    EXPECT_EQ(grid1, tableBefore);
    PixelSet expected = linesOn(image5, kCapacitorMarks);
    for (const auto &p : linesOn(image5, kCapacitorAxes))
        if (!inRectangle({p}, 120, 539, 10, 360).size())
            expected.insert(p);
    EXPECT_EQ(painted(image5), expected);
    EXPECT_EQ(image5.pixel(120, 200), kWhite);  // axis lines missing in the cleared rectangle
    EXPECT_EQ(image5.pixel(300, 360), kWhite);
    EXPECT_EQ(image5.pixel(120, 362), kBlack);  // below it they remain
    EXPECT_EQ(image5.pixel(560, 360), kBlack);
    EXPECT_FALSE(hasColour(image5, kBlue));

    // R = 0 fails at the first voltage sample: scale and time readouts new, no curve.
    EXPECT_EQ(failingPress({"2", "5", "0", "0,001"}), "Floating point division by zero");
    EXPECT_EQ(readouts.label111, " 0 [s]");
    EXPECT_EQ(readouts.label95, "5");
    EXPECT_EQ(readouts.label101, "2");
    EXPECT_EQ(readouts.label104, old.label104);
    EXPECT_EQ(grid1, tableBefore);
    EXPECT_FALSE(hasColour(image5, kBlue));
    EXPECT_EQ(image5.pixel(120, 200), kWhite);

    EXPECT_EQ(failingPress({"2", "5", "1000", "0"}), "Floating point division by zero");
    // with T = 0 as well the first sample is 0/0
    EXPECT_EQ(failingPress({"0", "5", "0", "0,001"}), "Invalid floating point operation");
    EXPECT_EQ(readouts.label101, "0");
    EXPECT_EQ(grid1, tableBefore);
}

TEST_F(CapacitorPress, GrowingExponentialFailsWithoutMixingTheTable)
{
    press(kWorkedCase);
    const TextTable tableBefore = grid1;
    // R*C = -1 and dt = 1: the voltage row 360 + 330*(e^k - 1) leaves the 64-bit range at
    // k = 38, after 37 samples have been drawn.
    EXPECT_EQ(failingPress({"420", "1", "-1", "1"}), "Invalid floating point operation");
    EXPECT_EQ(grid1, tableBefore);  // no row of the failed press, none of the old one lost
    EXPECT_EQ(readouts.label101, "420");
    EXPECT_EQ(readouts.label104, "0,01");  // not reached
    EXPECT_EQ(image5.pixel(120, 399), kBlue);  // the drawn samples stay
    EXPECT_FALSE(hasColour(image5, kRed));
    EXPECT_EQ(image5.pixel(120, 200), kWhite);

    // A step so long that the first exponential overflows.
    EXPECT_EQ(failingPress({"1E7", "1", "-1", "1"}), "Floating point overflow");
    EXPECT_EQ(grid1, tableBefore);

    // The export then still holds one whole simulation, and a later press replaces it whole.
    press(kWorkedCase);
    EXPECT_EQ(grid1, tableBefore);
    EXPECT_EQ(image5.pixel(120, 200), kBlack);
}

TEST_F(CapacitorPress, FarOffPixelsAreClippedNotFaulted)
{
    // R*C = -1 with a short step: rows far off the surface that still fit 64 bits.
    press({"37", "1", "-1", "1"});
    EXPECT_EQ(grid1.cell(0, 419), "36,900");
    EXPECT_TRUE(hasColour(image5, kBlue));
    EXPECT_EQ(image5.pixel(120, 200), kBlack);
}

// ---------------------------------------------------------------------------------------
// The RC press

class RcPress : public testing::Test
{
protected:
    RcPress()
    {
        drawRcFrame(image7);
        writeRcHeadings(grid2);
    }

    void press(const RcInputs &in, char sep = ',') { rcPress(in, sep, image7, grid2, readouts); }
    std::string failingPress(const RcInputs &in, char sep = ',')
    {
        return failureOf([&] { press(in, sep); });
    }
    Quantity value(int column, int row, char sep = ',') const { return parseQuantity(grid2.cell(column, row), sep); }

    Surface image7 = makeRcSurface();
    TextTable grid2 = makeRcTable();
    RcReadouts readouts;
};

// Half of the last kept digit of a text of fixed format, precision 3, digits 6.
Quantity textRounding(Quantity v)
{
    if (v == 0)
        return 0.5e-6L;
    const int x = static_cast<int>(std::floor(std::log10(std::fabs(v)))) + 1;
    return std::max(0.5e-6L, 0.5L * std::pow(10.0L, x - 3)) * 1.0001L;
}

// T, R, C, Uc0, U0, AC (RMS), f, angle
const RcInputs kMixedSource = {"0,2", "100", "0,001", "-2", "3", "5", "10", "30"};

TEST_F(RcPress, PureDirectSourceFollowsTheSimpleFormula)
{
    press({"5", "1000", "0,001", "2", "10", "0", "50", "77"});
    for (int k = 1; k <= 419; ++k) {
        const Quantity t = k * (5.0L / 420);
        const Quantity e = std::exp(-t);
        ASSERT_EQ(grid2.cell(1, k), "10,000000");
        ASSERT_NEAR(value(2, k), 10 + (2 - 10) * e, textRounding(10 + (2 - 10) * e)) << k;
        ASSERT_NEAR(value(3, k), (10 - 2) * e, textRounding((10 - 2) * e)) << k;
    }
    EXPECT_EQ(grid2.cell(0, 1), "0,011900");
    EXPECT_EQ(grid2.cell(0, 419), "4,990000");
    EXPECT_EQ(grid2.cell(2, 1), "2,090000");
    EXPECT_EQ(readouts.label122, "10");
    EXPECT_EQ(readouts.label123, "-10");
    EXPECT_EQ(readouts.label124, "5");
    // Uz = 10 at the top tick, from x = 40 over the frame up to x = 458
    EXPECT_EQ(image7.pixel(40, 30), kBlue);
    EXPECT_EQ(image7.pixel(458, 30), kBlue);
    EXPECT_EQ(image7.pixel(459, 30), kWhite);
}

TEST_F(RcPress, InitialVoltageOnTheSteadyStateHasNoTransient)
{
    // f = 1/(2*pi) Hz and tau = sqrt(3) s make w*tau = sqrt(3), so psi = 60 degrees and
    // Ucm = Um/2; with the angle at 60 degrees sin(phi - psi) = 0 and A = Uc0 - U0 = 0.
    char okres[64], pojemnosc[64];
    std::snprintf(okres, sizeof okres, "%.21Lg", 1 / (2 * kPi));
    std::snprintf(pojemnosc, sizeof pojemnosc, "%.21Lg", std::sqrt(3.0L));
    press({"6.2832", "1", pojemnosc, "4", "4", "3", okres, "60"}, '.');
    const Quantity Um = 3 * std::sqrt(2.0L);
    for (int k = 1; k <= 419; ++k) {
        const Quantity t = k * (6.2832L / 420);
        const Quantity uc = 4 + Um / 2 * std::sin(t);
        const Quantity ur = Um * std::sqrt(3.0L) / 2 * std::cos(t);
        ASSERT_NEAR(value(2, k, '.'), uc, textRounding(uc) + 1e-12L) << k;
        ASSERT_NEAR(value(3, k, '.'), ur, textRounding(ur) + 1e-12L) << k;
    }
}

TEST_F(RcPress, ZeroTimeDrawsThreeHorizontalLines)
{
    press({"0", "1000", "0,001", "2", "5", "3", "50", "90"});
    for (int k = 1; k <= 419; ++k) {
        ASSERT_EQ(grid2.cell(0, k), "0,000000");
        ASSERT_EQ(grid2.cell(1, k), "9,240000");  // 5 + 3*sqrt(2)
        ASSERT_EQ(grid2.cell(2, k), "2,000000");
        ASSERT_EQ(grid2.cell(3, k), "7,240000");
    }
    EXPECT_EQ(readouts.label122, "9,24");
    EXPECT_EQ(readouts.label123, "-9,24");
    // rows 195 - round(v * 165 / 9.24): Uz at 30, Uc at 159, Ur at 66
    const struct
    {
        Colour colour;
        int y;
    } curves[] = {{kBlue, 30}, {kRed, 159}, {kGreen, 66}};
    for (const auto &c : curves) {
        PixelSet expected;
        for (int x = 40; x <= 458; ++x)
            expected.insert({x, c.y});
        EXPECT_EQ(painted(image7, c.colour), expected);
    }
}

TEST_F(RcPress, SourceIsTheSumOfCapacitorAndResistorVoltages)
{
    for (const RcInputs &in : {kMixedSource, RcInputs{"0,05", "10", "0,0001", "7", "-1", "230", "50", "-60"},
                               RcInputs{"3", "2200", "0,001", "0", "0", "1", "0,5", "200"}}) {
        press(in);
        for (int k = 1; k <= 419; ++k) {
            const Quantity uz = value(1, k), uc = value(2, k), ur = value(3, k);
            ASSERT_NEAR(uz, uc + ur, textRounding(uz) + textRounding(uc) + textRounding(ur))
                << in.czasRC << " row " << k;
        }
    }
}

TEST_F(RcPress, FullScaleComesFromTheTableOnly)
{
    // tau = -1 s: Ur = e^t grows; sample 420 (t = 4.2) is larger than any tabulated one.
    press({" 4,2 ", "-1", "1", "0", "1", "0", "1", "0"});
    EXPECT_EQ(grid2.cell(3, 419), "66,000000");
    EXPECT_EQ(readouts.label122, "66");
    EXPECT_EQ(readouts.label123, "-66");
    EXPECT_EQ(readouts.label124, " 4,2 ");  // as typed
    // Ur at sample 419 on the top tick, and the line to sample 420 rises beyond it
    EXPECT_EQ(image7.pixel(458, 30), kGreen);
    EXPECT_EQ(image7.pixel(459, 29), kGreen);
    for (int row = 1; row <= 419; ++row)
        for (int column = 0; column < 4; ++column)
            ASSERT_FALSE(grid2.cell(column, row).empty());
}

TEST_F(RcPress, InputFailures)
{
    press(kMixedSource);
    const TextTable tableBefore = grid2;
    const RcReadouts readoutsBefore = readouts;
    ASSERT_TRUE(hasColour(image7, kBlue));
    struct Case
    {
        RcInputs in;
        const char *message;
    };
    const Case cases[] = {
        {{"0,2", "100", "0,001", "-2", "3", "5", "10", ""}, "'' is not a valid floating point value"},
        {{"0,2", "100", "0,001", "-2", "3", "5", "0", "kąt"}, "Floating point division by zero"},
        {{"0,2", "100", "0,001", "-2", "3", "0", "0", "30"}, "Floating point division by zero"},
        {{"0,2", "0", "0,001", "-2", "3", "5", "10", "30"}, "Floating point division by zero"},
        {{"0,2", "100", "0", "-2", "3", "5", "10", "30"}, "Floating point division by zero"},
        {{"0.2", "100", "0,001", "-2", "3", "5", "10", "30"}, "'0.2' is not a valid floating point value"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(failingPress(c.in), c.message);
        EXPECT_EQ(grid2, tableBefore);
        EXPECT_EQ(readouts, readoutsBefore);
        // the plot was cleared first: only the frame remains
        EXPECT_EQ(painted(image7), linesOn(image7, kRcFrame));
        EXPECT_FALSE(hasColour(image7, kBlue));
        press(kMixedSource);
    }
}

TEST_F(RcPress, AllZeroValuesFailAfterTheTableIsWritten)
{
    press(kMixedSource);
    EXPECT_EQ(failingPress({"1", "1", "1", "0", "0", "0", "1", "0"}), "Floating point division by zero");
    for (int row = 1; row <= 419; ++row)
        for (int column = 1; column < 4; ++column)
            ASSERT_EQ(grid2.cell(column, row), "0,000000");
    EXPECT_EQ(grid2.cell(0, 419), "0,998000");
    EXPECT_EQ(readouts.label122, "0");
    EXPECT_EQ(readouts.label123, "0");
    EXPECT_EQ(readouts.label124, "1");
    EXPECT_EQ(painted(image7), linesOn(image7, kRcFrame));
    EXPECT_FALSE(hasColour(image7, kBlue));
}

TEST_F(RcPress, TextRoundedBeyondTheExtendedRangeCannotBeReadBack)
{
    // U0 = 1.1895E4932 is a number, but its text with three digits, 1.19E4932, is not:
    // the full-scale search fails on reading row 1 back, after the table is written.
    press(kMixedSource);
    const RcReadouts readoutsBefore = readouts;
    EXPECT_EQ(failingPress({"1", "1", "1", "0", "1,1895E4932", "0", "1", "0"}),
              "'1,19E4932' is not a valid floating point value");
    EXPECT_EQ(grid2.cell(1, 419), "1,19E4932");
    EXPECT_EQ(readouts, readoutsBefore);
    EXPECT_EQ(painted(image7), linesOn(image7, kRcFrame));
}

TEST_F(RcPress, GrowingExponentialFailsWithoutMixingTheTable)
{
    press(kMixedSource);
    const TextTable tableBefore = grid2;
    const RcReadouts readoutsBefore = readouts;
    // tau = -1 s and dt = 100 s: e^t overflows at sample 114 (t = 11400 s).
    EXPECT_EQ(failingPress({"42000", "-1", "1", "1", "0", "0", "1", "0"}), "Floating point overflow");
    EXPECT_EQ(grid2, tableBefore);
    EXPECT_EQ(readouts, readoutsBefore);
    EXPECT_EQ(painted(image7), linesOn(image7, kRcFrame));

    // Overflow at sample 420, after the last row: the table is whole and new.
    // dt = 27.05 s: sample 419 at 11334 s still fits, sample 420 at 11361 s does not.
    EXPECT_EQ(failingPress({"11361", "-1", "1", "1", "0", "0", "1", "0"}), "Floating point overflow");
    EXPECT_EQ(grid2.cell(0, 419), "1,13E4");
    EXPECT_EQ(readouts, readoutsBefore);
}
