#pragma once

class QWidget;

// The look both windows share. Every text of a window is set in one window
// font: "MS Sans Serif" with an 11-pixel character height, or the desktop's
// sans-serif font at that size where it is missing. Labels take the size of
// their captions in that font.
void ApplyWindowLook(QWidget* window);
