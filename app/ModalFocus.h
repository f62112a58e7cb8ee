#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Remembers the active window and the focused control while a modal box or
// dialog runs, and gives both back when it ends, whatever the window system
// activates in between.
class TModalFocus {
 public:
  TModalFocus() : TModalFocus(QApplication::activeWindow(), QApplication::focusWidget()) {}
  TModalFocus(QWidget* window, QWidget* focus) : window_(window), focus_(focus) {}

  ~TModalFocus() {
    if (window_) window_->activateWindow();
    if (focus_) focus_->setFocus(Qt::OtherFocusReason);
  }

  TModalFocus(const TModalFocus&) = delete;
  TModalFocus& operator=(const TModalFocus&) = delete;

  QWidget* Window() const { return window_; }

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focus_;
};
