#include "Button.h"

#include <QKeyEvent>

TButton::TButton(QWidget* parent) : TGuardedEvents(parent) {}

void TButton::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & ~Qt::KeypadModifier) {
    QPushButton::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      click();
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      focusNextPrevChild(false);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      focusNextPrevChild(true);
      break;
    default:
      QPushButton::keyPressEvent(event);
  }
}
