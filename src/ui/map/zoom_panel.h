#pragma once
// The zoom panel of a map chart ("<< [ms] >>"): a small caption with a hand
// cursor that toggles the chart's time range when clicked.
#include <QLabel>

#include "core/window/map_tab.h"

namespace tavu::ui {

class ZoomPanel : public QLabel {
  Q_OBJECT
 public:
  explicit ZoomPanel(QWidget* parent = nullptr);
  void draw(const window::ZoomPanel& panel);

 signals:
  void clicked();
  void moved();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace tavu::ui
