#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <initializer_list>

namespace vorneta {

// Draws a circuit diagram once into a white picture: black one-pixel wires, meter boxes,
// sources, resistors, node dots and blue captions, at picture pixel coordinates.
class Diagram
{
public:
    enum class Arrow { Left, Up, Down };

    explicit Diagram(int width = 593, int height = 393);

    // A wire through the given points.
    void wire(std::initializer_list<QPoint> points);
    void rectangle(int left, int top, int right, int bottom);
    // A node dot of radius 2.
    void dot(int x, int y);
    // A meter box (left, top)-(right, bottom): the outer frame with its 3-pixel right edge
    // like a shadow, the inner frame, and the unit text in black at the right end.
    void meterBox(int left, int top, int right, int bottom, const QString &unit);
    // The combined power meter: a longer box whose three fields end in their unit texts,
    // each unit's right edge given.
    void longMeterBox(int left, int top, int right, int bottom,
                      std::initializer_list<std::pair<QString, int>> units);
    // A resistor zigzag on a horizontal wire from x1 to x2, or on a vertical one from y1 to y2.
    void resistorAcross(int x1, int x2, int y);
    void resistorDown(int x, int y1, int y2);
    // A current source: two concentric circles (radius 12 and 10) with a red arrow.
    void currentSource(int x, int y, Arrow arrow);
    // A voltage source: a circle of radius 10 with a green arrow.
    void voltageSource(int x, int y, Arrow arrow);
    // Text whose capital letters start on row inkTop, blue unless told otherwise.
    void caption(int left, int inkTop, const QString &text, QColor colour = Qt::blue);
    // Text whose ink ends on column inkRight (a caption that a reading follows).
    void captionEndingAt(int inkRight, int inkTop, const QString &text);
    // Lines of text under each other.
    void captionLines(int left, int inkTop, std::initializer_list<QString> lines);

    QImage image();

private:
    void arrow(int x, int y, Arrow arrow, QColor colour);

    QImage image_;
    QPainter painter_;
    int capHeight_;
    int lineHeight_;
};

// The four tabs' pictures, 593 x 393 each.
QImage ohmDiagram();
QImage kirchhoffCurrentDiagram();
QImage kirchhoffVoltageDiagram();
QImage powerDiagram();

}  // namespace vorneta
