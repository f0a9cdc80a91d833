// DecodeSettingsImage: every field onto its control, the edge cases of the
// codes and ranges, the hand-over of the register, map and service bytes, and
// that presenting an image never sends a command.
#include "core/controller/settings_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "core/link/variant_profile.h"
#include "virtual_platform.h"
#include "wire_helpers.h"

namespace tavu {
namespace {

using window::WindowModel;

constexpr std::size_t kImageLength = 760;

// A plain image: start byte, length, echo 0x66, then zeros except a few bytes
// that keep every control inside its range.
Bytes BaseImage() {
  Bytes image = testing::Reply(0x66, kImageLength);
  image[22] = 1;     // 4 cylinders
  image[23] = 15;    // 1500 rpm
  image[35] = 35;    // 35 degrees C
  image[36] = 120;   // 1.20 bar
  image[40] = 70;    // 0.70 bar
  image[42] = 20;    // 10 s
  image[43] = 20;    // 200 ms
  image[45] = 8;     // Valtek/Rail 1 Ohm
  for (std::size_t k = 0; k < 8; ++k) image[562 + k] = 0x80;
  for (std::size_t k = 0; k < 40; ++k) image[575 + k] = 0xFF;  // an erased "ver_2" register
  return image;
}

// Every control the decoder writes, as text, to compare whole presentations.
std::string Snapshot(const WindowModel& m) {
  std::ostringstream s;
  for (std::size_t k = 0; k < 8; ++k) {
    const auto& led = m.Cyl_led[k];
    s << led.on << led.enabled << int(led.offColor.r) << ',' << int(led.offColor.g) << m.Cyl_show[k].enabled << ';';
  }
  for (const auto* c : {&m.Sel_cyl, &m.Sel_Impuls, &m.Sel_RPM_signal, &m.Sel_Typ_silnika, &m.Sel_Typ_wtrysku,
                        &m.P1_MAP_changer, &m.T_RED_changer, &m.T_GAZ_changer, &m.Rodz_czuj_LPG})
    s << c->index << ';';
  for (const auto* b : {&m.Check_Injector_plus, &m.wykres_CheckBox, &m.Check_by_first, &m.LPG_RadioButton,
                        &m.CNG_RadioButton, &m.Full_group_CheckBox})
    s << b->checked << b->caption << b->tag << ';';
  s << m.Chart1.rightAxisMaximum << m.Chart2.rightAxisMaximum << ';' << m.P_pracy_changer.value << ';'
    << m.P_min_changer.value << ';';
  for (const auto* d : {&m.RPM_Max_To_Petrol, &m.T_zwloki_changer, &m.Temp_LPG_changer, &m.RPM_Prog_przel,
                        &m.T_przel_to_LPG, &m.T_CYL_seqence, &m.RPM_Min_To_Petrol, &m.Min_Temp_Petrol_changer})
    s << d->value << ';';
  for (const auto& box : m.Ch_U_LPG) s << box.text << ';';
  for (const auto& kor : m.Kor) s << kor.value << ';';
  for (const auto& line : m.Register_errors_memo.lines) s << line << '|';
  return s.str();
}

class SettingsImageTest : public ::testing::Test {
 protected:
  SettingsImageTest() {
    decoder.hooks().loadMapFromImage = [this](const Bytes& cells) { maps.push_back(cells); };
    decoder.hooks().decodeServiceBlock = [this](const Bytes& block) { services.push_back(block); };
  }

  void Decode(const Bytes& image, const std::string& variant = "ver_2") { decoder.DecodeSettingsImage(image, variant); }
  bool SentNothing() const { return port.writes.empty() && link.Queue().current.empty() && link.Queue().next.empty(); }

  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  WindowModel model;
  LanguageTable texts;
  LinkEngine link{vp.view, model, texts, {}};
  Errors errors{model, link, texts};
  SettingsImageDecoder decoder{model, errors};
  std::vector<Bytes> maps, services;
};

TEST_F(SettingsImageTest, PresentsEachFieldAndItsEdgeCases) {
  using Edits = std::vector<std::pair<std::size_t, std::uint8_t>>;
  using Check = std::function<void(const WindowModel&)>;
  struct Case {
    const char* name;
    std::string variant;
    Edits edits;
    Check check;
  };
  const auto allLeds = [](const WindowModel& m, bool enabled, Rgb off, std::size_t from) {
    for (std::size_t k = from; k < 8; ++k) {
      EXPECT_EQ(m.Cyl_led[k].enabled, enabled) << k;
      EXPECT_EQ(m.Cyl_show[k].enabled, enabled) << k;
      EXPECT_EQ(m.Cyl_led[k].offColor, off) << k;
    }
  };
  const Case cases[] = {
      {"7 cylinders (code 4): no item, all enabled, 4-8 grey", "ver_2", {{22, 4}, {20, 0x7F}},
       [&](const WindowModel& m) {
         EXPECT_EQ(m.Sel_cyl.index, -1);
         allLeds(m, true, colors::kGray, 3);
         for (std::size_t k = 0; k < 3; ++k) EXPECT_TRUE(m.Cyl_led[k].enabled && m.Cyl_show[k].enabled);
       }},
      {"8 cylinders (code 5): item 4, all red", "ver_2", {{22, 5}, {20, 0xFF}},
       [&](const WindowModel& m) {
         EXPECT_EQ(m.Sel_cyl.index, 4);
         allLeds(m, true, colors::kRed, 0);
         for (const auto& led : m.Cyl_led) EXPECT_TRUE(led.on);
       }},
      {"3 cylinders with mask 0x07", "ver_2", {{22, 0}, {20, 0x07}},
       [&](const WindowModel& m) {
         EXPECT_EQ(m.Sel_cyl.index, 0);
         for (std::size_t k = 0; k < 3; ++k) EXPECT_TRUE(m.Cyl_led[k].on && m.Cyl_led[k].offColor == colors::kRed);
         allLeds(m, false, colors::kGray, 3);
         for (std::size_t k = 3; k < 8; ++k) EXPECT_FALSE(m.Cyl_led[k].on);
       }},
      {"cylinder code outside the table", "ver_2", {{22, 9}},
       [&](const WindowModel& m) {
         EXPECT_EQ(m.Sel_cyl.index, -1);
         allLeds(m, true, colors::kGray, 3);
       }},
      {"mask bits light single lamps", "ver_2", {{22, 5}, {20, 0xA5}},
       [](const WindowModel& m) {
         const bool lit[] = {true, false, true, false, false, true, false, true};
         for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(m.Cyl_led[k].on, lit[k]) << k;
       }},
      {"pulse source 6 and 7", "ver_2", {{21, 6}}, [](const WindowModel& m) { EXPECT_EQ(m.Sel_Impuls.index, 6); }},
      {"pulse source above 6", "ver_2", {{21, 7}}, [](const WindowModel& m) { EXPECT_EQ(m.Sel_Impuls.index, -1); }},
      {"setup flags: high signal, turbo, injectors +", "ver_2", {{34, 0x8A}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.Sel_RPM_signal.index, 1);
         EXPECT_EQ(m.Sel_Typ_silnika.index, 1);
         EXPECT_EQ(m.Chart1.rightAxisMaximum, 256);
         EXPECT_EQ(m.Chart2.rightAxisMaximum, 256);
         EXPECT_TRUE(m.Check_Injector_plus.checked);
         EXPECT_EQ(m.Check_Injector_plus.caption, "");
         EXPECT_FALSE(m.wykres_CheckBox.checked);
       }},
      {"setup flags: map locked only", "ver_2", {{34, 0x40}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.Sel_RPM_signal.index, 0);
         EXPECT_EQ(m.Sel_Typ_silnika.index, 0);
         EXPECT_EQ(m.Chart1.rightAxisMaximum, 100);
         EXPECT_FALSE(m.Check_Injector_plus.checked);
         EXPECT_TRUE(m.wykres_CheckBox.checked);
       }},
      {"switch flags: first drop and CNG", "ver_2", {{558, 0x03}},
       [](const WindowModel& m) {
         EXPECT_TRUE(m.Check_by_first.checked);
         EXPECT_EQ(m.Check_by_first.caption, "");
         EXPECT_FALSE(m.LPG_RadioButton.checked);
         EXPECT_TRUE(m.CNG_RadioButton.checked);
         EXPECT_EQ(m.LPG_RadioButton.tag, 0);
       }},
      {"switch flags clear: LPG", "ver_2", {{558, 0xFC}},
       [](const WindowModel& m) {
         EXPECT_FALSE(m.Check_by_first.checked);
         EXPECT_TRUE(m.LPG_RadioButton.checked);
         EXPECT_FALSE(m.CNG_RadioButton.checked);
       }},
      {"injector code 0 is Stefanelli", "ver_2", {{45, 0}}, [](const WindowModel& m) { EXPECT_EQ(m.Sel_Typ_wtrysku.index, 6); }},
      {"injector code 2 selects nothing", "ver_2", {{45, 2}}, [](const WindowModel& m) { EXPECT_EQ(m.Sel_Typ_wtrysku.index, -1); }},
      {"injector code 4 is OMVL", "ver_2", {{45, 4}}, [](const WindowModel& m) { EXPECT_EQ(m.Sel_Typ_wtrysku.index, 7); }},
      {"temperature sensors: 0 is 10 kOhm, 2 is 1,7 kOhm", "ver_2", {{30, 0}, {31, 2}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.T_RED_changer.index, 5);
         EXPECT_EQ(m.T_GAZ_changer.index, 0);
       }},
      {"temperature sensor code 6 selects nothing", "ver_2", {{30, 6}, {31, 5}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.T_RED_changer.index, -1);
         EXPECT_EQ(m.T_GAZ_changer.index, 3);
       }},
      {"pressure sensor 4 and other", "ver_2", {{33, 4}}, [](const WindowModel& m) { EXPECT_EQ(m.P1_MAP_changer.index, 0); }},
      {"pressure sensor 3 is none", "ver_2", {{33, 3}}, [](const WindowModel& m) { EXPECT_EQ(m.P1_MAP_changer.index, -1); }},
      {"level sensor 2 and thresholds 36, 255, 0, 76", "ver_2", {{29, 2}, {25, 36}, {26, 255}, {27, 0}, {28, 76}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.Rodz_czuj_LPG.index, 1);
         EXPECT_EQ(m.Ch_U_LPG[0].text, "0,71");
         EXPECT_EQ(m.Ch_U_LPG[1].text, "5,00");
         EXPECT_EQ(m.Ch_U_LPG[2].text, "0,00");
         EXPECT_EQ(m.Ch_U_LPG[3].text, "1,49");
       }},
      {"level sensor code 7 selects nothing", "ver_2", {{29, 7}}, [](const WindowModel& m) { EXPECT_EQ(m.Rodz_czuj_LPG.index, -1); }},
      {"pressures and dials", "ver_2", {{36, 250}, {40, 41}, {23, 60}, {24, 120}, {35, 90}, {41, 145}, {570, 65}},
       [](const WindowModel& m) {
         EXPECT_DOUBLE_EQ(m.P_pracy_changer.value, 2.50);
         EXPECT_DOUBLE_EQ(m.P_min_changer.value, 0.41);
         EXPECT_EQ(m.RPM_Prog_przel.value, 6000);
         EXPECT_EQ(m.RPM_Max_To_Petrol.value, 12000);
         EXPECT_EQ(m.Temp_LPG_changer.value, 90);
         EXPECT_EQ(m.T_zwloki_changer.value, 1450);
         EXPECT_EQ(m.RPM_Min_To_Petrol.value, 6500);
       }},
      {"values outside the ranges at the nearer end", "ver_2", {{36, 255}, {40, 10}, {23, 1}, {24, 200}, {35, 5}, {41, 200}, {570, 90}},
       [](const WindowModel& m) {
         EXPECT_DOUBLE_EQ(m.P_pracy_changer.value, 2.50);
         EXPECT_DOUBLE_EQ(m.P_min_changer.value, 0.40);
         EXPECT_EQ(m.RPM_Prog_przel.value, 300);
         EXPECT_EQ(m.RPM_Max_To_Petrol.value, 12000);
         EXPECT_EQ(m.Temp_LPG_changer.value, 20);
         EXPECT_EQ(m.T_zwloki_changer.value, 1450);
         EXPECT_EQ(m.RPM_Min_To_Petrol.value, 6500);
       }},
      {"signed byte 571 = 0xFF is -1", "ver_2", {{571, 0xFF}}, [](const WindowModel& m) { EXPECT_EQ(m.Min_Temp_Petrol_changer.value, -1); }},
      {"signed byte 571 = 0x80 is -128, shown -25", "ver_2", {{571, 0x80}}, [](const WindowModel& m) { EXPECT_EQ(m.Min_Temp_Petrol_changer.value, -25); }},
      {"signed byte 571 = 0x7F shown 100", "ver_2", {{571, 0x7F}}, [](const WindowModel& m) { EXPECT_EQ(m.Min_Temp_Petrol_changer.value, 100); }},
      {"corrections 0x80, 0x94, 0x00", "ver_2", {{562, 0x80}, {563, 0x94}, {564, 0x00}, {569, 0x7F}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.Kor[0].value, 0);
         EXPECT_EQ(m.Kor[1].value, 20);
         EXPECT_EQ(m.Kor[2].value, -20);
         EXPECT_EQ(m.Kor[7].value, -1);
       }},
      {"ver_2 delay is 16 bits: 0x012C half-seconds", "ver_2", {{561, 0x01}, {42, 0x2C}},
       [](const WindowModel& m) { EXPECT_EQ(m.T_przel_to_LPG.value, 150); }},
      {"ver_1 delay is byte 42 alone", "ver_1", {{561, 0x01}, {42, 0x2C}},
       [](const WindowModel& m) { EXPECT_EQ(m.T_przel_to_LPG.value, 22); }},
      {"no variant leaves the delay dial", "", {{561, 0x01}, {42, 0x2C}},
       [](const WindowModel& m) { EXPECT_EQ(m.T_przel_to_LPG.value, 77); }},
      {"sequence 0: Full Group ticked", "ver_2", {{43, 0}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.T_CYL_seqence.value, 0);
         EXPECT_TRUE(m.Full_group_CheckBox.checked);
       }},
      {"sequence 20: 200 ms, Full Group cleared", "ver_2", {{43, 20}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.T_CYL_seqence.value, 200);
         EXPECT_FALSE(m.Full_group_CheckBox.checked);
       }},
      {"ver_2 register at 575", "ver_2", {{575, 0x02}, {576, 0x00}, {577, 0xFE}},
       [](const WindowModel& m) {
         EXPECT_EQ(m.Register_errors_memo.lines,
                   (std::vector<std::string>{"1 - Błąd napięcia", "2 - Błąd wtryskiwacza :  1"}));
       }},
      {"ver_1 register at 561", "ver_1", {{561, 0x01}, {562, 0xFF}, {563, 0xFF}, {564, 0xFF}, {565, 0xFF}, {566, 0xFF},
                                          {567, 0xFF}, {568, 0xFF}, {569, 0xFF}, {570, 0xFF}, {571, 0xFF}},
       [](const WindowModel& m) {
         // 572..600 are zeros: injector entries with a 0x00 mask.
         ASSERT_FALSE(m.Register_errors_memo.lines.empty());
         EXPECT_EQ(m.Register_errors_memo.lines[0], "1 - Za długi czas wtrysku gazu");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model = WindowModel{};
    model.T_przel_to_LPG.value = 77;
    Bytes image = BaseImage();
    for (const auto& [at, value] : c.edits) image[at] = value;
    Decode(image, c.variant);
    c.check(model);
    EXPECT_TRUE(SentNothing());
  }
}

TEST_F(SettingsImageTest, HandsOnTheMapAndTheServiceBlock) {
  Bytes image = BaseImage();
  for (std::size_t i = 0; i < image.size(); ++i)
    if (i >= 66) image[i] = static_cast<std::uint8_t>(i * 7);
  Decode(image);
  ASSERT_EQ(maps.size(), 1u);
  EXPECT_EQ(maps[0], Bytes(image.begin() + 66, image.begin() + 312));
  ASSERT_EQ(services.size(), 1u);
  Bytes service(image.begin() + 615, image.begin() + 679);
  service.push_back(image[756]);
  EXPECT_EQ(services[0], service);
}

TEST_F(SettingsImageTest, DecodingTwiceChangesNothingMoreAndSendsNothing) {
  Bytes image = BaseImage();
  image[22] = 0;
  image[20] = 0x05;
  image[34] = 0x8A;
  image[558] = 0x03;
  image[575] = 0x03;
  Decode(image);
  const std::string first = Snapshot(model);
  Decode(image);
  EXPECT_EQ(Snapshot(model), first);
  EXPECT_TRUE(SentNothing());
}

TEST_F(SettingsImageTest, AReplyTooShortForByte756IsRefused) {
  const std::string untouched = Snapshot(model);
  Bytes image = BaseImage();
  image[22] = 5;
  image.resize(756);
  Decode(image);
  EXPECT_EQ(Snapshot(model), untouched);
  EXPECT_TRUE(maps.empty() && services.empty());

  image.push_back(0x00);  // 757 bytes: byte 756 is there
  Decode(image);
  EXPECT_EQ(model.Sel_cyl.index, 4);
  EXPECT_EQ(services.size(), 1u);
}

}  // namespace
}  // namespace tavu
