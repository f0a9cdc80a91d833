#include "core/window/header_controls.h"

#include <string>

namespace tavu::window {
namespace {

Gauge MakeGauge(std::string caption, double maximum, int decimals, std::string unit = {}, int steps = 0) {
  Gauge g;
  g.caption = std::move(caption);
  g.maximum = maximum;
  g.decimals = decimals;
  g.unit = std::move(unit);
  g.scaleSteps = steps;
  return g;
}

}  // namespace

HeaderControls::HeaderControls() {
  GroupBox6.caption = "Inj. Petrol/Gaz";
  Skala_PB_time = MakeGauge("Petrol", 30, 1, "[ms]");
  Skala_PB_time.secondCaption = "CYL 1";
  Skala_PB_time.onColor = colors::kRed;
  Skala_LPG_time = MakeGauge("Gaz", 50, 1, "[ms]");
  Label3.caption = "Petrol [ms]";
  Label4.caption = "Gaz [ms]";

  aaa.caption = "Aktywne inj. Gaz";
  for (std::size_t i = 0; i < Cyl_led.size(); ++i) {
    Cyl_led[i].caption = std::to_string(i + 1);
    Cyl_led[i].onColor = colors::kLime;
    Cyl_led[i].offColor = colors::kGray;
    Cyl_show[i].caption = std::to_string(i + 1);
  }
  Cyl_show[0].checked = true;

  GroupBox4.caption = "Sondy Lambda";
  lambda_1 = MakeGauge("1", 1.0, 2, "[V]");
  lambda_2 = MakeGauge("2", 1.0, 2, "[V]");

  GroupBox3.caption = "MAP/P1";
  Slala_P_MAP = MakeGauge("MAP [kPa]", 240, 0, "", 3);
  P_MAP_edit = MakeGauge("MAP", 1e6, 1, "[kPa]");
  Skala_P1_MAP = MakeGauge("P1 [bar]", 3, 2, "", 3);
  P1_MAP_edit = MakeGauge("P1", 1e6, 2, "[bar] ");

  GroupBox5.caption = "Port COM";
  Polacz_switch.offText = "Rozłączony";
  Polacz_switch.onText = "* * *";
  Polacz_switch.offColor = colors::kRed;
  Polacz_switch.onColor = colors::kLime;

  BATERY_vpp = MakeGauge("Bateria    ", 1e6, 2, "V");

  GroupBox7.caption = "RPM";
  RPM_zegar = MakeGauge("RPM", 10, 1, "x1000", 8);
  RPM_Edit = MakeGauge("", 1e6, 0);

  GroupBox8.caption = "Temperatura";
  TempGaz = MakeGauge("Gaz", 120, 0, "°C", 6);
  TempWoda = MakeGauge("Red", 120, 0, "°C", 6);

  Zaplon_panel.caption = "Przełącznik";
  Zaplon_panel.enabled = false;
  paliwo_Switch.offText = "PB";
  paliwo_Switch.onText = "LPG";
  paliwo_Switch.offColor = colors::kButtonFace;
  paliwo_Switch.onColor = colors::kButtonFace;
  rezerwa_led_gora.onColor = colors::kRed;
  for (auto& lamp : Gaz_led_g) lamp.onColor = colors::kLime;

  Error_Led.caption = "*  *  *  E r r o r  *  *  *";
  Error_Led.visible = false;
  Error_Led.color = colors::kRed;
}

}  // namespace tavu::window
