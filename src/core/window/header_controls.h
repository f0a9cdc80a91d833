#pragma once
// The dashboard in the window header: instruments that follow the engine and
// the gas system live, the connect switch and the error strip.
#include <array>

#include "core/window/controls.h"

namespace tavu::window {

struct HeaderControls {
  HeaderControls();

  Panel Panel1Gora;

  Panel GroupBox6;  // "Inj. Petrol/Gaz"
  Gauge Skala_PB_time;
  Gauge Skala_LPG_time;
  Label Label3;  // "Petrol [ms]"
  Label Label4;  // "Gaz [ms]"

  Panel aaa;                         // "Aktywne inj. Gaz"
  std::array<Lamp, 8> Cyl_led;       // Cyl_0_led .. Cyl_7_led
  std::array<CheckBox, 8> Cyl_show;  // Cyl_0_show .. Cyl_7_show (radio buttons)

  Panel GroupBox4;  // "Sondy Lambda"
  Gauge lambda_1;
  Gauge lambda_2;

  Panel GroupBox3;  // "MAP/P1"
  Gauge Slala_P_MAP;
  Gauge P_MAP_edit;
  Gauge Skala_P1_MAP;
  Gauge P1_MAP_edit;

  Panel GroupBox5;  // "Port COM"
  Toggle Polacz_switch;

  Gauge BATERY_vpp;

  Panel GroupBox7;  // "RPM"
  Gauge RPM_zegar;
  Gauge RPM_Edit;

  Panel GroupBox8;  // "Temperatura"
  Gauge TempGaz;
  Gauge TempWoda;

  Panel Zaplon_panel;  // "Przełącznik"
  Toggle paliwo_Switch;
  Lamp rezerwa_led_gora;
  std::array<Lamp, 4> Gaz_led_g;  // Gaz_led_1g .. Gaz_led_4g

  Strip Error_Led;
};

}  // namespace tavu::window
