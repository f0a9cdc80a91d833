// The tool against the simulated controller, in virtual time: what the window
// shows and what went over the wire.
#include <gtest/gtest.h>

#include "core/tool.h"
#include "sim/controller.h"
#include "sim/simulated_port.h"
#include "virtual_platform.h"
#include "wire_helpers.h"

namespace tavu {
namespace {

class ConnectTest : public ::testing::Test {
 protected:
  void Start(const std::string& firmware, const std::string& fault = "none") {
    sim::Options options;
    options.firmware = firmware;
    ASSERT_TRUE(sim::ParseFault(fault, options)) << fault;
    tool.reset();
    port.reset();
    vp.dialogs.messages.clear();
    controller = std::make_unique<sim::Controller>(options);
    port = std::make_unique<sim::SimulatedPort>(vp.scheduler, *controller);
    tool = std::make_unique<Tool>(vp.with(*port));
    tool->session().FormCreate();
  }
  bool Connected() { return !tool->link().LinkState().empty() && tool->model().Polacz_switch.on; }
  std::size_t Polls() const {
    std::size_t n = 0;
    for (const auto& w : port->writes())
      if (testing::PlainFrame(w) == kPollFrame) ++n;
    return n;
  }

  testing::RecordingPort unused;
  testing::VirtualPlatform vp{unused};
  testing::VirtualScheduler& scheduler = vp.scheduler;
  std::unique_ptr<sim::Controller> controller;
  std::unique_ptr<sim::SimulatedPort> port;
  std::unique_ptr<Tool> tool;
};

TEST_F(ConnectTest, ConnectsToEachGenerationAndPolls) {
  struct Case {
    const char* firmware;
    const char* panel;
    const char* variant;
  };
  for (const Case& c : {Case{"3.7.7", "TAVU ver. 3.07.07", "ver_1"}, Case{"5.9.11", "TAVU ver. 5.09.11", "ver_2"}}) {
    Start(c.firmware);
    tool->session().zmien_port_COM(sim::kDemoPortName);
    ASSERT_TRUE(scheduler.advanceUntil([&] { return Connected(); }, 10000)) << c.firmware;
    EXPECT_EQ(tool->model().StatusBar1[0].text, c.panel);
    EXPECT_EQ(tool->link().ControllerVariant, c.variant);
    EXPECT_EQ(tool->link().SettingsImage, controller->answer({0x66, 0x00}));
    ASSERT_TRUE(scheduler.advanceUntil([&] { return Polls() >= 20; }, 20000)) << c.firmware;
    EXPECT_TRUE(Connected()) << tool->link().LinkState();
    EXPECT_TRUE(vp.dialogs.messages.empty()) << vp.dialogs.messages.front();
    tool->session().rozlacz1Click();
  }
}

TEST_F(ConnectTest, FaultsEndAsTheFitterIsTold) {
  struct Case {
    const char* fault;
    bool connects;
    std::vector<std::string> messages;
  };
  const std::string timeOut = "Time out - błąd w transmisji (Brak Strownika) ";
  const Case cases[] = {
      {"chunks=1", true, {}},
      {"unknown-firmware", false, {}},
      {"silence", false, {timeOut}},
  };
  for (const auto& c : cases) {
    Start("5.9.11", c.fault);
    tool->session().zmien_port_COM(sim::kDemoPortName);
    scheduler.advance(20000);
    EXPECT_EQ(Connected(), c.connects) << c.fault;
    EXPECT_EQ(vp.dialogs.messages, c.messages) << c.fault;
  }
}

TEST_F(ConnectTest, PulledCableEndsInTheTimeOut) {
  Start("5.9.11");
  tool->session().zmien_port_COM(sim::kDemoPortName);
  ASSERT_TRUE(scheduler.advanceUntil([&] { return Connected(); }, 10000));
  controller->options().fault = sim::Fault::CablePulled;
  scheduler.advance(4000);
  EXPECT_FALSE(Connected());
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{"Time out - błąd w transmisji (Brak Strownika) "});
  EXPECT_TRUE(tool->model().inputEnabled);
}

TEST_F(ConnectTest, CommandWithAWrongEchoRunsOutOfAttempts) {
  Start("5.9.11");
  tool->session().zmien_port_COM(sim::kDemoPortName);
  ASSERT_TRUE(scheduler.advanceUntil([&] { return Connected(); }, 10000));
  controller->options().fault = sim::Fault::WrongEcho;
  const auto before = controller->framesSeen().size();
  tool->link().CommandAttempts = 5;
  tool->link().QueueCommand({0x13, 0x02});
  scheduler.advance(20000);
  std::size_t sent = 0;
  for (std::size_t i = before; i < controller->framesSeen().size(); ++i)
    if (controller->framesSeen()[i] == Bytes{0xAA, 0x13, 0x02, 0xBF}) ++sent;
  EXPECT_EQ(sent, 4u);
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{"Time out - Error1"});
  EXPECT_FALSE(tool->model().Polacz_switch.on);
}

}  // namespace
}  // namespace tavu
