#pragma once

#include <QPushButton>

// A push button that Enter presses as well as Space, whatever the desktop
// theme, and that the arrow keys leave for the previous or next control in
// tab order.
class TButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TButton(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
