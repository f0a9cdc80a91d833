#pragma once
#include <string>

#include "core/window/window_model.h"

namespace tavu {

// Adapts the window to the controller generation: "ver_1" (firmware 3.7.7) or
// "ver_2" (5.9.11). Any other text changes nothing.
void ApplyVariantProfile(window::WindowModel& model, const std::string& variant);

}  // namespace tavu
