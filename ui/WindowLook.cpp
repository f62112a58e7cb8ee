#include "WindowLook.h"

#include <QFont>
#include <QLabel>
#include <QWidget>

namespace {

QFont WindowFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace

void ApplyWindowLook(QWidget* window) {
  window->setFont(WindowFont());
  for (QLabel* label : window->findChildren<QLabel*>()) label->resize(label->sizeHint());
}
