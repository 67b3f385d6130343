#include "catalogue/photo_list_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

const QColor kStripeColour(242, 242, 242);
const QColor kNortonBackground(0, 0, 128);  // navy
const QColor kNortonText(0, 255, 255);      // aqua
const QColor kGridColour(208, 208, 208);

// Draws each cell as usual, then its right and bottom edge when grid lines are on.
class GridLineDelegate : public QStyledItemDelegate {
 public:
  explicit GridLineDelegate(PhotoListView* view) : QStyledItemDelegate(view), view_(view) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (!view_->GridLines()) return;
    painter->save();
    painter->setPen(kGridColour);
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
  }

 private:
  const PhotoListView* view_;
};

}  // namespace

PhotoListView::PhotoListView(QWidget* parent) : QTreeView(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setItemDelegate(new GridLineDelegate(this));
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  // Sizing a column looks at this many rows around the visible ones, so it stays quick in long
  // lists.
  header()->setResizeContentsPrecision(200);
  ApplyLook(false, false);
}

QColor PhotoListView::RowBackground(int row, bool norton) {
  if (norton) return kNortonBackground;
  return row % 2 == 1 ? kStripeColour : QColor(Qt::white);
}

void PhotoListView::ApplyLook(bool gridLines, bool norton) {
  gridLines_ = gridLines;
  QPalette colours = palette();
  colours.setColor(QPalette::Base, RowBackground(0, norton));
  colours.setColor(QPalette::AlternateBase, RowBackground(1, norton));
  colours.setColor(QPalette::Text, norton ? kNortonText : QColor(Qt::black));
  setPalette(colours);
  // Every second row striped: the view's alternating rows are exactly the odd indexes.
  setAlternatingRowColors(!norton);
  viewport()->update();
}

void PhotoListView::ResizeColumnsToContents() {
  if (!model()) return;
  for (int column = 0; column < model()->columnCount(); ++column) resizeColumnToContents(column);
}

QList<int> PhotoListView::SelectedRowsDescending() const {
  QList<int> rows;
  if (!selectionModel()) return rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.append(index.row());
  std::sort(rows.begin(), rows.end(), std::greater<int>());
  return rows;
}
