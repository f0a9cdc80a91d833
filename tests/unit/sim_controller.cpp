// The simulated controller from the wire up, and the port that carries it in
// virtual time.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "core/link/wire_codec.h"
#include "sim/controller.h"
#include "sim/simulated_port.h"
#include "virtual_platform.h"

namespace tavu::sim {
namespace {

constexpr std::size_t kMapAt = 66;

Bytes Plain(const Bytes& wire) {
  Bytes plain = wire;
  DescrambleInPlace(plain);
  return plain;
}

std::size_t Announced(const Bytes& reply) { return static_cast<std::size_t>(reply[1]) << 8 | reply[2]; }

class SimTest : public ::testing::Test {
 protected:
  // Sends a bare command the way the tool frames it; returns the plain reply, if any.
  std::optional<Bytes> Ask(const Bytes& command) {
    std::vector<Bytes> replies;
    for (const auto& piece : WirePieces(WireImage(FrameCommand(command, {})))) {
      for (auto& r : controller.receive(piece)) replies.push_back(std::move(r));
    }
    if (replies.empty()) return std::nullopt;
    EXPECT_EQ(replies.size(), 1u);
    return Plain(replies.front());
  }

  Bytes Greet() { return Ask({0x66, 0x01}).value(); }

  Controller controller;
};

TEST_F(SimTest, GreetingCarriesTheWholeBlockWithTheFirmwareOfTheChosenGeneration) {
  struct Case {
    std::string firmware;
    Fault fault;
    Bytes version;
  };
  for (const auto& c : {Case{"3.7.7", Fault::None, {3, 7, 7}}, Case{"5.9.11", Fault::None, {5, 9, 11}},
                        Case{"5.9.11", Fault::UnknownFirmware, {3, 7, 8}}}) {
    SCOPED_TRACE(c.firmware);
    Controller ctl(Options{c.firmware, c.fault, 0});
    auto wire = ctl.receive(WireImage(FrameCommand({0x66, 0x01}, {})));
    ASSERT_EQ(wire.size(), 1u);
    const Bytes r = Plain(wire.front());
    ASSERT_GE(r.size(), 758u);
    EXPECT_EQ(r[0], kStartByte);
    EXPECT_EQ(Announced(r), r.size());
    EXPECT_EQ(r[3], 0x66);
    EXPECT_EQ(Bytes(r.begin() + 4, r.begin() + 7), c.version);
    for (std::size_t p = 0; p <= 3; ++p) EXPECT_NE(2 * (r[p] + r[p + 1] + r[p + 2]), r[p + 3]) << "newer-tool pattern at " << p;
    EXPECT_LE(r[22], 5);  // a cylinder code of the table
    const auto [lo, hi] = std::minmax_element(r.begin() + kMapAt, r.begin() + kMapAt + 246);
    EXPECT_GE(*lo, 80);
    EXPECT_LE(*hi, 160);
  }
}

TEST_F(SimTest, ReadAndFactoryResetAnswerWithTheBlockUnderTheirOwnEcho) {
  const Bytes greeting = Greet();
  const Bytes read = Ask({0x66, 0x00}).value();
  EXPECT_EQ(read, greeting);
  const Bytes reset = Ask({0x26}).value();
  EXPECT_EQ(reset.size(), greeting.size());
  EXPECT_EQ(reset[3], 0x26);
}

TEST_F(SimTest, LiveFrameFollowsTheEngineFromColdStartToIdleOnGas) {
  const Bytes cold = Ask({0x55, 0x01}).value();
  ASSERT_GE(cold.size(), 56u);
  EXPECT_EQ(Announced(cold), cold.size());
  EXPECT_EQ(cold[3], 0x55);
  EXPECT_EQ(cold[5] & 1, 0) << "on petrol before the warm-up";

  int lambdaLow = 255, lambdaHigh = 0;
  std::vector<int> sweep;
  Bytes f;
  for (int i = 0; i < 1000; ++i) {  // four minutes of polling
    controller.advance(240);
    f = Ask({0x55, 0x01}).value();
    lambdaLow = std::min<int>(lambdaLow, f[22]);
    lambdaHigh = std::max<int>(lambdaHigh, f[22]);
    sweep.push_back(f[36]);
  }
  EXPECT_EQ(f[21], 8) << "idle at 800 rpm";
  EXPECT_EQ(f[5] & 1, 1) << "on gas after the warm-up";
  EXPECT_GT(static_cast<std::int8_t>(f[32]), 60) << "reducer warm";
  EXPECT_NEAR((f[23] << 8 | f[24]) / 100.0, 1.2, 0.05);
  EXPECT_NEAR(f[25] << 8 | f[26], 35, 3);
  EXPECT_NEAR(23.0 * f[29] / 375 + 0.7, 14.0, 0.3);
  EXPECT_GT((f[18] << 16 | f[19] << 8 | f[20]), 0) << "gas injection time";
  EXPECT_LE(lambdaLow, 0.15 / 0.0196);
  EXPECT_GE(lambdaHigh, 0.85 / 0.0196);
  EXPECT_EQ(*std::min_element(sweep.begin(), sweep.end()), 0);
  EXPECT_EQ(*std::max_element(sweep.begin(), sweep.end()), 255);
}

TEST_F(SimTest, FrameWithBadChecksumGetsNoReplyAndTheNextFrameStillDoes) {
  Bytes bad = FrameCommand({0x55, 0x01}, {});
  bad.back() ^= 0x01;
  EXPECT_TRUE(controller.receive(WireImage(bad)).empty());
  EXPECT_TRUE(Ask({0x55, 0x01}).has_value());
}

TEST_F(SimTest, SettingCommandIsEchoedAndShowsInTheNextRead) {
  Bytes map(246, 0x64);
  map.insert(map.begin(), 0x0B);
  struct Case {
    Bytes command;
    std::size_t at;
    Bytes expect;
  };
  const Case cases[] = {
      {{0x1B, 0x05}, 20, {0xFF, 0x00, 0x05}},            // 8 cylinders, all on gas
      {{0x13, 0x02}, 30, {0x02}},                        // reducer sensor
      {{0x22, 0x01, 0x2C}, 42, {0x2C}},                  // 16-bit delay, low byte
      {{0x22, 0x01, 0x2C}, 561, {0x01}},                 // and its high byte
      {{0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x02}, 25, {0x24, 0x4C, 0x70, 0x8F, 0x02}},
      {{0x44, 0x6C, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x94}, 562, {0x6C}},
      {{0x43, 0x01}, 558, {0x02}},                       // CNG
      {map, kMapAt, Bytes(246, 0x64)},                   // map write, in 80-byte pieces
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.command));
    const Bytes echo = Ask(c.command).value();
    EXPECT_EQ(echo.size(), 6u);
    EXPECT_EQ(Announced(echo), 6u);
    EXPECT_EQ(echo[3], c.command[0]);
    const Bytes block = Ask({0x66, 0x00}).value();
    EXPECT_EQ(Bytes(block.begin() + c.at, block.begin() + c.at + c.expect.size()), c.expect);
  }
}

TEST_F(SimTest, ServiceReadAndWriteCarryTheBlockKeptInTheSettings) {
  const Bytes settings = Greet();
  const Bytes read = Ask({0x4E, 0x00}).value();
  EXPECT_EQ(read[3], 0x4E);
  ASSERT_EQ(Announced(read), read.size());
  ASSERT_GE(read.size(), 4u + 65u + 1u);
  Bytes inSettings(settings.begin() + 615, settings.begin() + 679);
  inSettings.push_back(settings[756]);
  EXPECT_EQ(Bytes(read.begin() + 4, read.begin() + 69), inSettings);

  // A write as the tool composes it: the counters it read, then its own fields.
  Bytes block(read.begin() + 4, read.begin() + 69);
  const Bytes stale{1, 2, 3, 4, 5, 6, 7, 8};
  std::copy(stale.begin(), stale.end(), block.begin());
  block[16] = 0x11;  // due point
  block[64] = 0x00;  // reminder off
  RetainedService retained{Bytes(block.begin(), block.begin() + 4), Bytes(block.begin() + 4, block.begin() + 8),
                           Bytes(block.begin() + 16, block.begin() + 20)};
  Bytes bare{0x4D};
  bare.insert(bare.end(), block.begin() + 8, block.begin() + 16);
  bare.insert(bare.end(), block.begin() + 20, block.end());
  std::vector<Bytes> wire = controller.receive(WireImage(FrameCommand(bare, retained)));
  ASSERT_EQ(wire.size(), 1u);
  const Bytes written = Plain(wire.front());
  EXPECT_EQ(written[3], 0x4D);
  EXPECT_EQ(written[4 + 16], 0x11);
  EXPECT_EQ(written[4 + 64], 0x00);
  EXPECT_EQ(Bytes(written.begin() + 4, written.begin() + 12), Bytes(read.begin() + 4, read.begin() + 12))
      << "the work-time counters stay the controller's";
}

TEST_F(SimTest, FaultsBendTheReplyTheWayTheirNamesSay) {
  struct Case {
    Fault fault;
    Bytes command;
    std::function<void(const std::optional<Bytes>&)> check;
  };
  const Case cases[] = {
      {Fault::Silence, {0x55, 0x01}, [](auto& r) { EXPECT_FALSE(r); }},
      {Fault::TruncatedReply, {0x55, 0x01}, [](auto& r) { EXPECT_EQ(r->size() + 3, Announced(*r)); }},
      {Fault::OverlongReply, {0x66, 0x01}, [](auto& r) { EXPECT_EQ(r->size(), Announced(*r) + 3); }},
      {Fault::GarbageFirstByte, {0x66, 0x01}, [](auto& r) { EXPECT_NE((*r)[0], kStartByte); }},
      {Fault::WrongEcho, {0x13, 0x02}, [](auto& r) { EXPECT_NE((*r)[3], 0x13); }},
      {Fault::WrongEcho, {0x66, 0x01}, [](auto& r) { EXPECT_EQ((*r)[3], 0x66); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.command));
    controller.options().fault = c.fault;
    c.check(Ask(c.command));
  }
}

TEST(SimFaultNames, ParseAsTheCommandLineGivesThem) {
  struct Case {
    const char* text;
    bool ok;
    Fault fault;
    int chunk;
  };
  const Case cases[] = {
      {"none", true, Fault::None, 0},          {"silence", true, Fault::Silence, 0},
      {"wrong-echo", true, Fault::WrongEcho, 0}, {"cable-pulled", true, Fault::CablePulled, 0},
      {"unknown-firmware", true, Fault::UnknownFirmware, 0}, {"chunks=7", true, Fault::None, 7},
      {"chunks=0", false, Fault::Delay, 0},    {"chunks=x", false, Fault::Delay, 0},
      {"chunks=", false, Fault::Delay, 0},     {"Silence", false, Fault::Delay, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Options o{"5.9.11", Fault::Delay, 0};
    EXPECT_EQ(ParseFault(c.text, o), c.ok);
    EXPECT_EQ(o.fault, c.fault);
    EXPECT_EQ(o.chunkSize, c.chunk);
  }
}

class SimPortTest : public ::testing::Test {
 protected:
  SimPortTest() {
    port.setReceiveHandler([this](std::size_t n) { arrivals.push_back({scheduler.nowMs(), port.read(n)}); });
    EXPECT_TRUE(port.open(kDemoPortName));
  }

  Bytes Received() const {
    Bytes all;
    for (const auto& a : arrivals) all.insert(all.end(), a.bytes.begin(), a.bytes.end());
    return Plain(all);
  }

  struct Arrival {
    std::int64_t at;
    Bytes bytes;
  };
  testing::VirtualScheduler scheduler;
  Controller controller;
  SimulatedPort port{scheduler, controller};
  std::vector<Arrival> arrivals;
};

TEST_F(SimPortTest, ReplyComesLaterInDriverChunksAfterTheLineTime) {
  TransmitFrame(port, FrameCommand({0x66, 0x01}, {}));
  EXPECT_TRUE(arrivals.empty()) << "nothing inside write()";
  scheduler.advance(5000);
  const Bytes reply = Received();
  ASSERT_GE(reply.size(), 4u);
  EXPECT_EQ(reply.size(), Announced(reply));
  EXPECT_GT(arrivals.size(), 1u);
  for (const auto& a : arrivals) EXPECT_LE(a.bytes.size(), kDriverChunk);
  // 5 request bytes and 32 reply bytes on the line before the first chunk; about
  // a second for the whole block.
  EXPECT_GE(arrivals.front().at, static_cast<std::int64_t>(37 * kByteMs));
  EXPECT_NEAR(static_cast<double>(arrivals.back().at), (5 + reply.size()) * kByteMs, 10.0);
  EXPECT_EQ(port.writes().size(), 1u);
}

TEST_F(SimPortTest, ChunkAndDelayFaultsShapeTheDelivery) {
  controller.options().chunkSize = 5;
  TransmitFrame(port, FrameCommand({0x55, 0x01}, {}));
  scheduler.advance(1000);
  ASSERT_FALSE(arrivals.empty());
  for (std::size_t i = 0; i + 1 < arrivals.size(); ++i) EXPECT_EQ(arrivals[i].bytes.size(), 5u);

  arrivals.clear();
  controller.options() = Options{"5.9.11", Fault::Delay, 0};
  TransmitFrame(port, FrameCommand({0x55, 0x01}, {}));
  scheduler.advance(3400);
  EXPECT_TRUE(arrivals.empty());
  scheduler.advance(1000);
  EXPECT_FALSE(arrivals.empty());
}

TEST_F(SimPortTest, NothingArrivesAfterClose) {
  TransmitFrame(port, FrameCommand({0x66, 0x01}, {}));
  scheduler.advance(100);  // part of the block is on its way
  ASSERT_FALSE(arrivals.empty());
  arrivals.clear();
  port.close();
  ASSERT_TRUE(port.open(kDemoPortName));
  scheduler.advance(5000);
  EXPECT_TRUE(arrivals.empty());
  EXPECT_EQ(port.bytesAvailable(), 0u);
}

TEST_F(SimPortTest, PulledCableSwallowsWritesAndStopsDelivery) {
  TransmitFrame(port, FrameCommand({0x55, 0x01}, {}));
  controller.options().fault = Fault::CablePulled;
  TransmitFrame(port, FrameCommand({0x55, 0x01}, {}));
  scheduler.advance(5000);
  EXPECT_TRUE(arrivals.empty());
  EXPECT_NE(port.errorString().find("went away"), std::string::npos);
  port.close();
  EXPECT_FALSE(port.open(kDemoPortName));
}

TEST_F(SimPortTest, OpensOnlyUnderItsOwnName) {
  EXPECT_EQ(port.availablePorts(), std::vector<std::string>{kDemoPortName});
  port.close();
  EXPECT_FALSE(port.open("ttyUSB0"));
  EXPECT_FALSE(port.errorString().empty());
  EXPECT_FALSE(port.isOpen());
}

}  // namespace
}  // namespace tavu::sim
