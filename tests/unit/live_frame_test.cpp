// DecodeLiveFrame: each field onto the dashboard, the edge cases of its
// scaling, the all-zero frame of the disconnect, and replies too short to show.
#include "core/controller/live_frame.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "core/tool.h"
#include "virtual_platform.h"
#include "wire_helpers.h"

namespace tavu {
namespace {

using window::WindowModel;

// A live reply as the controller sends it: ignition on, no errors.
Bytes BaseFrame() {
  Bytes frame = testing::Reply(0x55, 60);
  frame[4] = 0x01;
  frame[34] = frame[35] = frame[48] = 0xFF;
  return frame;
}

// What the dashboard shows, as text, to compare whole presentations.
std::string Dashboard(const WindowModel& m) {
  std::ostringstream s;
  for (const auto* g : {&m.lambda_1, &m.lambda_2, &m.RPM_zegar, &m.RPM_Edit, &m.BATERY_vpp, &m.TempWoda, &m.TempGaz,
                        &m.Slala_P_MAP, &m.P_MAP_edit, &m.Skala_P1_MAP, &m.P1_MAP_edit, &m.Skala_LPG_time,
                        &m.Skala_PB_time})
    s << g->value << '/' << g->maximum << ';';
  s << m.RPM_zegar.sectorOffset << m.RPM_zegar.needleShape << m.Zaplon_panel.enabled << m.paliwo_Switch.on
    << int(m.paliwo_Switch.onColor.g) << ';' << m.rezerwa_led_gora.on << m.Rezerwa_led_panel.on;
  for (std::size_t k = 0; k < 4; ++k) s << m.Gaz_led_g[k].on << m.Gaz_led_p[k].on;
  s << ';' << m.U_zbiornika.text << ';' << m.Error_Led.visible;
  for (const auto& line : m.Actual_errors_Memo.lines) s << line << '|';
  for (const auto& kor : m.Kor) s << kor.value << ',';
  return s.str();
}

class LiveFrameTest : public ::testing::Test {
 protected:
  void Decode(const Bytes& frame, const std::string& variant = "ver_2") { decoder.DecodeLiveFrame(frame, variant); }

  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  platform::FixedLocale point = platform::FixedLocale::Point();
  WindowModel model;
  LanguageTable texts;
  LinkEngine link{vp.view, model, texts, {}};
  Errors errors{model, link, texts};
  LiveFrameDecoder decoder{model, errors, point};
};

TEST_F(LiveFrameTest, ShowsEachFieldAndItsEdgeCases) {
  using Edits = std::vector<std::pair<std::size_t, std::uint8_t>>;
  struct Case {
    const char* name;
    Edits edits;
    std::function<void(WindowModel&)> before;
    std::function<void(const WindowModel&)> check;
    std::string variant = "ver_2";
  };
  const auto none = [](WindowModel&) {};
  const auto onlyCylinder = [](std::size_t shown) {
    return [shown](WindowModel& m) {
      for (std::size_t k = 0; k < 8; ++k) m.Cyl_show[k].checked = k == shown;
    };
  };
  const Case cases[] = {
      {"lambda 62 counts widens the bar", {{22, 62}, {55, 61}}, none,
       [](const WindowModel& m) {
         EXPECT_NEAR(m.lambda_1.value, 1.2152, 1e-9);
         EXPECT_EQ(m.lambda_1.maximum, 5.0);
         EXPECT_NEAR(m.lambda_2.value, 1.1956, 1e-9);
         EXPECT_EQ(m.lambda_2.maximum, 1.0);
       }},
      {"lambda 2 widens alone", {{22, 10}, {55, 255}}, none,
       [](const WindowModel& m) {
         EXPECT_EQ(m.lambda_1.maximum, 1.0);
         EXPECT_EQ(m.lambda_2.maximum, 5.0);
         EXPECT_NEAR(m.lambda_2.value, 4.998, 1e-9);
       }},
      {"engine speed", {{21, 8}}, none,
       [](const WindowModel& m) {
         EXPECT_DOUBLE_EQ(m.RPM_zegar.value, 0.8);
         EXPECT_EQ(m.RPM_Edit.value, 800);
       }},
      {"battery 190 is 12.35 V", {{29, 190}}, none, [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.BATERY_vpp.value, 12.35); }},
      {"battery 0 is 0.70 V", {{29, 0}}, none, [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.BATERY_vpp.value, 0.70); }},
      {"battery 255 is 16.34 V", {{29, 255}}, none, [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.BATERY_vpp.value, 16.34); }},
      {"temperatures 0xF6 and 0x80", {{32, 0xF6}, {33, 0x80}}, none,
       [](const WindowModel& m) {
         EXPECT_EQ(m.TempWoda.value, -10);
         EXPECT_EQ(m.TempGaz.value, -128);
       }},
      {"temperatures 0x7F and 0", {{32, 0x7F}, {33, 0x00}}, none,
       [](const WindowModel& m) {
         EXPECT_EQ(m.TempWoda.value, 127);
         EXPECT_EQ(m.TempGaz.value, 0);
       }},
      {"pressures are big-endian", {{23, 0x01}, {24, 0x2C}, {25, 0x01}, {26, 0x02}}, none,
       [](const WindowModel& m) {
         EXPECT_DOUBLE_EQ(m.Skala_P1_MAP.value, 3.00);
         EXPECT_DOUBLE_EQ(m.P1_MAP_edit.value, 3.00);
         EXPECT_EQ(m.Slala_P_MAP.value, 258);
         EXPECT_EQ(m.P_MAP_edit.value, 258);
       }},
      {"gas time 24-bit big-endian, petrol time little-endian", {{18, 0x00}, {19, 0x27}, {20, 0x10}, {6, 0x10}, {7, 0x27}},
       onlyCylinder(0),
       [](const WindowModel& m) {
         EXPECT_DOUBLE_EQ(m.Skala_LPG_time.value, 10.0);
         EXPECT_DOUBLE_EQ(m.Skala_PB_time.value, 1000.0);
       }},
      {"gas time high byte", {{18, 0x01}, {19, 0x00}, {20, 0x00}}, none,
       [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.Skala_LPG_time.value, 65.536); }},
      {"Cyl_3_show follows bytes 12-13", {{6, 20}, {12, 0x2A}, {13, 0x00}}, onlyCylinder(3),
       [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.Skala_PB_time.value, 4.2); }},
      {"Cyl_6_show follows bytes 51-52", {{51, 0x2C}, {52, 0x01}}, onlyCylinder(6),
       [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.Skala_PB_time.value, 30.0); }},
      {"Cyl_7_show follows bytes 53-54", {{53, 0x07}}, onlyCylinder(7),
       [](const WindowModel& m) { EXPECT_DOUBLE_EQ(m.Skala_PB_time.value, 0.7); }},
      {"ignition on", {{4, 0x01}}, none,
       [](const WindowModel& m) {
         EXPECT_TRUE(m.Zaplon_panel.enabled);
         EXPECT_EQ(m.paliwo_Switch.offColor, colors::kRed);
         EXPECT_EQ(m.paliwo_Switch.onColor, colors::kLime);
         EXPECT_EQ(m.RPM_zegar.sectorOffset, 0);
         EXPECT_EQ(m.RPM_zegar.needleShape, 6);
       }},
      {"ignition off: lambdas 0, the injection bars from the frame", {{4, 0xFE}, {22, 40}, {55, 40}, {20, 0xE8}, {19, 0x03}, {6, 25}},
       onlyCylinder(0),
       [](const WindowModel& m) {
         EXPECT_FALSE(m.Zaplon_panel.enabled);
         EXPECT_EQ(m.paliwo_Switch.offColor, colors::kButtonFace);
         EXPECT_EQ(m.paliwo_Switch.onColor, colors::kButtonFace);
         EXPECT_EQ(m.RPM_zegar.sectorOffset, 300);
         EXPECT_EQ(m.RPM_zegar.needleShape, 2);
         EXPECT_EQ(m.lambda_1.value, 0);
         EXPECT_EQ(m.lambda_2.value, 0);
         EXPECT_DOUBLE_EQ(m.Skala_LPG_time.value, 1.0);
         EXPECT_DOUBLE_EQ(m.Skala_PB_time.value, 2.5);
       }},
      {"on gas", {{5, 0x01}}, none, [](const WindowModel& m) { EXPECT_TRUE(m.paliwo_Switch.on); }},
      {"on petrol", {{5, 0xFE}}, [](WindowModel& m) { m.paliwo_Switch.on = true; },
       [](const WindowModel& m) { EXPECT_FALSE(m.paliwo_Switch.on); }},
      {"gas level 4: all lit, no reserve", {{31, 4}}, none,
       [](const WindowModel& m) {
         EXPECT_FALSE(m.rezerwa_led_gora.on || m.Rezerwa_led_panel.on);
         for (std::size_t k = 0; k < 4; ++k) EXPECT_TRUE(m.Gaz_led_g[k].on && m.Gaz_led_p[k].on) << k;
       }},
      {"gas level 5 lights 1-3 only", {{31, 5}}, none,
       [](const WindowModel& m) {
         for (std::size_t k = 0; k < 3; ++k) EXPECT_TRUE(m.Gaz_led_g[k].on && m.Gaz_led_p[k].on) << k;
         EXPECT_FALSE(m.Gaz_led_g[3].on || m.Gaz_led_p[3].on);
         EXPECT_FALSE(m.rezerwa_led_gora.on);
       }},
      {"gas level 2", {{31, 2}}, none,
       [](const WindowModel& m) {
         const bool lit[] = {true, true, false, false};
         for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(m.Gaz_led_g[k].on, lit[k]) << k;
       }},
      {"gas level 0 is the reserve", {{31, 0}}, none,
       [](const WindowModel& m) {
         EXPECT_TRUE(m.rezerwa_led_gora.on && m.Rezerwa_led_panel.on);
         for (std::size_t k = 0; k < 4; ++k) EXPECT_FALSE(m.Gaz_led_g[k].on || m.Gaz_led_p[k].on) << k;
       }},
      {"tank sensor 51 is 1.00", {{30, 51}}, none, [](const WindowModel& m) { EXPECT_EQ(m.U_zbiornika.text, "1.00"); }},
      {"tank sensor 255 is 5.00", {{30, 255}}, none, [](const WindowModel& m) { EXPECT_EQ(m.U_zbiornika.text, "5.00"); }},
      {"tank sensor 92 is 1.80", {{30, 92}}, none, [](const WindowModel& m) { EXPECT_EQ(m.U_zbiornika.text, "1.80"); }},
      {"ver_1 zeroes the corrections", {}, [](WindowModel& m) { for (auto& k : m.Kor) k.value = 7; },
       [](const WindowModel& m) { for (const auto& k : m.Kor) EXPECT_EQ(k.value, 0); }, "ver_1"},
      {"ver_2 keeps the corrections", {}, [](WindowModel& m) { for (auto& k : m.Kor) k.value = 7; },
       [](const WindowModel& m) { for (const auto& k : m.Kor) EXPECT_EQ(k.value, 7); }},
      {"current errors listed", {{34, 0xDF}}, none,
       [](const WindowModel& m) {
         EXPECT_EQ(m.Actual_errors_Memo.lines, std::vector<std::string>{"1 - Napięcie stacyjki za niskie"});
         EXPECT_TRUE(m.Error_Led.visible);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model = WindowModel{};
    c.before(model);
    Bytes frame = BaseFrame();
    for (const auto& [at, value] : c.edits) frame[at] = value;
    Decode(frame, c.variant);
    c.check(model);
    EXPECT_TRUE(port.writes.empty() && link.Queue().current.empty()) << "decoding sends nothing";
  }
}

TEST_F(LiveFrameTest, AWidenedLambdaBarStaysWide) {
  Bytes frame = BaseFrame();
  frame[22] = 62;
  Decode(frame);
  frame[22] = 10;
  Decode(frame);
  EXPECT_EQ(model.lambda_1.maximum, 5.0);
  EXPECT_NEAR(model.lambda_1.value, 0.196, 1e-9);
}

TEST_F(LiveFrameTest, RepliesTooShortToHoldByte55ChangeNothing) {
  Bytes frame = BaseFrame();
  frame[21] = 9;
  frame[31] = 4;
  frame[34] = 0x00;
  Decode(frame);
  const std::string shown = Dashboard(model);
  // A reply of 5 bytes, a setting command's 6-byte echo, a live reply cut short.
  for (std::size_t length : {0u, 5u, 6u, 55u}) {
    SCOPED_TRACE(length);
    Bytes shortReply = length == 6 ? testing::Reply(0x13, 6) : Bytes(frame.begin(), frame.begin() + length);
    Decode(shortReply);
    EXPECT_EQ(Dashboard(model), shown);
  }
  Bytes shortest(frame.begin(), frame.begin() + 56);  // byte 55 is there
  shortest[21] = 3;
  shortest[55] = 100;
  Decode(shortest);
  EXPECT_EQ(model.RPM_Edit.value, 300);
  EXPECT_NEAR(model.lambda_2.value, 1.96, 1e-9);
}

TEST_F(LiveFrameTest, TheAllZeroFrameBlanksTheDashboard) {
  Bytes frame = BaseFrame();
  for (std::size_t at : {21, 22, 23, 25, 29, 30, 32, 33, 55}) frame[at] = 100;
  frame[5] = frame[31] = 0x03;
  Decode(frame);
  Decode(Bytes(500, 0x00));
  for (const auto* g : {&model.lambda_1, &model.lambda_2, &model.RPM_zegar, &model.RPM_Edit, &model.TempWoda,
                        &model.TempGaz, &model.Slala_P_MAP, &model.P_MAP_edit, &model.Skala_P1_MAP,
                        &model.P1_MAP_edit, &model.Skala_LPG_time, &model.Skala_PB_time})
    EXPECT_EQ(g->value, 0);
  EXPECT_DOUBLE_EQ(model.BATERY_vpp.value, 0.70);
  EXPECT_FALSE(model.Zaplon_panel.enabled);
  EXPECT_EQ(model.RPM_zegar.sectorOffset, 300);
  EXPECT_FALSE(model.paliwo_Switch.on);
  for (std::size_t k = 0; k < 4; ++k) EXPECT_FALSE(model.Gaz_led_g[k].on || model.Gaz_led_p[k].on);
  EXPECT_TRUE(model.rezerwa_led_gora.on && model.Rezerwa_led_panel.on);
  EXPECT_EQ(model.U_zbiornika.text, "0.00");
  EXPECT_EQ(model.Actual_errors_Memo.lines.size(), 9u) << "every error bit reads 0";
}

// The disconnect blanks the dashboard through the decoder but keeps the list
// of current errors, and hides the error strip.
TEST(LiveFrameDisconnectTest, BlanksTheDashboardAndKeepsTheErrors) {
  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  Tool tool(vp.view);
  auto& m = tool.model();
  m.RPM_Edit.value = 800;
  m.Actual_errors_Memo.lines = {"1 - Błąd napięcia"};
  m.Error_Led.visible = true;
  tool.session().rozlacz1Click();
  EXPECT_EQ(m.RPM_Edit.value, 0);
  EXPECT_DOUBLE_EQ(m.BATERY_vpp.value, 0.70);
  EXPECT_EQ(m.U_zbiornika.text, "0,00");
  EXPECT_EQ(m.Actual_errors_Memo.lines, std::vector<std::string>{"1 - Błąd napięcia"});
  EXPECT_FALSE(m.Error_Led.visible);
  EXPECT_TRUE(port.writes.empty());
}

}  // namespace
}  // namespace tavu
