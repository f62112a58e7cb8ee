#pragma once

#include <filesystem>

#include "RgbImage.h"

// Writes a baseline JPEG of one fixed make: SOI, JFIF 1.02 (aspect 100:100, no
// thumbnail), a "Ducky" APP12 carrying the quality, an "Adobe" APP14 saying
// YCbCr, then one interleaved scan of Y, Cb and Cr at full resolution with
// standard Huffman tables and no restart markers.
// Throws std::runtime_error if the file cannot be written.
void WriteBackdropJpeg(const TRgbImage& image, int quality, const std::filesystem::path& path);
