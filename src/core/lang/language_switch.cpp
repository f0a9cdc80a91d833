#include "core/lang/language_switch.h"

namespace tavu {

bool SelectLanguage(window::WindowModel& model, const std::string& name) {
  if (model.Jazyk.find(name) == nullptr) return false;
  for (auto& item : model.Jazyk.items) item.checked = item.name == name;
  return true;
}

std::string CurrentLanguage(const window::WindowModel& model) {
  for (const auto& item : model.Jazyk.items)
    if (item.checked) return item.name;
  return kDefaultLanguage;
}

}  // namespace tavu
