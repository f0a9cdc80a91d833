#pragma once
// The "Help" tab: what the product's installation disc holds.
#include "core/window/controls.h"

namespace tavu::window {

struct HelpTabControls {  // TabSheet11
  HelpTabControls();
  Memo Help_Memo;  // read-only
};

}  // namespace tavu::window
