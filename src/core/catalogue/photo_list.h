#pragma once
// The photo list: every photo read in, in list order, with its check box. It is the model the
// main window's view shows and the list every batch job walks. Rows are appended at the end;
// the list never looks for duplicates.

#include "catalogue/photo_row.h"

#include <QAbstractTableModel>
#include <QVariant>

#include <functional>
#include <vector>

class PhotoList : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit PhotoList(QObject* parent = nullptr);

  // The ten column titles, "Datei" first.
  static QString ColumnTitle(int column);

  int rowCount() const { return static_cast<int>(rows_.size()); }
  bool isEmpty() const { return rows_.empty(); }
  const PhotoRow& row(int index) const { return rows_[static_cast<size_t>(index)]; }

  // Appends one row, or many rows with one insertion notice (for views, one repaint).
  void append(PhotoRow row);
  void appendRows(std::vector<PhotoRow> rows);

  // Changes of one row; each notifies the views of the changed cells.
  void setText(int index, int position, const QString& text);
  void setCaption(int index, const QString& caption);
  void setChecked(int index, bool checked);
  // Sets every row's check box at once (one notice).
  void setAllChecked(bool checked);

  // Removes count rows from index on; returns false when the range is outside the list.
  bool removeRows(int index, int count, const QModelIndex& parent = QModelIndex()) override;
  void clear();

  // The file icon is the program's business, not the list's: the window sets a provider that
  // gives Qt::DecorationRole of column 0 for a row (for example from the file's type).
  using DecorationProvider = std::function<QVariant(const PhotoRow& row)>;
  void setDecorationProvider(DecorationProvider provider);

  // QAbstractTableModel
  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  bool validRow(int index) const { return index >= 0 && index < rowCount(); }

  std::vector<PhotoRow> rows_;
  DecorationProvider decorationProvider_;
};
