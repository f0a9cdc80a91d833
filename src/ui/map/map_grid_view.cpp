#include "ui/map/map_grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "ui/bindings.h"
#include "ui/map/map_grid_model.h"
#include "ui/map/mouse_state.h"
#include "ui/qt_convert.h"

namespace tavu::ui {
namespace {

// Fills a cell with its colour, or with the selection colour while the grid
// draws its selection. The cells hold no text, so nothing else is drawn; with
// tens of thousands of cells in view this keeps a repaint quick.
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(const map::MapGrid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = grid_.drawSelection && option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect, selected ? ToQColor(grid_.selectionColor)
                                            : ToQColor(grid_.color(index.column() + 1, index.row() + 1)));
  }

 private:
  const map::MapGrid& grid_;
};

void FixSections(QHeaderView* header) {
  header->setMinimumSectionSize(1);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setHighlightSections(false);
  QFont font = header->font();
  font.setPixelSize(8);  // the titles fit rows of a zoomed grid
  header->setFont(font);
}

}  // namespace

MapGridView::MapGridView(const map::MapGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new MapGridModel(grid, this)) {
  Named(this, QStringLiteral("MAPGrid"));
  setModel(model_);
  setItemDelegate(new CellDelegate(grid, this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setWordWrap(false);
  FixSections(horizontalHeader());
  FixSections(verticalHeader());
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!applying_) emit selectionMoved(selectedRange());
  });
  draw();
}

void MapGridView::draw() {
  applying_ = true;
  setVisible(grid_.visible);
  setEnabled(grid_.enabled);
  if (horizontalHeader()->defaultSectionSize() != grid_.columnWidth() ||
      verticalHeader()->defaultSectionSize() != grid_.rowHeight()) {
    horizontalHeader()->setDefaultSectionSize(grid_.columnWidth());
    verticalHeader()->setDefaultSectionSize(grid_.rowHeight());
    updateGeometries();  // the scroll ranges of the new size, before scrolling in them
  }
  setShowGrid(grid_.zoomed());
  model_->refresh();
  applySelection();
  if (grid_.scrollRequests() != scrolls_) {
    scrolls_ = grid_.scrollRequests();
    scrollPending_ = true;
  }
  applyScroll();
  viewport()->update();
  applying_ = false;
}

map::GridRect MapGridView::selectedRange() const {
  const QItemSelection selection = selectionModel()->selection();
  if (selection.isEmpty()) return {};
  const QItemSelectionRange& r = selection.first();
  return {r.left() + 1, r.top() + 1, r.right() + 1, r.bottom() + 1};
}

void MapGridView::applySelection() {
  const map::GridRect& want = grid_.selection;
  if (selectedRange() == want) return;
  if (want.empty()) {
    selectionModel()->clearSelection();
    return;
  }
  const QItemSelection range(model_->index(want.top - 1, want.left - 1), model_->index(want.bottom - 1, want.right - 1));
  selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
}

void MapGridView::applyScroll() {
  if (!scrollPending_) return;
  verticalScrollBar()->setValue(grid_.topRow() - 1);
  horizontalScrollBar()->setValue(grid_.leftColumn() - 1);
  // Until the view is laid out its scroll ranges are empty; try again then.
  scrollPending_ = verticalScrollBar()->maximum() == 0 && horizontalScrollBar()->maximum() == 0;
}

void MapGridView::updateGeometries() {
  QTableView::updateGeometries();
  applyScroll();
}

void MapGridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  emit released(ToMouseState(*event));
}

void MapGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (!applying_ && current.isValid()) emit cellSelected(current.column() + 1, current.row() + 1);
}

}  // namespace tavu::ui
