#include "core/map/map_editors.h"

namespace tavu {

void MapEditors::PaintBox1MouseDown(int, const MouseState&) {}
void MapEditors::PaintBox1MouseUp() {}
void MapEditors::Button3Click() {}
void MapEditors::AbSpinButton1UpClick() {}
void MapEditors::AbSpinButton1DownClick() {}

void MapEditors::MAPGridMouseUp(const MouseState&) {}
void MapEditors::MAPGridSelectCell(int, int) {}
void MapEditors::lupa_button2Click() {}

void MapEditors::Chart2MouseDown(int, const MouseState&) {}
void MapEditors::Chart2ClickSeries(int, int, const MouseState&) {}
void MapEditors::Chart2Click() {}
void MapEditors::Ed_chart2KeyDown(int) {}

void MapEditors::zoomClick(const std::string&) {}
void MapEditors::zoomMouseMove(const std::string&) {}
void MapEditors::Chart1MouseMove(const std::string&) {}
void MapEditors::BitBtn1Click() {}
void MapEditors::BitBtn2Click() {}
void MapEditors::TabSheet4Show() {}
void MapEditors::TabSheet4Hide() {}
void MapEditors::TypSExit() {}

}  // namespace tavu
