#pragma once

class QWidget;

// Fixes a window's size at its current size, whoever asks for another: a
// maximize or full-screen request leaves the window as it is.
void KeepSizeFixed(QWidget* window);
