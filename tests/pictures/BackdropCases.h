#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// A committed backdrop picture and what it must look like.
struct TBackdropCase {
  const char* Name;  // test name suffix
  const char* FileName;
  int Width;
  int Height;
  std::array<double, 3> MeanColour;  // R, G, B
  bool SteepStreaks;                 // closer to vertical than to horizontal
};

inline const std::array<TBackdropCase, 2> BackdropCases{{
    {"Details", "details-backdrop.jpg", 400, 248, {204, 204, 204}, true},
    {"Code", "code-backdrop.jpg", 650, 310, {251, 251, 214}, false},
}};

std::filesystem::path CommittedPicture(const TBackdropCase& backdrop);

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Names each parameterised test after its picture.
std::string BackdropCaseName(const testing::TestParamInfo<TBackdropCase>& info);

// Lets GoogleTest print a case in failure messages.
void PrintTo(const TBackdropCase& backdrop, std::ostream* out);
