#include "core/link/wire_codec.h"

#include <gtest/gtest.h>

#include <set>

#include "virtual_platform.h"

namespace tavu {
namespace {

TEST(WireCodec, ScramblesAndDescramblesTheKnownBytes) {
  struct Case {
    std::uint8_t byte, sent, received;
  };
  for (const Case c : {Case{0x00, 0x66, 0xCC}, Case{0x01, 0x99, 0xC4}, Case{0x02, 0x26, 0xDC}, Case{0x80, 0x76, 0xC8},
                       Case{0xFF, 0x46, 0xCD}}) {
    EXPECT_EQ(ScrambleByte(c.byte), c.sent) << int(c.byte);
    EXPECT_EQ(DescrambleByte(c.byte), c.received) << int(c.byte);
  }
}

TEST(WireCodec, BothDirectionsAreBijectionsButNotInverses) {
  std::set<int> sent, received;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    sent.insert(ScrambleByte(byte));
    received.insert(DescrambleByte(byte));
    EXPECT_EQ(DescrambleByte(ScrambleByte(byte)), byte ^ 0x01);
    EXPECT_EQ(ScrambleByte(DescrambleByte(byte)), byte ^ 0xFF);
  }
  EXPECT_EQ(sent.size(), 256u);
  EXPECT_EQ(received.size(), 256u);
}

TEST(WireCodec, FramesCarryStartByteAndChecksum) {
  const RetainedService none;
  EXPECT_EQ(FrameCommand({0x66, 0x01}, none), (Bytes{0xAA, 0x66, 0x01, 0x11}));
  EXPECT_EQ(FrameCommand({0x55, 0x01}, none), (Bytes{0xAA, 0x55, 0x01, 0x00}));
  EXPECT_EQ(FrameCommand({}, none), (Bytes{0xAA, 0xAA}));
  EXPECT_EQ(WireImage(FrameCommand({}, none)).size(), 3u);
  EXPECT_EQ(WireImage({0xAA, 0x00, 0x01}), (Bytes{0xCC, ScrambleByte(0xAA), 0x66, 0x99}));
}

Bytes Numbered(std::uint8_t first, std::size_t count) {
  Bytes b;
  for (std::size_t i = 0; i < count; ++i) b.push_back(static_cast<std::uint8_t>(first + i));
  return b;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(WireCodec, ServiceWriteCarriesTheRetainedStrings) {
  const RetainedService retained{{0xE1, 0xE2}, {0xF1}, {0xD1, 0xD2, 0xD3}};
  const Bytes sixty = Concat({{'M'}, Numbered(1, 60)});
  struct Case {
    const char* what;
    Bytes command;
    RetainedService retained;
    Bytes composed;  // before the start byte and checksum
  };
  const Case cases[] = {
      {"only parameters 1..53 are kept", sixty, {},
       Concat({{'M'}, Numbered(1, 53)})},
      {"strings go in after M and after parameter 8", sixty, retained,
       Concat({{'M'}, retained.service1, retained.service2, Numbered(1, 8), retained.service3, Numbered(9, 45)})},
      {"a bare M takes the three strings", {'M'}, retained,
       Concat({{'M'}, retained.service1, retained.service2, retained.service3})},
      {"short command, no strings: unchanged", Concat({{'M'}, Numbered(1, 53)}), {},
       Concat({{'M'}, Numbered(1, 53)})},
      {"short command splits around parameter 8", Concat({{'M'}, Numbered(1, 10)}), retained,
       Concat({{'M'}, retained.service1, retained.service2, Numbered(1, 8), retained.service3, Numbered(9, 2)})},
      {"other commands pass unchanged", {0x13, 0x02}, retained, {0x13, 0x02}},
  };
  for (const auto& c : cases) {
    Bytes expected = Concat({{0xAA}, c.composed});
    expected.push_back(FrameChecksum(expected));
    EXPECT_EQ(FrameCommand(c.command, c.retained), expected) << c.what;
  }
}

TEST(WireCodec, LongImagesGoOutInEightyBytePiecesWithPauses) {
  struct Case {
    std::size_t frameBytes;  // the wire image is one byte longer
    std::vector<std::size_t> writes;
    std::vector<std::size_t> pausesAfter;  // writes done when each 1 ms pause comes
  };
  for (const Case& c : {Case{79, {80}, {}}, Case{80, {80, 1}, {1}}, Case{159, {80, 80}, {1, 2}},
                        Case{200, {80, 80, 41}, {1, 2}}}) {
    testing::RecordingPort port;
    const Bytes frame(c.frameBytes, 0x00);
    TransmitFrame(port, frame);
    std::vector<std::size_t> sizes;
    Bytes joined;
    for (const auto& w : port.writes) {
      sizes.push_back(w.size());
      joined.insert(joined.end(), w.begin(), w.end());
    }
    EXPECT_EQ(sizes, c.writes) << c.frameBytes;
    std::vector<std::size_t> pauses;
    for (auto [after, ms] : port.pauses) {
      pauses.push_back(after);
      EXPECT_EQ(ms, 1);
    }
    EXPECT_EQ(pauses, c.pausesAfter) << c.frameBytes;
    EXPECT_EQ(joined, WireImage(frame));
  }
}

}  // namespace
}  // namespace tavu
