#pragma once
// Every control of the main window under its window name, with the state it
// starts in. Later parts of the tool add their controls here.
#include <array>
#include <string>

#include "core/window/controls.h"

namespace tavu::window {

inline constexpr const char* kWindowCaption = " ver. 3.02 GR";
inline constexpr const char* kApplicationTitle = "TAVU";
inline constexpr const char* kVersionPanelBare = "TAVU ver.";
inline constexpr const char* kLastConnectionLabel = " Ostatnie połączenie z PC : ";

struct WindowModel {
  WindowModel();

  std::string caption = kWindowCaption;
  bool inputEnabled = true;  // false while the window is greyed
  bool fullScreen = false;   // on small screens the window covers the screen

  // Menus.
  Menu Pliki1;   // Odczyt1, Zapis1, Reset1, Exit1
  Menu PortCOM;  // one item per port present, then polacz and rozlacz1
  Menu Jazyk;    // the eight languages

  // Header dashboard.
  Panel Panel1Gora;
  Panel Zaplon_panel;
  Toggle Polacz_switch;
  Toggle paliwo_Switch;
  Lamp rezerwa_led_gora;
  std::array<Lamp, 4> Gaz_led_g;     // Gaz_led_1g .. Gaz_led_4g
  std::array<Lamp, 8> Cyl_led;       // Cyl_0_led .. Cyl_7_led
  std::array<CheckBox, 8> Cyl_show;  // Cyl_0_show .. Cyl_7_show (radio buttons)
  Gauge RPM_zegar;
  Strip Error_Led;

  // Tabs and what the link and the variant profile touch inside them.
  TabControl tab_control;
  Choice szybkosc;
  Panel GroupBox15;
  Dial Min_Temp_Petrol_changer;
  Dial RPM_Min_To_Petrol;
  Panel Panel_korekta;
  Dial T_przel_to_LPG;
  Lamp Rezerwa_led_panel;
  Memo Actual_errors_Memo;
  CheckBox RPM_LAMBDA1;
  CheckBox RPM_LAMBDA2;

  std::array<StatusPanel, 2> StatusBar1;
};

}  // namespace tavu::window
