// Draws the program icon at one size into a PNG file: makeicons <size> <file.png>.
// The build runs it for every size of the desktop's icon theme, so that each size is drawn from
// the icon's description rather than scaled from another size.

#include "app/pictures.h"

#include <QApplication>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    if (argc != 3) {
        std::fprintf(stderr, "usage: makeicons <size> <file.png>\n");
        return 2;
    }
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[1]).toInt(&ok);
    if (!ok || size < 16 || size > 1024) {
        std::fprintf(stderr, "makeicons: the size must be a whole number from 16 to 1024\n");
        return 2;
    }
    const QImage icon = vorneta::drawProgramIcon(size);
    if (icon.size() != QSize(size, size)) {
        std::fprintf(stderr, "makeicons: the icon came out %d x %d instead of %d x %d\n",
                     icon.width(), icon.height(), size, size);
        return 1;
    }
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "makeicons: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
