// Every row of the command table: the control's value and the bytes that go to
// the link's queue, with the edge cases of the encodings and the handlers that
// do more than send one command.
#include "core/controller/setting_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/controller/settings_image.h"
#include "core/link/variant_profile.h"
#include "virtual_platform.h"
#include "wire_helpers.h"

namespace tavu {
namespace {

using window::WindowModel;

class SettingCommandsTest : public ::testing::Test {
 protected:
  SettingCommandsTest() {
    link.setPortName("ttyUSB0");
    port.open("ttyUSB0");
    link.ControllerVariant = "ver_2";
    link.SettingsImage = testing::Reply(0x66, 760);
  }

  void ClearQueue() { link.MutableQueue() = {}; }
  // The bare command in `current` (start byte and checksum dropped).
  Bytes Current() const {
    const Bytes& framed = link.Queue().current;
    if (framed.size() < 2) return {};
    EXPECT_EQ(framed, FrameCommand(Bytes(framed.begin() + 1, framed.end() - 1), link.Retained));
    return Bytes(framed.begin() + 1, framed.end() - 1);
  }

  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  WindowModel model;
  LanguageTable texts;
  LinkEngine link{vp.view, model, texts, {}};
  Errors errors{model, link, texts};
  SettingsImageDecoder decoder{model, errors};
  int decodes = 0;
  SettingCommands commands{model, link, port, [this] {
                             ++decodes;
                             decoder.DecodeSettingsImage(link.SettingsImage, link.ControllerVariant);
                           }};
};

TEST_F(SettingCommandsTest, EachControlSendsItsCommand) {
  using Act = std::function<void(WindowModel&, SettingCommands&)>;
  struct Case {
    const char* name;
    Act act;
    Bytes current, next = {}, afterNext = {};
  };
  using C = SettingCommands;
  const Case cases[] = {
      {"Sel_cyl 3 cyl.", [](auto& m, C& c) { m.Sel_cyl.index = 0; c.Sel_cylChange(); }, {0x1B, 0x00}},
      {"Sel_cyl 6 cyl.", [](auto& m, C& c) { m.Sel_cyl.index = 3; c.Sel_cylChange(); }, {0x1B, 0x03}},
      {"Sel_cyl 8 cyl. is code 5", [](auto& m, C& c) { m.Sel_cyl.index = 4; c.Sel_cylChange(); }, {0x1B, 0x05}},
      {"Sel_Impuls", [](auto& m, C& c) { m.Sel_Impuls.index = 6; c.Sel_ImpulsChange(); }, {0x0A, 0x06}},
      {"Sel_RPM_signal high", [](auto& m, C& c) { m.Sel_RPM_signal.index = 1; c.Sel_RPM_signalChange(); }, {0x17, 0x01}},
      {"Sel_RPM_signal low", [](auto& m, C& c) { m.Sel_RPM_signal.index = 0; c.Sel_RPM_signalChange(); }, {0x17, 0x00}},
      {"Sel_Typ_silnika turbo", [](auto& m, C& c) { m.Sel_Typ_silnika.index = 1; c.Sel_Typ_silnikaChange(); }, {0x21, 0x01}},
      {"Sel_Typ_silnika standard", [](auto& m, C& c) { m.Sel_Typ_silnika.index = 0; c.Sel_Typ_silnikaChange(); }, {0x21, 0x00}},
      {"Check_Injector_plus ticked", [](auto& m, C& c) { m.Check_Injector_plus.checked = true; c.Check_Injector_plusClick(); }, {0x2D, 0x01}},
      {"Check_Injector_plus cleared", [](auto& m, C& c) { m.Check_Injector_plus.checked = false; c.Check_Injector_plusClick(); }, {0x2D, 0x00}},
      {"Check_by_first ticked", [](auto& m, C& c) { m.Check_by_first.checked = true; c.Check_by_firstClick(); }, {0x2E, 0x01}},
      {"Check_by_first cleared", [](auto& m, C& c) { m.Check_by_first.checked = false; c.Check_by_firstClick(); }, {0x2E, 0x00}},
      {"P_pracy 1.20 bar", [](auto& m, C& c) { m.P_pracy_changer.value = 1.20; c.P_pracy_changerRelease(); }, {0x2B, 120}},
      {"P_pracy 2.50 bar", [](auto& m, C& c) { m.P_pracy_changer.value = 2.50; c.P_pracy_changerRelease(); }, {0x2B, 250}},
      {"P_min 0.40 bar", [](auto& m, C& c) { m.P_min_changer.value = 0.40; c.P_min_changerRelease(); }, {0x1E, 40}},
      {"P_min on a 2.10/215 step", [](auto& m, C& c) { m.P_min_changer.value = 0.40 + 31 * 2.10 / 215; c.P_min_changerRelease(); }, {0x1E, 70}},
      {"T_RED 10 kOhm", [](auto& m, C& c) { m.T_RED_changer.index = 5; c.T_RED_changerChange(); }, {0x13, 0x00}},
      {"T_RED 1,7 kOhm", [](auto& m, C& c) { m.T_RED_changer.index = 0; c.T_RED_changerChange(); }, {0x13, 0x02}},
      {"T_RED 4,7 kOhm", [](auto& m, C& c) { m.T_RED_changer.index = 3; c.T_RED_changerChange(); }, {0x13, 0x05}},
      {"T_GAZ 10 kOhm", [](auto& m, C& c) { m.T_GAZ_changer.index = 5; c.T_GAZ_changerChange(); }, {0x18, 0x00}},
      {"T_GAZ 1,7 kOhm", [](auto& m, C& c) { m.T_GAZ_changer.index = 0; c.T_GAZ_changerChange(); }, {0x18, 0x02}},
      {"LPG checked", [](auto& m, C& c) { m.LPG_RadioButton.checked = true; m.CNG_RadioButton.checked = false; c.LPG_CNG_RadioButtonClick(); }, {0x43, 0x00}},
      {"CNG checked", [](auto& m, C& c) { m.LPG_RadioButton.checked = false; m.CNG_RadioButton.checked = true; c.LPG_CNG_RadioButtonClick(); }, {0x43, 0x01}},
      {"Min_Temp -1", [](auto& m, C& c) { m.Min_Temp_Petrol_changer.value = -1; c.Min_Temp_Petrol_changerRelease(); }, {0x37, 0xFF}},
      {"Min_Temp -25", [](auto& m, C& c) { m.Min_Temp_Petrol_changer.value = -25; c.Min_Temp_Petrol_changerRelease(); }, {0x37, 0xE7}},
      {"Min_Temp 100", [](auto& m, C& c) { m.Min_Temp_Petrol_changer.value = 100; c.Min_Temp_Petrol_changerRelease(); }, {0x37, 0x64}},
      {"RPM_Min 6500", [](auto& m, C& c) { m.RPM_Min_To_Petrol.value = 6500; c.RPM_Min_To_PetrolRelease(); }, {0x36, 65}},
      {"RPM_Min 250 halves to even", [](auto& m, C& c) { m.RPM_Min_To_Petrol.value = 250; c.RPM_Min_To_PetrolRelease(); }, {0x36, 2}},
      {"T_zwloki 15 ms", [](auto& m, C& c) { m.T_zwloki_changer.value = 15; c.T_zwloki_changerRelease(); }, {0x1F, 0x02}},
      {"T_zwloki 25 ms", [](auto& m, C& c) { m.T_zwloki_changer.value = 25; c.T_zwloki_changerRelease(); }, {0x1F, 0x02}},
      {"T_zwloki 35 ms", [](auto& m, C& c) { m.T_zwloki_changer.value = 35; c.T_zwloki_changerRelease(); }, {0x1F, 0x04}},
      {"T_zwloki 1450 ms", [](auto& m, C& c) { m.T_zwloki_changer.value = 1450; c.T_zwloki_changerRelease(); }, {0x1F, 145}},
      {"RPM_Max 12000", [](auto& m, C& c) { m.RPM_Max_To_Petrol.value = 12000; c.RPM_Max_To_PetrolRelease(); }, {0x11, 120}},
      {"Temp_LPG 90", [](auto& m, C& c) { m.Temp_LPG_changer.value = 90; c.Temp_LPG_changerRelease(); }, {0x0F, 90}},
      {"RPM_Prog 300", [](auto& m, C& c) { m.RPM_Prog_przel.value = 300; c.RPM_Prog_przelRelease(); }, {0x09, 3}},
      {"RPM_Prog 6000", [](auto& m, C& c) { m.RPM_Prog_przel.value = 6000; c.RPM_Prog_przelRelease(); }, {0x09, 60}},
      {"T_przel ver_2 150 s is 16 bits", [](auto& m, C& c) { m.T_przel_to_LPG.value = 150; c.T_przel_to_LPGRelease(); }, {0x22, 0x01, 0x2C}},
      {"T_przel ver_2 300 s", [](auto& m, C& c) { m.T_przel_to_LPG.value = 300; c.T_przel_to_LPGRelease(); }, {0x22, 0x02, 0x58}},
      {"T_CYL 2550 ms", [](auto& m, C& c) { m.T_CYL_seqence.value = 2550; c.T_CYL_seqenceRelease(); }, {0x23, 255}},
      {"T_CYL 200 ms", [](auto& m, C& c) { m.T_CYL_seqence.value = 200; c.T_CYL_seqenceRelease(); }, {0x23, 0x14}},
      {"Full Group ticked", [](auto& m, C& c) { m.Full_group_CheckBox.checked = true; c.Full_group_CheckBoxClick(); }, {0x23, 0x00}},
      {"Full Group cleared", [](auto& m, C& c) { m.Full_group_CheckBox.checked = false; c.Full_group_CheckBoxClick(); }, {0x23, 0x14}},
      {"Rodz_czuj 0-90 Ohm with its defaults", [](auto& m, C& c) { m.Rodz_czuj_LPG.index = 0; c.Ch_U_LPG_X_Change(C::kSensorList); },
       {0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x00}, {0x31, 0x00}},
      {"Rodz_czuj 90-0 Ohm", [](auto& m, C& c) { m.Rodz_czuj_LPG.index = 1; c.Ch_U_LPG_X_Change(C::kSensorList); },
       {0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02}, {0x31, 0x00}},
      {"Rodz_czuj 0-50 kOhm", [](auto& m, C& c) { m.Rodz_czuj_LPG.index = 2; c.Ch_U_LPG_X_Change(C::kSensorList); },
       {0x0D, 0x2E, 0x66, 0x9E, 0xD1, 0x01}, {0x31, 0x00}},
      {"Rodz_czuj 50-0 kOhm", [](auto& m, C& c) { m.Rodz_czuj_LPG.index = 3; c.Ch_U_LPG_X_Change(C::kSensorList); },
       {0x0D, 0xD1, 0x9E, 0x66, 0x2E, 0x03}, {0x31, 0x00}},
      {"threshold box entered", [](auto&, C& c) { c.Ch_U_LPG_X_Enter(2); }, {0x31, 0x01}},
      {"sensor list entered", [](auto&, C& c) { c.Ch_U_LPG_X_Enter(C::kSensorList); }, {0x31, 0x01}},
      {"Sel_Typ_wtrysku Valtek 1 Ohm", [](auto& m, C& c) { m.Sel_Typ_wtrysku.index = 0; c.Sel_Typ_wtryskuChange(); },
       {0x0E, 0x08}, {0x24, 0x06}, {0x30, 0x1E}},
      {"Sel_Typ_wtrysku Valtek 2 Ohm", [](auto& m, C& c) { m.Sel_Typ_wtrysku.index = 1; c.Sel_Typ_wtryskuChange(); },
       {0x0E, 0x09}, {0x24, 0x06}, {0x30, 0x23}},
      {"Sel_Typ_wtrysku Valtek 3 Ohm", [](auto& m, C& c) { m.Sel_Typ_wtrysku.index = 2; c.Sel_Typ_wtryskuChange(); },
       {0x0E, 0x03}, {0x24, 0x09}, {0x30, 0x2D}},
      {"Sel_Typ_wtrysku Matrix", [](auto& m, C& c) { m.Sel_Typ_wtrysku.index = 3; c.Sel_Typ_wtryskuChange(); },
       {0x0E, 0x01}, {0x24, 0x06}, {0x30, 0x1E}},
      {"Sel_Typ_wtrysku BRC", [](auto& m, C& c) { m.Sel_Typ_wtrysku.index = 4; c.Sel_Typ_wtryskuChange(); },
       {0x0E, 0x06}, {0x24, 0x06}, {0x30, 0x1E}},
      {"Sel_Typ_wtrysku Keihin", [](auto& m, C& c) { m.Sel_Typ_wtrysku.index = 5; c.Sel_Typ_wtryskuChange(); },
       {0x0E, 0x07}, {0x24, 0x06}, {0x30, 0x1E}},
      {"Sel_Typ_wtrysku Stefanelli", [](auto& m, C& c) { m.Sel_Typ_wtrysku.index = 6; c.Sel_Typ_wtryskuChange(); },
       {0x0E, 0x00}, {0x24, 0x00}, {0x30, 0x00}},
      {"Sel_Typ_wtrysku OMVL", [](auto& m, C& c) { m.Sel_Typ_wtrysku.index = 7; c.Sel_Typ_wtryskuChange(); },
       {0x0E, 0x04}, {0x24, 0x06}, {0x30, 0x2D}},
      {"Kor all 0", [](auto& m, C& c) { for (auto& k : m.Kor) k.value = 0; c.KorChange(0); },
       {0x44, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}},
      {"Kor_1 -20, kor_8 20", [](auto& m, C& c) { for (auto& k : m.Kor) k.value = 0; m.Kor[0].value = -20; m.Kor[7].value = 20; c.KorChange(7); },
       {0x44, 0x6C, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x94}},
      {"paliwo_Switch on LPG asks for petrol", [](auto& m, C& c) { m.paliwo_Switch.on = true; c.paliwo_SwitchClick(); }, {0x03, 0x02, 0x0D}},
      {"paliwo_Switch on PB asks for gas", [](auto& m, C& c) { m.paliwo_Switch.on = false; c.paliwo_SwitchClick(); }, {0x03, 0x03, 0x0D}},
      {"cylinder lamp click", [](auto& m, C& c) { m.paliwo_Switch.on = true; c.paliwo_SwitchClick(C::FuelSender::kCylinderLamp); }, {0x03, 0x03, 0x0D}},
      {"adaptation first step", [](auto&, C& c) { c.paliwo_SwitchClick(C::FuelSender::kAdaptation, 0); }, {0x25}, {0x03, 0x02, 0x0D}},
      {"adaptation later step", [](auto&, C& c) { c.paliwo_SwitchClick(C::FuelSender::kAdaptation, 4); }, {0x03, 0x02, 0x0D}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ClearQueue();
    for (std::size_t k = 0; k < 8; ++k) model.Cyl_led[k].on = k == 0 || k == 2 || k == 3;  // mask 0x0D
    c.act(model, commands);
    EXPECT_EQ(Current(), c.current);
    EXPECT_EQ(link.Queue().next, c.next);
    EXPECT_EQ(link.Queue().afterNext, c.afterNext);
    EXPECT_EQ(link.CommandAttempts, 4);  // set to 5, then one taken by QueueCommand
  }
}

TEST_F(SettingCommandsTest, GuardsAndMissingChoicesSendNothing) {
  using Act = std::function<void(WindowModel&, SettingCommands&, LinkEngine&)>;
  using C = SettingCommands;
  const std::pair<const char*, Act> cases[] = {
      {"Check_Injector_plus set by the decoder", [](auto& m, C& c, auto&) { m.Check_Injector_plus.caption = "-"; c.Check_Injector_plusClick(); }},
      {"Check_by_first set by the decoder", [](auto& m, C& c, auto&) { m.Check_by_first.caption = "-"; c.Check_by_firstClick(); }},
      {"fuel kind set by the decoder", [](auto& m, C& c, auto&) { m.LPG_RadioButton.tag = 1; m.LPG_RadioButton.checked = true; c.LPG_CNG_RadioButtonClick(); }},
      {"T_przel with no variant", [](auto& m, C& c, LinkEngine& l) { l.ControllerVariant.clear(); m.T_przel_to_LPG.value = 20; c.T_przel_to_LPGRelease(); }},
      {"Sel_cyl before any settings block", [](auto& m, C& c, LinkEngine& l) { l.SettingsImage.clear(); m.Sel_cyl.index = 1; c.Sel_cylChange(); }},
      {"Sel_cyl with a 10-byte image", [](auto& m, C& c, LinkEngine& l) { l.SettingsImage.assign(10, 0); m.Sel_cyl.index = 1; c.Sel_cylChange(); }},
      {"list with no item", [](auto& m, C& c, auto&) { m.T_RED_changer.index = -1; c.T_RED_changerChange(); m.Sel_Typ_wtrysku.index = -1; c.Sel_Typ_wtryskuChange(); }},
      {"level sensor with no item and no image",
       [](auto& m, C& c, LinkEngine& l) { l.SettingsImage.clear(); m.Rodz_czuj_LPG.index = -1; c.Ch_U_LPG_X_Change(C::kSlider); }},
  };
  for (const auto& [name, act] : cases) {
    SCOPED_TRACE(name);
    ClearQueue();
    link.ControllerVariant = "ver_2";
    link.SettingsImage = testing::Reply(0x66, 760);
    model = WindowModel{};
    act(model, commands, link);
    EXPECT_TRUE(link.Queue().current.empty());
    EXPECT_TRUE(link.Queue().next.empty());
  }
  ClearQueue();
  link.SettingsImage = testing::Reply(0x66, 760);
  port.close();
  model.Sel_cyl.index = 1;
  commands.Sel_cylChange();
  EXPECT_TRUE(link.Queue().current.empty()) << "no port open";
  EXPECT_EQ(decodes, 0);
}

TEST_F(SettingCommandsTest, OlderControllerDelayStopsAt60Seconds) {
  link.ControllerVariant = "ver_1";
  ApplyVariantProfile(model, "ver_1");
  model.T_przel_to_LPG.value = 150;  // beyond the dial's range for "ver_1"
  commands.T_przel_to_LPGRelease();
  EXPECT_EQ(Current(), (Bytes{0x22, 0x78}));
}

TEST_F(SettingCommandsTest, CylinderCountEditsTheImageAndRedecodes) {
  struct Case {
    int item;
    std::uint8_t code, mask;
    std::size_t active;
  };
  for (const Case& c : {Case{4, 5, 0xFF, 8}, Case{1, 1, 0x0F, 4}, Case{0, 0, 0x07, 3}}) {
    SCOPED_TRACE(c.item);
    ClearQueue();
    model.Sel_cyl.index = c.item;
    commands.Sel_cylChange();
    EXPECT_EQ(Current(), (Bytes{0x1B, c.code}));
    EXPECT_EQ(link.SettingsImage[22], c.code);
    EXPECT_EQ(link.SettingsImage[20], c.mask);
    EXPECT_EQ(model.Sel_cyl.index, c.item);
    for (std::size_t k = 0; k < 8; ++k) {
      const bool active = k < c.active;
      EXPECT_EQ(model.Cyl_led[k].on, active) << k;
      EXPECT_EQ(model.Cyl_led[k].enabled, active) << k;
      EXPECT_EQ(model.Cyl_show[k].enabled, active) << k;
      EXPECT_EQ(model.Cyl_led[k].offColor, active ? colors::kRed : colors::kGray) << k;
    }
  }
  EXPECT_EQ(decodes, 3);
}

TEST_F(SettingCommandsTest, SideEffectsOfTheirOwn) {
  model.Sel_Typ_silnika.index = 1;
  commands.Sel_Typ_silnikaChange();
  EXPECT_EQ(model.Chart1.rightAxisMaximum, 256);
  EXPECT_EQ(model.Chart2.rightAxisMaximum, 256);
  model.Sel_Typ_silnika.index = 0;
  commands.Sel_Typ_silnikaChange();
  EXPECT_EQ(model.Chart1.rightAxisMaximum, 100);

  model.T_CYL_seqence.value = 500;
  model.Full_group_CheckBox.checked = true;
  commands.Full_group_CheckBoxClick();
  EXPECT_EQ(model.T_CYL_seqence.value, 0);
  model.Full_group_CheckBox.checked = false;
  ClearQueue();
  commands.Full_group_CheckBoxClick();
  EXPECT_EQ(model.T_CYL_seqence.value, 200);
  EXPECT_EQ(Current(), (Bytes{0x23, 0x14}));
  EXPECT_TRUE(link.Queue().next.empty()) << "no second 0x23 command";
}

TEST_F(SettingCommandsTest, ThresholdEditingWithTheSlider) {
  model.Ch_U_LPG = {};
  const char* texts[] = {"0,70", "1,50", "2,20", "2,80"};
  for (std::size_t k = 0; k < 4; ++k) model.Ch_U_LPG[k].text = texts[k];

  commands.Ch_U_LPG_X_Enter(1);
  EXPECT_EQ(model.Ch_U_LPG[1].color, colors::kGreen);
  EXPECT_EQ(model.Ch_U_LPG_changer.left, 306);
  EXPECT_EQ(model.Ch_U_LPG_changer.top, 10);
  EXPECT_TRUE(model.Ch_U_LPG_changer.visible);
  EXPECT_EQ(model.focused, "Ch_U_LPG_changer");
  EXPECT_DOUBLE_EQ(model.Ch_U_LPG_changer.value, 1.5);
  EXPECT_EQ(model.Ch_U_LPG[1].text, "1,5") << "shown in the slider's format";
  EXPECT_EQ(model.Ch_U_LPG[0].text, "0,70");

  model.Ch_U_LPG_changer.value = 1.23;
  commands.Ch_U_LPG_changerValueChange();
  EXPECT_EQ(model.Ch_U_LPG[1].text, "1,23");
  model.Ch_U_LPG_changer.value = 4.999;
  commands.Ch_U_LPG_changerValueChange();
  EXPECT_EQ(model.Ch_U_LPG[1].text, "5");
  model.Ch_U_LPG_changer.value = 1.23;
  commands.Ch_U_LPG_changerValueChange();

  ClearQueue();
  model.Rodz_czuj_LPG.index = 2;
  commands.Ch_U_LPG_X_Change(SettingCommands::kSlider);
  EXPECT_EQ(Current(), (Bytes{0x0D, 0x24, 63, 0x70, 0x8F, 0x01}));  // 1.23 x 51 = 62.73
  EXPECT_EQ(link.Queue().next, (Bytes{0x31, 0x00}));
  EXPECT_EQ(model.focused, "U_zbiornika");

  commands.Ch_U_LPG_X_Exit();
  for (const auto& box : model.Ch_U_LPG) EXPECT_EQ(box.color, colors::kWindow);
  EXPECT_FALSE(model.Ch_U_LPG_changer.visible);

  // Entering the list itself: no box turns green and the slider stays hidden.
  commands.Ch_U_LPG_X_Enter(SettingCommands::kSensorList);
  EXPECT_FALSE(model.Ch_U_LPG_changer.visible);
  for (const auto& box : model.Ch_U_LPG) EXPECT_EQ(box.color, colors::kWindow);
}

TEST_F(SettingCommandsTest, LevelSensorWithNoItemKeepsTheImageCode) {
  link.SettingsImage[29] = 7;  // a code outside the table
  decoder.DecodeSettingsImage(link.SettingsImage, link.ControllerVariant);
  ASSERT_EQ(model.Rodz_czuj_LPG.index, -1);
  ClearQueue();
  commands.Ch_U_LPG_X_Change(SettingCommands::kSlider);
  EXPECT_EQ(Current(), (Bytes{0x0D, 0x00, 0x00, 0x00, 0x00, 0x07}));
}

TEST_F(SettingCommandsTest, LevelSensorDefaultsReadBackAsSent) {
  model.Rodz_czuj_LPG.index = 0;
  commands.Ch_U_LPG_X_Change(SettingCommands::kSensorList);
  const Bytes sent = Current();
  ASSERT_EQ(sent.size(), 6u);
  // The controller keeps the four thresholds and the code; the next read shows them.
  for (std::size_t k = 0; k < 5; ++k) link.SettingsImage[25 + k] = sent[1 + k];
  decoder.DecodeSettingsImage(link.SettingsImage, link.ControllerVariant);
  EXPECT_EQ(model.Ch_U_LPG[0].text, "0,71");
  EXPECT_EQ(model.Ch_U_LPG[1].text, "1,49");
  EXPECT_EQ(model.Ch_U_LPG[2].text, "2,20");
  EXPECT_EQ(model.Ch_U_LPG[3].text, "2,80");
  EXPECT_EQ(model.Rodz_czuj_LPG.index, 0);
}

}  // namespace
}  // namespace tavu
