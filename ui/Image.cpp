#include "Image.h"

#include <QPainter>

#include "KeptPicture.h"

TImage::TImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

QString TImage::picture() const { return picture_; }

void TImage::setPicture(const QString& resource) {
  picture_ = resource;
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  if (!picture_.isEmpty()) painter.drawImage(0, 0, KeptPicture(picture_));
}
