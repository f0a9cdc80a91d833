#pragma once
// MAPGrid's cells for a QTableView: table column c - 1 is grid column c (map
// cell c), table row r - 1 is grid row r (value 256 - r); the grid's fixed row
// and column are the headers. Each cell has its background colour and its
// hint, or the grid's hint when it has none of its own.
#include <QAbstractTableModel>
#include <cstdint>

#include "core/map/map_grid.h"

namespace tavu::ui {

class MapGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit MapGridModel(const map::MapGrid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Tells the view about changes of the grid since the last call.
  void refresh();

 private:
  const map::MapGrid& grid_;
  std::uint64_t revision_;
};

}  // namespace tavu::ui
