#pragma once

// Pixel helpers shared by the plot tests: the pixels of a colour, and the line rule
// evaluated directly, pixel by pixel, independently of the surface's own walk.
#include "transients/surface.h"

#include <set>
#include <utility>

namespace vorneta::testing_pixels {

using PixelSet = std::set<std::pair<int, int>>;
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

inline PixelSet painted(const Surface &s, Colour colour = kBlack)
{
    PixelSet set;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == colour)
                set.insert({x, y});
    return set;
}

inline PixelSet drawn(int w, int h, Pixel x0, Pixel y0, Pixel x1, Pixel y1)
{
    Surface s(w, h);
    s.moveTo(x0, y0);
    s.lineTo(x1, y1);
    return painted(s);
}

// The line rule evaluated pixel by pixel: for every major coordinate on the surface that
// belongs to the line, the minor coordinate rounded from the exact line, halves toward the
// end. Independent of the surface's clipping and of its incremental walk.
inline PixelSet expectedLine(int w, int h, Pixel x0, Pixel y0, Pixel x1, Pixel y1)
{
    PixelSet set;
    const Wide dx = Wide(x1) - x0, dy = Wide(y1) - y0;
    const Wide adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const Wide n = xMajor ? adx : ady, m = xMajor ? ady : adx;
    if (n == 0)
        return set;
    const Wide a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
    const Wide da = xMajor ? dx : dy, db = xMajor ? dy : dx;
    const int limit = xMajor ? w : h;
    for (int a = 0; a < limit; ++a) {
        const Wide i = da > 0 ? Wide(a) - a0 : a0 - Wide(a);
        if (i < 0 || i >= n)
            continue;
        const UWide twice = 2 * (UWide(i) * UWide(m) % UWide(n));
        const Wide offset = Wide(UWide(i) * UWide(m) / UWide(n)) + (twice >= UWide(n) ? 1 : 0);
        const Wide b = b0 + (db > 0 ? offset : db < 0 ? -offset : 0);
        const int bLimit = xMajor ? h : w;
        if (b < 0 || b >= bLimit)
            continue;
        set.insert(xMajor ? std::pair<int, int>{a, int(b)} : std::pair<int, int>{int(b), a});
    }
    return set;
}

}  // namespace vorneta::testing_pixels
