#pragma once
// Every control of the main window under its window name, with the state it
// starts in. Each area of the window keeps its controls in a struct of its own;
// the model gathers them so every control is reached by its plain name.
#include <string>

#include "core/window/controls.h"
#include "core/window/header_controls.h"
#include "core/window/adaptation_tab.h"
#include "core/window/help_tab.h"
#include "core/window/info_tab.h"
#include "core/window/map_tab.h"
#include "core/window/scope_tab.h"
#include "core/window/service_tab.h"
#include "core/window/settings_tabs.h"

namespace tavu::window {

inline constexpr const char* kWindowCaption = " ver. 3.02 GR";
inline constexpr const char* kApplicationTitle = "TAVU";
inline constexpr const char* kVersionPanelBare = "TAVU ver.";
inline constexpr const char* kLastConnectionLabel = " Ostatnie połączenie z PC : ";

// The frame around the tabs: caption, menus, the tab control and the status bar.
struct ShellControls {
  ShellControls();

  std::string caption = kWindowCaption;
  bool inputEnabled = true;  // false while the window is greyed
  bool fullScreen = false;   // on small screens the window covers the screen
  std::string focused;       // window name of the control that has the focus, if the tool moved it

  Menu Pliki1;   // Odczyt1, Zapis1, Reset1, Exit1
  Menu PortCOM;  // one item per port present, then polacz and rozlacz1
  Menu Jazyk;    // the eight languages

  TabControl tab_control;
  std::array<StatusPanel, 2> StatusBar1;
};

struct WindowModel : ShellControls,
                     HeaderControls,
                     PetrolTabControls,
                     GasTabControls,
                     SwitchTabControls,
                     ErrorTabControls,
                     DiagnosticsTabControls,
                     AdaptationTabControls,
                     MapTabControls,
                     ScopeTabControls,
                     ServiceTabControls,
                     HelpTabControls,
                     InfoTabControls {};

}  // namespace tavu::window
