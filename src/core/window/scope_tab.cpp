#include "core/window/scope_tab.h"

namespace tavu::window {

void Recorder::add(double first, double second) {
  samples.push_back({first, second});
  if (samples.size() > kHistory) samples.pop_front();
  ++added;
}

ScopeTabControls::ScopeTabControls() {
  OSC_PETROL_LPG.caption = "Inj. Petrol / Gaz  [ms]";
  OSC_MAP_P1.caption = "MAP/P1    [kPa] / [bar]";
  TEMP_LPG_RED.caption = "Temp Gaz / Red [°C]";
  RPM_LAMBDA1.caption = "RPM / LAMBDA 1[V]";
  RPM_LAMBDA2.caption = "RPM / LAMBDA 2[V]";
}

}  // namespace tavu::window
