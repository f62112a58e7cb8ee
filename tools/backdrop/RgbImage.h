#pragma once

#include <cstdint>
#include <vector>

// Pixels row by row from the top, three bytes (R, G, B) each.
struct TRgbImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;
};
