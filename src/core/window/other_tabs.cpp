#include "core/window/other_tabs.h"

namespace tavu::window {

ScopeTabControls::ScopeTabControls() {
  RPM_LAMBDA1.caption = "RPM / LAMBDA 1[V]";
  RPM_LAMBDA2.caption = "RPM / LAMBDA 2[V]";
}

}  // namespace tavu::window
