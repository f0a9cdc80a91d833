#include "ui/map/map_grid_model.h"

#include "ui/qt_convert.h"

namespace tavu::ui {

MapGridModel::MapGridModel(const map::MapGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), revision_(grid.revision()) {}

int MapGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : map::MapGrid::kRows - 1;
}

int MapGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : map::MapGrid::kColumns - 1;
}

QVariant MapGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int column = index.column() + 1, row = index.row() + 1;
  switch (role) {
    case Qt::BackgroundRole:
      return ToQColor(grid_.color(column, row));
    case Qt::ToolTipRole: {
      const std::string& hint = grid_.cellHint(column, row);
      return ToQString(hint.empty() ? grid_.hint : hint);
    }
    default:
      return {};
  }
}

QVariant MapGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  return ToQString(orientation == Qt::Horizontal ? grid_.columnTitle(section + 1) : grid_.rowTitle(section + 1));
}

void MapGridModel::refresh() {
  if (grid_.revision() == revision_) return;
  revision_ = grid_.revision();
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

}  // namespace tavu::ui
