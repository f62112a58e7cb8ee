#include "Backdrops.h"

namespace {

// The details backdrop: light neutral grey with steep streaks.
TStreakStyle DetailsStyle() {
  TStreakStyle style;
  style.Width = 400;
  style.Height = 248;
  style.Direction = {3, 4, 5};
  style.HairSpacing = Subpixels;
  style.KnotSpacing = 28 * Subpixels;
  style.Contrast = 384;
  style.MeanColour = {204, 204, 204};
  style.Swing = {24, 24, 24};
  style.Seed = 1;
  return style;
}

// The code backdrop: pale yellow with flatter streaks. Red and green are
// close to full scale, so the streaks mostly move blue.
TStreakStyle CodeStyle() {
  TStreakStyle style;
  style.Width = 650;
  style.Height = 310;
  style.Direction = {12, 5, 13};
  style.HairSpacing = Subpixels;
  style.KnotSpacing = 36 * Subpixels;
  style.Contrast = 384;
  style.MeanColour = {251, 251, 214};
  style.Swing = {4, 4, 16};
  style.Seed = 2;
  return style;
}

}  // namespace

std::array<TBackdrop, 2> Backdrops() {
  return {{{"details-backdrop.jpg", DetailsStyle()}, {"code-backdrop.jpg", CodeStyle()}}};
}
