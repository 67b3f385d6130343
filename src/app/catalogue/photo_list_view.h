#pragma once
// The photo list's view: a report list with a check box per row, several rows selectable, whole
// rows selected, no editing. Light grey stripes on every second row, or the navy "Norton" look
// without stripes; optional grid lines.

#include <QTreeView>

class PhotoListView : public QTreeView {
  Q_OBJECT
 public:
  explicit PhotoListView(QWidget* parent = nullptr);

  // Grid lines ("Gitter") and the colours ("Norton"), as the settings ask.
  void ApplyLook(bool gridLines, bool norton);
  bool GridLines() const { return gridLines_; }

  // The background of a row by its index: white and light grey in turn, or, in the Norton
  // look, the list's navy for every row.
  static QColor RowBackground(int row, bool norton);

  // Sizes every column to its content.
  void ResizeColumnsToContents();

  // Indexes of the selected rows, highest first (the order in which they can be removed).
  QList<int> SelectedRowsDescending() const;

 private:
  bool gridLines_ = false;
};
