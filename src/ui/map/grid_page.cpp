#include "ui/map/grid_page.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/bindings.h"
#include "ui/map/map_grid_view.h"

namespace tavu::ui {
namespace {

// A magnifier with a minus: zoom out.
QIcon ZoomOutIcon() {
  QPixmap pixmap(20, 20);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  p.drawEllipse(QRectF(2, 2, 11, 11));
  p.drawLine(QPointF(12, 12), QPointF(18, 18));
  p.drawLine(QPointF(5, 7.5), QPointF(10, 7.5));
  return QIcon(pixmap);
}

}  // namespace

GridPage::GridPage(Tool& tool, Handle handle, QWidget* parent) : MapPage(tool, std::move(handle), parent) {
  Named(this, QStringLiteral("TypB"));
  auto& grid = tool_.model().MAPGrid;
  grid_ = new MapGridView(grid, this);
  connect(grid_, &MapGridView::selectionMoved, this, [this](map::GridRect range) {
    tool_.model().MAPGrid.selection = range;  // as the user left it; read by the mouse-up
  });
  connect(grid_, &MapGridView::released, this,
          [this](MouseState state) { handle_([&] { tool_.mapEditors().MAPGridMouseUp(state); }); });
  connect(grid_, &MapGridView::cellSelected, this,
          [this](int column, int row) { handle_([&] { tool_.mapEditors().MAPGridSelectCell(column, row); }); });

  lupa_ = new QPushButton(this);
  Named(lupa_, QStringLiteral("lupa_button"));
  lupa_->setIcon(ZoomOutIcon());
  lupa_->setFixedSize(28, 28);
  connect(lupa_, &QPushButton::clicked, this, [this] { handle_([&] { tool_.mapEditors().lupa_button2Click(); }); });

  auto* side = new QVBoxLayout;
  side->addWidget(lupa_);
  side->addStretch(1);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->addWidget(grid_, 1);
  row->addLayout(side);
}

void GridPage::refresh() {
  const auto& m = tool_.model();
  grid_->draw();
  Show(lupa_, m.lupa_button);
}

}  // namespace tavu::ui
