#include "transients/surface.h"

#include "tests/core/transients_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <utility>

using namespace vorneta;
using namespace vorneta::testing_pixels;

namespace {

constexpr Pixel kMax = std::numeric_limits<Pixel>::max();
constexpr Pixel kMin = std::numeric_limits<Pixel>::min();

}  // namespace

TEST(SurfaceLine, PaintsItsStartAndNotItsEnd)
{
    struct Case
    {
        const char *name;
        Pixel x0, y0, x1, y1;
        PixelSet expected;
    };
    const Case cases[] = {
        {"right", 2, 3, 6, 3, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
        {"left", 6, 3, 2, 3, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}},
        {"down", 4, 1, 4, 4, {{4, 1}, {4, 2}, {4, 3}}},
        {"up", 4, 4, 4, 1, {{4, 4}, {4, 3}, {4, 2}}},
        {"diagonal", 1, 1, 4, 4, {{1, 1}, {2, 2}, {3, 3}}},
        {"anti-diagonal", 4, 1, 1, 4, {{4, 1}, {3, 2}, {2, 3}}},
        {"single pixel", 5, 5, 6, 5, {{5, 5}}},
        {"single diagonal step", 5, 5, 4, 6, {{5, 5}}},
        {"no length", 5, 5, 5, 5, {}},
        // halves of the exact line round toward the end, so the two directions differ
        {"shallow", 0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {"shallow back", 4, 1, 0, 0, {{4, 1}, {3, 1}, {2, 0}, {1, 0}}},
        {"steep", 0, 0, 1, 3, {{0, 0}, {0, 1}, {1, 2}}},
        {"curve step", 10, 2, 11, 8, {{10, 2}, {10, 3}, {10, 4}, {11, 5}, {11, 6}, {11, 7}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(drawn(12, 10, c.x0, c.y0, c.x1, c.y1), c.expected);
        EXPECT_EQ(expectedLine(12, 10, c.x0, c.y0, c.x1, c.y1), c.expected);
    }
}

TEST(SurfaceLine, PenKeepsItsColourAndMovesToTheEnd)
{
    Surface s(8, 8);
    EXPECT_EQ(s.pixel(3, 3), kWhite);
    s.setPenColour(kGreen);
    s.moveTo(1, 1);
    s.lineTo(4, 1);
    s.lineTo(4, 4);  // continues from (4, 1), painting it
    EXPECT_EQ(s.penX(), 4);
    EXPECT_EQ(s.penY(), 4);
    EXPECT_EQ(painted(s, kGreen), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {4, 3}}));
    EXPECT_EQ(s.bits()[1 * 8 + 1], 0xFF008000u);
}

TEST(SurfaceLine, FarOffEndsPaintExactlyTheLinesVisiblePixels)
{
    struct Case
    {
        const char *name;
        Pixel x0, y0, x1, y1;
    };
    const Case cases[] = {
        {"down to 2^62", 20, 10, 21, Pixel(1) << 62},
        {"up to the 64-bit minimum", 20, 10, 21, kMin},
        {"from the 64-bit maximum back on", 19, kMax, 20, 5},
        {"shallow far right", 3, 7, kMax, kMax / 3},
        {"steep far off", 5, 2, 1000000007, kMax},
        {"across from corner to corner of the range", kMin, kMin, kMax, kMax},
        {"across the other way", kMax, kMin, kMin, kMax},
        {"passing by outside", -1000, 50, 1000, -50},
        {"starting off the surface", -5, -5, 60, 40},
        {"horizontal far off both ways", kMin, 12, kMax, 12},
        {"vertical outside", 40, kMin, 40, kMax},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PixelSet expected = expectedLine(40, 30, c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(drawn(40, 30, c.x0, c.y0, c.x1, c.y1), expected);
    }
    // The rule's own far-off cases: a vertical line down from (20, 10) paints 10..29, and a
    // line to x + 1 far below leaves the column only when the exact line passes half-way.
    EXPECT_EQ(drawn(40, 30, 20, 10, 21, Pixel(1) << 62).size(), 20u);
    EXPECT_EQ(drawn(40, 30, 20, 10, 20, kMax).size(), 20u);
}

TEST(SurfaceLine, RandomLinesMatchTheRule)
{
    std::mt19937_64 random(20261211);
    const auto coordinate = [&](int scale) -> Pixel {
        switch (random() % 4) {
        case 0: return Pixel(random() % 60) - 10;
        case 1: return Pixel(random() % 2000) - 1000;
        case 2: return Pixel(random() >> (random() % 64)) * (random() % 2 ? 1 : -1);
        default: return scale + Pixel(random() % 3) - 1;
        }
    };
    for (int round = 0; round < 3000; ++round) {
        const Pixel x0 = coordinate(40), y0 = coordinate(30), x1 = coordinate(0), y1 = coordinate(0);
        SCOPED_TRACE(testing::Message() << x0 << "," << y0 << " -> " << x1 << "," << y1);
        ASSERT_EQ(drawn(40, 30, x0, y0, x1, y1), expectedLine(40, 30, x0, y0, x1, y1));
    }
}
