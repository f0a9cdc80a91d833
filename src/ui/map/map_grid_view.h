#pragma once
// MAPGrid on a QTableView: 246 x 256 cells of the grid's colours and hints,
// the grid's titles in the headers, cell sizes and scroll position from the
// window model. In overview every cell is 2 x 1 pixels and has no grid lines.
#include <QTableView>
#include <cstdint>

#include "core/map/map_editors.h"
#include "core/map/map_grid.h"

namespace tavu::ui {

class MapGridModel;

class MapGridView : public QTableView {
  Q_OBJECT
 public:
  explicit MapGridView(const map::MapGrid& grid, QWidget* parent = nullptr);

  // Shows the grid's changes since the last call.
  void draw();
  MapGridModel* gridModel() const { return model_; }

 signals:
  // The user changed the selected range.
  void selectionMoved(tavu::map::GridRect range);
  // The user selected a cell (grid column and row, from 1).
  void cellSelected(int column, int row);
  void released(tavu::MouseState state);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void updateGeometries() override;

 private:
  map::GridRect selectedRange() const;
  void applySelection();
  void applyScroll();

  const map::MapGrid& grid_;
  MapGridModel* model_;
  bool applying_ = false;  // set while the view follows the model
  std::uint64_t scrolls_ = 0;
  bool scrollPending_ = true;
};

}  // namespace tavu::ui
