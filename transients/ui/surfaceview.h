#pragma once

#include <QWidget>

namespace vorneta {

class Surface;

// A plot area on screen: shows its drawing surface unscaled from the top-left corner, and
// nothing at all while there is no surface yet.
class SurfaceView : public QWidget
{
public:
    SurfaceView(QWidget *parent, const char *name, const QRect &geometry);

    // The surface to show; it must outlive the view or be replaced first.
    void setSurface(const Surface *surface);
    const Surface *surface() const { return surface_; }

    // Shows the surface's pixels as they are now (after a press has drawn on it).
    void refresh() { update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Surface *surface_ = nullptr;
};

}  // namespace vorneta
