#pragma once
// The state of the window's controls, as plain data. Handlers and decoders
// write it; the widgets read it and draw.
#include <string>
#include <vector>

#include "core/platform/bytes.h"

namespace tavu::window {

struct Control {
  bool visible = true;
  bool enabled = true;
  std::string caption;
};

struct Panel : Control {
  Rgb color = colors::kButtonFace;
};

struct Label : Control {
  Rgb color = colors::kWindowText;
};

struct Lamp : Control {
  bool on = false;
  bool flashing = false;
  Rgb onColor = colors::kLime;
  Rgb offColor = colors::kGray;
};

// The error strip: a lamp-like bar with a caption that blinks.
struct Strip : Control {
  Rgb color = colors::kRed;
};

// A check box or radio button. `tag` is a small integer kept with the control.
struct CheckBox : Control {
  bool checked = false;
  int tag = 0;
};

struct Button : Control {
  std::string hint;
};

// A text field; read-only ones only show what the tool writes.
struct TextBox : Control {
  std::string text;
  Rgb color = colors::kWindow;  // background
  Rgb textColor = colors::kWindowText;
  bool readOnly = false;
};

struct Choice : Control {
  std::vector<std::string> items;
  int index = -1;  // -1: no entry selected
};

// A setting dial with a whole-number range, a scale and two signal names
// (caption and secondCaption).
struct Dial : Control {
  int value = 0;
  int minimum = 0;
  int maximum = 100;
  int scaleMaximum = 100;
  std::string secondCaption;
  std::string unit;
};

// A vertical slider over a real range cut into `steps` positions.
struct Slider : Control {
  double value = 0;
  double minimum = 0;
  double maximum = 1;
  int steps = 100;
  std::string secondCaption;
  int left = 0, top = 0;  // where the tool places a slider that moves
};

// A numeric spin editor.
struct Spin : Control {
  double value = 0;
  double minimum = 0;
  double maximum = 100;
  double step = 1;
  int decimals = 0;
  bool typing = true;  // false: only the arrows change it
};

// An instrument that only shows a value: bar, LED bar, meter, thermometer,
// value indicator. caption and secondCaption are its two signal names.
struct Gauge : Control {
  double value = 0;
  double minimum = 0;
  double maximum = 100;
  int scaleSteps = 0;
  int decimals = 1;
  std::string secondCaption;
  std::string unit;
  Rgb onColor = colors::kLime;
  Rgb backColor = colors::kBlack;
  int sectorOffset = 0;
  int needleShape = 0;
};

struct Memo : Control {
  std::vector<std::string> lines;
  friend bool operator==(const Memo&, const Memo&) = default;
};

struct Toggle : Control {
  bool on = false;
  std::string offText, onText;
  Rgb offColor = colors::kRed;
  Rgb onColor = colors::kLime;
};

struct MenuItem : Control {
  std::string name;  // the item's window name, e.g. "polacz" or a port name
  bool checked = false;
};

struct Menu : Control {
  std::string name;
  std::vector<MenuItem> items;
  MenuItem* find(const std::string& itemName);
  const MenuItem* find(const std::string& itemName) const;
};

struct StatusPanel {
  std::string text;
  bool visible = true;
  int width = 0;  // 0: the rest of the bar
};

struct Tab : Control {
  std::string name;
};

struct TabControl : Control {
  std::vector<Tab> tabs;
  std::string active;  // name of the active tab
  Tab* find(const std::string& tabName);
  const Tab* find(const std::string& tabName) const;
};

}  // namespace tavu::window
