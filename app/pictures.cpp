#include "app/pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace vorneta {

namespace {

const QColor kLime(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kDarkBlue(0, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kDarkGreen(0, 100, 0);
const QColor kRed(255, 0, 0);
const QColor kDarkRed(128, 0, 0);

// ---- Splash picture ---------------------------------------------------------------------

// The pylon's outline: two legs from the ground to the waist, then the top mast to the peak.
constexpr double kGround = 400;
constexpr double kLegLeftX = 214, kLegRightX = 314;      // feet on the bottom edge
constexpr double kWaistY = 150, kWaistLeftX = 250, kWaistRightX = 278;
constexpr double kPeakY = 2, kPeakLeftX = 258, kPeakRightX = 270;

// x of the left and right leg at height y.
double legX(double y, bool right)
{
    if (y >= kWaistY) {
        const double t = (y - kWaistY) / (kGround - kWaistY);
        return right ? kWaistRightX + t * (kLegRightX - kWaistRightX)
                     : kWaistLeftX + t * (kLegLeftX - kWaistLeftX);
    }
    const double t = (y - kPeakY) / (kWaistY - kPeakY);
    return right ? kPeakRightX + t * (kWaistRightX - kPeakRightX)
                 : kPeakLeftX + t * (kWaistLeftX - kPeakLeftX);
}

void drawSun(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(196, 92), 47.5, 47.5);
}

void drawCrossArm(QPainter &p, double y, double halfSpan)
{
    const double left = legX(y, false), right = legX(y, true);
    const double centre = (left + right) / 2;
    const double a = centre - halfSpan, b = centre + halfSpan;
    // Upper and lower chord, meeting at the tips, with a zigzag web between them.
    p.drawLine(QPointF(a, y), QPointF(b, y));
    p.drawLine(QPointF(a, y), QPointF(left, y + 16));
    p.drawLine(QPointF(b, y), QPointF(right, y + 16));
    const int bays = 6;
    for (int side = 0; side < 2; ++side) {
        const double tip = side == 0 ? a : b, root = side == 0 ? left : right;
        for (int i = 0; i < bays; ++i) {
            const double t0 = double(i) / bays, t1 = double(i + 1) / bays;
            const QPointF top(tip + (root - tip) * t0, y);
            const QPointF bottom(tip + (root - tip) * t1, y + 16 * t1);
            p.drawLine(top, bottom);
        }
    }
}

void drawPylon(QPainter &p)
{
    // Lattice bracing between the legs, in black under the dark-blue main members.
    p.setPen(QPen(Qt::black, 1.2));
    double y = kGround;
    while (y > kPeakY + 10) {
        const double step = std::max(14.0, (y - kPeakY) * 0.14);
        const double upper = std::max(kPeakY, y - step);
        const QPointF bl(legX(y, false), y), br(legX(y, true), y);
        const QPointF tl(legX(upper, false), upper), tr(legX(upper, true), upper);
        p.drawLine(bl, tr);
        p.drawLine(br, tl);
        p.drawLine(tl, tr);
        y = upper;
    }

    // Cross-arms and hanging insulators.
    p.setPen(QPen(kDarkBlue, 2));
    drawCrossArm(p, 56, 80);
    drawCrossArm(p, 112, 62);
    p.drawLine(QPointF(kPeakLeftX, kPeakY + 1), QPointF(kPeakRightX, kPeakY + 1));

    // The four legs' main members.
    p.setPen(QPen(kDarkBlue, 3));
    QPolygonF left, right;
    for (double yy : {kGround, kWaistY, kPeakY}) {
        left << QPointF(legX(yy, false), yy);
        right << QPointF(legX(yy, true), yy);
    }
    p.drawPolyline(left);
    p.drawPolyline(right);
}

// The arm tips where the conductors hang, and the insulators under them.
QList<QPointF> conductorPoints()
{
    QList<QPointF> points;
    for (const auto &[y, halfSpan] : {std::pair{56.0, 80.0}, std::pair{112.0, 62.0}}) {
        const double centre = (legX(y, false) + legX(y, true)) / 2;
        points << QPointF(centre - halfSpan + 2, y + 18) << QPointF(centre + halfSpan - 2, y + 18);
    }
    return points;
}

void drawConductors(QPainter &p)
{
    // Each conductor runs from the left edge to the right edge through its insulator,
    // falling towards the viewer on the left: a diagonal across the whole picture.
    // Slopes per conductor, in the order of conductorPoints(), so that they fan out.
    constexpr double slopes[] = {-0.46, -0.30, -0.40, -0.22};
    p.setPen(QPen(Qt::black, 1.4));
    const QList<QPointF> tips = conductorPoints();
    for (qsizetype i = 0; i < tips.size(); ++i) {
        const QPointF tip = tips[i];
        const double slope = slopes[i % 4];
        p.drawLine(QPointF(tip.x(), tip.y() - 18), tip);  // insulator string
        const QPointF from(0, tip.y() - slope * tip.x());
        const QPointF to(400, tip.y() + slope * (400 - tip.x()));
        p.drawLine(from, to);
    }
    p.setPen(QPen(kDarkBlue, 4));
    for (const QPointF &tip : conductorPoints())
        p.drawLine(QPointF(tip.x(), tip.y() - 14), QPointF(tip.x(), tip.y() - 4));
}

void drawGrass(QPainter &p)
{
    p.setPen(QPen(kDarkGreen, 2, Qt::SolidLine, Qt::RoundCap));
    const double centre = (kLegLeftX + kLegRightX) / 2;
    for (int i = -9; i <= 9; ++i) {
        const double x = centre + i * 7.0;
        const double h = 16 + 9 * std::cos(i * 1.3);
        const double lean = (i % 3) * 3.0 - 3.0 + i * 0.6;
        QPainterPath blade(QPointF(x, kGround));
        blade.quadTo(QPointF(x + lean * 0.3, kGround - h * 0.6), QPointF(x + lean, kGround - h));
        p.drawPath(blade);
    }
}

void drawName(QPainter &p)
{
    // "Vorneta" fitted into about 150 x 50 pixels in the lower-left corner.
    const QRectF box(8, 340, 150, 50);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("Vorneta"));
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.left(), box.bottom());
    t.scale(scale, scale);
    t.translate(-bounds.left(), -bounds.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPath(t.map(path));
}

// ---- Program icon -----------------------------------------------------------------------

// A rectangle given on the icon's 32-unit grid, placed on whole pixels at the drawn size.
QRect gridRect(double scale, double x, double y, double w, double h)
{
    const int left = int(std::lround(x * scale)), top = int(std::lround(y * scale));
    const int right = int(std::lround((x + w) * scale)), bottom = int(std::lround((y + h) * scale));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// "17V" as display strokes inside the cell (x, y, w, h) of the 32-unit grid.
void drawReading(QPainter &p, double scale, const QRectF &cell)
{
    const double w = cell.width() / 3.0;
    auto at = [&](int digit, double fx, double fy) {
        return QPointF((cell.left() + digit * w + 0.5 + fx * (w - 1.5)) * scale,
                       (cell.top() + fy * cell.height()) * scale);
    };
    QPen pen(Qt::black, std::max(1.0, 1.15 * scale), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // 1: a flag and a stem.
    p.drawPolyline(QPolygonF{at(0, 0.25, 0.22), at(0, 0.7, 0.0), at(0, 0.7, 1.0)});
    // 7: top bar and a slanted stem.
    p.drawPolyline(QPolygonF{at(1, 0.0, 0.05), at(1, 1.0, 0.05), at(1, 0.35, 1.0)});
    // V.
    p.drawPolyline(QPolygonF{at(2, 0.0, 0.0), at(2, 0.5, 1.0), at(2, 1.0, 0.0)});
}

}  // namespace

QImage drawSplashPicture()
{
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(kLime);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawSun(p);
    drawConductors(p);
    drawPylon(p);
    drawGrass(p);
    drawName(p);
    return image;
}

QImage drawProgramIcon(int size)
{
    size = std::clamp(size, 16, 256);
    const double s = size / 32.0;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(kYellow);
    QPainter p(&image);

    // Leads first: from each terminal down, then outwards to the edge.
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkRed);
    p.drawRect(gridRect(s, 8.5, 26, 1.5, 3.5));
    p.drawRect(gridRect(s, 0, 28, 10, 1.5));
    p.drawRect(gridRect(s, 22, 26, 1.5, 3.5));
    p.drawRect(gridRect(s, 22, 28, 10, 1.5));

    // The meter body, with a darker rim.
    p.setBrush(kDarkBlue);
    p.drawRect(gridRect(s, 2, 1, 28, 25));
    p.setBrush(kBlue);
    p.drawRect(gridRect(s, 3, 2, 26, 23));

    // The display in the upper half, reading 17V.
    p.setBrush(Qt::black);
    p.drawRect(gridRect(s, 5, 4, 22, 11));
    p.setBrush(Qt::white);
    p.drawRect(gridRect(s, 6, 5, 20, 9));
    p.setRenderHint(QPainter::Antialiasing, size > 32);
    drawReading(p, s, QRectF(8, 6.5, 16, 6));
    p.setRenderHint(QPainter::Antialiasing, false);

    // Two terminals on the lower edge of the body.
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(gridRect(s, 7, 22, 4, 4));
    p.drawRect(gridRect(s, 21, 22, 4, 4));
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(drawProgramIcon(size)));
    return icon;
}

}  // namespace vorneta
