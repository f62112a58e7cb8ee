#pragma once

#include <QFont>

// The one font of every text in a window: "MS Sans Serif" with a character
// height of 11 pixels at 96 pixels per inch, grown in proportion on screens
// with a larger logical resolution (14 pixels at 120, 17 at 144). Where the
// font is missing, the desktop's sans-serif font stands in at the same height.
QFont WindowFont(qreal logicalPixelsPerInch);

// The character height of the window font, in pixels, at a logical resolution.
int WindowFontPixelHeight(qreal logicalPixelsPerInch);
