#include "core/window/controls.h"

#include <algorithm>

namespace tavu::window {
namespace {
template <typename Vec>
auto FindByName(Vec& items, const std::string& name) -> decltype(&items.front()) {
  auto it = std::find_if(items.begin(), items.end(), [&](const auto& i) { return i.name == name; });
  return it == items.end() ? nullptr : &*it;
}
}  // namespace

MenuItem* Menu::find(const std::string& itemName) { return FindByName(items, itemName); }
const MenuItem* Menu::find(const std::string& itemName) const { return FindByName(items, itemName); }
Tab* TabControl::find(const std::string& tabName) { return FindByName(tabs, tabName); }
const Tab* TabControl::find(const std::string& tabName) const { return FindByName(tabs, tabName); }

}  // namespace tavu::window
