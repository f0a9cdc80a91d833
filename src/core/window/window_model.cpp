#include "core/window/window_model.h"

namespace tavu::window {
namespace {

MenuItem Item(std::string name, std::string caption, bool visible = true, bool enabled = true) {
  MenuItem item;
  item.name = std::move(name);
  item.caption = std::move(caption);
  item.visible = visible;
  item.enabled = enabled;
  return item;
}

Tab MakeTab(std::string name, std::string caption, bool visible = true) {
  Tab tab;
  tab.name = std::move(name);
  tab.caption = std::move(caption);
  tab.visible = visible;
  return tab;
}

}  // namespace

WindowModel::WindowModel() {
  Pliki1.name = "Pliki1";
  Pliki1.caption = "Plik";
  Pliki1.items = {Item("Odczyt1", "Odczyt", false, false), Item("Zapis1", "Zapis", false, false),
                  Item("Reset1", "Reset", false, false), Item("Exit1", "Exit")};

  PortCOM.name = "PortCOM";
  PortCOM.caption = "Porty";
  PortCOM.items = {Item("polacz", "Połącz"), Item("rozlacz1", "Rozłącz")};

  Jazyk.name = "Jazyk";
  Jazyk.caption = "Język";
  Jazyk.items = {Item("NiemieckiDE", "Deutsch"), Item("AngielskiGB", "English"), Item("PolskiPL", "Polski"),
                 Item("Russian", "Russian"),     Item("Ceski", "Ceski"),          Item("Turkish", "Turkish"),
                 Item("Thai", "Thai"),           Item("Greek", "Greek")};
  Jazyk.find("PolskiPL")->checked = true;

  Panel1Gora.caption = "";
  Zaplon_panel.caption = "Przełącznik";

  Polacz_switch.offText = "Rozłączony";
  Polacz_switch.onText = "* * *";
  paliwo_Switch.offText = "PB";
  paliwo_Switch.onText = "LPG";

  rezerwa_led_gora.onColor = colors::kRed;
  Rezerwa_led_panel.onColor = colors::kRed;
  for (std::size_t i = 0; i < Cyl_led.size(); ++i) Cyl_led[i].caption = std::to_string(i + 1);
  Cyl_show[0].checked = true;

  RPM_zegar.minimum = 0;
  RPM_zegar.maximum = 10;
  RPM_zegar.scaleSteps = 8;
  RPM_zegar.caption = "x1000";

  Error_Led.caption = "*  *  *  E r r o r  *  *  *";
  Error_Led.visible = false;

  tab_control.tabs = {MakeTab("TabSheet1", "Panel Petrol"), MakeTab("TabSheet2", "Panel Gaz"),
                      MakeTab("TabSheet3", "Adaptacja"),    MakeTab("TabSheet4", "Mapa"),
                      MakeTab("TabSheet5", "Error"),        MakeTab("TabSheet7", "Oscyloskop"),
                      MakeTab("TabSheet8", "Diagnostyka"),  MakeTab("TabSheet9", "Przełącznik"),
                      MakeTab("TabSheet10", "Serwis", false), MakeTab("TabSheet11", "Help", false),
                      MakeTab("TabSheet12", "Info")};
  tab_control.active = "TabSheet1";

  szybkosc.items = {"7200"};
  szybkosc.index = 0;
  szybkosc.visible = false;
  szybkosc.enabled = false;

  GroupBox15.caption = "Rodzaj paliwa";
  GroupBox15.visible = false;
  Min_Temp_Petrol_changer.caption = "Min.Temp.";
  Min_Temp_Petrol_changer.minimum = -25;
  Min_Temp_Petrol_changer.maximum = 100;
  Min_Temp_Petrol_changer.scaleMaximum = 100;
  Min_Temp_Petrol_changer.visible = false;
  RPM_Min_To_Petrol.caption = "Min. RPM";
  RPM_Min_To_Petrol.maximum = 6500;
  RPM_Min_To_Petrol.scaleMaximum = 6500;
  RPM_Min_To_Petrol.visible = false;
  Panel_korekta.caption = "Korekta wtryskiwaczy gazowych   [ms]";
  Panel_korekta.visible = false;
  T_przel_to_LPG.caption = "Czas przeł.";
  T_przel_to_LPG.minimum = 2;
  T_przel_to_LPG.maximum = 300;
  T_przel_to_LPG.scaleMaximum = 300;
  T_przel_to_LPG.value = 2;

  Actual_errors_Memo.caption = "Błędy aktualne";
  RPM_LAMBDA1.caption = "RPM / LAMBDA 1[V]";
  RPM_LAMBDA2.caption = "RPM / LAMBDA 2[V]";

  StatusBar1[0] = {kVersionPanelBare, true, 190};
  StatusBar1[1] = {kLastConnectionLabel, false, 0};
}

}  // namespace tavu::window
