#include "transients/ui/tablook.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>

namespace vorneta::tablook {

namespace {

void setColour(QWidget *widget, QPalette::ColorRole role, QColor colour)
{
    if (!colour.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

class ExplanationLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        static const QRegularExpression lineBreak(QStringLiteral(" {4,}"));
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        int top = 0;
        for (const QString &line : text().split(lineBreak, Qt::SkipEmptyParts)) {
            QRect used;
            painter.drawText(QRect(0, top, width(), height() - top), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             line, &used);
            top += used.height();
            if (top >= height())
                break;
        }
    }
};

}  // namespace

QFont font(int pixelSize)
{
    QFont f = QApplication::font();
    f.setPixelSize(pixelSize);
    return f;
}

QLabel *label(QWidget *parent, const char *name, int left, int top, const QString &text, int pixelSize,
              QColor colour, Background background)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setFont(font(pixelSize));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColour(l, QPalette::WindowText, colour);
    if (background == Background::White) {
        setColour(l, QPalette::Window, Qt::white);
        l->setAutoFillBackground(true);
    }
    l->move(left, top);
    showText(l, text.toStdString());
    return l;
}

void showText(QLabel *label, const std::string &text)
{
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    label->setText(shown);
    label->adjustSize();
    if (shown.isEmpty())
        label->resize(0, label->height());
}

QLabel *explanation(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *l = new ExplanationLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setFont(font(kSmall));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(geometry);
    l->setText(text);
    return l;
}

QFrame *bevel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(1);
    frame->setGeometry(geometry);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QLineEdit *edit(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setFont(font(kSmall));
    e->setGeometry(geometry);
    return e;
}

QPushButton *button(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                    int pixelSize, QColor colour)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(font(pixelSize));
    setColour(b, QPalette::ButtonText, colour);
    b->setAutoDefault(false);
    b->setGeometry(geometry);
    return b;
}

}  // namespace vorneta::tablook
