#include "TextHeightScaling.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <cmath>

#include "WindowControls.h"

namespace {
// The frame and margins of a single-line edit box around its text line.
constexpr int EditBoxChrome = 8;
}  // namespace

int TextHeight(const QFont& font) { return QFontMetrics(font).height(); }

int ScaledLength(int designLength, int textHeight) {
  // std::lround takes halves away from zero.
  return int(std::lround(double(designLength) * textHeight / DesignTextHeight));
}

QRect ScaledBounds(const QRect& designBounds, int textHeight) {
  const int left = ScaledLength(designBounds.left(), textHeight);
  const int top = ScaledLength(designBounds.top(), textHeight);
  const int right = ScaledLength(designBounds.left() + designBounds.width(), textHeight);
  const int bottom = ScaledLength(designBounds.top() + designBounds.height(), textHeight);
  return QRect(left, top, right - left, bottom - top);
}

QSize ScaledSize(const QSize& designSize, int textHeight) {
  return ScaledBounds(QRect(QPoint(), designSize), textHeight).size();
}

void ScaleLayout(QWidget* window, int textHeight) {
  const QList<QWidget*> controls = WindowControls(window);
  if (textHeight != DesignTextHeight) {
    window->resize(ScaledSize(window->size(), textHeight));
    for (QWidget* control : controls) {
      control->setGeometry(ScaledBounds(control->geometry(), textHeight));
    }
  }
  for (QWidget* control : controls) {
    const QFontMetrics font = control->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(control)) {
      label->resize(font.horizontalAdvance(label->text()), font.height());
    }
    if (qobject_cast<QLineEdit*>(control)) {
      control->resize(control->width(), font.height() + EditBoxChrome);
    }
  }
}
