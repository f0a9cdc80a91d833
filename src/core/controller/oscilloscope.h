#pragma once
// The oscilloscope tab: five radio buttons choose the pair of live values that
// the two-channel recorder Oscyloskop draws, one sample pair per live frame.
#include "core/window/window_model.h"

namespace tavu {

class Oscilloscope {
 public:
  explicit Oscilloscope(window::WindowModel& model) : model_(model) {}

  // The five radio buttons: each checks itself and sets both channels' names,
  // units and full scales. The recorded history stays.
  void OSC_PETROL_LPGClick();
  void OSC_MAP_P1Click();
  void TEMP_LPG_REDClick();
  void RPM_LAMBDA1Click();
  void RPM_LAMBDA2Click();

  // Once per live frame, after the dashboard shows it: hands the recorder the
  // values of the chosen pair as the dashboard shows them. Nothing is recorded
  // while no button is checked.
  void Sample();

 private:
  void Choose(window::CheckBox& button, window::RecorderChannel first, window::RecorderChannel second);

  window::WindowModel& model_;
};

}  // namespace tavu
