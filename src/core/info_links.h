#pragma once
// The link labels of the "Info" tab: a label turns blue under the mouse and
// stays so until the mouse crosses the bare panel; a click opens its address
// in the system's browser or mail program.
#include <string>

#include "core/platform/link_opener.h"
#include "core/window/window_model.h"

namespace tavu {

class InfoLinks {
 public:
  InfoLinks(window::WindowModel& model, platform::LinkOpener& links) : model_(model), links_(links) {}

  // `label` is the window name of a link label; other names are ignored.
  void TAVU_Linl_labelClick(const std::string& label);
  void TAVU_Linl_labelMouseMove(const std::string& label);
  // The mouse moves over Panel1 outside the labels.
  void Panel1MouseMove();

 private:
  window::WindowModel& model_;
  platform::LinkOpener& links_;
};

}  // namespace tavu
