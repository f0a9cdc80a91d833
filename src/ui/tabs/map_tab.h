#pragma once
// The "Mapa" tab: the correction map's three editors on the sub-tabs "Typ 1",
// "Typ 2" and "Typ 3" of PageControl1, whose tabs sit on the left.
#include <array>

#include "ui/tab_page.h"

class QTabWidget;

namespace tavu::ui {

class MapPage;

class MapTab : public TabPage {
  Q_OBJECT
 public:
  explicit MapTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 protected:
  // The tab coming to the front unlocks the petrol map, leaving it locks it.
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QTabWidget* pages_;
  std::array<MapPage*, 3> page_{};
  bool refreshing_ = false;
};

}  // namespace tavu::ui
