#include "core/link/link_engine.h"

#include <gtest/gtest.h>

#include "virtual_platform.h"
#include "wire_helpers.h"

namespace tavu {
namespace {

using testing::ControllerWire;
using testing::PlainFrame;
using testing::Reply;
using testing::SettingsReply;

class LinkEngineTest : public ::testing::Test {
 protected:
  LinkEngineTest() : link(vp.view, model, texts, Hooks()) { link.setPortName("ttyUSB0"); }

  LinkHooks Hooks() {
    LinkHooks h;
    h.decodeSettings = [this](const Bytes& image) { settingsDecoded.push_back(image); };
    h.decodeLive = [this](const Bytes& reply) { liveDecoded.push_back(reply); };
    h.decodeService = [this](const Bytes& block) { serviceDecoded.push_back(block); };
    h.writeDataFile = [this] { ++dataFileWrites; };
    h.applyVariant = [this](const std::string& v) { variantsApplied.push_back(v); };
    return h;
  }

  // The controller answers with `plain`, cut into chunks of the given sizes (the
  // rest in a last chunk).
  void Answer(const Bytes& plain, std::vector<std::size_t> chunks = {}) {
    std::size_t at = 0;
    for (auto n : chunks) {
      port.receive(ControllerWire(Bytes(plain.begin() + at, plain.begin() + at + n)));
      at += n;
    }
    if (at < plain.size()) port.receive(ControllerWire(Bytes(plain.begin() + at, plain.end())));
  }

  std::vector<Bytes> Frames() const {
    std::vector<Bytes> frames;
    for (const auto& w : port.writes) frames.push_back(PlainFrame(w));
    return frames;
  }
  Bytes LastFrame() const { return PlainFrame(port.writes.back()); }

  void Connect(std::uint8_t a = 5, std::uint8_t b = 9, std::uint8_t c = 11) {
    link.polaczClick(true);
    Answer(SettingsReply(a, b, c));
    vp.scheduler.advance(1264);  // the connect completes on the next (slow) tick
    ASSERT_EQ(link.LinkState(), "count");
  }

  // Runs to the next request on the line; returns its plain frame.
  Bytes NextRequest() {
    const auto before = port.writes.size();
    EXPECT_TRUE(vp.scheduler.advanceUntil([&] { return port.writes.size() > before; }, 5000));
    return LastFrame();
  }

  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  window::WindowModel model;
  LanguageTable texts;
  std::vector<Bytes> settingsDecoded, liveDecoded, serviceDecoded;
  std::vector<std::string> variantsApplied;
  int dataFileWrites = 0;
  LinkEngine link;
};

TEST_F(LinkEngineTest, ConnectsToEachGeneration) {
  struct Case {
    std::uint8_t a, b, c;
    const char* variant;
    const char* panel;
  };
  for (const Case& c : {Case{3, 7, 7, "ver_1", "TAVU ver. 3.07.07"}, Case{5, 9, 11, "ver_2", "TAVU ver. 5.09.11"}}) {
    port.writes.clear();
    variantsApplied.clear();
    link.polaczClick(true);
    EXPECT_EQ(Frames(), std::vector<Bytes>{kGreetingFrame});
    EXPECT_FALSE(model.inputEnabled);
    EXPECT_EQ(model.Panel1Gora.color, colors::kGray);
    EXPECT_EQ(link.Tick().interval(), 1264);
    Answer(SettingsReply(c.a, c.b, c.c), {100});
    EXPECT_EQ(link.LinkState(), "T_C_start");
    EXPECT_EQ(model.StatusBar1[0].text, c.panel);
    vp.scheduler.advance(1264);
    EXPECT_EQ(link.LinkState(), "count");
    EXPECT_EQ(link.ControllerVariant, c.variant);
    EXPECT_EQ(variantsApplied, std::vector<std::string>{c.variant});
    EXPECT_EQ(settingsDecoded.back(), SettingsReply(c.a, c.b, c.c));
    EXPECT_TRUE(model.Polacz_switch.on);
    EXPECT_EQ(model.Polacz_switch.onText, "ttyUSB0 - ON");
    EXPECT_TRUE(model.inputEnabled);
    EXPECT_EQ(link.Tick().interval(), 240);
    EXPECT_TRUE(model.Pliki1.find("Zapis1")->visible);
    EXPECT_TRUE(model.rezerwa_led_gora.flashing);
    // The first poll goes out one normal tick later.
    vp.scheduler.advance(239);
    EXPECT_EQ(port.writes.size(), 1u);
    vp.scheduler.advance(1);
    EXPECT_EQ(LastFrame(), kPollFrame);
    EXPECT_TRUE(vp.dialogs.messages.empty());
  }
}

TEST_F(LinkEngineTest, UnknownFirmwareDisconnectsSilently) {
  link.polaczClick(true);
  Answer(SettingsReply(3, 7, 8));
  EXPECT_EQ(link.LinkState(), "");
  EXPECT_FALSE(port.isOpen());
  EXPECT_EQ(link.ControllerVariant, "");
  vp.scheduler.advance(10000);
  EXPECT_TRUE(vp.dialogs.messages.empty());
  EXPECT_TRUE(settingsDecoded.empty());
}

TEST_F(LinkEngineTest, FirmwareIsCheckedAtCompletionWhenTheFirstChunkIsShort) {
  link.polaczClick(true);
  Answer(SettingsReply(3, 7, 7), {5, 1, 1});
  EXPECT_EQ(link.LinkState(), "T_C_start");
  EXPECT_EQ(model.StatusBar1[0].text, "TAVU ver. 3.07.07");

  link.polaczClick(true);
  Answer(SettingsReply(3, 7, 8), {2, 2});
  EXPECT_EQ(link.LinkState(), "");
}

TEST_F(LinkEngineTest, NewerToolPatternAsksForANewerTool) {
  // At position 1: twice the sum of 0x00, 0x06, 0x66 is 0xD8. Firmware 216.x is unknown.
  const Bytes reply{0xAA, 0x00, 0x06, 0x66, 0xD8, 0x00};
  link.polaczClick(true);
  Answer(Bytes(reply.begin(), reply.begin() + 5));
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{std::string("Użyj wersji wyższej niż ") + " ver. 3.02 GR"});
  EXPECT_EQ(link.LinkState(), "w_s_count");

  vp.dialogs.messages.clear();
  link.polaczClick(true);
  Answer(Bytes{0xAA, 0x00, 0x08, 0x66, 0xDC, 0x01, 0x02, 0x00});
  EXPECT_EQ(vp.dialogs.messages.size(), 1u);
  EXPECT_EQ(link.LinkState(), "");  // then the unknown version ends it
}

TEST_F(LinkEngineTest, GreetingReplyThatIsNotASettingsImageIsGreetedAgain) {
  struct Case {
    const char* what;
    Bytes first;
  };
  for (const Case& c : {Case{"garbage start byte", {0x55, 0x03, 0x00, 0x66}}, Case{"foreign echo", {0xAA, 0x03, 0x00, 0x13}}}) {
    port.writes.clear();
    link.polaczClick(true);
    port.receive(ControllerWire(c.first));
    EXPECT_EQ(Frames(), (std::vector<Bytes>{kGreetingFrame, kGreetingFrame})) << c.what;
    EXPECT_EQ(link.ConnectAttempts, 4) << c.what;
    EXPECT_EQ(link.ReplyBuffer(), c.first) << c.what;
  }
}

TEST_F(LinkEngineTest, FiveGreetingsThenDisconnect) {
  link.polaczClick(true);
  vp.scheduler.advance(5 * 3000);
  EXPECT_EQ(Frames(), std::vector<Bytes>(5, kGreetingFrame));
  EXPECT_EQ(link.LinkState(), "");
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{"Time out - błąd w transmisji (Brak Strownika) "});
  EXPECT_TRUE(model.inputEnabled);
  vp.scheduler.advance(60000);
  EXPECT_EQ(port.writes.size(), 5u);
}

TEST_F(LinkEngineTest, MessagesFollowTheChosenLanguage) {
  texts.SetCell(lang_row::kNoController, 2, "No LPG Controller");
  texts.SetCell(lang_row::kNewerToolPrefix, 2, "Use the version higher than");
  texts.UseColumn(lang_row::kNoController, 2);
  texts.UseColumn(lang_row::kNewerToolPrefix, 2);
  link.polaczClick(true);
  Answer(Bytes{0xAA, 0x00, 0x06, 0x66, 0xD8});
  vp.scheduler.advance(5 * 3000);
  EXPECT_EQ(vp.dialogs.messages,
            (std::vector<std::string>{"Use the version higher than ver. 3.02 GR", "No LPG Controller"}));
}

TEST_F(LinkEngineTest, PartialGreetingIsRetriedAfterItsTimeOut) {
  link.polaczClick(true);
  const Bytes reply = SettingsReply(5, 9, 11);
  Answer(Bytes(reply.begin(), reply.begin() + 300), {100});
  vp.scheduler.advance(2999);
  EXPECT_EQ(port.writes.size(), 1u);
  vp.scheduler.advance(1);
  EXPECT_EQ(port.writes.size(), 2u);
  EXPECT_EQ(link.LinkState(), "w_s_0");
  EXPECT_TRUE(link.ReplyBuffer().empty());
}

TEST_F(LinkEngineTest, AssemblesRepliesFromAnyChunking) {
  Connect();
  const Bytes live = Reply(0x55, 60, {0x01, 0x02, 0x03});
  struct Case {
    const char* what;
    std::vector<std::size_t> chunks;
  };
  std::vector<std::size_t> ones(59, 1);
  for (const Case& c : {Case{"one chunk", {}}, Case{"single bytes", ones}, Case{"length split", {2, 1}},
                        Case{"length split late", {1, 1, 1, 1}}, Case{"eight chunks", {8, 8, 8, 8, 8, 8, 8}}}) {
    EXPECT_EQ(NextRequest(), kPollFrame) << c.what;
    liveDecoded.clear();
    Answer(live, c.chunks);
    EXPECT_EQ(link.LinkState(), "count") << c.what;
    EXPECT_EQ(link.ReplyBuffer(), live) << c.what;
    EXPECT_EQ(NextRequest(), kPollFrame) << c.what;
    EXPECT_EQ(liveDecoded, std::vector<Bytes>{live}) << c.what;
    Answer(live);
  }
  EXPECT_TRUE(vp.dialogs.messages.empty());
}

TEST_F(LinkEngineTest, RepliesThatNeverCompleteEndInTheTimeOut) {
  struct Case {
    const char* what;
    Bytes reply;
    std::vector<std::size_t> chunks;
    std::vector<std::string> messages;
  };
  Bytes longer = Reply(0x55, 60);
  longer.insert(longer.end(), {1, 2, 3});
  Bytes garbage = Reply(0x55, 60);
  garbage[0] = 0x00;
  const Case cases[] = {
      {"over-long in one chunk", longer, {}, {"Time out - błąd w transmisji (Brak Strownika) "}},
      {"over-long tail", longer, {40}, {"Time out - błąd w transmisji (Brak Strownika) "}},
      {"cut short", Bytes(longer.begin(), longer.begin() + 50), {}, {"Time out - błąd w transmisji (Brak Strownika) "}},
      {"garbage start byte", garbage, {10}, {"Init Error", "Time out - błąd w transmisji (Brak Strownika) "}},
      {"silence", {}, {}, {"Time out - błąd w transmisji (Brak Strownika) "}},
  };
  for (const auto& c : cases) {
    vp.dialogs.messages.clear();
    Connect();
    NextRequest();
    Answer(c.reply, c.chunks);
    EXPECT_EQ(link.LinkState(), c.reply.empty() ? "read_count" : "read_count_1") << c.what;
    vp.scheduler.advance(2999);
    EXPECT_NE(link.LinkState(), "") << c.what;
    vp.scheduler.advance(1);
    EXPECT_EQ(link.LinkState(), "") << c.what;
    EXPECT_EQ(vp.dialogs.messages, c.messages) << c.what;
  }
}

TEST_F(LinkEngineTest, GarbageStartByteStillCompletesWhenTheFirstChunkHoldsTheLength) {
  Connect();
  NextRequest();
  Bytes reply = Reply(0x55, 60);
  reply[0] = 0x00;
  Answer(reply);
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{"Init Error"});
  EXPECT_EQ(link.LinkState(), "count");
}

TEST_F(LinkEngineTest, ChunksOutsideAnExchangeAreDroppedAndStopTheReplyTimer) {
  Connect();
  NextRequest();
  Answer(Reply(0x55, 60));
  port.receive(ControllerWire({0xAA, 0x01}));
  EXPECT_EQ(link.ReplyBuffer(), Reply(0x55, 60));
  EXPECT_FALSE(link.ReplyTimer().isActive());
}

TEST_F(LinkEngineTest, CommandGoesOutOnTheNextTickAndItsReplyToTheLiveDecoder) {
  Connect();
  NextRequest();
  link.CommandAttempts = 5;
  link.QueueCommand({0x13, 0x02});
  // The poll reply still arriving is dropped: the command goes first.
  Answer(Reply(0x55, 60));
  EXPECT_TRUE(link.ReplyBuffer().empty());
  vp.scheduler.advance(239);
  EXPECT_EQ(LastFrame(), kPollFrame);
  vp.scheduler.advance(1);
  EXPECT_EQ(LastFrame(), (Bytes{0xAA, 0x13, 0x02, 0xBF}));
  Answer(Reply(0x13, 6));
  EXPECT_TRUE(link.Queue().current.empty());
  EXPECT_EQ(link.CommandAttempts, 0);
  EXPECT_EQ(NextRequest(), kPollFrame);
  EXPECT_EQ(liveDecoded.back(), Reply(0x13, 6));
}

TEST_F(LinkEngineTest, WrongEchoSendsTheIdenticalFrameUntilAttemptsRunOut) {
  Connect();
  link.CommandAttempts = 5;
  link.QueueCommand({0x13, 0x02});
  const Bytes frame{0xAA, 0x13, 0x02, 0xBF};
  int sent = 0;
  while (link.LinkState() != "") {
    ASSERT_EQ(NextRequest(), frame);
    ++sent;
    Answer(Reply(0x55, 60));
  }
  EXPECT_EQ(sent, 4);
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{"Time out - Error1"});
  EXPECT_TRUE(link.Queue().current.empty());
}

TEST_F(LinkEngineTest, QueueReplacesTheWaitingFrameAndKeepsFollowUps) {
  Connect();
  link.CommandAttempts = 5;
  link.QueueCommand({0x13, 0x02}, {0x20}, {0x21});
  link.QueueCommand({0x14, 0x01});
  EXPECT_EQ(link.Queue().current, (Bytes{0xAA, 0x14, 0x01, 0xBF}));
  EXPECT_EQ(link.Queue().next, Bytes{0x20});
  EXPECT_EQ(link.Queue().afterNext, Bytes{0x21});
  EXPECT_EQ(link.LastCommandByte, 0x14);

  // Each follow-up is promoted once the one before it is answered, and goes out a tick later.
  std::vector<Bytes> sent;
  for (std::uint8_t echo : {0x14, 0x20, 0x21}) {
    sent.push_back(NextRequest());
    Answer(Reply(echo, 6));
  }
  EXPECT_EQ(sent, (std::vector<Bytes>{{0xAA, 0x14, 0x01, 0xBF}, {0xAA, 0x20, 0xCA}, {0xAA, 0x21, 0xCB}}));
  EXPECT_EQ(NextRequest(), kPollFrame);
}

TEST_F(LinkEngineTest, SettingsReadHandsOverAndWritesTheDataFileOnce) {
  Connect();
  settingsDecoded.clear();
  link.GreyWindow();
  link.CommandAttempts = 5;
  link.QueueCommand({0x66, 0x00}, {}, BytesOf(kSaveMarker));
  EXPECT_EQ(NextRequest(), (Bytes{0xAA, 0x66, 0x00, 0x10}));
  Answer(SettingsReply(5, 9, 11));
  EXPECT_EQ(dataFileWrites, 0);
  vp.scheduler.advance(240);
  EXPECT_EQ(settingsDecoded, std::vector<Bytes>{SettingsReply(5, 9, 11)});
  EXPECT_EQ(link.SettingsImage, SettingsReply(5, 9, 11));
  EXPECT_EQ(dataFileWrites, 1);
  EXPECT_TRUE(link.Queue().afterNext.empty());
  EXPECT_TRUE(model.inputEnabled);
  EXPECT_EQ(link.LastCommandByte, -1);
  EXPECT_EQ(NextRequest(), kPollFrame);
  vp.scheduler.advance(10000);
  EXPECT_EQ(dataFileWrites, 1);
}

TEST_F(LinkEngineTest, ServiceReplyHandsOverItsBlock) {
  Connect();
  link.CommandAttempts = 5;
  link.QueueCommand({0x4E, 0x00});
  NextRequest();
  Bytes reply = Reply(0x4E, 300);
  for (std::size_t i = 4; i < 299; ++i) reply[i] = static_cast<std::uint8_t>(i);
  Answer(reply);
  vp.scheduler.advance(240);
  ASSERT_EQ(serviceDecoded.size(), 1u);
  EXPECT_EQ(serviceDecoded[0], Bytes(reply.begin() + 4, reply.begin() + 259));
  EXPECT_EQ(NextRequest(), kPollFrame);
}

TEST_F(LinkEngineTest, ShortServiceReplyIsNotReadPastItsEnd) {
  Connect();
  link.CommandAttempts = 5;
  link.QueueCommand({0x4E, 0x00});
  NextRequest();
  Answer(Reply(0x4E, 10));
  vp.scheduler.advance(240);
  ASSERT_EQ(serviceDecoded.size(), 1u);
  EXPECT_EQ(serviceDecoded[0].size(), 6u);
}

TEST_F(LinkEngineTest, PollsAtTheLinesPaceAndSlowlyWhileGreyed) {
  Connect();
  NextRequest();
  Answer(Reply(0x55, 60));
  vp.scheduler.advance(239);
  EXPECT_EQ(link.LinkState(), "count");
  vp.scheduler.advance(1);
  EXPECT_EQ(link.LinkState(), "read_count");

  link.polaczClick(true);  // a new connect greys the window and slows the tick
  Answer(SettingsReply(5, 9, 11));
  vp.scheduler.advance(1263);
  EXPECT_EQ(link.LinkState(), "T_C_start");
  vp.scheduler.advance(1);
  EXPECT_EQ(link.LinkState(), "count");
}

TEST_F(LinkEngineTest, QueueingWhileDownEndsInTheTimeOut) {
  link.CommandAttempts = 5;
  link.QueueCommand({0x13, 0x02});
  vp.scheduler.advance(240 + 3000);
  EXPECT_EQ(link.LinkState(), "");
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{"Time out - błąd w transmisji (Brak Strownika) "});
}

TEST_F(LinkEngineTest, ResetLinkClearsEverything) {
  Connect();
  link.CommandAttempts = 5;
  link.QueueCommand({0x13, 0x02}, {0x20}, {0x21});
  link.ResetLink();
  EXPECT_EQ(link.LinkState(), "");
  EXPECT_EQ(link.LastCommandByte, -1);
  EXPECT_EQ(link.CommandAttempts, 0);
  EXPECT_TRUE(link.Queue().current.empty() && link.Queue().next.empty() && link.Queue().afterNext.empty());
  EXPECT_FALSE(link.Tick().isActive());
  EXPECT_FALSE(link.ReplyTimer().isActive());
  EXPECT_FALSE(port.isOpen());
  const auto writes = port.writes.size();
  vp.scheduler.advance(60000);
  EXPECT_EQ(port.writes.size(), writes);
}

TEST_F(LinkEngineTest, PortThatWillNotOpenStartsNoLink) {
  port.refused = {"ttyUSB0"};
  port.error = "Permission denied";
  link.polaczClick(true);
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{"Permission denied"});
  EXPECT_EQ(link.LinkState(), "");
  EXPECT_TRUE(model.inputEnabled);
  EXPECT_TRUE(port.writes.empty());
  vp.scheduler.advance(10000);
  EXPECT_EQ(vp.dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace tavu
