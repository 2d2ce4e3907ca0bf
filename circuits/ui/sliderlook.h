#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

#include <functional>
#include <string>

class QFrame;
class QImage;
class QSlider;
class QWidget;

namespace vorneta {

// The look the four slider tabs share, and the one way their sliders reach their handlers.

// The application's sans-serif font at a character height in pixels (11, 13 or 16).
QFont tabFont(int pixelSize);

inline constexpr int kSmallFont = 11;  // 8 pt
inline constexpr int kLargeFont = 13;  // 10 pt

// A reading printed over the diagram: opaque white, blue, 8 pt, left-aligned at its place
// and sized to its text, so a longer number grows to the right.
class ReadoutLabel : public QLabel
{
public:
    ReadoutLabel(QWidget *parent, const char *name, int left, int top, const QString &text);
    // Shows a reading (UTF-8) and fits the label to it.
    void showReading(const std::string &text);
};

// A plain caption or tick label, sized to its text.
QLabel *makeCaption(QWidget *parent, const char *name, int left, int top, const QString &text,
                    int pixelSize, QColor colour = Qt::blue);

// Black word-wrapped explanatory text of a fixed size. Runs of spaces are kept as typed.
QLabel *makeExplanation(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &text);

// A box frame: lowered around a slider group, raised around the explanatory texts.
enum class Bevel { Lowered, Raised };
QFrame *makeBevel(QWidget *parent, const char *name, const QRect &geometry, Bevel style);

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

// The diagram picture, shown unscaled from its top-left corner; a control smaller than
// the picture shows its top rows.
QLabel *makePicture(QWidget *parent, const char *name, const QRect &geometry, const QImage &image);

}  // namespace vorneta
