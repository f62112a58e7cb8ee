#include "WindowFont.h"

#include <cmath>

namespace {
constexpr int DesignPixelHeight = 11;
constexpr qreal DesignPixelsPerInch = 96;
}  // namespace

int WindowFontPixelHeight(qreal logicalPixelsPerInch) {
  return int(std::lround(DesignPixelHeight * logicalPixelsPerInch / DesignPixelsPerInch));
}

QFont WindowFont(qreal logicalPixelsPerInch) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(WindowFontPixelHeight(logicalPixelsPerInch));
  return font;
}
