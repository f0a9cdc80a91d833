#pragma once
// The "Adaptacja" tab: the progress of the automatic adaptation, its
// information text and the buttons that start and stop it.
#include "core/window/controls.h"

namespace tavu::window {

struct ProgressBar : Control {
  int position = 0;
  int minimum = 0;
  int maximum = 100;
  int step = 1;
};

struct AdaptationTabControls {  // TabSheet3
  AdaptationTabControls();
  Label Label28;  // "START - Początek adaptacji"
  ProgressBar Adaptacja_progres;
  Label Adaptacja_info;  // centred, may hold line breaks
  Button Button_start;
  Button Button_stop;
};

}  // namespace tavu::window
