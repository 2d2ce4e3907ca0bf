#pragma once

#include "common/checked.h"
#include "transients/surface.h"
#include "transients/texttable.h"

namespace vorneta {

// The two plot areas, their axis frames and the result tables beside them.

// Image5, the capacitor plot: origin (time 0, value 0) at (120, 360).
inline constexpr int kCapacitorPlotWidth = 600;
inline constexpr int kCapacitorPlotHeight = 400;
// Image7, the RC plot: origin at (40, 195), the time axis across the middle.
inline constexpr int kRcPlotWidth = 553;
inline constexpr int kRcPlotHeight = 377;

// Both tables have 420 rows: row 0 the headings, rows 1 to 419 the samples.
inline constexpr int kTableRows = 420;
inline constexpr int kCapacitorTableColumns = 3;  // StringGrid1
inline constexpr int kRcTableColumns = 4;         // StringGrid2

Surface makeCapacitorSurface();
Surface makeRcSurface();
TextTable makeCapacitorTable();
TextTable makeRcTable();

// The whole capacitor frame in black, as the main window's activation draws it: the value
// axis, the time axis, the time ticks, the value ticks and the two arrowheads.
void drawCapacitorFrame(Surface &image5);
// The first drawing step of a capacitor press: clears x 120..539, y 10..360 and draws the
// ticks and arrowheads again; the press draws the two axis lines itself, over its curves.
void prepareCapacitorPlot(Surface &image5);

// The whole RC frame in black, as the activation draws it.
void drawRcFrame(Surface &image7);
// The first step of an RC press: clears x 40..459, y 10..360 and draws the whole frame.
void prepareRcPlot(Surface &image7);

// The row of a plotted value: originY - round(scaled), rounding halves to even. A value
// whose row does not fit a 64-bit pixel coordinate is an invalid operation.
Pixel plotRow(Pixel originY, Real scaled);

// The heading rows: "t [s]", "U [V]", "I [A]" and "t [s]", "Uz [V]", "Uc [V]", "Ur [V]".
void writeCapacitorHeadings(TextTable &grid1);
void writeRcHeadings(TextTable &grid2);

}  // namespace vorneta
