#pragma once
// Controls of the tabs "Adaptacja", "Mapa", "Oscyloskop", "Serwis", "Help" and
// "Info" that other parts of the tool already read or write. Each grows into a
// struct of its own as its tab is built.
#include "core/window/controls.h"

namespace tavu::window {

struct Chart : Control {
  double rightAxisMaximum = 100;  // "MAP [kPa]" axis: 256 for a turbo engine, 100 otherwise
};

struct MapTabControls {  // TabSheet4
  Chart Chart1;
  Chart Chart2;
};

struct ScopeTabControls {  // TabSheet7
  ScopeTabControls();
  CheckBox RPM_LAMBDA1;
  CheckBox RPM_LAMBDA2;
};

}  // namespace tavu::window
