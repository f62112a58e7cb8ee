#pragma once

#include <cstdint>
#include <vector>

// JPEG marker codes, the byte that follows 0xFF.
namespace JpegMarker {
constexpr std::uint8_t SOF0 = 0xC0;
constexpr std::uint8_t DHT = 0xC4;
constexpr std::uint8_t RST0 = 0xD0;
constexpr std::uint8_t RST7 = 0xD7;
constexpr std::uint8_t SOI = 0xD8;
constexpr std::uint8_t EOI = 0xD9;
constexpr std::uint8_t SOS = 0xDA;
constexpr std::uint8_t DQT = 0xDB;
constexpr std::uint8_t APP0 = 0xE0;
constexpr std::uint8_t APP12 = 0xEC;
constexpr std::uint8_t APP14 = 0xEE;
}  // namespace JpegMarker

struct TJpegSegment {
  std::uint8_t Marker = 0;
  // The bytes after the length field; empty for markers that have no length.
  std::vector<std::uint8_t> Payload;
};

// Splits a JPEG file into its marker segments, in file order. The entropy-coded
// data after SOS is stepped over; restart markers inside it are listed like any
// other marker. Throws std::runtime_error unless the bytes start with SOI, are
// made only of well-formed segments and end exactly with EOI.
std::vector<TJpegSegment> ReadJpegSegments(const std::vector<std::uint8_t>& bytes);
