#pragma once

#include "common/quantity.h"

#include <cstdint>
#include <vector>

namespace vorneta {

// A colour as 0xRRGGBB.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlue = 0x0000FF;
inline constexpr Colour kRed = 0xFF0000;
inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kLime = 0x00FF00;

// A plot area's drawing surface: a bitmap of fixed size, white when made, that keeps its
// pixels until something is drawn over them, with a one-pixel pen of settable colour.
//
// Drawing is moving the pen to a point and drawing straight lines from the pen's position
// to further points. Coordinates are 64-bit pixels, x to the right and y downwards, (0, 0)
// the top-left pixel; points may lie anywhere, on or off the surface.
//
// The line rule. A line from (x0, y0) to (x1, y1), with dx = x1 - x0, dy = y1 - y0 and
// n = max(|dx|, |dy|), paints n pixels, step i = 0 .. n-1 (none when both points are the
// same): the start pixel first, the end point never. The major axis is x when |dx| >= |dy|,
// else y; along it the pixel of step i lies i pixels from the start toward the end. Along
// the other axis it lies at the exact line's position there rounded to the nearest pixel,
// halves rounded toward the end:
//     minor(i) = minor0 + sign(dminor) * floor((2 * i * |dminor| + n) / (2 * n)).
// Horizontal and vertical lines therefore paint x0 .. x1 - 1 (or down to x1 + 1) in their
// row or column, and diagonals every pixel of theirs. Only the pixels of this set that lie
// on the surface are painted; a line is clipped to the surface before it is walked, so a
// line with an end point 2^62 pixels away costs no more than one across the surface.
class Surface
{
public:
    Surface(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // The colour of a pixel on the surface.
    Colour pixel(int x, int y) const { return bits_[index(x, y)] & 0xFFFFFFu; }

    void setPenColour(Colour colour) { pen_ = colour; }
    Colour penColour() const { return pen_; }

    void moveTo(Pixel x, Pixel y);
    void lineTo(Pixel x, Pixel y);
    Pixel penX() const { return x_; }
    Pixel penY() const { return y_; }

    // The pixels row by row, each 0xFFRRGGBB (the layout of a 32-bit RGB image).
    const std::uint32_t *bits() const { return bits_.data(); }

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<std::uint32_t> bits_;
    Colour pen_ = kBlack;
    Pixel x_ = 0;
    Pixel y_ = 0;
};

}  // namespace vorneta
