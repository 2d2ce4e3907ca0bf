#include "common/ui/controls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>

namespace vorneta {

namespace {

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

QFont tabFont(int pixelSize)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, QColor colour)
{
    if (!colour.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setTextColour(QWidget *widget, QColor colour)
{
    setColour(widget, QPalette::WindowText, colour);
}

QLabel *makeCaption(QWidget *parent, const char *name, int left, int top, const QString &text,
                    int pixelSize, QColor colour, Background background, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(tabFont(pixelSize));
    label->setAlignment(alignment);
    setTextColour(label, colour);
    if (background == Background::White) {
        setColour(label, QPalette::Window, Qt::white);
        label->setAutoFillBackground(true);
    }
    label->move(left, top);
    label->setText(text);
    label->adjustSize();
    if (text.isEmpty())
        label->resize(0, label->height());
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

QLabel *makePicture(QWidget *parent, const char *name, const QRect &geometry, const QImage &image)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(QPixmap::fromImage(image));
    label->setGeometry(geometry);
    return label;
}

void setTabChain(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace vorneta
