#pragma once
// "Typ 2": MAPGrid, and the button that zooms it back out.
#include "ui/map/map_page.h"

namespace tavu::ui {

class MapGridView;

class GridPage : public MapPage {
  Q_OBJECT
 public:
  GridPage(Tool& tool, Handle handle, QWidget* parent = nullptr);
  void refresh() override;
  MapGridView* grid() const { return grid_; }

 private:
  MapGridView* grid_;
  QPushButton* lupa_;
};

}  // namespace tavu::ui
