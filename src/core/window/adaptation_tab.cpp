#include "core/window/adaptation_tab.h"

namespace tavu::window {

AdaptationTabControls::AdaptationTabControls() {
  Label28.caption = "START - Początek adaptacji";
  Button_start.caption = "START";
  Button_stop.caption = "STOP";
}

}  // namespace tavu::window
