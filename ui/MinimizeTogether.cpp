#include "MinimizeTogether.h"

#include <QEvent>
#include <QWidget>

TMinimizeTogether::TMinimizeTogether(QWidget* mainWindow, QWidget* companion)
    : QObject(mainWindow), companion_(companion) {
  mainWindow->installEventFilter(this);
}

bool TMinimizeTogether::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::WindowStateChange || !companion_) return false;
  const bool minimized = static_cast<QWidget*>(watched)->isMinimized();
  if (minimized && companion_->isVisible()) {
    hiddenWithMainWindow_ = true;
    companion_->hide();
  } else if (!minimized && hiddenWithMainWindow_) {
    hiddenWithMainWindow_ = false;
    companion_->show();
  }
  return false;
}
