#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>

namespace vorneta {

// The program's sans-serif font: the free bitmap "MS Sans Serif" of Wine's fonts when it can
// be loaded, otherwise Liberation Sans. Sizes are given as character heights in pixels
// (8 pt = 11 px, 10 pt = 13 px, 12 pt = 16 px) through QFont::setPixelSize.

// Where Debian's fonts-wine puts the bitmap font.
QString wineSansSerifPath();

// Loads the font file at path as an application font, one registration per strike, and
// returns its family name; empty when the file is missing or not a bitmap font we can read.
QString loadBitmapSansSerif(const QString &path = wineSansSerifPath());

// The family every window uses: the bitmap font once loadBitmapSansSerif() succeeded,
// else Liberation Sans.
QString programFontFamily();

// The program's font at a character height in pixels.
QFont programFont(int pixelSize = 11);

// The bitmap font file rewritten so that its strike number `strike` comes first and every
// strike is known by its character height (the ascent of its line metrics) instead of its
// cell height. Qt registers a bitmap font file at its first strike only, and a pixel size
// means the character height to the rest of the program; the glyphs themselves stay as they
// are. Empty when the data is not a font with such strikes.
QList<QByteArray> strikeVariants(const QByteArray &fontData);

}  // namespace vorneta
