#include "DeviceScaling.h"

#include <QGuiApplication>

void PreferTextHeightScaling() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
}
