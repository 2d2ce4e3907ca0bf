#include "circuits/ui/sliderlook.h"

#include "common/ui/errorbox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>
#include <QPixmap>
#include <QSlider>

namespace vorneta {

QFont tabFont(int pixelSize)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    return font;
}

namespace {

void setTextColour(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Explanatory text. Its long runs of spaces stand for line breaks: each starts a new line,
// so a formula stands on a line of its own. Within a line the text wraps at spaces as
// usual. Where the breaks would push the end of the text out of the label, the text is
// wrapped as a whole instead: no word is ever cut off. The label's text stays as typed.
class ExplanationLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        static const QRegularExpression lineBreak(QStringLiteral(" {4,}"));
        constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        QStringList lines = text().split(lineBreak, Qt::SkipEmptyParts);
        const QFontMetrics metrics(font());
        int needed = 0;
        for (const QString &line : lines)
            needed += metrics.boundingRect(QRect(0, 0, width(), 100000), flags, line).height();
        if (needed > height())
            lines = QStringList{text()};

        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        int top = 0;
        for (const QString &line : lines) {
            QRect used;
            painter.drawText(QRect(0, top, width(), height() - top), flags, line, &used);
            top += used.height();
            if (top >= height())
                break;
        }
    }
};

}  // namespace

ReadoutLabel::ReadoutLabel(QWidget *parent, const char *name, int left, int top,
                           const QString &text)
    : QLabel(parent)
{
    setObjectName(QString::fromLatin1(name));
    setTextFormat(Qt::PlainText);
    setFont(tabFont(kSmallFont));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
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

QLabel *makeCaption(QWidget *parent, const char *name, int left, int top, const QString &text,
                    int pixelSize, QColor colour)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(tabFont(pixelSize));
    setTextColour(label, colour);
    label->move(left, top);
    label->setText(text);
    label->adjustSize();
    return label;
}

QLabel *makeExplanation(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &text)
{
    auto *label = new ExplanationLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(tabFont(kSmallFont));
    setTextColour(label, Qt::black);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    label->setText(text);
    return label;
}

QFrame *makeBevel(QWidget *parent, const char *name, const QRect &geometry, Bevel style)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(style == Bevel::Lowered ? QFrame::Sunken : QFrame::Raised);
    frame->setLineWidth(1);
    frame->setGeometry(geometry);
    // A frame is only drawn: clicks go through to what lies under it.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
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

QLabel *makePicture(QWidget *parent, const char *name, const QRect &geometry, const QImage &image)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(QPixmap::fromImage(image));
    label->setGeometry(geometry);
    return label;
}

}  // namespace vorneta
