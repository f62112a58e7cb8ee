#pragma once

#include <QRect>
#include <QSize>

class QFont;
class QWidget;

// Window layouts are drawn up for a window font whose text height, the height
// of the text "0", is 13 pixels. On screens where the font measures otherwise,
// each window's layout grows or shrinks in proportion when it is created. The
// factor comes from the measured height, not from the screen's resolution, so
// a stand-in font that measures other than 13 is allowed for too.
constexpr int DesignTextHeight = 13;

// The height of the text "0" in a font: its full line height.
int TextHeight(const QFont& font);

// A design length at text height textHeight, rounded to the nearest pixel.
int ScaledLength(int designLength, int textHeight);

// A design rectangle whose four edges are scaled one by one, so rectangles
// that touched at design scale still touch.
QRect ScaledBounds(const QRect& designBounds, int textHeight);
QSize ScaledSize(const QSize& designSize, int textHeight);

// Lays out a window just made from its definition, whose own size is its
// design client size and whose controls stand at design scale, for a window
// font of text height textHeight: scales the controls and the window size
// (unless textHeight is 13), then sizes labels to their captions and
// single-line edit boxes to the font's line height plus 8 pixels.
void ScaleLayout(QWidget* window, int textHeight);
