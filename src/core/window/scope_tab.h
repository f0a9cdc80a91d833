#pragma once
// The "Oscyloskop" tab: a two-channel recorder of live values and the five
// radio buttons that choose which pair it records.
#include <array>
#include <cstdint>
#include <deque>

#include "core/window/controls.h"

namespace tavu::window {

struct RecorderChannel {
  std::string name = " ";
  std::string unit = " ";
  double fullScale = 50;
  int decimals = 0;
  friend bool operator==(const RecorderChannel&, const RecorderChannel&) = default;
};

// The recorder keeps the newest kHistory sample pairs; `added` counts every
// pair ever added, so a view can tell which ones it has not drawn yet.
struct Recorder : Control {
  static constexpr std::size_t kHistory = 2000;
  std::array<RecorderChannel, 2> channels;
  std::deque<std::array<double, 2>> samples;  // oldest first
  std::uint64_t added = 0;

  void add(double first, double second);
};

struct ScopeTabControls {  // TabSheet7
  ScopeTabControls();
  Recorder Oscyloskop;
  Panel RadioGroup1;  // the frame around the five radio buttons
  CheckBox OSC_PETROL_LPG;
  CheckBox OSC_MAP_P1;
  CheckBox TEMP_LPG_RED;
  CheckBox RPM_LAMBDA1;
  CheckBox RPM_LAMBDA2;
};

}  // namespace tavu::window
