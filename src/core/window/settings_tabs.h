#pragma once
// The tabs that hold the controller's settings: "Panel Petrol", "Panel Gaz",
// "Przełącznik" (switch-over and level sensor), "Error" and "Diagnostyka".
#include <array>

#include "core/window/controls.h"

namespace tavu::window {

struct PetrolTabControls {  // TabSheet1
  PetrolTabControls();
  Panel GroupBox25;
  Label Label34;  // "Ilość cylindrów"
  Choice Sel_cyl;
  Label Label35;  // "Impulsy"
  Choice Sel_Impuls;
  Label Label36;  // "Sygnał RPM"
  Choice Sel_RPM_signal;
  Label Label37;  // "Typ silnika"
  Choice Sel_Typ_silnika;
  Label Label40;  // "Wtryskiwacze dodatnie"
  CheckBox Check_Injector_plus;
  CheckBox Full_group_CheckBox;
  Label Label38;                  // hidden
  Choice Sel_Typ_wtrysku_Petrol;  // hidden
  Label Label39;                  // hidden
  Choice ComboBox17;              // hidden
  Choice szybkosc;                // hidden: the line speed, always "7200"
  CheckBox wykres_CheckBox;       // hidden: the petrol map lock
};

struct GasTabControls {  // TabSheet2
  GasTabControls();
  Panel GroupBox12;  // gas injector
  Choice Sel_Typ_wtrysku;
  Panel GroupBox15;  // "Rodzaj paliwa"
  CheckBox LPG_RadioButton;
  CheckBox CNG_RadioButton;
  Panel GroupBox19;  // "Czujniki"
  Label Label20;
  Choice P1_MAP_changer;
  Label Label21;
  Choice T_RED_changer;
  Label Label22;
  Choice T_GAZ_changer;
  Panel GroupBox14;  // "Parametry ciśnień adaptacji"
  Slider P_pracy_changer;
  Slider P_min_changer;
};

struct SwitchTabControls {  // TabSheet9
  SwitchTabControls();
  Panel GroupBox17;  // "Parametry przełączania na Petrol"
  Dial RPM_Max_To_Petrol;
  Dial T_zwloki_changer;
  Dial Min_Temp_Petrol_changer;
  Dial RPM_Min_To_Petrol;
  Label Label24;  // "Przełącz przy pierwszym P min"
  CheckBox Check_by_first;
  Panel GroupBox13;  // "Parametry przełączania na Gaz"
  Dial Temp_LPG_changer;
  Dial RPM_Prog_przel;
  Dial T_przel_to_LPG;
  Dial T_CYL_seqence;
  Panel GroupBox18;  // "Wskaźnik poziomu"
  Label Label16;     // "Odczyt [V]"
  TextBox U_zbiornika;
  Label Label17;  // "Rodzaj czujnika"
  Choice Rodz_czuj_LPG;
  std::array<TextBox, 4> Ch_U_LPG;  // Ch_U_LPG_1 .. Ch_U_LPG_4
  Slider Ch_U_LPG_changer;           // hidden until a threshold is edited
  Lamp Rezerwa_led_panel;
  std::array<Lamp, 4> Gaz_led_p;  // Gaz_led_1p .. Gaz_led_4p
};

struct ErrorTabControls {  // TabSheet5
  ErrorTabControls();
  Label Label19;  // "Błędy aktualne"
  Memo Actual_errors_Memo;
  Label Label18;  // "Błędy zarejestrowane"
  Memo Register_errors_memo;
  Button Button2;  // "Reset"
};

struct DiagnosticsTabControls {  // TabSheet8
  DiagnosticsTabControls();
  std::array<Gauge, 8> Skala_PB_time_n;  // Skala_PB_time1 .. Skala_PB_time8
  std::array<Gauge, 8> gaz_slupek;       // gaz_slupek_1 .. gaz_slupek_8
  Label Label6;                          // "Petrol [ms]"
  Label Label5;                          // "Gaz [ms]"
  Panel Panel_korekta;
  std::array<Spin, 8> Kor;  // Kor_1, kor_2 .. kor_8
};

// The window names of the numbered controls, for the widgets' object names.
std::string KorName(std::size_t index);  // Kor_1, kor_2 .. kor_8

}  // namespace tavu::window
