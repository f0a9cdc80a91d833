#pragma once
// The handlers of the "Mapa" tab: the region editor on Chart1 ("Typ 1"), the
// grid editor on MAPGrid ("Typ 2"), the point editor on Chart2 ("Typ 3") and
// the controls the three share. The editors' behaviour joins here as it is
// built; until then each handler leaves the map as it is.
#include <string>

#include "core/window/window_model.h"

namespace tavu {

// The buttons held and the modifier keys down at a mouse event.
struct MouseState {
  bool left = false, right = false, middle = false;
  bool shift = false, ctrl = false, alt = false;
  bool doubleClick = false;
  friend bool operator==(const MouseState&, const MouseState&) = default;
};

// Keys of the point editor.
enum MapKey : int { kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27, kKeyDown = 0x28, kKeyDelete = 0x2E, kKeyOther = 0 };

class MapEditors {
 public:
  explicit MapEditors(window::WindowModel& model) : model_(model) {}

  // Typ 1. x is in PaintBox1's own 652 pixels.
  void PaintBox1MouseDown(int x, const MouseState& state);
  void PaintBox1MouseUp();
  void Button3Click();
  void AbSpinButton1UpClick();
  void AbSpinButton1DownClick();

  // Typ 2. The mouse-up zooms into the range MAPGrid.selection holds;
  // SelectCell is the cell the user selected (column 1..246, row 1..256).
  void MAPGridMouseUp(const MouseState& state);
  void MAPGridSelectCell(int column, int row);
  void lupa_button2Click();

  // Typ 3. x is in Chart2's own 742 pixels; `series` is the index of the series
  // whose point was clicked; `key` a MapKey, kKeyOther for any other key.
  void Chart2MouseDown(int x, const MouseState& state);
  void Chart2ClickSeries(int series, int x, const MouseState& state);
  void Chart2Click();
  void Ed_chart2KeyDown(int key);

  // Shared. `panel` is "zoom" (Chart1) or "zoom_S" (Chart2), `chart` "Chart1" or "Chart2".
  void zoomClick(const std::string& panel);
  void zoomMouseMove(const std::string& panel);
  void Chart1MouseMove(const std::string& chart);
  void BitBtn1Click();  // "Gaz"
  void BitBtn2Click();  // "Petrol"
  void TabSheet4Show();
  void TabSheet4Hide();
  // The user leaves one of the sub-tabs "Typ 1", "Typ 2", "Typ 3".
  void TypSExit();

 private:
  window::WindowModel& model_;
};

}  // namespace tavu
