#pragma once

#include <array>

#include "StreakTexture.h"

// The quality both backdrops are saved with: about 20 KB each, and no visible
// blocking in the fine streaks.
constexpr int BackdropQuality = 75;

struct TBackdrop {
  const char* FileName;
  TStreakStyle Style;
};

// Every backdrop the program uses, with the file name it is saved under.
std::array<TBackdrop, 2> Backdrops();
