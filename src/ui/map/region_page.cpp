#include "ui/map/region_page.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/bindings.h"
#include "ui/instruments/spin_button.h"
#include "ui/map/map_chart_view.h"
#include "ui/map/paint_box.h"
#include "ui/map/zoom_panel.h"
#include "ui/qt_convert.h"

namespace tavu::ui {
namespace {
constexpr int kPanel4Width = 40;
}  // namespace

RegionPage::RegionPage(Tool& tool, Handle handle, QWidget* parent) : MapPage(tool, std::move(handle), parent) {
  Named(this, QStringLiteral("Typ_E"));

  chart_ = new MapChartView(this);
  Named(chart_, QStringLiteral("Chart1"));
  paintBox_ = new PaintBox(chart_->viewport());
  connect(chart_, &MapChartView::plotMoved, paintBox_, [this](QRect plot) { paintBox_->setGeometry(plot); });
  connect(paintBox_, &PaintBox::pressed, this, [this](QPoint at, MouseState state) {
    handle_([&] { tool_.mapEditors().PaintBox1MouseDown(at.x(), state); });
  });
  connect(paintBox_, &PaintBox::released, this, [this] { handle_([&] { tool_.mapEditors().PaintBox1MouseUp(); }); });
  connect(chart_, &MapChartView::moved, this, [this] { handle_([&] { tool_.mapEditors().Chart1MouseMove("Chart1"); }); });

  zoom_ = zoomPanel("zoom", chart_);
  connect(zoom_, &ZoomPanel::clicked, this, [this] { handle_([&] { tool_.mapEditors().zoomClick("zoom"); }); });
  connect(zoom_, &ZoomPanel::moved, this, [this] { handle_([&] { tool_.mapEditors().zoomMouseMove("zoom"); }); });

  // Panel4 cuts off Button3 while it is low, and shows it when it grows.
  panel4_ = new QFrame(this);
  Named(panel4_, QStringLiteral("Panel4"));
  panel4_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel4_->setAutoFillBackground(true);
  panel4_->setFixedWidth(kPanel4Width);
  auto* arrows = new QLabel(QStringLiteral("\u2195"), panel4_);
  QFont big = arrows->font();
  big.setPixelSize(24);
  arrows->setFont(big);
  arrows->setAlignment(Qt::AlignCenter);
  arrows->setGeometry(2, 2, kPanel4Width - 4, 32);
  spin_ = new SpinButton(panel4_);
  Named(spin_, QStringLiteral("AbSpinButton1"));
  spin_->setGeometry(6, 36, kPanel4Width - 12, 56);
  connect(spin_, &SpinButton::stepped, this, [this](int direction) {
    handle_([&] { direction > 0 ? tool_.mapEditors().AbSpinButton1UpClick() : tool_.mapEditors().AbSpinButton1DownClick(); });
  });
  button3_ = new QPushButton(panel4_);
  Named(button3_, QStringLiteral("Button3"));
  button3_->setGeometry(6, 99, kPanel4Width - 12, 26);
  connect(button3_, &QPushButton::clicked, this, [this] { handle_([&] { tool_.mapEditors().Button3Click(); }); });

  gaz_ = footButton("BitBtn1");
  connect(gaz_, &QPushButton::clicked, this, [this] { handle_([&] { tool_.mapEditors().BitBtn1Click(); }); });
  petrol_ = footButton("BitBtn2");
  connect(petrol_, &QPushButton::clicked, this, [this] { handle_([&] { tool_.mapEditors().BitBtn2Click(); }); });

  auto* top = new QHBoxLayout;
  top->setSpacing(2);
  top->addWidget(chart_, 1);
  top->addWidget(panel4_, 0, Qt::AlignTop);
  auto* foot = new QHBoxLayout;
  foot->addWidget(gaz_);
  foot->addWidget(petrol_);
  foot->addStretch(1);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(2);
  column->addLayout(top, 1);
  column->addLayout(foot);
}

void RegionPage::refresh() {
  const auto& m = tool_.model();
  chart_->draw(m.Chart1);
  ShowState(paintBox_, m.PaintBox1);
  paintBox_->setToolTip(ToQString(m.PaintBox1.hint));
  zoom_->draw(m.zoom);
  ShowState(panel4_, m.Panel4);
  ShowColor(panel4_, QPalette::Window, m.Panel4.color);
  panel4_->setFixedHeight(m.Panel4.height);
  ShowState(spin_, m.AbSpinButton1);
  Show(button3_, m.Button3);
  showFootButton(gaz_, m.BitBtn1);
  showFootButton(petrol_, m.BitBtn2);
}

}  // namespace tavu::ui
