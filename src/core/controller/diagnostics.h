#pragma once
// The cylinder lamps and radio buttons of the group "Aktywne inj. Gaz": the
// radio buttons choose the cylinder the petrol bar shows, a click on a lamp
// switches that cylinder's gas injection.
#include "core/controller/setting_commands.h"
#include "core/platform/serial_port.h"
#include "core/window/window_model.h"

namespace tavu {

class Diagnostics {
 public:
  // `port` tells a lamp click whether a controller can be reached.
  Diagnostics(window::WindowModel& model, const platform::SerialPort& port, SettingCommands& commands);

  // Cyl_0_show .. Cyl_7_show, already checked by the click; `cylinder` is 0..7.
  void RadioButtonxClick(int cylinder);
  // Cyl_0_led .. Cyl_7_led; `cylinder` is 0..7.
  void Cyl_x_ledClick(int cylinder);

 private:
  window::WindowModel& model_;
  const platform::SerialPort& port_;
  SettingCommands& commands_;
};

}  // namespace tavu
