#include "circuits/ui/diagram.h"

#include "circuits/ui/sliderlook.h"

#include <QFontMetrics>
#include <QPolygon>

namespace vorneta {

namespace {

const QColor kGreen(0, 128, 0);

}  // namespace

Diagram::Diagram(int width, int height) : image_(width, height, QImage::Format_RGB32)
{
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::NoBrush);
    painter_.setFont(tabFont(kSmallFont));
    const QFontMetrics metrics(painter_.font());
    capHeight_ = metrics.capHeight();
    lineHeight_ = metrics.height();
}

void Diagram::wire(std::initializer_list<QPoint> points)
{
    painter_.setPen(QPen(Qt::black, 0));
    const QPolygon line(points);
    painter_.drawPolyline(line);
}

void Diagram::rectangle(int left, int top, int right, int bottom)
{
    wire({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
}

void Diagram::dot(int x, int y)
{
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::black);
    painter_.drawEllipse(QPoint(x, y), 2, 2);
    painter_.setBrush(Qt::NoBrush);
}

void Diagram::meterBox(int left, int top, int right, int bottom, const QString &unit)
{
    longMeterBox(left, top, right, bottom, {{unit, right - 6}});
}

void Diagram::longMeterBox(int left, int top, int right, int bottom,
                           std::initializer_list<std::pair<QString, int>> units)
{
    painter_.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), Qt::white);
    rectangle(left, top, right, bottom);
    painter_.fillRect(QRect(QPoint(right - 2, top), QPoint(right, bottom)), Qt::black);
    rectangle(left + 4, top + 2, right - 4, bottom - 2);
    const QFontMetrics metrics(painter_.font());
    const int inkTop = (top + bottom + 1) / 2 - capHeight_ / 2;
    for (const auto &[text, inkRight] : units) {
        const QRect ink = metrics.tightBoundingRect(text);
        caption(inkRight + 1 - ink.width() - ink.left(), inkTop, text, Qt::black);
    }
}

void Diagram::resistorAcross(int x1, int x2, int y)
{
    painter_.fillRect(QRect(QPoint(x1, y - 5), QPoint(x2, y + 5)), Qt::white);
    const int step = (x2 - x1) / 5;
    wire({{x1, y}, {x1 + step / 2, y - 4}, {x1 + step / 2 + step, y + 4},
          {x1 + step / 2 + 2 * step, y - 4}, {x1 + step / 2 + 3 * step, y + 4},
          {x1 + step / 2 + 4 * step, y - 4}, {x2, y}});
}

void Diagram::resistorDown(int x, int y1, int y2)
{
    painter_.fillRect(QRect(QPoint(x - 5, y1), QPoint(x + 5, y2)), Qt::white);
    const int step = (y2 - y1) / 5;
    wire({{x, y1}, {x - 4, y1 + step / 2}, {x + 4, y1 + step / 2 + step},
          {x - 4, y1 + step / 2 + 2 * step}, {x + 4, y1 + step / 2 + 3 * step},
          {x - 4, y1 + step / 2 + 4 * step}, {x, y2}});
}

void Diagram::arrow(int x, int y, Arrow direction, QColor colour)
{
    painter_.setPen(QPen(colour, 0));
    painter_.setBrush(colour);
    const int length = 6;
    QPoint tail, head;
    QPolygon tip;
    switch (direction) {
    case Arrow::Left:
        tail = {x + length, y};
        head = {x - length, y};
        tip << head << QPoint(head.x() + 4, y - 3) << QPoint(head.x() + 4, y + 3);
        break;
    case Arrow::Up:
        tail = {x, y + length};
        head = {x, y - length};
        tip << head << QPoint(x - 3, head.y() + 4) << QPoint(x + 3, head.y() + 4);
        break;
    case Arrow::Down:
        tail = {x, y - length};
        head = {x, y + length};
        tip << head << QPoint(x - 3, head.y() - 4) << QPoint(x + 3, head.y() - 4);
        break;
    }
    painter_.drawLine(tail, head);
    painter_.drawPolygon(tip);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(Qt::black, 0));
}

void Diagram::currentSource(int x, int y, Arrow direction)
{
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(QPoint(x, y), 12, 12);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QPoint(x, y), 10, 10);
    arrow(x, y, direction, Qt::red);
}

void Diagram::voltageSource(int x, int y, Arrow direction)
{
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(QPoint(x, y), 10, 10);
    painter_.setBrush(Qt::NoBrush);
    arrow(x, y, direction, kGreen);
}

void Diagram::caption(int left, int inkTop, const QString &text, QColor colour)
{
    painter_.setPen(QPen(colour, 0));
    painter_.drawText(QPoint(left, inkTop + capHeight_), text);
    painter_.setPen(QPen(Qt::black, 0));
}

void Diagram::captionEndingAt(int inkRight, int inkTop, const QString &text)
{
    const QRect ink = QFontMetrics(painter_.font()).tightBoundingRect(text);
    caption(inkRight - ink.right(), inkTop, text);
}

void Diagram::captionLines(int left, int inkTop, std::initializer_list<QString> lines)
{
    for (const QString &line : lines) {
        caption(left, inkTop, line);
        inkTop += lineHeight_;
    }
}

QImage Diagram::image()
{
    if (painter_.isActive())
        painter_.end();
    return image_;
}

// Current source, ammeter, resistor and the voltmeter across it.
QImage ohmDiagram()
{
    Diagram d;
    d.rectangle(151, 147, 414, 273);
    d.currentSource(270, 273, Diagram::Arrow::Left);
    d.captionLines(260, 292, {QStringLiteral("źródło"), QStringLiteral("prądowe")});
    d.meterBox(166, 136, 232, 158, QStringLiteral("A"));
    d.resistorAcross(342, 356, 147);
    d.captionEndingAt(346, 158, QStringLiteral("R ="));
    d.wire({{298, 147}, {298, 93}, {318, 93}});
    d.wire({{400, 147}, {400, 93}, {384, 93}});
    d.meterBox(318, 83, 384, 104, QStringLiteral("V"));
    d.dot(298, 147);
    d.dot(400, 147);
    return d.image();
}

// Two current sources into one node, three parallel branches with their ammeters.
QImage kirchhoffCurrentDiagram()
{
    Diagram d;
    d.wire({{61, 303}, {61, 105}, {493, 105}, {493, 303}, {61, 303}});
    d.wire({{135, 303}, {135, 159}, {493, 159}});
    d.wire({{259, 105}, {259, 219}, {493, 219}});

    d.currentSource(61, 202, Diagram::Arrow::Up);
    d.captionLines(77, 184, {QStringLiteral("źródło"), QStringLiteral("prądowe"),
                             QStringLiteral("J1")});
    d.currentSource(135, 202, Diagram::Arrow::Up);
    d.captionLines(150, 184, {QStringLiteral("źródło"), QStringLiteral("prądowe"),
                              QStringLiteral("J2")});

    d.meterBox(162, 95, 228, 116, QStringLiteral("A"));
    d.meterBox(162, 149, 228, 170, QStringLiteral("A"));
    d.meterBox(293, 95, 359, 116, QStringLiteral("A"));
    d.meterBox(293, 149, 359, 170, QStringLiteral("A"));
    d.meterBox(295, 209, 361, 230, QStringLiteral("A"));

    d.resistorAcross(424, 438, 105);
    d.resistorAcross(427, 441, 159);
    d.resistorAcross(430, 444, 219);
    d.caption(421, 89, QStringLiteral("R1 ="));
    d.caption(424, 142, QStringLiteral("R2 ="));
    d.caption(427, 202, QStringLiteral("R3 ="));
    d.caption(466, 89, QStringLiteral("Ω"));
    d.caption(469, 142, QStringLiteral("Ω"));
    d.caption(472, 202, QStringLiteral("Ω"));

    d.dot(259, 105);
    d.dot(259, 159);
    d.dot(135, 303);
    d.dot(493, 159);
    d.dot(493, 219);
    return d.image();
}

// One loop: two voltage sources, three resistors, a voltmeter across each element.
QImage kirchhoffVoltageDiagram()
{
    Diagram d;
    d.rectangle(102, 73, 390, 325);

    d.voltageSource(102, 185, Diagram::Arrow::Up);
    d.captionLines(41, 178, {QStringLiteral("źródło"), QStringLiteral("napięcia U1")});
    d.wire({{102, 139}, {180, 139}, {180, 175}});
    d.wire({{102, 229}, {180, 229}, {180, 197}});
    d.meterBox(148, 175, 213, 197, QStringLiteral("V"));
    d.dot(102, 139);
    d.dot(102, 229);

    d.resistorAcross(233, 247, 73);
    d.captionEndingAt(244, 58, QStringLiteral("R1 ="));
    d.caption(268, 58, QStringLiteral("Ω"));
    d.wire({{186, 73}, {186, 121}, {207, 121}});
    d.wire({{300, 73}, {300, 121}, {273, 121}});
    d.meterBox(207, 111, 273, 132, QStringLiteral("V"));
    d.dot(186, 73);
    d.dot(300, 73);

    d.voltageSource(390, 151, Diagram::Arrow::Down);
    d.captionLines(325, 137, {QStringLiteral("źródło"), QStringLiteral("napięcia U2")});
    d.wire({{390, 109}, {468, 109}, {468, 142}});
    d.wire({{390, 187}, {468, 187}, {468, 163}});
    d.meterBox(436, 142, 501, 163, QStringLiteral("V"));
    d.dot(390, 109);
    d.dot(390, 187);

    d.resistorDown(390, 242, 256);
    d.captionEndingAt(352, 246, QStringLiteral("R2 ="));
    d.caption(376, 246, QStringLiteral("Ω"));
    d.wire({{390, 217}, {468, 217}, {468, 241}});
    d.wire({{390, 283}, {468, 283}, {468, 262}});
    d.meterBox(436, 241, 501, 262, QStringLiteral("V"));
    d.dot(390, 217);
    d.dot(390, 283);

    d.resistorAcross(233, 247, 325);
    d.captionEndingAt(243, 311, QStringLiteral("R3 ="));
    d.caption(266, 311, QStringLiteral("Ω"));
    d.wire({{192, 325}, {192, 265}, {214, 265}});
    d.wire({{300, 325}, {300, 265}, {280, 265}});
    d.meterBox(214, 255, 280, 276, QStringLiteral("V"));
    d.dot(192, 325);
    d.dot(300, 325);
    return d.image();
}

// A source of electromotive force, the phase meter, the combined power meter, the ammeter,
// the load and the voltmeter across the source.
QImage powerDiagram()
{
    Diagram d;
    d.rectangle(73, 131, 457, 275);
    d.voltageSource(73, 200, Diagram::Arrow::Up);
    d.caption(88, 196, QStringLiteral("S.E.M."));

    d.wire({{158, 131}, {158, 93}, {256, 93}, {256, 121}});
    d.wire({{256, 145}, {256, 275}});
    d.wire({{158, 131}, {158, 275}});

    d.longMeterBox(80, 121, 146, 142, {{QStringLiteral("°"), 139}});
    d.caption(86, 128, QStringLiteral("α ="), Qt::black);
    // The power meter reaches a little further right than its thirds would need, and the
    // ammeter stands a little further right too: the active power of a few milliwatts at
    // an angle above 90 degrees ("-0,000174") is the widest reading and must stay inside.
    // Each unit ends just before the next field's reading.
    d.longMeterBox(174, 121, 351, 145, {{QStringLiteral("VA"), 239},
                                        {QStringLiteral("VAr"), 294},
                                        {QStringLiteral("W"), 346}});
    d.meterBox(359, 121, 425, 142, QStringLiteral("A"));
    d.meterBox(126, 192, 191, 214, QStringLiteral("V"));

    d.resistorDown(457, 193, 207);
    d.captionEndingAt(479, 195, QStringLiteral("Z="));
    d.caption(503, 195, QStringLiteral("Ω"));

    d.dot(158, 131);
    d.dot(158, 275);
    d.dot(256, 275);
    return d.image();
}

}  // namespace vorneta
