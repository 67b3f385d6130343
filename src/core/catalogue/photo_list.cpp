#include "catalogue/photo_list.h"

#include <array>

namespace {

// The column titles in column order.
constexpr std::array<const char16_t*, kPhotoColumnCount> kColumnTitles = {
    u"Datei",        u"Ordner",         u"Datum",        u"Uhrzeit", u"Typ",
    u"Auflösung",    u"Aufnahmedatum",  u"Aufnahmezeit", u"Model",   u"Hersteller"};

}  // namespace

PhotoList::PhotoList(QObject* parent) : QAbstractTableModel(parent) {}

QString PhotoList::ColumnTitle(int column) {
  if (column < 0 || column >= kPhotoColumnCount) return QString();
  return QString::fromUtf16(kColumnTitles[static_cast<size_t>(column)]);
}

void PhotoList::append(PhotoRow row) {
  const int at = rowCount();
  beginInsertRows(QModelIndex(), at, at);
  rows_.push_back(std::move(row));
  endInsertRows();
}

void PhotoList::appendRows(std::vector<PhotoRow> rows) {
  if (rows.empty()) return;
  const int first = rowCount();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
  rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  endInsertRows();
}

void PhotoList::setText(int index, int position, const QString& text) {
  if (!validRow(index) || position < 0 || position >= kPhotoTextCount) return;
  rows_[static_cast<size_t>(index)].texts[static_cast<size_t>(position)] = text;
  const QModelIndex cell = createIndex(index, position + 1);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void PhotoList::setCaption(int index, const QString& caption) {
  if (!validRow(index)) return;
  rows_[static_cast<size_t>(index)].caption = caption;
  const QModelIndex cell = createIndex(index, 0);
  emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::DecorationRole});
}

void PhotoList::setChecked(int index, bool checked) {
  if (!validRow(index)) return;
  PhotoRow& target = rows_[static_cast<size_t>(index)];
  if (target.checked == checked) return;
  target.checked = checked;
  const QModelIndex cell = createIndex(index, 0);
  emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void PhotoList::setAllChecked(bool checked) {
  if (rows_.empty()) return;
  for (PhotoRow& target : rows_) target.checked = checked;
  emit dataChanged(createIndex(0, 0), createIndex(rowCount() - 1, 0), {Qt::CheckStateRole});
}

bool PhotoList::removeRows(int index, int count, const QModelIndex& parent) {
  if (parent.isValid() || count <= 0 || index < 0 || count > rowCount() - index) return false;
  beginRemoveRows(QModelIndex(), index, index + count - 1);
  rows_.erase(rows_.begin() + index, rows_.begin() + index + count);
  endRemoveRows();
  return true;
}

void PhotoList::clear() {
  if (rows_.empty()) return;
  beginResetModel();
  // Give the memory back: a list of many thousand rows is emptied before the next folder.
  std::vector<PhotoRow>().swap(rows_);
  endResetModel();
}

void PhotoList::setDecorationProvider(DecorationProvider provider) {
  decorationProvider_ = std::move(provider);
  if (!rows_.empty())
    emit dataChanged(createIndex(0, 0), createIndex(rowCount() - 1, 0), {Qt::DecorationRole});
}

int PhotoList::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rowCount();
}

int PhotoList::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kPhotoColumnCount;
}

QVariant PhotoList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !validRow(index.row())) return QVariant();
  const PhotoRow& target = rows_[static_cast<size_t>(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return target.Cell(column);
    case Qt::CheckStateRole:
      if (column == 0) return target.checked ? Qt::Checked : Qt::Unchecked;
      return QVariant();
    case Qt::DecorationRole:
      if (column == 0 && decorationProvider_) return decorationProvider_(target);
      return QVariant();
    default:
      return QVariant();
  }
}

bool PhotoList::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !index.isValid() || index.column() != 0 || !validRow(index.row()))
    return false;
  const bool checked = value.toInt() == Qt::Checked;
  PhotoRow& target = rows_[static_cast<size_t>(index.row())];
  if (target.checked != checked) {
    target.checked = checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
  }
  return true;
}

Qt::ItemFlags PhotoList::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  if (index.column() == 0) result |= Qt::ItemIsUserCheckable;
  return result;
}

QVariant PhotoList::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  const QString title = ColumnTitle(section);
  return title.isNull() ? QVariant() : QVariant(title);
}
