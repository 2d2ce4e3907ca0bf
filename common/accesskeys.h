#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vorneta {

// The access keys of one menu level. Going through the captions in order, each takes the first
// character that is a letter A to Z or a digit (compared in upper case) and not yet taken by an
// earlier caption of the same level. The result holds, per caption, the position of that
// character in the caption, or -1 when the caption has none left to take.
std::vector<int> accessKeyPositions(const QStringList &captions);

// The caption as a menu text: '&' before the access key at position (none when -1), and every
// '&' of the caption itself doubled so that it shows as it stands.
QString withAccessKeyMark(const QString &caption, int position);

}  // namespace vorneta
