#include "WindowControls.h"

#include <QWidget>

QList<QWidget*> WindowControls(const QWidget* window) {
  QList<QWidget*> controls;
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) controls.append(child);
  }
  return controls;
}
