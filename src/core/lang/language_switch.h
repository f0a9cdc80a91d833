#pragma once
#include <string>

#include "core/window/window_model.h"

namespace tavu {

inline constexpr const char* kDefaultLanguage = "PolskiPL";

// Clicks the language menu item of that name ("NiemieckiDE", "AngielskiGB",
// "PolskiPL", "Russian", "Ceski", "Turkish", "Thai", "Greek"): it becomes the
// checked one. A name that is none of these selects nothing and returns false.
bool SelectLanguage(window::WindowModel& model, const std::string& name);

// The name of the checked language item.
std::string CurrentLanguage(const window::WindowModel& model);

}  // namespace tavu
