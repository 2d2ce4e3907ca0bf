#include "common/ui/decimalseparator.h"

#include <QLocale>

namespace vorneta {

namespace {

char readSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() > 32 && point.at(0).unicode() < 127)
        return static_cast<char>(point.at(0).unicode());
    return '.';
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

}  // namespace vorneta
