#include "transients/surface.h"

#include <algorithm>
#include <stdexcept>

namespace vorneta {

namespace {

// Line end points are 64-bit, so their differences and the products of the line rule
// need 128 bits.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

constexpr std::uint32_t opaque(Colour c) { return 0xFF000000u | (c & 0xFFFFFFu); }

}  // namespace

Surface::Surface(int width, int height)
    : width_(width), height_(height)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("a drawing surface needs a positive size");
    bits_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), opaque(kWhite));
}

void Surface::moveTo(Pixel x, Pixel y)
{
    x_ = x;
    y_ = y;
}

void Surface::lineTo(Pixel x1, Pixel y1)
{
    const Pixel x0 = x_;
    const Pixel y0 = y_;
    x_ = x1;
    y_ = y1;

    const Wide dx = Wide(x1) - x0;
    const Wide dy = Wide(y1) - y0;
    const UWide adx = UWide(dx < 0 ? -dx : dx);
    const UWide ady = UWide(dy < 0 ? -dy : dy);
    const bool xMajor = adx >= ady;
    const UWide n = xMajor ? adx : ady;  // the number of pixels, below 2^64
    if (n == 0)
        return;
    const UWide m = xMajor ? ady : adx;  // the minor extent, at most n
    const Wide a0 = xMajor ? x0 : y0;
    const Wide b0 = xMajor ? y0 : x0;
    const Wide da = xMajor ? dx : dy;
    const Wide db = xMajor ? dy : dx;
    const int sa = da > 0 ? 1 : -1;
    const int sb = db > 0 ? 1 : (db < 0 ? -1 : 0);
    const Wide aLimit = xMajor ? width_ : height_;
    const Wide bLimit = xMajor ? height_ : width_;

    // The steps whose major coordinate a0 + sa*i lies on the surface.
    Wide lo = 0;
    Wide hi = Wide(n) - 1;
    if (sa > 0) {
        lo = std::max(lo, -a0);
        hi = std::min(hi, aLimit - 1 - a0);
    } else {
        lo = std::max(lo, a0 - (aLimit - 1));
        hi = std::min(hi, a0);
    }
    if (lo > hi)
        return;

    // The minor offsets whose minor coordinate b0 + sb*offset lies on the surface.
    Wide offLo = 0;
    Wide offHi = 0;
    if (sb > 0) {
        offLo = -b0;
        offHi = bLimit - 1 - b0;
    } else if (sb < 0) {
        offLo = b0 - (bLimit - 1);
        offHi = b0;
    } else if (b0 < 0 || b0 >= bLimit) {
        return;
    }
    if (offHi < 0)
        return;

    // The minor offset of step i: floor(i*m/n + 1/2), halves toward the end. It never
    // decreases with i, so the visible steps form one run found by bisection.
    const auto offsetAt = [m, n](Wide i) {
        const UWide p = UWide(i) * m;  // below 2^128
        const UWide q = p / n;
        const UWide r = p % n;
        return Wide(q + (2 * r >= n ? 1 : 0));
    };
    if (offsetAt(lo) < offLo) {
        if (offsetAt(hi) < offLo)
            return;
        Wide a = lo;  // offsetAt(a) < offLo <= offsetAt(b)
        Wide b = hi;
        while (b - a > 1) {
            const Wide mid = a + (b - a) / 2;
            (offsetAt(mid) < offLo ? a : b) = mid;
        }
        lo = b;
    }
    if (offsetAt(hi) > offHi) {
        if (offsetAt(lo) > offHi)
            return;
        Wide a = lo;  // offsetAt(a) <= offHi < offsetAt(b)
        Wide b = hi;
        while (b - a > 1) {
            const Wide mid = a + (b - a) / 2;
            (offsetAt(mid) > offHi ? b : a) = mid;
        }
        hi = a;
    }

    // Walk the visible run with the rule's remainder carried from step to step.
    const std::uint32_t colour = opaque(pen_);
    const int first = static_cast<int>(a0 + sa * lo);  // the visible run's major coordinates
    const int count = static_cast<int>(hi - lo) + 1;
    if (m == 0) {
        // Horizontal or vertical: one row or column run.
        const int b = static_cast<int>(b0);
        const int start = sa > 0 ? first : first - count + 1;
        if (xMajor) {
            std::fill_n(bits_.begin() + static_cast<std::ptrdiff_t>(index(start, b)), count, colour);
        } else {
            for (int a = start; a < start + count; ++a)
                bits_[index(b, a)] = colour;
        }
        return;
    }
    const UWide p = UWide(lo) * m;
    const Wide offset0 = Wide(p / n);
    // The remainder stays below n, so r + m < 2^65: keep it in 128 bits only for huge lines.
    const auto walk = [&](auto r, auto mm, auto nn) {
        Wide offset = offset0;
        for (int step = 0; step < count; ++step) {
            const int a = first + sa * step;
            const int b = static_cast<int>(b0 + sb * (offset + (2 * r >= nn ? 1 : 0)));
            bits_[xMajor ? index(a, b) : index(b, a)] = colour;
            r += mm;
            if (r >= nn) {
                r -= nn;
                ++offset;
            }
        }
    };
    if (n < (UWide(1) << 62))
        walk(std::uint64_t(p % n), std::uint64_t(m), std::uint64_t(n));
    else
        walk(UWide(p % n), UWide(m), UWide(n));
}

}  // namespace vorneta
