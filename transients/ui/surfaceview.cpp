#include "transients/ui/surfaceview.h"

#include "transients/surface.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace vorneta {

SurfaceView::SurfaceView(QWidget *parent, const char *name, const QRect &geometry) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SurfaceView::setSurface(const Surface *surface)
{
    surface_ = surface;
    setAttribute(Qt::WA_OpaquePaintEvent, surface != nullptr
                                              && surface->width() >= width() && surface->height() >= height());
    update();
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    if (!surface_)
        return;
    // The surface's pixels are 0xFFRRGGBB rows: the layout of a 32-bit RGB image, shown
    // without a copy.
    const QImage image(reinterpret_cast<const uchar *>(surface_->bits()), surface_->width(), surface_->height(),
                       static_cast<qsizetype>(surface_->width()) * 4, QImage::Format_RGB32);
    QPainter painter(this);
    painter.drawImage(event->rect(), image, event->rect());
}

}  // namespace vorneta
