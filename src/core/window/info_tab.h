#pragma once
// The "Info" tab: the product's web and e-mail addresses as link labels on
// the panel Panel1, and the eight flag buttons that choose the language.
#include <array>

#include "core/window/controls.h"

namespace tavu::window {

// A label that opens `address` when clicked; the caption is what it shows.
struct LinkLabel : Label {
  std::string address;
};

// A flag button: clicking it clicks the language menu item `language`.
struct FlagButton : Button {
  std::string name;  // the button's window name, "G" + language
  std::string language;
};

struct InfoTabControls {  // TabSheet12
  InfoTabControls();
  Panel Panel1;
  LinkLabel TAVU_Linl_label;      // web address
  LinkLabel TAVU_Linl_new_label;  // second web address
  LinkLabel Label23;              // e-mail address, hidden
  LinkLabel Label45;              // second e-mail address
  std::array<FlagButton, 8> Flags;  // GNiemieckiDE .. GGreek, in the order of the language menu

  // The link label of that window name, or nullptr.
  LinkLabel* findLink(const std::string& name);
};

}  // namespace tavu::window
