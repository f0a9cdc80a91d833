#pragma once
// One sub-tab of the "Mapa" tab. It draws its part of the window model and runs
// the tool's handlers through the tab, which then has the window redrawn.
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "core/tool.h"

namespace tavu::ui {

class MapChartView;
class ZoomPanel;

class MapPage : public QWidget {
  Q_OBJECT
 public:
  using Handle = std::function<void(const std::function<void()>&)>;
  MapPage(Tool& tool, Handle handle, QWidget* parent) : QWidget(parent), tool_(tool), handle_(std::move(handle)) {}
  virtual void refresh() = 0;

 protected:
  // A "Gaz" or "Petrol" button at the foot of a chart, in its lettering colour.
  QPushButton* footButton(const char* name);
  static void showFootButton(QPushButton* button, const window::ColoredButton& model);
  // A zoom panel on `chart`, kept centred under the plot, over the time axis title.
  ZoomPanel* zoomPanel(const char* name, MapChartView* chart);

  Tool& tool_;
  Handle handle_;
};

}  // namespace tavu::ui
