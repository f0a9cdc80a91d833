#pragma once
// The automatic adaptation on the "Adaptacja" tab, started and stopped by the
// fitter. Its steps join here as they are built; until then the buttons leave
// the tool as it is.
#include "core/window/window_model.h"

namespace tavu {

class Adaptation {
 public:
  explicit Adaptation(window::WindowModel& model) : model_(model) {}

  void Button_startClick();
  void Button_stopClick();

 private:
  window::WindowModel& model_;
};

}  // namespace tavu
