#include "common/checked.h"
#include "common/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vorneta;

TEST(Checked, FaultsCarryTheirMessages)
{
    const Real zero(0), one(1), big(std::numeric_limits<Quantity>::max());
    const Real inf(std::numeric_limits<Quantity>::infinity());
    EXPECT_THROW(one / zero, FloatDivideByZero);
    EXPECT_THROW(-one / zero, FloatDivideByZero);
    EXPECT_THROW(zero / zero, FloatInvalidOperation);
    EXPECT_THROW(inf - inf, FloatInvalidOperation);
    EXPECT_THROW(zero * inf, FloatInvalidOperation);
    EXPECT_THROW(sqrt(-one), FloatInvalidOperation);
    EXPECT_THROW(big * Real(2), FloatOverflow);
    EXPECT_THROW(big + big, FloatOverflow);
    EXPECT_THROW(exp(Real(12000)), FloatOverflow);
    try {
        (void)(one / zero);
    } catch (const Failure &f) {
        EXPECT_EQ(f.message(), "Floating point division by zero");
    }
    EXPECT_EQ(FloatInvalidOperation().message(), "Invalid floating point operation");
    EXPECT_EQ(FloatOverflow().message(), "Floating point overflow");
}

TEST(Checked, UnderflowDenormalsAndInexactPassSilently)
{
    const Real tiny(std::numeric_limits<Quantity>::min());
    EXPECT_NO_THROW(tiny / Real(1e10L));                      // denormal result
    EXPECT_EQ((tiny * tiny).value(), 0.0L);                   // underflow to zero
    EXPECT_EQ(exp(Real(-100000)).value(), 0.0L);              // exponential underflow
    EXPECT_NO_THROW(Real(1) / Real(3));                       // inexact
    EXPECT_EQ((Real(1) / Real(3)).value(), 1.0L / 3.0L);
}

TEST(Checked, SineAndCosineVanishBeyondTwoTo63)
{
    const Quantity twoTo63 = 9223372036854775808.0L;
    EXPECT_EQ(sin(Real(twoTo63)).value(), 0.0L);
    EXPECT_EQ(cos(Real(-twoTo63 * 4)).value(), 0.0L);
    EXPECT_NE(sin(Real(std::nextafter(twoTo63, 0.0L))).value(), 0.0L);
    EXPECT_EQ(cos(Real(0)).value(), 1.0L);
}

TEST(Checked, PixelRoundingIsHalfToEvenInto64Bits)
{
    struct Case { Quantity in; Pixel out; };
    for (const Case c : {Case{2.5L, 2}, {3.5L, 4}, {-2.5L, -2}, {-3.5L, -4}, {0.5L, 0},
                         {-0.5L, 0}, {2.4999L, 2}, {2.5001L, 3}, {-7.0L, -7},
                         {-9223372036854775808.0L, std::numeric_limits<Pixel>::min()}}) {
        EXPECT_EQ(roundToPixel(Real(c.in)), c.out) << static_cast<double>(c.in);
    }
    EXPECT_THROW(roundToPixel(Real(9223372036854775808.0L)), FloatInvalidOperation);
    EXPECT_THROW(roundToPixel(Real(-9223372036854775810.0L)), FloatInvalidOperation);
    EXPECT_THROW(roundToPixel(Real(std::numeric_limits<Quantity>::infinity())), FloatInvalidOperation);
    EXPECT_THROW(roundToPixel(Real(std::numeric_limits<Quantity>::quiet_NaN())), FloatInvalidOperation);
    EXPECT_EQ(truncToInt64(Real(-2.9L)), -2);
}

TEST(Errors, FileErrorsAndTheErrorBoxFullStop)
{
    EXPECT_EQ(FileError(2).message(), "File not found");
    EXPECT_EQ(FileError(3).message(), "Invalid filename");
    EXPECT_EQ(FileError(4).message(), "Too many open files");
    EXPECT_EQ(FileError(5).message(), "File access denied");
    EXPECT_EQ(FileError(28).message(), "I/O error 28");
    EXPECT_EQ(errorBoxText("Floating point overflow"), "Floating point overflow.");
    EXPECT_EQ(errorBoxText("I/O error 28"), "I/O error 28.");
    EXPECT_EQ(errorBoxText("ends with a comma,"), "ends with a comma,");
    EXPECT_EQ(errorBoxText("."), ".");
    EXPECT_EQ(errorBoxText(""), "");
}
