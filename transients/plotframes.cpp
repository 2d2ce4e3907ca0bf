#include "transients/plotframes.h"

#include "common/errors.h"

namespace vorneta {

namespace {

void line(Surface &s, Pixel x0, Pixel y0, Pixel x1, Pixel y1)
{
    s.moveTo(x0, y0);
    s.lineTo(x1, y1);
}

void clearRectangle(Surface &s, Pixel left, Pixel right, Pixel top, Pixel bottom)
{
    s.setPenColour(kWhite);
    for (Pixel y = top; y <= bottom; ++y)
        line(s, left, y, right, y);
}

void capacitorTicksAndArrowheads(Surface &s)
{
    for (Pixel x : {225, 330, 435, 540})
        line(s, x, 357, x, 363);
    for (Pixel y : {30, 140, 250})
        line(s, 118, y, 123, y);
    line(s, 590, 360, 580, 355);
    line(s, 590, 360, 580, 366);
    line(s, 120, 10, 115, 20);
    line(s, 120, 10, 125, 20);
}

}  // namespace

Surface makeCapacitorSurface() { return Surface(kCapacitorPlotWidth, kCapacitorPlotHeight); }
Surface makeRcSurface() { return Surface(kRcPlotWidth, kRcPlotHeight); }
TextTable makeCapacitorTable() { return TextTable(kCapacitorTableColumns, kTableRows); }
TextTable makeRcTable() { return TextTable(kRcTableColumns, kTableRows); }

void drawCapacitorFrame(Surface &s)
{
    s.setPenColour(kBlack);
    line(s, 120, 10, 120, 364);
    line(s, 590, 360, 116, 360);
    capacitorTicksAndArrowheads(s);
}

void prepareCapacitorPlot(Surface &s)
{
    clearRectangle(s, 120, 540, 10, 360);
    s.setPenColour(kBlack);
    capacitorTicksAndArrowheads(s);
}

void drawRcFrame(Surface &s)
{
    s.setPenColour(kBlack);
    line(s, 40, 10, 40, 364);
    line(s, 510, 195, 36, 195);
    for (Pixel x : {145, 250, 355, 460})
        line(s, x, 197, x, 192);
    for (Pixel y : {30, 360})
        line(s, 38, y, 43, y);
    line(s, 510, 195, 500, 190);
    line(s, 510, 195, 500, 201);
    line(s, 40, 10, 35, 20);
    line(s, 40, 10, 45, 20);
}

void prepareRcPlot(Surface &s)
{
    clearRectangle(s, 40, 460, 10, 360);
    drawRcFrame(s);
}

Pixel plotRow(Pixel originY, Real scaled)
{
    Pixel row = 0;
    if (__builtin_sub_overflow(originY, roundToPixel(scaled), &row))
        throw FloatInvalidOperation();
    return row;
}

void writeCapacitorHeadings(TextTable &t)
{
    t.setCell(0, 0, "t [s]");
    t.setCell(1, 0, "U [V]");
    t.setCell(2, 0, "I [A]");
}

void writeRcHeadings(TextTable &t)
{
    t.setCell(0, 0, "t [s]");
    t.setCell(1, 0, "Uz [V]");
    t.setCell(2, 0, "Uc [V]");
    t.setCell(3, 0, "Ur [V]");
}

}  // namespace vorneta
