#include "JpegSegments.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace {

bool IsRestart(std::uint8_t marker) {
  return marker >= JpegMarker::RST0 && marker <= JpegMarker::RST7;
}

class TSegmentReader {
 public:
  explicit TSegmentReader(const std::vector<std::uint8_t>& bytes) : Bytes(bytes) {}

  std::vector<TJpegSegment> ReadAll() {
    if (Bytes.size() < 2 || Bytes[0] != 0xFF || Bytes[1] != JpegMarker::SOI) {
      throw std::runtime_error("the file does not start with SOI");
    }
    std::vector<TJpegSegment> segments{{JpegMarker::SOI, {}}};
    Position = 2;
    for (;;) {
      const std::uint8_t marker = ReadMarker();
      if (marker == JpegMarker::EOI) {
        if (Position != Bytes.size()) throw std::runtime_error("bytes follow EOI");
        segments.push_back({marker, {}});
        return segments;
      }
      if (IsRestart(marker)) {
        if (segments.back().Marker != JpegMarker::SOS && !IsRestart(segments.back().Marker)) {
          throw std::runtime_error("restart marker outside a scan");
        }
        segments.push_back({marker, {}});
        SkipEntropyCodedData();
        continue;
      }
      segments.push_back({marker, ReadPayload()});
      if (marker == JpegMarker::SOS) SkipEntropyCodedData();
    }
  }

 private:
  void Need(std::size_t count) const {
    if (Bytes.size() - Position < count) {
      throw std::runtime_error("the file ends inside a segment at byte " +
                               std::to_string(Position));
    }
  }

  std::uint8_t ReadMarker() {
    Need(2);
    if (Bytes[Position] != 0xFF) {
      throw std::runtime_error("no marker at byte " + std::to_string(Position));
    }
    const std::uint8_t marker = Bytes[Position + 1];
    Position += 2;
    return marker;
  }

  std::vector<std::uint8_t> ReadPayload() {
    Need(2);
    const std::size_t length = Bytes[Position] << 8 | Bytes[Position + 1];
    if (length < 2) throw std::runtime_error("segment length below 2");
    Need(length);
    const auto begin = Bytes.begin() + static_cast<std::ptrdiff_t>(Position);
    Position += length;
    return {begin + 2, Bytes.begin() + static_cast<std::ptrdiff_t>(Position)};
  }

  // Moves to the next marker that is not a stuffed 0xFF 0x00 inside the data.
  void SkipEntropyCodedData() {
    while (Position + 1 < Bytes.size()) {
      if (Bytes[Position] == 0xFF && Bytes[Position + 1] != 0x00) return;
      ++Position;
    }
    throw std::runtime_error("the scan data runs to the end of the file");
  }

  const std::vector<std::uint8_t>& Bytes;
  std::size_t Position = 0;
};

}  // namespace

std::vector<TJpegSegment> ReadJpegSegments(const std::vector<std::uint8_t>& bytes) {
  return TSegmentReader(bytes).ReadAll();
}
