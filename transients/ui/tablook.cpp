#include "transients/ui/tablook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorneta::tablook {

QLabel *label(QWidget *parent, const char *name, int left, int top, const QString &text, int pixelSize,
              QColor colour, Background background)
{
    return makeCaption(parent, name, left, top, text, pixelSize, colour, background, Qt::AlignLeft | Qt::AlignTop);
}

void showText(QLabel *label, const std::string &text)
{
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    label->setText(shown);
    label->adjustSize();
    if (shown.isEmpty())
        label->resize(0, label->height());
}

QLineEdit *edit(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setFont(tabFont(kSmallFont));
    e->setGeometry(geometry);
    return e;
}

QPushButton *button(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                    int pixelSize, QColor colour)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(tabFont(pixelSize));
    setColour(b, QPalette::ButtonText, colour);
    b->setAutoDefault(false);
    b->setGeometry(geometry);
    return b;
}

}  // namespace vorneta::tablook
