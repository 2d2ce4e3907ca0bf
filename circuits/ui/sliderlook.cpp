#include "circuits/ui/sliderlook.h"

#include "common/ui/errorbox.h"

#include <QSlider>

namespace vorneta {

ReadoutLabel::ReadoutLabel(QWidget *parent, const char *name, int left, int top,
                           const QString &text)
    : QLabel(parent)
{
    setObjectName(QString::fromLatin1(name));
    setTextFormat(Qt::PlainText);
    setFont(tabFont(kSmallFont));
    setTextColour(this, Qt::blue);
    setColour(this, QPalette::Window, Qt::white);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    move(left, top);
    setText(text);
    adjustSize();
}

void ReadoutLabel::showReading(const std::string &text)
{
    const QString reading = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (reading == this->text())
        return;  // the same reading again, as on the release after a drag
    setText(reading);
    adjustSize();
}

QSlider *makeSlider(QWidget *parent, const char *name, const QRect &geometry, int minimum,
                    int maximum, int position, int tickInterval)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(minimum, maximum);
    slider->setValue(position);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(tickInterval);
    slider->setSingleStep(1);
    slider->setPageStep(2);
    slider->setCursor(Qt::PointingHandCursor);
    slider->setFocusPolicy(Qt::StrongFocus);
    slider->setGeometry(geometry);
    return slider;
}

void onSliderChange(QSlider *slider, QWidget *owner, std::function<void()> handler)
{
    auto run = [owner, handler = std::move(handler)] { guarded(handler, owner); };
    QObject::connect(slider, &QSlider::valueChanged, owner, run);
    QObject::connect(slider, &QSlider::sliderReleased, owner, run);
}

}  // namespace vorneta
