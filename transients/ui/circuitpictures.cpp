#include "transients/ui/circuitpictures.h"

#include "common/ui/controls.h"

#include <QPainter>

namespace vorneta {

namespace {

// The loop both pictures share: its corners, and where the parts sit on its branches.
struct Loop
{
    int left, right, top, bottom;
};

void mark(QPainter &p, int left, int top, const QString &text)
{
    p.setPen(Qt::black);
    p.drawText(QRect(left, top, 16, 16), Qt::AlignLeft | Qt::AlignTop, text);
}

void line(QPainter &p, int x0, int y0, int x1, int y1, int width = 1)
{
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(x0, y0, x1, y1);
}

// The resistor, the capacitor and the open switch on the top, right and bottom branches,
// with the wires that join them to the left branch's ends.
void drawCommonParts(QPainter &p, const Loop &l)
{
    const int middle = (l.left + l.right) / 2;
    const int centre = (l.top + l.bottom) / 2;

    // top: a resistor box marked R
    line(p, l.left, l.top, middle - 20, l.top);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(middle - 20, l.top - 6, 40, 12);
    line(p, middle + 20, l.top, l.right, l.top);
    mark(p, middle - 4, l.top - 22, QStringLiteral("R"));

    // right: a capacitor's two plates marked C
    line(p, l.right, l.top, l.right, centre - 4);
    line(p, l.right - 13, centre - 4, l.right + 13, centre - 4, 2);
    line(p, l.right - 13, centre + 4, l.right + 13, centre + 4, 2);
    line(p, l.right, centre + 5, l.right, l.bottom);
    mark(p, l.right - 30, centre - 8, QStringLiteral("C"));

    // bottom: an open switch
    const int pivot = middle - 14;
    const int contact = middle + 14;
    line(p, l.left, l.bottom, pivot, l.bottom);
    line(p, pivot, l.bottom, contact - 2, l.bottom - 14);
    line(p, contact, l.bottom, l.right, l.bottom);
    p.setBrush(Qt::black);
    p.drawEllipse(QPoint(pivot, l.bottom), 2, 2);
    p.drawEllipse(QPoint(contact, l.bottom), 2, 2);
    p.setBrush(Qt::NoBrush);
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

QImage capacitorCircuitPicture()
{
    QImage image = blank(165, 124);
    QPainter p(&image);
    p.setFont(tabFont(kLargeFont));
    const Loop l{24, 136, 24, 104};
    const int centre = (l.top + l.bottom) / 2;
    // left: a battery, the long plate its plus pole, marked U
    line(p, l.left, l.top, l.left, centre - 4);
    line(p, l.left - 12, centre - 4, l.left + 12, centre - 4);
    line(p, l.left - 6, centre + 3, l.left + 6, centre + 3, 3);
    line(p, l.left, centre + 5, l.left, l.bottom);
    mark(p, l.left + 14, centre - 8, QStringLiteral("U"));
    drawCommonParts(p, l);
    return image;
}

QImage rcCircuitPicture()
{
    QImage image = blank(209, 124);
    QPainter p(&image);
    p.setFont(tabFont(kLargeFont));
    const Loop l{32, 176, 24, 104};
    const int centre = (l.top + l.bottom) / 2;
    // left: a voltage source, a circle with a green arrow pointing up, marked U
    constexpr int radius = 12;
    line(p, l.left, l.top, l.left, centre - radius);
    line(p, l.left, centre + radius, l.left, l.bottom);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(QPoint(l.left, centre), radius, radius);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor green(0, 128, 0);
    p.setPen(QPen(green, 1));
    p.drawLine(l.left, centre + 8, l.left, centre - 8);
    p.drawLine(l.left, centre - 8, l.left - 4, centre - 3);
    p.drawLine(l.left, centre - 8, l.left + 4, centre - 3);
    mark(p, l.left + 18, centre - 8, QStringLiteral("U"));
    drawCommonParts(p, l);
    return image;
}

}  // namespace vorneta
