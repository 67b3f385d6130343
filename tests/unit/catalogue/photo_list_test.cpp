#include "catalogue/photo_list.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

PhotoRow Row(const QString& caption) {
  PhotoRow row;
  row.caption = caption;
  row.texts = {"/photos/", "04.03.2021", "05:06:07", "JPEG-Datei", "48x64",
               "06.05.2023", " 07:08:09", "EOS 5", "Canon"};
  return row;
}

}  // namespace

TEST(APhotoList, namesItsTenColumnsAndShowsTheCaptionFirst) {
  PhotoList list;
  list.append(Row("a.jpg"));
  const QStringList titles{"Datei", "Ordner", "Datum", "Uhrzeit", "Typ", "Auflösung",
                           "Aufnahmedatum", "Aufnahmezeit", "Model", "Hersteller"};
  ASSERT_EQ(10, list.columnCount());
  for (int column = 0; column < 10; ++column) {
    EXPECT_EQ(titles[column], list.headerData(column, Qt::Horizontal).toString());
    const QString expected = column == 0 ? QString("a.jpg") : list.row(0).texts[column - 1];
    EXPECT_EQ(expected, list.data(list.index(0, column)).toString());
  }
  EXPECT_FALSE(list.headerData(10, Qt::Horizontal).isValid());
}

TEST(APhotoList, keepsTheCheckBoxInTheFirstColumn) {
  PhotoList list;
  list.append(Row("a.jpg"));
  const QModelIndex first = list.index(0, 0);
  EXPECT_TRUE(list.flags(first) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(list.flags(list.index(0, 1)) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(list.flags(first) & Qt::ItemIsEditable);
  EXPECT_EQ(Qt::Unchecked, list.data(first, Qt::CheckStateRole).toInt());

  QSignalSpy changed(&list, &PhotoList::dataChanged);
  EXPECT_TRUE(list.setData(first, Qt::Checked, Qt::CheckStateRole));
  EXPECT_TRUE(list.row(0).checked);
  EXPECT_EQ(1, changed.count());
  EXPECT_FALSE(list.setData(list.index(0, 2), Qt::Checked, Qt::CheckStateRole));
  EXPECT_FALSE(list.setData(first, "other.jpg", Qt::EditRole));

  list.setChecked(0, false);
  EXPECT_EQ(Qt::Unchecked, list.data(first, Qt::CheckStateRole).toInt());
  list.setAllChecked(true);
  EXPECT_TRUE(list.row(0).checked);
}

TEST(APhotoList, appendsManyRowsWithOneNotice) {
  PhotoList list;
  list.append(Row("first.jpg"));
  QSignalSpy inserted(&list, &PhotoList::rowsInserted);
  std::vector<PhotoRow> rows;
  for (int i = 0; i < 500; ++i) rows.push_back(Row(QString("p%1.jpg").arg(i)));
  list.appendRows(std::move(rows));
  ASSERT_EQ(1, inserted.count());
  EXPECT_EQ(1, inserted[0][1].toInt());
  EXPECT_EQ(500, inserted[0][2].toInt());
  EXPECT_EQ(501, list.rowCount());
  EXPECT_EQ("p499.jpg", list.row(500).caption);
}

TEST(APhotoList, changesAndRemovesRowsByIndex) {
  PhotoList list;
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) list.append(Row(name));
  list.setText(1, kTextFolder, "/elsewhere/");
  list.setCaption(1, "renamed.jpg");
  EXPECT_EQ("/elsewhere/renamed.jpg", list.row(1).FilePath());
  list.setText(1, 9, "ignored");  // no such text
  list.setText(7, kTextFolder, "ignored");

  EXPECT_FALSE(list.removeRows(2, 2));
  EXPECT_FALSE(list.removeRows(-1, 1));
  EXPECT_TRUE(list.removeRows(0, 2));
  ASSERT_EQ(1, list.rowCount());
  EXPECT_EQ("c.jpg", list.row(0).caption);
  list.clear();
  EXPECT_TRUE(list.isEmpty());
}

TEST(APhotoList, asksTheProgramForTheRowIcon) {
  PhotoList list;
  list.append(Row("a.jpg"));
  EXPECT_FALSE(list.data(list.index(0, 0), Qt::DecorationRole).isValid());
  list.setDecorationProvider([](const PhotoRow& row) { return QVariant(row.texts[kTextType]); });
  EXPECT_EQ("JPEG-Datei", list.data(list.index(0, 0), Qt::DecorationRole).toString());
  EXPECT_FALSE(list.data(list.index(0, 1), Qt::DecorationRole).isValid());
}
