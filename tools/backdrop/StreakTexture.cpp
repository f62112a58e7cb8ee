#include "StreakTexture.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "TinyRandom.h"

namespace {

// Brightness is 0..255 per knot; after interpolating along and then across the
// hairs it carries two 8-bit fractions, so full scale is 255 << 16.
constexpr std::int64_t FullScale = std::int64_t{255} << 16;

// Random brightness knots along every hair. Each hair starts at its own random
// offset so that the knots of neighbouring hairs do not line up into bands.
class THairField {
 public:
  THairField(int hairs, int knots, int knotSpacing, TTinyRandom& random)
      : Knots(knots), KnotSpacing(knotSpacing), Offsets(hairs), Brightness(hairs * knots) {
    for (int& offset : Offsets) offset = static_cast<int>(random.Below(knotSpacing));
    for (std::uint8_t& value : Brightness) value = static_cast<std::uint8_t>(random.Below(256));
  }

  // Brightness of one hair at a position along it (subpixels), 0..255 << 8.
  int At(int hair, int along) const {
    const int shifted = along + Offsets[hair];
    const int knot = shifted / KnotSpacing;
    const int fraction = (shifted % KnotSpacing) * 256 / KnotSpacing;
    const std::uint8_t* row = &Brightness[hair * Knots];
    return row[knot] * (256 - fraction) + row[knot + 1] * fraction;
  }

 private:
  int Knots;
  int KnotSpacing;
  std::vector<int> Offsets;
  std::vector<std::uint8_t> Brightness;
};

// One colour channel for a texture value from -FullScale to FullScale, rounded
// to the nearest level.
std::uint8_t Channel(int mean, int swing, std::int64_t texture) {
  const std::int64_t scaled = std::int64_t{mean} * FullScale + swing * texture;
  const std::int64_t rounded = (scaled + FullScale / 2) / FullScale;
  return static_cast<std::uint8_t>(std::clamp<std::int64_t>(rounded, 0, 255));
}

// The hairs' brightness at every pixel, row by row, doubled so that once
// centred it spans about -FullScale to FullScale.
std::vector<std::int64_t> HairBrightness(const TStreakStyle& style) {
  const TStreakDirection& dir = style.Direction;
  // Pixel (x, y) lies `across` subpixels from the first hair and `along`
  // subpixels down its hair; both are made non-negative over the picture.
  const auto across = [&](int x, int y) {
    return (x * dir.Down - y * dir.Right + (style.Height - 1) * dir.Right) * Subpixels / dir.Length;
  };
  const auto along = [&](int x, int y) {
    return (x * dir.Right + y * dir.Down) * Subpixels / dir.Length;
  };

  const int hairs = across(style.Width - 1, 0) / style.HairSpacing + 2;
  const int knots =
      (along(style.Width - 1, style.Height - 1) + style.KnotSpacing) / style.KnotSpacing + 2;
  TTinyRandom random(style.Seed);
  const THairField field(hairs, knots, style.KnotSpacing, random);

  std::vector<std::int64_t> brightness;
  brightness.reserve(static_cast<std::size_t>(style.Width) * style.Height);
  for (int y = 0; y < style.Height; ++y) {
    for (int x = 0; x < style.Width; ++x) {
      const int position = across(x, y);
      const int hair = position / style.HairSpacing;
      const int fraction = (position % style.HairSpacing) * 256 / style.HairSpacing;
      const int s = along(x, y);
      brightness.push_back(2 * (std::int64_t{field.At(hair, s)} * (256 - fraction) +
                                std::int64_t{field.At(hair + 1, s)} * fraction));
    }
  }
  return brightness;
}

}  // namespace

TRgbImage PaintStreaks(const TStreakStyle& style) {
  const std::vector<std::int64_t> brightness = HairBrightness(style);
  // Centring on the picture's own average rather than on mid-scale keeps the
  // mean colour where the style puts it, whatever the random knots came out as.
  const std::int64_t average =
      std::accumulate(brightness.begin(), brightness.end(), std::int64_t{0}) /
      static_cast<std::int64_t>(brightness.size());

  TRgbImage image{style.Width, style.Height, {}};
  image.Pixels.reserve(brightness.size() * 3);
  for (const std::int64_t value : brightness) {
    const std::int64_t texture =
        std::clamp<std::int64_t>((value - average) * style.Contrast / 256, -FullScale, FullScale);
    for (int c = 0; c < 3; ++c) {
      image.Pixels.push_back(Channel(style.MeanColour[c], style.Swing[c], texture));
    }
  }
  return image;
}
