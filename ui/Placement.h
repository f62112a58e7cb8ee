#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window goes when it is shown. Rectangles are in desktop
// coordinates, and a window's rectangle is its frame, title bar included.

// The top-left corner that centres a frame on the desktop, the bounding
// rectangle of all monitors, dropping fractions of a pixel. A frame wider or
// taller than the desktop starts at the desktop's left or top edge instead, so
// its title bar stays within reach.
QPoint CentredOnDesktop(const QRect& desktop, const QSize& frame);

// The monitor that holds the largest part of a frame; the first monitor listed
// when the frame lies on none of them.
QRect MonitorOf(const QRect& frame, const QList<QRect>& monitors);

// The top-left corner of a frame moved from one monitor onto another: the same
// offset from the monitor's top-left corner, then pulled left and up as far as
// needed to lie within the new monitor, but never past its left or top edge.
QPoint MovedOntoMonitor(const QRect& frame, const QRect& from, const QRect& to);

// Places a top-level window each time it goes from hidden to visible. The first
// time it is centred on the desktop, and never again: afterwards it comes back
// where it was when it was hidden, including where the user dragged it, except
// that a window on another monitor than the active window is first moved onto
// the active window's monitor.
void PlaceWhenShown(QWidget* window);
