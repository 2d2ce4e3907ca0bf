#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include <initializer_list>

class QFrame;
class QImage;
class QLabel;
class QWidget;

namespace vorneta {

// The look every tab's controls share: fonts, text colours, captions, explanatory texts,
// box frames and pictures.

// The application's sans-serif font at a character height in pixels (11, 13 or 16).
QFont tabFont(int pixelSize);

inline constexpr int kSmallFont = 11;  // 8 pt
inline constexpr int kLargeFont = 13;  // 10 pt

// Sets one colour of a widget's palette; an invalid colour leaves the palette as it is.
void setColour(QWidget *widget, QPalette::ColorRole role, QColor colour);

// Sets the colour a widget draws its text in; an invalid colour keeps the default.
void setTextColour(QWidget *widget, QColor colour);

// A plain caption or tick label, sized to its text; an empty caption takes no room. An
// invalid colour keeps the default text colour; labels over a plot have an opaque white
// background.
enum class Background { Tab, White };
QLabel *makeCaption(QWidget *parent, const char *name, int left, int top, const QString &text,
                    int pixelSize, QColor colour = Qt::blue, Background background = Background::Tab,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// Black word-wrapped explanatory text of a fixed size. Runs of spaces are kept as typed.
QLabel *makeExplanation(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &text);

// A box frame: lowered around a slider group, raised around the explanatory texts and
// the transient tabs' edit boxes. It only draws; clicks go through it.
enum class Bevel { Lowered, Raised };
QFrame *makeBevel(QWidget *parent, const char *name, const QRect &geometry, Bevel style);

// A picture, shown unscaled from its top-left corner; a control smaller than the picture
// shows its top rows.
QLabel *makePicture(QWidget *parent, const char *name, const QRect &geometry, const QImage &image);

// The keyboard focus moves through the widgets in the order given.
void setTabChain(std::initializer_list<QWidget *> widgets);

}  // namespace vorneta
