#include "Bevel.h"

#include <QPainter>

namespace {

// The one-pixel outline of the rectangle whose corner pixels are topLeft and
// bottomRight, both included.
void Outline(QPainter& painter, QPoint topLeft, QPoint bottomRight, const QColor& colour) {
  const QRect box(topLeft, bottomRight);
  painter.fillRect(box.left(), box.top(), box.width(), 1, colour);
  painter.fillRect(box.left(), box.bottom(), box.width(), 1, colour);
  painter.fillRect(box.left(), box.top(), 1, box.height(), colour);
  painter.fillRect(box.right(), box.top(), 1, box.height(), colour);
}

}  // namespace

TBevel::TBevel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int right = width() - 1;
  const int bottom = height() - 1;
  Outline(painter, {1, 1}, {right, bottom}, palette().color(QPalette::Light));
  Outline(painter, {0, 0}, {right - 1, bottom - 1}, palette().color(QPalette::Dark));
}
