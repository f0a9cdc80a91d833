#include "core/link/port_session.h"

#include <gtest/gtest.h>

#include "core/link/variant_profile.h"
#include "core/tool.h"
#include "virtual_platform.h"
#include "wire_helpers.h"

namespace tavu {
namespace {

using testing::ControllerWire;
using testing::SettingsReply;

class PortSessionTest : public ::testing::Test {
 protected:
  std::vector<std::string> PortMenu() const {
    std::vector<std::string> captions;
    for (const auto& item : tool.model().PortCOM.items) captions.push_back(item.caption);
    return captions;
  }
  std::vector<std::string> Checked() const {
    std::vector<std::string> names;
    for (const auto& item : tool.model().PortCOM.items)
      if (item.checked) names.push_back(item.name);
    return names;
  }
  std::vector<std::string> VisibleTabs() const {
    std::vector<std::string> names;
    for (const auto& tab : tool.model().tab_control.tabs)
      if (tab.visible) names.push_back(tab.caption);
    return names;
  }
  void ConnectTo(const std::string& port, std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    session.zmien_port_COM(port);
    this->port.receive(ControllerWire(SettingsReply(a, b, c)));
    vp.scheduler.advance(1264);
    ASSERT_EQ(tool.link().LinkState(), "count");
  }
  std::string Stored(const std::string& key) const {
    auto it = vp.settings.values.find(key);
    return it == vp.settings.values.end() ? "<missing>" : it->second;
  }

  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  Tool tool{vp.view};
  PortSession& session = tool.session();
  window::WindowModel& model = tool.model();
};

TEST_F(PortSessionTest, PortMenuListsThePortsPresentThenConnectAndDisconnect) {
  port.ports = std::vector<std::string>{"ttyS0", " ttyUSB0 "};
  session.FormCreate();
  EXPECT_EQ(PortMenu(), (std::vector<std::string>{"ttyS0", "ttyUSB0", "Połącz", "Rozłącz"}));
  EXPECT_TRUE(Checked().empty());

  port.ports = std::nullopt;  // a list that cannot be read
  session.FormCreate();
  EXPECT_EQ(PortMenu(), (std::vector<std::string>{"Połącz", "Rozłącz"}));
}

TEST_F(PortSessionTest, FirstRunStoresNothingAndTheSwitchWaitsForAPort) {
  port.ports = std::vector<std::string>{"ttyUSB0"};
  session.FormCreate();
  EXPECT_TRUE(Checked().empty());
  EXPECT_EQ(tool.link().portName(), "");
  EXPECT_TRUE(model.Jazyk.find("PolskiPL")->checked);

  session.Polacz_switchStatusChanged(true);
  EXPECT_FALSE(model.Polacz_switch.on);
  EXPECT_TRUE(port.writes.empty());

  session.rozlacz1Click();
  EXPECT_EQ(Stored("Lang/CurLang"), "PolskiPL");
  EXPECT_EQ(Stored("ComPort1/Port"), "");
}

TEST_F(PortSessionTest, StoredPortAndLanguageComeBackAndAreWrittenBack) {
  port.ports = std::vector<std::string>{"ttyS0", "ttyUSB0"};
  vp.settings.values["ComPort1/Port"] = "ttyUSB0";
  vp.settings.values["Lang/CurLang"] = "Greek";
  session.FormCreate();
  EXPECT_EQ(Checked(), std::vector<std::string>{"ttyUSB0"});
  EXPECT_TRUE(model.Jazyk.find("Greek")->checked);
  EXPECT_FALSE(model.Jazyk.find("PolskiPL")->checked);

  session.LanguageClick("Thai");
  session.rozlacz1Click();
  EXPECT_EQ(Stored("Lang/CurLang"), "Thai");
  EXPECT_EQ(Stored("ComPort1/Port"), "ttyUSB0");
  EXPECT_EQ(Stored("ComPort1/CustomBaudRate"), "7200");
}

TEST_F(PortSessionTest, UnknownLanguageNameKeepsTheBuiltInTexts) {
  vp.settings.values["Lang/CurLang"] = "Klingon";
  session.FormCreate();
  EXPECT_TRUE(model.Jazyk.find("PolskiPL")->checked);
}

TEST_F(PortSessionTest, MissingStoredPortIsOfferedAndFailsAtThePort) {
  port.ports = std::vector<std::string>{"ttyS0"};
  port.refused = {"ttyUSB3"};
  port.error = "The port ttyUSB3 does not exist.";
  vp.settings.values["ComPort1/Port"] = "ttyUSB3";
  session.FormCreate();
  EXPECT_EQ(PortMenu(), (std::vector<std::string>{"ttyS0", "ttyUSB3", "Połącz", "Rozłącz"}));
  EXPECT_EQ(Checked(), std::vector<std::string>{"ttyUSB3"});

  session.polaczClick();
  EXPECT_EQ(vp.dialogs.messages, std::vector<std::string>{"The port ttyUSB3 does not exist."});
  EXPECT_EQ(tool.link().LinkState(), "");
  EXPECT_TRUE(model.inputEnabled);
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(PortSessionTest, ChoosingAPortConnectsAtOnce) {
  port.ports = std::vector<std::string>{"ttyS0", "ttyUSB0"};
  session.FormCreate();
  session.zmien_port_COM("ttyUSB0");
  EXPECT_EQ(Checked(), std::vector<std::string>{"ttyUSB0"});
  EXPECT_EQ(port.openName, "ttyUSB0");
  EXPECT_EQ(tool.link().LinkState(), "w_s_0");
  EXPECT_EQ(port.settings.baudRate, 7200);
  EXPECT_FALSE(port.settings.dtr || port.settings.rts || port.settings.flowControl);
}

TEST_F(PortSessionTest, SwitchConnectsAndDisconnectsANamedPort) {
  port.ports = std::vector<std::string>{"ttyUSB0"};
  vp.settings.values["ComPort1/Port"] = "ttyUSB0";
  session.FormCreate();
  session.Polacz_switchStatusChanged(true);
  EXPECT_TRUE(model.Polacz_switch.on);
  EXPECT_EQ(model.Polacz_switch.onText, "COM x");
  EXPECT_EQ(tool.link().LinkState(), "w_s_0");
  session.Polacz_switchStatusChanged(false);
  EXPECT_FALSE(model.Polacz_switch.on);
  EXPECT_EQ(tool.link().LinkState(), "");
}

TEST_F(PortSessionTest, DisconnectResetsTheWindowButKeepsTheErrorList) {
  port.ports = std::vector<std::string>{"ttyUSB0"};
  session.FormCreate();
  ConnectTo("ttyUSB0", 5, 9, 11);
  EXPECT_EQ(VisibleTabs().back(), "Info");
  EXPECT_TRUE(model.tab_control.find("TabSheet10")->visible);
  model.Actual_errors_Memo.lines = {"Błąd czujnika"};
  model.Error_Led.visible = true;
  model.Cyl_led[2].on = true;

  session.rozlacz1Click();
  EXPECT_EQ(tool.link().LinkState(), "");
  EXPECT_FALSE(port.isOpen());
  EXPECT_FALSE(model.Polacz_switch.on);
  EXPECT_FALSE(model.Error_Led.visible);
  EXPECT_EQ(model.Actual_errors_Memo.lines, std::vector<std::string>{"Błąd czujnika"});
  EXPECT_FALSE(model.Cyl_led[2].on);
  EXPECT_EQ(model.Cyl_led[2].offColor, colors::kGray);
  EXPECT_FALSE(model.rezerwa_led_gora.flashing || model.Rezerwa_led_panel.flashing);
  for (const char* item : {"Odczyt1", "Zapis1", "Reset1"}) {
    EXPECT_FALSE(model.Pliki1.find(item)->visible) << item;
    EXPECT_FALSE(model.Pliki1.find(item)->enabled) << item;
  }
  // The variant-only controls show again; "Serwis" and "Help" do not.
  EXPECT_TRUE(model.GroupBox15.visible && model.Min_Temp_Petrol_changer.visible && model.RPM_Min_To_Petrol.visible &&
              model.Panel_korekta.visible);
  EXPECT_FALSE(model.StatusBar1[1].visible);
  EXPECT_EQ(VisibleTabs(), (std::vector<std::string>{"Panel Petrol", "Panel Gaz", "Adaptacja", "Mapa", "Error",
                                                     "Oscyloskop", "Diagnostyka", "Przełącznik", "Info"}));
  EXPECT_EQ(model.T_przel_to_LPG.maximum, 300);
  EXPECT_TRUE(model.inputEnabled);
}

TEST_F(PortSessionTest, OlderControllerShowsHelpAndPanelPetrol) {
  port.ports = std::vector<std::string>{"ttyUSB0"};
  session.FormCreate();
  model.tab_control.active = "TabSheet5";
  ConnectTo("ttyUSB0", 3, 7, 7);
  EXPECT_EQ(model.tab_control.active, "TabSheet1");
  EXPECT_TRUE(model.tab_control.find("TabSheet11")->visible);
  EXPECT_FALSE(model.tab_control.find("TabSheet10")->visible);
  EXPECT_FALSE(model.GroupBox15.visible);
  EXPECT_FALSE(model.Panel_korekta.visible);
  EXPECT_FALSE(model.StatusBar1[1].visible);
  EXPECT_EQ(model.T_przel_to_LPG.maximum, 60);
  EXPECT_EQ(model.T_przel_to_LPG.scaleMaximum, 60);
}

TEST(VariantProfile, ApplyingOnceOrTwiceIsTheSame) {
  window::WindowModel once, twice;
  ApplyVariantProfile(once, "ver_2");
  ApplyVariantProfile(twice, "ver_2");
  for (auto* m : {&once, &twice}) m->tab_control.active = "TabSheet4";
  ApplyVariantProfile(once, "ver_1");
  ApplyVariantProfile(twice, "ver_1");
  ApplyVariantProfile(twice, "ver_1");
  EXPECT_EQ(once.tab_control.active, twice.tab_control.active);
  for (std::size_t i = 0; i < once.tab_control.tabs.size(); ++i)
    EXPECT_EQ(once.tab_control.tabs[i].visible, twice.tab_control.tabs[i].visible);
  EXPECT_EQ(once.GroupBox15.visible, twice.GroupBox15.visible);
  EXPECT_EQ(once.T_przel_to_LPG.maximum, twice.T_przel_to_LPG.maximum);

  window::WindowModel untouched, other;
  ApplyVariantProfile(other, "ver_3");
  EXPECT_EQ(other.GroupBox15.visible, untouched.GroupBox15.visible);
  EXPECT_EQ(other.T_przel_to_LPG.maximum, untouched.T_przel_to_LPG.maximum);
}

TEST_F(PortSessionTest, SmallScreensShowTheWindowFullScreen) {
  for (auto [width, full] : {std::pair{800, true}, std::pair{801, false}}) {
    vp.screen.w = width;
    session.FormCreate();
    EXPECT_EQ(model.fullScreen, full) << width;
  }
}

TEST_F(PortSessionTest, ClosingTheWindowDisconnectsAndStores) {
  port.ports = std::vector<std::string>{"ttyUSB0"};
  session.FormCreate();
  ConnectTo("ttyUSB0", 5, 9, 11);
  session.FormClose();
  EXPECT_FALSE(port.isOpen());
  EXPECT_EQ(tool.link().LinkState(), "");
  EXPECT_EQ(Stored("ComPort1/Port"), "ttyUSB0");
  const auto writes = port.writes.size();
  vp.scheduler.advance(10000);
  EXPECT_EQ(port.writes.size(), writes);
}

}  // namespace
}  // namespace tavu
