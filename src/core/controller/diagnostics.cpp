#include "core/controller/diagnostics.h"

namespace tavu {

Diagnostics::Diagnostics(window::WindowModel& model, const platform::SerialPort& port, SettingCommands& commands)
    : model_(model), port_(port), commands_(commands) {}

// Filled in with the diagnostics view.
void Diagnostics::RadioButtonxClick(int) {}
void Diagnostics::Cyl_x_ledClick(int) {}

}  // namespace tavu
