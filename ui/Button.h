#pragma once

#include <QPushButton>

#include "app/GuardedEvents.h"

// A push button that Enter presses as well as Space, whatever the desktop
// theme, and that the arrow keys leave for the previous or next control in
// tab order.
class TButton : public TGuardedEvents<QPushButton> {
  Q_OBJECT

 public:
  explicit TButton(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
