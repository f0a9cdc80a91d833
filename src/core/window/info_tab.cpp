#include "core/window/info_tab.h"

namespace tavu::window {
namespace {

LinkLabel Link(std::string caption, std::string address, bool visible = true) {
  LinkLabel l;
  l.caption = std::move(caption);
  l.address = std::move(address);
  l.visible = visible;
  return l;
}

}  // namespace

InfoTabControls::InfoTabControls() {
  TAVU_Linl_label = Link("www.tavu.example", "https://www.tavu.example");
  TAVU_Linl_new_label = Link("www.tavu.example/serwis", "https://www.tavu.example/serwis");
  Label23 = Link("biuro@tavu.example", "mailto:biuro@tavu.example", false);
  Label45 = Link("serwis@tavu.example", "mailto:serwis@tavu.example");

  const std::array<std::pair<const char*, const char*>, 8> languages{{{"NiemieckiDE", "Deutsch"},
                                                                      {"AngielskiGB", "English"},
                                                                      {"PolskiPL", "Polski"},
                                                                      {"Russian", "Russian"},
                                                                      {"Ceski", "Ceski"},
                                                                      {"Turkish", "Turkish"},
                                                                      {"Thai", "Thai"},
                                                                      {"Greek", "Greek"}}};
  for (std::size_t i = 0; i < Flags.size(); ++i) {
    Flags[i].language = languages[i].first;
    Flags[i].name = std::string("G") + languages[i].first;
    Flags[i].hint = languages[i].second;
  }
}

LinkLabel* InfoTabControls::findLink(const std::string& name) {
  if (name == "TAVU_Linl_label") return &TAVU_Linl_label;
  if (name == "TAVU_Linl_new_label") return &TAVU_Linl_new_label;
  if (name == "Label23") return &Label23;
  if (name == "Label45") return &Label45;
  return nullptr;
}

}  // namespace tavu::window
