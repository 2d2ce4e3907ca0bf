#include "common/accesskeys.h"

#include <set>

namespace vorneta {

namespace {

// Letters A to Z and digits 0 to 9, in upper case; 0 for every other character (accented
// letters such as "Ł" included).
char keyOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return static_cast<char>(u - u'a' + 'A');
    if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
        return static_cast<char>(u);
    return 0;
}

}  // namespace

std::vector<int> accessKeyPositions(const QStringList &captions)
{
    std::vector<int> positions;
    positions.reserve(captions.size());
    std::set<char> taken;
    for (const QString &caption : captions) {
        int found = -1;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const char key = keyOf(caption.at(i));
            if (key != 0 && taken.insert(key).second) {
                found = static_cast<int>(i);
                break;
            }
        }
        positions.push_back(found);
    }
    return positions;
}

QString withAccessKeyMark(const QString &caption, int position)
{
    QString text;
    text.reserve(caption.size() + 2);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (i == position)
            text += QLatin1Char('&');
        if (caption.at(i) == QLatin1Char('&'))
            text += QLatin1Char('&');
        text += caption.at(i);
    }
    return text;
}

}  // namespace vorneta
