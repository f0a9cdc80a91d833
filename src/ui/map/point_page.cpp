#include "ui/map/point_page.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/bindings.h"
#include "ui/map/map_chart_view.h"
#include "ui/map/zoom_panel.h"

namespace tavu::ui {
namespace {

// Ed_chart2: a tiny read-only box in the chart's corner that hands every key
// to the point editor instead of moving a cursor.
class KeyBox : public QLineEdit {
 public:
  using OnKey = std::function<void(int)>;
  KeyBox(QWidget* parent, OnKey onKey) : QLineEdit(parent), onKey_(std::move(onKey)) {
    Named(this, QStringLiteral("Ed_chart2"));
    setReadOnly(true);
    setFrame(false);
    setFixedSize(10, 10);
    QPalette quiet = palette();
    quiet.setColor(QPalette::Base, quiet.color(QPalette::Window));
    setPalette(quiet);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override { onKey_(PointPage::keyCode(event->key())); }

 private:
  OnKey onKey_;
};

}  // namespace

int PointPage::keyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Delete: return kKeyDelete;
    default: return kKeyOther;
  }
}

PointPage::PointPage(Tool& tool, Handle handle, QWidget* parent) : MapPage(tool, std::move(handle), parent) {
  Named(this, QStringLiteral("TypS"));
  chart_ = new MapChartView(this);
  Named(chart_, QStringLiteral("Chart2"));
  connect(chart_, &MapChartView::pressed, this,
          [this](int x, MouseState state) { handle_([&] { tool_.mapEditors().Chart2MouseDown(x, state); }); });
  connect(chart_, &MapChartView::seriesPressed, this, [this](int series, int x, MouseState state) {
    handle_([&] { tool_.mapEditors().Chart2ClickSeries(series, x, state); });
  });
  connect(chart_, &MapChartView::clicked, this, [this] { handle_([&] { tool_.mapEditors().Chart2Click(); }); });
  connect(chart_, &MapChartView::moved, this,
          [this] { handle_([&] { tool_.mapEditors().Chart1MouseMove("Chart2"); }); });

  keys_ = new KeyBox(chart_, [this](int key) { handle_([&] { tool_.mapEditors().Ed_chart2KeyDown(key); }); });
  keys_->move(1, 1);

  zoom_ = zoomPanel("zoom_S", chart_);
  connect(zoom_, &ZoomPanel::clicked, this, [this] { handle_([&] { tool_.mapEditors().zoomClick("zoom_S"); }); });
  connect(zoom_, &ZoomPanel::moved, this, [this] { handle_([&] { tool_.mapEditors().zoomMouseMove("zoom_S"); }); });

  gaz_ = footButton("BitBtn1a");
  connect(gaz_, &QPushButton::clicked, this, [this] { handle_([&] { tool_.mapEditors().BitBtn1Click(); }); });
  petrol_ = footButton("BitBtn2a");
  connect(petrol_, &QPushButton::clicked, this, [this] { handle_([&] { tool_.mapEditors().BitBtn2Click(); }); });

  auto* foot = new QHBoxLayout;
  foot->addWidget(gaz_);
  foot->addWidget(petrol_);
  foot->addStretch(1);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(2);
  column->addWidget(chart_, 1);
  column->addLayout(foot);
}

void PointPage::refresh() {
  const auto& m = tool_.model();
  chart_->draw(m.Chart2);
  zoom_->draw(m.zoom_S);
  ShowState(keys_, m.Ed_chart2);
  showFootButton(gaz_, m.BitBtn1a);
  showFootButton(petrol_, m.BitBtn2a);
  if (m.focused != focused_) {
    focused_ = m.focused;
    if (focused_ == "Ed_chart2") keys_->setFocus();
  }
}

}  // namespace tavu::ui
