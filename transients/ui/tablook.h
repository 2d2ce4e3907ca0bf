#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The controls of the two transient tabs, made the way both tabs show them.
namespace vorneta::tablook {

inline constexpr int kSmall = 11;  // 8 pt
inline constexpr int kLarge = 13;  // 10 pt

inline const QColor kBlueText(0, 0, 255);
inline const QColor kRedText(255, 0, 0);
inline const QColor kGreenText(0, 128, 0);
inline const QColor kBlackText(0, 0, 0);

// The application's sans-serif font at a character height in pixels.
QFont font(int pixelSize);

// A label sized to its text, in the given colour (an invalid colour keeps the default
// text colour); plot labels have an opaque white background.
enum class Background { Tab, White };
QLabel *label(QWidget *parent, const char *name, int left, int top, const QString &text, int pixelSize,
              QColor colour = QColor(), Background background = Background::Tab);

// Shows a text (UTF-8) in a label sized to it; an empty label takes no room.
void showText(QLabel *label, const std::string &text);

// Word-wrapped explanatory text of a fixed size; a run of four or more spaces starts a new
// line, whatever the font's widths. The label's text stays exactly as given.
QLabel *explanation(QWidget *parent, const char *name, const QRect &geometry, const QString &text);

// A raised frame; it only draws, clicks go through it.
QFrame *bevel(QWidget *parent, const char *name, const QRect &geometry);

// An empty edit box.
QLineEdit *edit(QWidget *parent, const char *name, const QRect &geometry);

// A push button with its caption in the given font size and colour.
QPushButton *button(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                    int pixelSize = kSmall, QColor colour = QColor());

}  // namespace vorneta::tablook
