// Every setting changed from its control reaches the simulated controller, and
// the next read of the settings block shows it on the same control.
#include <gtest/gtest.h>

#include <functional>

#include "core/tool.h"
#include "sim/controller.h"
#include "sim/simulated_port.h"
#include "virtual_platform.h"
#include "wire_helpers.h"

namespace tavu {
namespace {

using window::WindowModel;
using C = SettingCommands;

struct Change {
  const char* name;
  std::function<void(WindowModel&, Tool&)> act;
  std::function<void(const WindowModel&)> shows;
};

class SettingsTest : public ::testing::Test {
 protected:
  void Connect(const std::string& firmware) {
    sim::Options options;
    options.firmware = firmware;
    controller = std::make_unique<sim::Controller>(options);
    port = std::make_unique<sim::SimulatedPort>(vp.scheduler, *controller);
    tool = std::make_unique<Tool>(vp.with(*port));
    tool->session().FormCreate();
    tool->session().zmien_port_COM(sim::kDemoPortName);
    ASSERT_TRUE(vp.scheduler.advanceUntil([&] { return tool->model().Polacz_switch.on; }, 10000));
  }
  bool QueueEmpty() const {
    const auto& q = tool->link().Queue();
    return q.current.empty() && q.next.empty() && q.afterNext.empty() && tool->link().LinkState() == "count";
  }
  void ReadSettings() {
    tool->link().CommandAttempts = 5;
    tool->link().QueueCommand({0x66, 0x00});
    ASSERT_TRUE(vp.scheduler.advanceUntil([&] { return QueueEmpty() && tool->link().LastCommandByte == -1; }, 10000));
  }
  // Applies each change, lets the link carry it, then reads the block back.
  void ChangeAndReadBack(const std::vector<Change>& changes) {
    auto& m = tool->model();
    for (const auto& c : changes) {
      SCOPED_TRACE(c.name);
      c.act(m, *tool);
      ASSERT_TRUE(vp.scheduler.advanceUntil([&] { return QueueEmpty(); }, 10000));
    }
    ReadSettings();
    for (const auto& c : changes) {
      SCOPED_TRACE(c.name);
      c.shows(m);
    }
    EXPECT_TRUE(vp.dialogs.messages.empty()) << vp.dialogs.messages.front();
    EXPECT_TRUE(tool->model().Polacz_switch.on);
  }

  testing::RecordingPort unused;
  testing::VirtualPlatform vp{unused};
  std::unique_ptr<sim::Controller> controller;
  std::unique_ptr<sim::SimulatedPort> port;
  std::unique_ptr<Tool> tool;
};

// Changes both generations share.
std::vector<Change> CommonChanges() {
  return {
      {"8 cylinders", [](auto& m, Tool& t) { m.Sel_cyl.index = 4; t.commands().Sel_cylChange(); },
       [](const WindowModel& m) {
         EXPECT_EQ(m.Sel_cyl.index, 4);
         for (const auto& led : m.Cyl_led) EXPECT_TRUE(led.enabled && led.offColor == colors::kRed);
       }},
      {"gas on cylinders 1 and 3 (lamp click)",
       [](auto& m, Tool& t) {
         for (std::size_t k = 0; k < 8; ++k) m.Cyl_led[k].on = k == 0 || k == 2;
         t.commands().paliwo_SwitchClick(C::FuelSender::kCylinderLamp);
       },
       [](const WindowModel& m) {
         for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(m.Cyl_led[k].on, k == 0 || k == 2) << k;
       }},
      {"pulse source", [](auto& m, Tool& t) { m.Sel_Impuls.index = 3; t.commands().Sel_ImpulsChange(); },
       [](const WindowModel& m) { EXPECT_EQ(m.Sel_Impuls.index, 3); }},
      {"RPM signal low", [](auto& m, Tool& t) { m.Sel_RPM_signal.index = 0; t.commands().Sel_RPM_signalChange(); },
       [](const WindowModel& m) { EXPECT_EQ(m.Sel_RPM_signal.index, 0); }},
      {"turbo", [](auto& m, Tool& t) { m.Sel_Typ_silnika.index = 1; t.commands().Sel_Typ_silnikaChange(); },
       [](const WindowModel& m) {
         EXPECT_EQ(m.Sel_Typ_silnika.index, 1);
         EXPECT_EQ(m.Chart1.rightAxisMaximum, 256);
       }},
      {"injector OMVL", [](auto& m, Tool& t) { m.Sel_Typ_wtrysku.index = 7; t.commands().Sel_Typ_wtryskuChange(); },
       [](const WindowModel& m) { EXPECT_EQ(m.Sel_Typ_wtrysku.index, 7); }},
      {"reducer sensor 10 kOhm", [](auto& m, Tool& t) { m.T_RED_changer.index = 5; t.commands().T_RED_changerChange(); },
       [](const WindowModel& m) { EXPECT_EQ(m.T_RED_changer.index, 5); }},
      {"gas sensor 1,7 kOhm", [](auto& m, Tool& t) { m.T_GAZ_changer.index = 0; t.commands().T_GAZ_changerChange(); },
       [](const WindowModel& m) { EXPECT_EQ(m.T_GAZ_changer.index, 0); }},
      {"injectors on the positive side",
       [](auto& m, Tool& t) { m.Check_Injector_plus.checked = true; t.commands().Check_Injector_plusClick(); },
       [](const WindowModel& m) { EXPECT_TRUE(m.Check_Injector_plus.checked); }},
      {"switch at the first pressure drop",
       [](auto& m, Tool& t) { m.Check_by_first.checked = true; t.commands().Check_by_firstClick(); },
       [](const WindowModel& m) { EXPECT_TRUE(m.Check_by_first.checked); }},
      {"working pressure", [](auto& m, Tool& t) { m.P_pracy_changer.value = 1.55; t.commands().P_pracy_changerRelease(); },
       [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.P_pracy_changer.value, 1.55); }},
      {"minimum pressure", [](auto& m, Tool& t) { m.P_min_changer.value = 0.85; t.commands().P_min_changerRelease(); },
       [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.P_min_changer.value, 0.85); }},
      {"pressure-error time", [](auto& m, Tool& t) { m.T_zwloki_changer.value = 300; t.commands().T_zwloki_changerRelease(); },
       [](const WindowModel& m) { EXPECT_EQ(m.T_zwloki_changer.value, 300); }},
      {"highest speed on gas", [](auto& m, Tool& t) { m.RPM_Max_To_Petrol.value = 5000; t.commands().RPM_Max_To_PetrolRelease(); },
       [](const WindowModel& m) { EXPECT_EQ(m.RPM_Max_To_Petrol.value, 5000); }},
      {"switch-over temperature", [](auto& m, Tool& t) { m.Temp_LPG_changer.value = 45; t.commands().Temp_LPG_changerRelease(); },
       [](const WindowModel& m) { EXPECT_EQ(m.Temp_LPG_changer.value, 45); }},
      {"switch-over speed", [](auto& m, Tool& t) { m.RPM_Prog_przel.value = 2200; t.commands().RPM_Prog_przelRelease(); },
       [](const WindowModel& m) { EXPECT_EQ(m.RPM_Prog_przel.value, 2200); }},
      {"level sensor 90-0 Ohm with its thresholds",
       [](auto& m, Tool& t) {
         t.commands().Ch_U_LPG_X_Enter(C::kSensorList);
         m.Rodz_czuj_LPG.index = 1;
         t.commands().Ch_U_LPG_X_Change(C::kSensorList);
         t.commands().Ch_U_LPG_X_Exit();
       },
       [](const WindowModel& m) { EXPECT_EQ(m.Rodz_czuj_LPG.index, 1); }},
      {"threshold 4 moved to 1 V on the slider",
       [](auto& m, Tool& t) {
         t.commands().Ch_U_LPG_X_Enter(3);
         m.Ch_U_LPG_changer.value = 1.0;
         t.commands().Ch_U_LPG_changerValueChange();
         t.commands().Ch_U_LPG_X_Change(C::kSlider);
         t.commands().Ch_U_LPG_X_Exit();
       },
       [](const WindowModel& m) {
         const char* shown[] = {"2,80", "2,20", "1,49", "1,00"};
         for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(m.Ch_U_LPG[k].text, shown[k]) << k;
       }},
      {"error reset", [](auto&, Tool& t) { t.errors().Button2Click(); },
       [](const WindowModel& m) { EXPECT_TRUE(m.Register_errors_memo.lines.empty()); }},
  };
}

TEST_F(SettingsTest, NewerControllerShowsEveryChangeAfterTheNextRead) {
  Connect("5.9.11");
  ASSERT_FALSE(tool->model().Register_errors_memo.lines.empty()) << "the factory block has recorded errors";
  auto changes = CommonChanges();
  const std::vector<Change> own = {
      {"CNG", [](auto& m, Tool& t) { m.LPG_RadioButton.checked = false; m.CNG_RadioButton.checked = true; t.commands().LPG_CNG_RadioButtonClick(); },
       [](const WindowModel& m) { EXPECT_TRUE(m.CNG_RadioButton.checked && !m.LPG_RadioButton.checked); }},
      {"lowest temperature -10", [](auto& m, Tool& t) { m.Min_Temp_Petrol_changer.value = -10; t.commands().Min_Temp_Petrol_changerRelease(); },
       [](const WindowModel& m) { EXPECT_EQ(m.Min_Temp_Petrol_changer.value, -10); }},
      {"lowest speed on gas", [](auto& m, Tool& t) { m.RPM_Min_To_Petrol.value = 1500; t.commands().RPM_Min_To_PetrolRelease(); },
       [](const WindowModel& m) { EXPECT_EQ(m.RPM_Min_To_Petrol.value, 1500); }},
      {"switch-over delay 150 s (16 bits)", [](auto& m, Tool& t) { m.T_przel_to_LPG.value = 150; t.commands().T_przel_to_LPGRelease(); },
       [](const WindowModel& m) { EXPECT_EQ(m.T_przel_to_LPG.value, 150); }},
      {"cylinder sequence", [](auto& m, Tool& t) { m.T_CYL_seqence.value = 300; t.commands().T_CYL_seqenceRelease(); },
       [](const WindowModel& m) {
         EXPECT_EQ(m.T_CYL_seqence.value, 300);
         EXPECT_FALSE(m.Full_group_CheckBox.checked);
       }},
      {"corrections", [](auto& m, Tool& t) { m.Kor[0].value = -20; m.Kor[3].value = 5; t.commands().KorChange(3); },
       [](const WindowModel& m) {
         const int shown[] = {-20, 0, 0, 5, 0, 0, 0, 0};
         for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(m.Kor[k].value, shown[k]) << k;
       }},
  };
  changes.insert(changes.end(), own.begin(), own.end());
  ChangeAndReadBack(changes);
}

TEST_F(SettingsTest, OlderControllerShowsEveryChangeAfterTheNextRead) {
  Connect("3.7.7");
  auto changes = CommonChanges();
  const std::vector<Change> own = {
      {"switch-over delay 45 s (one byte)", [](auto& m, Tool& t) { m.T_przel_to_LPG.value = 45; t.commands().T_przel_to_LPGRelease(); },
       [](const WindowModel& m) { EXPECT_EQ(m.T_przel_to_LPG.value, 45); }},
      {"Full Group", [](auto& m, Tool& t) { m.Full_group_CheckBox.checked = true; t.commands().Full_group_CheckBoxClick(); },
       [](const WindowModel& m) {
         EXPECT_TRUE(m.Full_group_CheckBox.checked);
         EXPECT_EQ(m.T_CYL_seqence.value, 0);
       }},
  };
  changes.insert(changes.end(), own.begin(), own.end());
  ChangeAndReadBack(changes);
}

TEST_F(SettingsTest, SettingEchoesKeepTheDashboardAndDisconnectBlanksIt) {
  Connect("5.9.11");
  auto& m = tool->model();
  ASSERT_TRUE(vp.scheduler.advanceUntil([&] { return m.RPM_Edit.value > 0; }, 10000));
  bool blanked = false;
  tool->setOnChanged([&] { blanked = blanked || m.RPM_Edit.value == 0; });
  for (int i = 0; i < 5; ++i) {
    m.Temp_LPG_changer.value = 40 + i;
    tool->commands().Temp_LPG_changerRelease();
    ASSERT_TRUE(vp.scheduler.advanceUntil([&] { return QueueEmpty(); }, 5000));
    vp.scheduler.advance(500);
  }
  EXPECT_FALSE(blanked) << "a command's 6-byte echo is no live frame";
  tool->session().rozlacz1Click();
  EXPECT_EQ(m.RPM_Edit.value, 0);
  EXPECT_FALSE(m.paliwo_Switch.on);
  EXPECT_FALSE(m.Error_Led.visible);
}

}  // namespace
}  // namespace tavu
