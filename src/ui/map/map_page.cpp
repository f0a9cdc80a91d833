#include "ui/map/map_page.h"

#include "ui/bindings.h"
#include "ui/map/map_chart_view.h"
#include "ui/map/zoom_panel.h"

namespace tavu::ui {

QPushButton* MapPage::footButton(const char* name) {
  auto* button = new QPushButton(this);
  Named(button, QString::fromLatin1(name));
  QFont font = button->font();
  font.setBold(true);
  button->setFont(font);
  return button;
}

void MapPage::showFootButton(QPushButton* button, const window::ColoredButton& model) {
  Show(button, model);
  ShowColor(button, QPalette::ButtonText, model.textColor);
}

ZoomPanel* MapPage::zoomPanel(const char* name, MapChartView* chart) {
  auto* panel = new ZoomPanel(chart);
  Named(panel, QString::fromLatin1(name));
  connect(chart, &MapChartView::plotMoved, panel, [panel, chart](QRect plot) {
    const int below = chart->height() - plot.bottom();
    panel->move(plot.center().x() - panel->width() / 2, plot.bottom() + std::max(0, below - panel->height() - 1));
  });
  return panel;
}

}  // namespace tavu::ui
