// Reads the committed backdrops marker by marker and checks that each is
// exactly the make of baseline JPEG that the generator is meant to write.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "BackdropCases.h"
#include "JpegSegments.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes Ascii(const char* text, std::size_t length) { return TBytes(text, text + length); }

int BigEndian16(const TBytes& bytes, std::size_t at) {
  return bytes.at(at) << 8 | bytes.at(at + 1);
}

class BackdropMake : public testing::TestWithParam<TBackdropCase> {
 protected:
  void SetUp() override {
    ASSERT_NO_THROW(Segments = ReadJpegSegments(ReadFileBytes(CommittedPicture(GetParam()))));
  }

  std::vector<const TBytes*> PayloadsOf(std::uint8_t marker) const {
    std::vector<const TBytes*> payloads;
    for (const TJpegSegment& segment : Segments) {
      if (segment.Marker == marker) payloads.push_back(&segment.Payload);
    }
    return payloads;
  }

  // The payload of a marker that must occur exactly once.
  TBytes OnlyPayloadOf(std::uint8_t marker) const {
    const std::vector<const TBytes*> payloads = PayloadsOf(marker);
    EXPECT_EQ(payloads.size(), 1u) << "marker 0x" << std::hex << int{marker};
    return payloads.empty() ? TBytes{} : *payloads.front();
  }

  std::vector<TJpegSegment> Segments;
};

TEST_P(BackdropMake, SegmentsComeInTheFixedOrder) {
  // Quantization and Huffman tables may be split over several segments, so
  // runs of those count once. Anything else out of place, such as a DRI, a
  // progressive SOF2, a comment or restart markers, breaks the sequence.
  std::vector<std::uint8_t> order;
  for (const TJpegSegment& segment : Segments) {
    const bool repeatable = segment.Marker == JpegMarker::DQT || segment.Marker == JpegMarker::DHT;
    if (!(repeatable && !order.empty() && order.back() == segment.Marker)) {
      order.push_back(segment.Marker);
    }
  }
  using namespace JpegMarker;
  EXPECT_EQ(order, (std::vector<std::uint8_t>{SOI, APP0, APP12, APP14, DQT, SOF0, DHT, SOS, EOI}));
}

TEST_P(BackdropMake, JfifHeaderIsVersion102WithSquareAspectAndNoThumbnail) {
  // "JFIF\0", version 1.02, units 0 (aspect ratio only), density 100 x 100,
  // thumbnail 0 x 0 and therefore no thumbnail data.
  EXPECT_EQ(OnlyPayloadOf(JpegMarker::APP0),
            (TBytes{'J', 'F', 'I', 'F', 0, 1, 2, 0, 0, 100, 0, 100, 0, 0}));
}

TEST_P(BackdropMake, DuckySegmentCarriesTheQualityAndEnds) {
  const TBytes ducky = OnlyPayloadOf(JpegMarker::APP12);
  ASSERT_GE(ducky.size(), 5u);
  EXPECT_EQ(TBytes(ducky.begin(), ducky.begin() + 5), Ascii("Ducky", 5));

  std::set<int> tags;
  std::size_t at = 5;
  for (;;) {
    const int tag = BigEndian16(ducky, at);
    at += 2;
    if (tag == 0) break;
    const int length = BigEndian16(ducky, at);
    at += 2;
    EXPECT_TRUE(tags.insert(tag).second) << "tag " << tag << " repeated";
    if (tag == 1) {
      ASSERT_EQ(length, 4);
      const long quality = long{ducky.at(at)} << 24 | ducky.at(at + 1) << 16 |
                           ducky.at(at + 2) << 8 | ducky.at(at + 3);
      EXPECT_GE(quality, 1);
      EXPECT_LE(quality, 100);
    }
    at += static_cast<std::size_t>(length);
  }
  EXPECT_EQ(at, ducky.size()) << "bytes after the end tag";
  EXPECT_EQ(tags.count(1), 1u) << "no quality block";
}

TEST_P(BackdropMake, AdobeSegmentSaysYCbCr) {
  const TBytes adobe = OnlyPayloadOf(JpegMarker::APP14);
  ASSERT_EQ(adobe.size(), 12u);
  EXPECT_EQ(TBytes(adobe.begin(), adobe.begin() + 5), Ascii("Adobe", 5));
  EXPECT_EQ(adobe[11], 1) << "transform";
}

TEST_P(BackdropMake, FrameIsBaseline8BitYCbCrWithoutSubsampling) {
  const TBytes frame = OnlyPayloadOf(JpegMarker::SOF0);
  ASSERT_EQ(frame.size(), 6u + 3 * 3);
  EXPECT_EQ(frame[0], 8) << "sample precision";
  EXPECT_EQ(BigEndian16(frame, 1), GetParam().Height);
  EXPECT_EQ(BigEndian16(frame, 3), GetParam().Width);
  ASSERT_EQ(frame[5], 3) << "component count";
  // Each component: id, sampling (horizontal << 4 | vertical), quantization table.
  EXPECT_EQ(TBytes(frame.begin() + 6, frame.end()), (TBytes{1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1}));
}

TEST_P(BackdropMake, TwoEightBitQuantizationTables) {
  std::multiset<int> tables;
  for (const TBytes* payload : PayloadsOf(JpegMarker::DQT)) {
    for (std::size_t at = 0; at < payload->size(); at += 1 + 64) {
      const int precision = (*payload)[at] >> 4;
      EXPECT_EQ(precision, 0) << "baseline tables hold 8-bit values";
      ASSERT_LE(at + 1 + 64, payload->size()) << "truncated table";
      tables.insert((*payload)[at] & 0x0F);
    }
  }
  EXPECT_EQ(tables, (std::multiset<int>{0, 1}));
}

TEST_P(BackdropMake, TwoDcAndTwoAcHuffmanTables) {
  std::multiset<std::pair<int, int>> tables;  // (class: 0 DC, 1 AC; id)
  for (const TBytes* payload : PayloadsOf(JpegMarker::DHT)) {
    std::size_t at = 0;
    while (at < payload->size()) {
      const int kind = (*payload)[at];
      ASSERT_LE(at + 17, payload->size()) << "truncated table";
      std::size_t codes = 0;
      for (std::size_t length = 1; length <= 16; ++length) codes += (*payload)[at + length];
      EXPECT_GT(codes, 0u);
      tables.insert({kind >> 4, kind & 0x0F});
      at += 17 + codes;
    }
    EXPECT_EQ(at, payload->size()) << "a table overruns its segment";
  }
  EXPECT_EQ(tables, (std::multiset<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
}

TEST_P(BackdropMake, OneInterleavedScanWithCbAndCrSharingTables) {
  const TBytes scan = OnlyPayloadOf(JpegMarker::SOS);
  // Component count, then per component its id and (DC table << 4 | AC table),
  // then the full spectral range 0..63 with no successive approximation.
  EXPECT_EQ(scan, (TBytes{3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0}));
}

INSTANTIATE_TEST_SUITE_P(Pictures, BackdropMake, testing::ValuesIn(BackdropCases),
                         BackdropCaseName);

}  // namespace
