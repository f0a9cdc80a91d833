#pragma once
// "Typ 3": Chart2 with its node list, the key box Ed_chart2 that takes the
// arrow and Delete keys, the zoom panel and the "Gaz" and "Petrol" buttons.
#include "ui/map/map_page.h"

class QLineEdit;

namespace tavu::ui {

class MapChartView;
class ZoomPanel;

class PointPage : public MapPage {
  Q_OBJECT
 public:
  PointPage(Tool& tool, Handle handle, QWidget* parent = nullptr);
  void refresh() override;

  // A Qt key as the point editor's key code.
  static int keyCode(int qtKey);

 private:
  MapChartView* chart_;
  ZoomPanel* zoom_;
  QLineEdit* keys_;
  QPushButton* gaz_;
  QPushButton* petrol_;
  std::string focused_;  // the model's focus as last applied
};

}  // namespace tavu::ui
