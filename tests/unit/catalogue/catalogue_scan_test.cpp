#include "camera_photo.h"
#include "catalogue/catalogue_scan.h"
#include "catalogue/photo_cells.h"
#include "recording_scan_host.h"
#include "test_tree.h"

#include <QDateTime>
#include <QSet>
#include <QThread>

#include <algorithm>

#include <map>

namespace {

// The ten cells of a row, as the list shows them.
QStringList Cells(const PhotoRow& row) {
  QStringList cells;
  for (int column = 0; column < kPhotoColumnCount; ++column) cells << row.Cell(column);
  return cells;
}

// The rows of a list by caption (a folder walk returns files in the file system's order).
std::map<QString, PhotoRow> ByCaption(const PhotoList& list) {
  std::map<QString, PhotoRow> rows;
  for (int i = 0; i < list.rowCount(); ++i) rows[list.row(i).caption] = list.row(i);
  return rows;
}

const QDateTime kWritten(QDate(2021, 3, 4), QTime(5, 6, 7));
const QStringList kNoCameraData{"-", "-", "-", "-", "-"};

}  // namespace

TEST(ACatalogueScan, addsACheckedRowWithFileAndCameraDataForEveryJpegBelowTheFolder) {
  TestTree tree;
  CameraData blanks;
  blanks.make = "  Canon  ";
  blanks.model = " EOS 5 ";
  SetWriteTime(tree.AddFile("a.jpg", CameraJpeg(blanks)), kWritten);
  SetWriteTime(tree.AddFile("sub/UPPER.JPG", CameraJpeg()), kWritten);
  SetWriteTime(tree.AddFile("x.jpg/inner.jpg", CameraJpeg()), kWritten);
  tree.AddFile("note.png", PlainJpeg());
  tree.AddFile("other.jpeg", CameraJpeg());
  PhotoList list;
  RecordingScanHost host;
  host.cancelRequested = true;  // left over from a cancel while no scan ran

  EXPECT_EQ(3, ScanFolderIntoList(list, "  " + tree.Root() + " ", host));

  ASSERT_EQ(3, list.rowCount());
  const auto rows = ByCaption(list);
  const QStringList camera{"48x64", "06.05.2023", " 07:08:09", "EOS 5", "Canon"};
  EXPECT_EQ(QStringList({"a.jpg", tree.Root() + "/", "04.03.2021", "05:06:07", "JPEG-Datei"}) + camera,
            Cells(rows.at("a.jpg")));
  EXPECT_EQ(QStringList({"UPPER.JPG", tree.Path("sub/"), "04.03.2021", "05:06:07", "JPEG-Datei"}) + camera,
            Cells(rows.at("UPPER.JPG")));
  EXPECT_EQ(tree.Path("x.jpg/"), rows.at("inner.jpg").texts[kTextFolder]);
  for (const auto& [caption, row] : rows) EXPECT_TRUE(row.checked) << caption.toStdString();

  EXPECT_EQ(QStringList{QString::fromUtf16(kScanProgressText)}, host.progressTexts);
  EXPECT_FALSE(host.progressVisible);
  EXPECT_EQ(3, host.progressSteps);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), host.fileCounts);
  EXPECT_EQ((std::vector<bool>{true, false}), host.busyCursorChanges);
}

TEST(ACatalogueScan, showsWhatTheExifBlockHoldsAndDashesWithoutOne) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QStringList expected;  // texts 4 to 8
  };
  CameraData noSize;
  noSize.size.reset();
  CameraData emptyDate;
  emptyDate.dateTime = "";
  CameraData noDate;
  noDate.dateTime.reset();
  CameraData shortDate;
  shortDate.dateTime = "2023:05:0";
  CameraData latin1;
  latin1.model = "Kamera \xE4";  // 8-bit text
  latin1.make = "M\xC3\xBCller";   // UTF-8
  const Case cases[] = {
      {"plain.jpg", PlainJpeg(), kNoCameraData},
      {"broken.jpg", QByteArray("\xFF\xD8\xFF\xE1\x00", 5), kNoCameraData},
      {"nosize.jpg", CameraJpeg(noSize), {"x", "06.05.2023", " 07:08:09", "EOS 5", "Canon"}},
      {"emptydate.jpg", CameraJpeg(emptyDate), {"48x64", "..", "", "EOS 5", "Canon"}},
      {"nodate.jpg", CameraJpeg(noDate), {"48x64", "..", "", "EOS 5", "Canon"}},
      {"shortdate.jpg", CameraJpeg(shortDate), {"48x64", "0.05.2023", "", "EOS 5", "Canon"}},
      {"bigendian.jpg", CameraJpeg(CameraData(), fixture::ByteOrder::Big),
       {"48x64", "06.05.2023", " 07:08:09", "EOS 5", "Canon"}},
      {"texts.jpg", CameraJpeg(latin1), {"48x64", "06.05.2023", " 07:08:09", "Kamera ä", "Müller"}},
  };
  for (const Case& c : cases) {
    TestTree tree;
    tree.AddFile(c.name, c.bytes);
    PhotoList list;
    RecordingScanHost host;
    ScanFolderIntoList(list, tree.Root(), host);
    ASSERT_EQ(1, list.rowCount()) << c.name;
    EXPECT_TRUE(list.row(0).checked) << c.name;
    EXPECT_EQ(c.expected, Cells(list.row(0)).mid(5)) << c.name;
  }
}

TEST(ACatalogueScan, cutsTheCaptureDateAndTimeFromTheDateTimeText) {
  struct Case {
    const char* dateTime;
    const char* date;
    const char* time;
  };
  const Case cases[] = {
      {"2023:05:06 07:08:09", "06.05.2023", " 07:08:09"},
      {"2023:05:06 07:08:09 extra", "06.05.2023", " 07:08:09"},
      {"2023:05:06 07:08", "06.05.2023", " 07:08"},
      {"2023:05:06", "06.05.2023", ""},
      {"2023:05", ".05.2023", ""},
      {"20", "..20", ""},
      {"", "..", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.date, CaptureDateText(c.dateTime)) << c.dateTime;
    EXPECT_EQ(c.time, CaptureTimeText(c.dateTime)) << c.dateTime;
  }
}

TEST(ACatalogueScan, keepsBlanksThatBelongToAFileName) {
  TestTree tree;
  tree.AddFile(" lead and trail .jpg", CameraJpeg());
  PhotoList list;
  RecordingScanHost host;
  ScanFolderIntoList(list, tree.Root(), host);
  ASSERT_EQ(1, list.rowCount());
  EXPECT_EQ(" lead and trail .jpg", list.row(0).caption);
  EXPECT_TRUE(QFile::exists(list.row(0).FilePath()));
  EXPECT_EQ("Canon", list.row(0).texts[kTextMake]);
}

TEST(ACatalogueScan, stopsWhereItIsCancelledAndKeepsTheRowsAddedSoFar) {
  // Events run three times before the first row and four times per row: before it, after its
  // file data, after reading its metadata, and after it is complete.
  struct Case {
    int cancelAtEventRun;
    int rows;
    bool lastRowComplete;
  };
  const Case cases[] = {
      {3, 0, false},   // before the first row
      {8, 1, true},    // before the second row
      {9, 2, false},   // the second row has its file data only
      {10, 2, true},   // while reading: the row is finished
      {11, 2, true},   // after the second row
  };
  TestTree tree;
  for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) tree.AddFile(name, CameraJpeg());
  for (const Case& c : cases) {
    PhotoList list;
    RecordingScanHost host;
    host.cancelAtEventRun = c.cancelAtEventRun;
    ScanFolderIntoList(list, tree.Root(), host);
    ASSERT_EQ(c.rows, list.rowCount()) << "cancel at " << c.cancelAtEventRun;
    EXPECT_FALSE(host.progressVisible);
    EXPECT_EQ(false, host.busyCursorChanges.back());
    if (c.rows == 0) continue;
    const PhotoRow& last = list.row(c.rows - 1);
    EXPECT_EQ(c.lastRowComplete, last.checked) << "cancel at " << c.cancelAtEventRun;
    if (!c.lastRowComplete) {
      const QStringList cells = Cells(last);
      for (int column = 0; column <= 4; ++column) EXPECT_FALSE(cells[column].isEmpty()) << column;
      EXPECT_EQ(QStringList({"", "", "", "", ""}), cells.mid(5));
      EXPECT_EQ(c.rows - 1, host.fileCounts.empty() ? 0 : host.fileCounts.back());
    }
  }
}

TEST(ACatalogueScan, showsTheListGrowingWhileItRuns) {
  TestTree tree;
  for (int i = 0; i < 4; ++i) tree.AddFile(QString("p%1.jpg").arg(i), CameraJpeg());
  PhotoList list;
  RecordingScanHost host;
  std::vector<int> seen;
  host.onEvents = [&](int) {
    seen.push_back(list.rowCount());
    QThread::msleep(kRowBatchIntervalMs / 2 + 1);
  };
  ScanFolderIntoList(list, tree.Root(), host);
  EXPECT_EQ(4, list.rowCount());
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  // By the time events run after the last row, the rows before it are in the list.
  EXPECT_GE(seen.back(), 3);
}

TEST(ACatalogueScan, listsTheRowsOfAFolderReadTwiceTwice) {
  TestTree tree;
  tree.AddFile("one.jpg", CameraJpeg());
  tree.AddFile("sub/two.jpg", CameraJpeg());
  PhotoList list;
  RecordingScanHost host;
  ScanFolderIntoList(list, tree.Root(), host);
  ScanFolderIntoList(list, tree.Root(), host);
  ASSERT_EQ(4, list.rowCount());
  EXPECT_EQ(Cells(list.row(0)), Cells(list.row(2)));
  EXPECT_EQ(Cells(list.row(1)), Cells(list.row(3)));
  // Each scan counts its own rows.
  EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), host.fileCounts);
}

TEST(ACatalogueScan, addsNothingForAFolderWithoutPhotosOrOneThatIsMissing) {
  TestTree tree;
  tree.AddFile("only.png", PlainJpeg());
  for (const QString& folder : {tree.Root(), tree.Path("missing"), QString()}) {
    PhotoList list;
    RecordingScanHost host;
    EXPECT_EQ(0, ScanFolderIntoList(list, folder, host));
    EXPECT_EQ(0, list.rowCount());
    EXPECT_TRUE(host.fileCounts.empty());
    EXPECT_FALSE(host.progressVisible);
  }
}

TEST(AnImageRow, isAddedForAnyEntryThatExists) {
  TestTree tree;
  const QString photo = tree.AddFile("photo.JPG", CameraJpeg());
  const QString png = tree.AddFile("picture.png", PlainJpeg());
  const QString folder = tree.AddFolder("album.jpg");
  for (const QString& path : {photo, png, folder}) SetWriteTime(path, kWritten);
  struct Case {
    QString path;
    QStringList expected;
  };
  const QStringList fileData{"04.03.2021", "05:06:07"};
  const Case cases[] = {
      {photo, QStringList({"photo.JPG", tree.Root() + "/"}) + fileData +
                  QStringList({"JPEG-Datei", "48x64", "06.05.2023", " 07:08:09", "EOS 5", "Canon"})},
      {png, QStringList({"picture.png", tree.Root() + "/"}) + fileData + QStringList{"-"} + kNoCameraData},
      {folder, QStringList({"album.jpg", tree.Root() + "/"}) + fileData + QStringList{"JPEG-Datei"} +
                   kNoCameraData},
      {folder + "/", QStringList({"album.jpg", tree.Root() + "/"}) + fileData + QStringList{"JPEG-Datei"} +
                         kNoCameraData},
  };
  PhotoList list;
  RecordingScanHost host;
  for (const Case& c : cases) {
    ASSERT_TRUE(AddImageRow(list, c.path, host)) << c.path.toStdString();
    EXPECT_EQ(c.expected, Cells(list.row(list.rowCount() - 1)));
    EXPECT_TRUE(list.row(list.rowCount() - 1).checked);
    EXPECT_EQ(list.rowCount(), host.fileCounts.back());
  }
  // A single image shows no progress and does not look at the cancel flag.
  EXPECT_TRUE(host.progressTexts.isEmpty());
  host.cancelRequested = true;
  EXPECT_TRUE(AddImageRow(list, photo, host));
  EXPECT_TRUE(host.cancelRequested);
}

TEST(AnImageRow, isNotAddedForAPathThatNamesNothing) {
  TestTree tree;
  PhotoList list;
  RecordingScanHost host;
  EXPECT_FALSE(AddImageRow(list, tree.Path("gone.jpg"), host));
  EXPECT_FALSE(AddImageRow(list, QString(), host));
  EXPECT_EQ(0, list.rowCount());
  EXPECT_TRUE(host.fileCounts.empty());
}

TEST(ReadingPaths, takesFoldersWholeAndFilesSinglyInTheGivenOrder) {
  TestTree tree;
  const QString single = tree.AddFile("single.jpg", CameraJpeg());
  tree.AddFile("album/in-album.jpg", CameraJpeg());
  tree.AddFile("album/deeper/in-deeper.jpg", PlainJpeg());
  PhotoList list;
  QuietScanHost host;
  const QStringList missing =
      ReadPathsIntoList(list, {single, tree.Path("album"), tree.Path("nothing.jpg"), single}, host);
  EXPECT_EQ(QStringList{tree.Path("nothing.jpg")}, missing);
  ASSERT_EQ(4, list.rowCount());
  EXPECT_EQ("single.jpg", list.row(0).caption);
  EXPECT_EQ((QSet<QString>{"in-album.jpg", "in-deeper.jpg"}),
            (QSet<QString>{list.row(1).caption, list.row(2).caption}));
  EXPECT_EQ("single.jpg", list.row(3).caption);
  for (int i = 0; i < list.rowCount(); ++i) EXPECT_TRUE(list.row(i).checked);
}
