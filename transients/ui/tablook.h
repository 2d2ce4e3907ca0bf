#pragma once

#include "common/ui/controls.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The controls only the two transient tabs have, made the way both tabs show them; the
// captions, explanations and frames they share with the other tabs are in common/ui/controls.h.
namespace vorneta::tablook {

inline const QColor kBlueText(0, 0, 255);
inline const QColor kRedText(255, 0, 0);
inline const QColor kGreenText(0, 128, 0);
inline const QColor kBlackText(0, 0, 0);

// A caption drawn from its top-left corner, so a text shown in it later keeps its place; an
// invalid colour keeps the default text colour.
QLabel *label(QWidget *parent, const char *name, int left, int top, const QString &text, int pixelSize,
              QColor colour = QColor(), Background background = Background::Tab);

// Shows a text (UTF-8) in a label sized to it; an empty label takes no room.
void showText(QLabel *label, const std::string &text);

// An empty edit box.
QLineEdit *edit(QWidget *parent, const char *name, const QRect &geometry);

// A push button with its caption in the given font size and colour.
QPushButton *button(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                    int pixelSize = kSmallFont, QColor colour = QColor());

}  // namespace vorneta::tablook
