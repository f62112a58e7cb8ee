// Decodes the committed backdrops with libjpeg and checks what a viewer would
// see: the size, the overall colour and which way the streaks run.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "BackdropCases.h"

namespace {

struct TDecodedPicture {
  int Width = 0;
  int Height = 0;
  int Components = 0;
  long Warnings = 0;
  std::vector<JSAMPLE> Pixels;  // RGB, row by row

  int Brightness(int x, int y) const {
    const JSAMPLE* pixel = &Pixels[(static_cast<std::size_t>(y) * Width + x) * 3];
    return pixel[0] + pixel[1] + pixel[2];
  }
};

// libjpeg ends the process on a fatal error, which fails the test as well;
// recoverable damage such as truncated data only raises warnings, so those
// are counted.
TDecodedPicture Decode(const std::vector<std::uint8_t>& jpeg) {
  jpeg_error_mgr errors;
  jpeg_decompress_struct cinfo;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);

  TDecodedPicture picture;
  picture.Width = static_cast<int>(cinfo.output_width);
  picture.Height = static_cast<int>(cinfo.output_height);
  picture.Components = cinfo.output_components;
  const std::size_t rowBytes = static_cast<std::size_t>(picture.Width) * cinfo.output_components;
  picture.Pixels.resize(rowBytes * picture.Height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPLE* rows[] = {&picture.Pixels[cinfo.output_scanline * rowBytes]};
    jpeg_read_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_decompress(&cinfo);
  picture.Warnings = errors.num_warnings;
  jpeg_destroy_decompress(&cinfo);
  return picture;
}

std::array<double, 3> MeanColour(const TDecodedPicture& picture) {
  std::array<double, 3> sums{};
  for (std::size_t i = 0; i < picture.Pixels.size(); ++i) sums[i % 3] += picture.Pixels[i];
  const double pixels = static_cast<double>(picture.Width) * picture.Height;
  return {sums[0] / pixels, sums[1] / pixels, sums[2] / pixels};
}

// Average brightness difference between each pixel and the one (dx, dy) away:
// small along the streaks, large across them.
double Roughness(const TDecodedPicture& picture, int dx, int dy) {
  double sum = 0;
  long count = 0;
  for (int y = std::max(0, -dy); y < picture.Height - std::max(0, dy); ++y) {
    for (int x = 0; x < picture.Width - dx; ++x) {
      sum += std::abs(picture.Brightness(x, y) - picture.Brightness(x + dx, y + dy));
      ++count;
    }
  }
  return sum / static_cast<double>(count);
}

class BackdropDecode : public testing::TestWithParam<TBackdropCase> {
 protected:
  void SetUp() override { Picture = Decode(ReadFileBytes(CommittedPicture(GetParam()))); }

  TDecodedPicture Picture;
};

TEST_P(BackdropDecode, DecodesCleanlyToItsSizeAndColour) {
  EXPECT_EQ(Picture.Warnings, 0);
  EXPECT_EQ(Picture.Width, GetParam().Width);
  EXPECT_EQ(Picture.Height, GetParam().Height);
  ASSERT_EQ(Picture.Components, 3);
  // The texture averages out to the intended background colour.
  constexpr double Tolerance = 3.0;
  const std::array<double, 3> mean = MeanColour(Picture);
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(mean[c], GetParam().MeanColour[c], Tolerance) << "channel " << c;
  }
}

TEST_P(BackdropDecode, StreaksRunDownFromUpperLeftAtTheirSlope) {
  ASSERT_EQ(Picture.Components, 3);
  // Down-right diagonal neighbours are more alike than up-right ones.
  EXPECT_LT(Roughness(Picture, 1, 1), Roughness(Picture, 1, -1));
  // Steep streaks keep pixels alike down a column, flat ones along a row.
  const double down = Roughness(Picture, 0, 1);
  const double right = Roughness(Picture, 1, 0);
  if (GetParam().SteepStreaks) {
    EXPECT_LT(down, right);
  } else {
    EXPECT_LT(right, down);
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, BackdropDecode, testing::ValuesIn(BackdropCases),
                         BackdropCaseName);

}  // namespace
