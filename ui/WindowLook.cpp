#include "WindowLook.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

#include "FixedSize.h"
#include "Placement.h"
#include "TextHeightScaling.h"
#include "WindowControls.h"
#include "WindowFont.h"

namespace {

constexpr int BorderBand = 5;

void AddBorderBand(QWidget* window) {
  for (QWidget* control : WindowControls(window)) {
    control->move(control->pos() + QPoint(BorderBand, BorderBand));
  }
  window->resize(window->size() + QSize(2 * BorderBand, 2 * BorderBand));
  window->setBackgroundRole(QPalette::Button);
  window->setAutoFillBackground(true);
}

// Captions are drawn in the window-text colour straight onto the backdrop.
// A label's text colour would otherwise follow the background role it takes
// from the window, the button face (see AddBorderBand).
void DrawCaptionsInWindowText(QWidget* window) {
  for (QWidget* control : WindowControls(window)) {
    if (qobject_cast<QLabel*>(control)) control->setForegroundRole(QPalette::WindowText);
  }
}

// The controls the user works with (edit boxes, memos, buttons) hide the
// backdrop completely, rounded corners of the style's drawing included.
void MakeWorkingControlsOpaque(QWidget* window) {
  for (QWidget* control : WindowControls(window)) {
    if (control->focusPolicy() != Qt::NoFocus) control->setAutoFillBackground(true);
  }
}

}  // namespace

void ApplyWindowLook(QWidget* window) {
  window->setFont(WindowFont(window->screen()->logicalDotsPerInchY()));
  DrawCaptionsInWindowText(window);
  ScaleLayout(window, TextHeight(window->font()));
  MakeWorkingControlsOpaque(window);
  AddBorderBand(window);
  KeepSizeFixed(window);
  PlaceWhenShown(window);
}
