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

ShellControls::ShellControls() {
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

  tab_control.tabs = {MakeTab("TabSheet1", "Panel Petrol"), MakeTab("TabSheet2", "Panel Gaz"),
                      MakeTab("TabSheet3", "Adaptacja"),    MakeTab("TabSheet4", "Mapa"),
                      MakeTab("TabSheet5", "Error"),        MakeTab("TabSheet7", "Oscyloskop"),
                      MakeTab("TabSheet8", "Diagnostyka"),  MakeTab("TabSheet9", "Przełącznik"),
                      MakeTab("TabSheet10", "Serwis", false), MakeTab("TabSheet11", "Help", false),
                      MakeTab("TabSheet12", "Info")};
  tab_control.active = "TabSheet1";

  StatusBar1[0] = {kVersionPanelBare, true, 190};
  StatusBar1[1] = {kLastConnectionLabel, false, 0};
}

}  // namespace tavu::window
