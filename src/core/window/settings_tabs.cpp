#include "core/window/settings_tabs.h"

#include <string>

namespace tavu::window {
namespace {

Label MakeLabel(std::string caption, bool visible = true) {
  Label l;
  l.caption = std::move(caption);
  l.visible = visible;
  return l;
}

Choice MakeChoice(std::vector<std::string> items, bool visible = true) {
  Choice c;
  c.items = std::move(items);
  c.visible = visible;
  return c;
}

Dial MakeDial(std::string caption, std::string second, std::string unit, int minimum, int maximum) {
  Dial d;
  d.caption = std::move(caption);
  d.secondCaption = std::move(second);
  d.unit = std::move(unit);
  d.minimum = minimum;
  d.maximum = maximum;
  d.scaleMaximum = maximum;
  d.value = minimum;
  return d;
}

Slider MakeSlider(std::string caption, double minimum, double maximum, int steps) {
  Slider s;
  s.caption = std::move(caption);
  s.minimum = minimum;
  s.maximum = maximum;
  s.steps = steps;
  s.value = minimum;
  return s;
}

}  // namespace

PetrolTabControls::PetrolTabControls() {
  Label34 = MakeLabel("Ilość cylindrów");
  Sel_cyl = MakeChoice({"3 cyl.", "4 cyl.", "5 cyl.", "6 cyl.", "8 cyl."});
  Label35 = MakeLabel("Impulsy");
  Sel_Impuls = MakeChoice({"Cewka pojedyncza", "Cewka podwójna", "3 cyl.", "4 cyl.", "5 cyl.", "6 cyl.", "8 cyl."});
  Label36 = MakeLabel("Sygnał RPM");
  Sel_RPM_signal = MakeChoice({"Low  5V", "High 12V"});
  Label37 = MakeLabel("Typ silnika");
  Sel_Typ_silnika = MakeChoice({"Standard", "Turbo"});
  Label40 = MakeLabel("Wtryskiwacze dodatnie");
  Full_group_CheckBox.caption = "Full Group";
  Label38 = MakeLabel("Typ Wtrysku", false);
  Sel_Typ_wtrysku_Petrol = MakeChoice({"Standardowy"}, false);
  Label39 = MakeLabel("Sonda Lambda", false);
  ComboBox17 = MakeChoice({"Napięciowa", "Prądowa"}, false);
  szybkosc = MakeChoice({"7200"}, false);
  szybkosc.index = 0;
  szybkosc.enabled = false;
  wykres_CheckBox.visible = false;
}

GasTabControls::GasTabControls() {
  GroupBox12.caption = "Gas injector";
  Sel_Typ_wtrysku = MakeChoice({"Valtek/Rail 1 Ohm", "Valtek/Rail 2 Ohm", "Valtek/Rail 3 Ohm", "Matrix/Magic ", "BRC",
                                "Keihin", "Stefanelli", "OMVL"});
  GroupBox15.caption = "Rodzaj paliwa";
  GroupBox15.visible = false;
  LPG_RadioButton.caption = "LPG";
  CNG_RadioButton.caption = "CNG";
  GroupBox19.caption = "Czujniki";
  Label20 = MakeLabel("P1 MAP /P Gaz");
  P1_MAP_changer = MakeChoice({"TAVU 01"});
  P1_MAP_changer.enabled = false;
  const std::vector<std::string> temperatureSensors{"1,7 kOhm", "2,2 kOhm", "4,5 kOhm", "4,7 kOhm", "5 kOhm", "10 kOhm"};
  Label21 = MakeLabel("Cz.temp.reduktora");
  T_RED_changer = MakeChoice(temperatureSensors);
  Label22 = MakeLabel("Cz.temp.gazu");
  T_GAZ_changer = MakeChoice(temperatureSensors);
  GroupBox14.caption = "Parametry ciśnień adaptacji";
  P_pracy_changer = MakeSlider("P. Pracy", 0.40, 2.50, 210);
  P_pracy_changer.secondCaption = "[bar]";
  P_min_changer = MakeSlider("P. min", 0.40, 2.50, 215);
  P_min_changer.secondCaption = "[bar]";
}

SwitchTabControls::SwitchTabControls() {
  GroupBox17.caption = "Parametry przełączania na Petrol";
  RPM_Max_To_Petrol = MakeDial("Max. RPM", "RPM", "rpm", 0, 12000);
  T_zwloki_changer = MakeDial("[ms]", "Cz. Błędu Ciś.", "ms", 0, 1450);
  Min_Temp_Petrol_changer = MakeDial("Min.Temp.", "Temperatura", "°C", -25, 100);
  Min_Temp_Petrol_changer.visible = false;
  RPM_Min_To_Petrol = MakeDial("Min. RPM", "RPM", "rpm", 0, 6500);
  RPM_Min_To_Petrol.visible = false;
  Label24 = MakeLabel("Przełącz przy pierwszym P min");
  GroupBox13.caption = "Parametry przełączania na Gaz";
  Temp_LPG_changer = MakeDial("[°C]", "Temperatura", "°C", 20, 90);
  RPM_Prog_przel = MakeDial("RPM", "Próg przeł.", "rpm", 300, 6000);
  T_przel_to_LPG = MakeDial("Czas przeł.", "Czas przeł.", "s", 2, 300);
  T_CYL_seqence = MakeDial("[ms]", "Sekw. Cylindra", "ms", 0, 2550);
  GroupBox18.caption = "Wskaźnik poziomu";
  Label16 = MakeLabel("Odczyt [V]");
  U_zbiornika.text = "0.00";
  U_zbiornika.readOnly = true;
  Label17 = MakeLabel("Rodzaj czujnika");
  Rodz_czuj_LPG = MakeChoice({"0-90 Ohm", "90-0 Ohm", "0-50 kOhm", "50-0 kOhm"});
  for (auto& box : Ch_U_LPG) {
    box.text = "0,00";
    box.readOnly = true;
  }
  Ch_U_LPG_changer = MakeSlider("", 0.0, 5.0, 500);
  Ch_U_LPG_changer.visible = false;
  Rezerwa_led_panel.onColor = colors::kRed;
  for (auto& lamp : Gaz_led_p) lamp.onColor = colors::kLime;
}

ErrorTabControls::ErrorTabControls() {
  Label19 = MakeLabel("Błędy aktualne");
  Actual_errors_Memo.caption = "Błędy aktualne";
  Label18 = MakeLabel("Błędy zarejestrowane");
  Register_errors_memo.caption = "Błędy zarejestrowane";
  Button2.caption = "Reset";
}

DiagnosticsTabControls::DiagnosticsTabControls() {
  for (std::size_t i = 0; i < 8; ++i) {
    auto& petrol = Skala_PB_time_n[i];
    petrol.maximum = 40;
    petrol.decimals = 1;
    petrol.onColor = colors::kRed;
    petrol.secondCaption = "           " + std::to_string(i + 1);
    auto& gas = gaz_slupek[i];
    gas.maximum = 40;
    gas.decimals = 1;
    gas.unit = "[ms]";
    auto& kor = Kor[i];
    kor.minimum = -20;
    kor.maximum = 20;
    kor.step = 1;
    kor.typing = false;
  }
  Label6 = MakeLabel("Petrol [ms]");
  Label5 = MakeLabel("Gaz [ms]");
  Panel_korekta.caption = "Korekta wtryskiwaczy gazowych   [ms]";
  Panel_korekta.visible = false;
}

std::string KorName(std::size_t index) { return (index == 0 ? "Kor_" : "kor_") + std::to_string(index + 1); }

}  // namespace tavu::window
