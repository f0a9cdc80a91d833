#pragma once
// "Typ 1": Chart1 with the paint box over its plot, the panel with the spin
// button that raises or lowers the marked region, the zoom panel and the
// "Gaz" and "Petrol" buttons.
#include "ui/map/map_page.h"

class QFrame;
class QPushButton;

namespace tavu::ui {

class MapChartView;
class PaintBox;
class SpinButton;
class ZoomPanel;

class RegionPage : public MapPage {
  Q_OBJECT
 public:
  RegionPage(Tool& tool, Handle handle, QWidget* parent = nullptr);
  void refresh() override;

 private:
  MapChartView* chart_;
  PaintBox* paintBox_;
  ZoomPanel* zoom_;
  QFrame* panel4_;
  SpinButton* spin_;
  QPushButton* button3_;
  QPushButton* gaz_;
  QPushButton* petrol_;
};

}  // namespace tavu::ui
