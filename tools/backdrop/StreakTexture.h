#pragma once

#include <array>
#include <cstdint>

#include "RgbImage.h"

// Lengths in the texture are fixed-point, in 1/256 of a pixel, so that painting
// needs no floating point and gives the same bytes on every machine.
constexpr int Subpixels = 256;

// The way the streaks run, as a Pythagorean triple (Right^2 + Down^2 = Length^2):
// the direction is then exact in integers. Both parts positive means the
// streaks run down from the upper left to the lower right.
struct TStreakDirection {
  int Right = 0;
  int Down = 0;
  int Length = 0;
};

struct TStreakStyle {
  int Width = 0;
  int Height = 0;
  TStreakDirection Direction;
  // Distance between neighbouring hairs, in subpixels.
  int HairSpacing = Subpixels;
  // Distance along a hair between two random brightness values, in subpixels:
  // the longer, the longer each streak looks.
  int KnotSpacing = 16 * Subpixels;
  // Strength of the streaks in 1/256: 256 leaves the texture as it is, more
  // strengthens it and clips its extremes symmetrically (the mean stays put).
  int Contrast = 256;
  std::array<int, 3> MeanColour{};
  // How far each channel moves from the mean at the texture's extremes.
  std::array<int, 3> Swing{};
  std::uint64_t Seed = 0;
};

// Paints streaks of random brightness along the style's direction: many thin
// parallel hairs, each brightening and darkening along its length.
TRgbImage PaintStreaks(const TStreakStyle& style);
