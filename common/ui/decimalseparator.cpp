#include "common/ui/decimalseparator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

namespace vorneta {

namespace {

// The locale whose decimal point numbers use. Qt builds QLocale::system() once per
// process on Linux, from the same variables read here; reading them again ourselves lets
// a locale change made while the program runs take effect. Elsewhere the system locale
// follows the platform's own settings and their change notifications.
QLocale numericLocale()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return QLocale(name);
    }
#endif
    return QLocale::system();
}

char readSeparator()
{
    const QString point = numericLocale().decimalPoint();
    if (point.size() != 1)
        return '.';
    const char16_t c = point.at(0).unicode();
    // One printable ASCII character that cannot be mistaken for part of a number.
    const bool usable = c > 32 && c < 127 && !(c >= '0' && c <= '9') && c != '+' && c != '-' &&
                        c != 'E' && c != 'e';
    return usable ? static_cast<char>(c) : '.';
}

char &current()
{
    static char separator = readSeparator();
    return separator;
}

}  // namespace

char decimalSeparator()
{
    return current();
}

void refreshDecimalSeparator()
{
    current() = readSeparator();
}

bool DecimalSeparatorWatcher::eventFilter(QObject *watched, QEvent *event)
{
    // The application hears of a locale change once; its widgets each hear of it too.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LocaleChange)
        refreshDecimalSeparator();
    return QObject::eventFilter(watched, event);
}

}  // namespace vorneta
