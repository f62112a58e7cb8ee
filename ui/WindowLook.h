#pragma once

class QWidget;

// The look, size and placement that both windows share, given to a window
// right after it has been made from its definition, where the window's own
// size is its design client size and every control stands at design scale,
// measured from the client area's top-left pixel.
//
// - Every text of the window is set in the window font (see WindowFont),
//   and the layout is scaled to the font's text height (see ScaleLayout).
// - A border band of 5 pixels in the button-face colour runs around the
//   client area, inside the window system's frame.
// - Edit boxes, memos and buttons are opaque; label captions lie straight on
//   the backdrop in the window-text colour.
// - The window keeps that size for good (see KeepSizeFixed).
// - It is centred on the desktop when first shown (see PlaceWhenShown).
//
// The backdrop picture and the etched frame are controls of the window
// definition (TImage, TBevel) that cover the client area beneath the others.
void ApplyWindowLook(QWidget* window);
