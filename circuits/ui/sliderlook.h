#pragma once

#include "common/ui/controls.h"

#include <QLabel>
#include <QString>

#include <functional>
#include <string>

class QSlider;
class QWidget;

namespace vorneta {

// The look only the four slider tabs have, and the one way their sliders reach their handlers.

// A reading printed over the diagram: opaque white, blue, 8 pt, left-aligned at its place
// and sized to its text, so a longer number grows to the right.
class ReadoutLabel : public QLabel
{
public:
    ReadoutLabel(QWidget *parent, const char *name, int left, int top, const QString &text);
    // Shows a reading (UTF-8) and fits the label to it.
    void showReading(const std::string &text);
};

// A horizontal slider with ticks below every tickInterval positions counted from its
// minimum, the pointing-hand cursor, line step 1 and page step 2, a keyboard focus stop.
QSlider *makeSlider(QWidget *parent, const char *name, const QRect &geometry, int minimum,
                    int maximum, int position, int tickInterval);

// Runs `handler` on every change the slider reports: each new position (dragging, arrow
// and page keys, clicks in the channel, a position set by the program) and once more when
// the thumb is released, with the position unchanged. The handler runs through the error
// guard, so a failure shows the error box and the program goes on. Handlers are written to
// give the same texts when called again with the same position.
void onSliderChange(QSlider *slider, QWidget *owner, std::function<void()> handler);

}  // namespace vorneta
