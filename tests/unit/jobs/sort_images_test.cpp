#include "jobs/sort_images.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "catalogue/photo_list.h"
#include "file_system_fixtures.h"
#include "recording_job_context.h"

namespace {

const QString kSummaryOne = QStringLiteral("Es wurden 1 Bilder erfolgreich sortiert.");

class ASortJob : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.isValid());
    root = temp.path() + QStringLiteral("/Bilder/");
    ASSERT_TRUE(QDir().mkpath(root));
  }

  // Writes a file with the given text into folder and appends a checked row for it.
  // captureDate "-" gives a row without EXIF data ("-" in texts 4 to 8).
  void AddPhoto(const QString& name, const QString& fileDate, const QString& captureDate,
                const QString& make = QStringLiteral("M"), const QString& model = QStringLiteral("K"),
                const QString& folder = QString()) {
    const QString where = folder.isEmpty() ? root : folder;
    WriteFile(where + name, name.toUtf8());
    PhotoRow row;
    row.checked = true;
    row.caption = name;
    row.texts[kTextFolder] = where;
    row.texts[kTextDate] = fileDate;
    row.texts[kTextTime] = QStringLiteral("12:00:00");
    row.texts[kTextType] = QStringLiteral("JPEG-Datei");
    const bool exif = captureDate != QStringLiteral("-");
    row.texts[kTextSize] = exif ? QStringLiteral("480x640") : QStringLiteral("-");
    row.texts[kTextCaptureDate] = captureDate;
    row.texts[kTextCaptureTime] = exif ? QStringLiteral(" 10:11:12") : QStringLiteral("-");
    row.texts[kTextModel] = exif ? model : QStringLiteral("-");
    row.texts[kTextMake] = exif ? make : QStringLiteral("-");
    list.append(row);
  }

  static void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
  }
  static QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  SortResult Sort(int source, const QString& pattern, bool makeAndModel) {
    return SortImages(list, SortOptions{source, pattern, makeAndModel}, ctx);
  }

  QTemporaryDir temp;
  QString root;
  PhotoList list;
  RecordingJobContext ctx;
};

TEST_F(ASortJob, movesIntoTheDateFolderInsideTheOwnFolder) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("01.02.2008"));
  const SortResult result = Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false);

  EXPECT_EQ(result.sorted, 1);
  EXPECT_EQ(result.failed, 0);
  EXPECT_FALSE(QFile::exists(root + QStringLiteral("a.jpg")));
  EXPECT_EQ(ReadFile(root + QStringLiteral("20071224/a.jpg")), QByteArray("a.jpg"));
  EXPECT_EQ(list.row(0).texts[kTextFolder], root + QStringLiteral("20071224/"));
  EXPECT_EQ(list.row(0).caption, QStringLiteral("a.jpg"));
  EXPECT_EQ(ctx.lines, QStringList{kSummaryOne});
  EXPECT_EQ(ctx.progress.last(), 100);
}

TEST_F(ASortJob, putsTheDateFolderBelowMakeAndModel) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("01.02.2008"),
           QStringLiteral(" M "), QStringLiteral("K "));
  Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), true);
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("M/K/20071224/a.jpg")));
  EXPECT_EQ(list.row(0).texts[kTextFolder], root + QStringLiteral("M/K/20071224/"));
}

TEST_F(ASortJob, takesTheCaptureDateAndLeavesOutEmptyMakeOrModelLevels) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("01.02.2008"),
           QString(), QStringLiteral("K"));
  AddPhoto(QStringLiteral("b.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("03.04.2009"),
           QStringLiteral("M"), QString());
  EXPECT_EQ(Sort(kSortByCaptureDate, QStringLiteral("dd.mm.yyyy"), true).sorted, 2);
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("K/01.02.2008/a.jpg")));
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("M/03.04.2009/b.jpg")));
}

TEST_F(ASortJob, neverLetsAMakeOrModelTextLeaveThePhotosFolder) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("01.02.2008"),
           QStringLiteral(".."), QStringLiteral("EOS/../.."));
  EXPECT_EQ(Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), true).sorted, 1);
  const QString moved = list.row(0).FilePath();
  EXPECT_TRUE(QFile::exists(moved));
  EXPECT_TRUE(QFileInfo(moved).canonicalFilePath().startsWith(QFileInfo(root).canonicalFilePath() + "/"))
      << moved.toStdString();
}

TEST_F(ASortJob, logsAnErrorForACaptureDateWithoutExifAndLeavesTheRow) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  const PhotoRow before = list.row(0);
  const SortResult result = Sort(kSortByCaptureDate, QStringLiteral("dd.mm.yyyy"), false);
  EXPECT_EQ(result.failed, 1);
  EXPECT_EQ(ctx.lines, (QStringList{kSortErrorLine, QStringLiteral("Es wurden 0 Bilder erfolgreich sortiert.")}));
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("a.jpg")));
  EXPECT_EQ(list.row(0).texts, before.texts);
  EXPECT_EQ(QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(ASortJob, sortsAPhotoWithoutExifByFileDateIntoDashFolders) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  Sort(kSortByFileDate, QStringLiteral("dd.mm.yyyy"), true);
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("-/-/24.12.2007/a.jpg")));
  EXPECT_EQ(ctx.lines, QStringList{kSummaryOne});
}

TEST_F(ASortJob, makesANewDateFolderInsideTheFirstWhenSortedTwice) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false);
  Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false);
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("20071224/20071224/a.jpg")));
  EXPECT_EQ(list.row(0).texts[kTextFolder], root + QStringLiteral("20071224/20071224/"));
}

TEST_F(ASortJob, movesNothingWhenNoRowIsCheckedOrTheDateSourceIsUnknown) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  list.setChecked(0, false);
  EXPECT_EQ(Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false).sorted, 0);
  EXPECT_EQ(ctx.lines, QStringList{QStringLiteral("Es wurden 0 Bilder erfolgreich sortiert.")});

  ctx.lines.clear();
  list.setChecked(0, true);
  Sort(2, QStringLiteral("yyyymmdd"), false);
  EXPECT_TRUE(ctx.lines.isEmpty());
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("a.jpg")));
}

TEST_F(ASortJob, goesOnAfterARowWithoutExifAndCountsOnlyTheSortedRows) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("01.02.2008"));
  AddPhoto(QStringLiteral("b.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  AddPhoto(QStringLiteral("c.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("01.02.2008"));
  const SortResult result = Sort(kSortByCaptureDate, QStringLiteral("yymmdd"), false);
  EXPECT_EQ(result.sorted, 2);
  EXPECT_EQ(result.failed, 1);
  EXPECT_EQ(ctx.lines, (QStringList{kSortErrorLine, QStringLiteral("Es wurden 2 Bilder erfolgreich sortiert.")}));
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("080201/a.jpg")));
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("b.jpg")));
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("080201/c.jpg")));
  EXPECT_EQ(ctx.progress, (QList<int>{33, 66, 100}));
}

TEST_F(ASortJob, stopsAtOnceWithoutSummaryWhenCancelled) {
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
    AddPhoto(QLatin1String(name), QStringLiteral("24.12.2007"), QStringLiteral("01.02.2008"));
  }
  // The file date lets events run before it looks at the flag: a cancel arriving in the
  // second turn stops before the second row.
  ctx.onProcessEvents = [this](int call) { ctx.cancelRequested = call == 2; };
  SortResult result = Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.sorted, 1);
  EXPECT_TRUE(ctx.lines.isEmpty());
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("b.jpg")));

  // The capture date looks at the flag first: the same cancel stops only before the third row.
  ctx = RecordingJobContext();
  ctx.onProcessEvents = [this](int call) { ctx.cancelRequested = ctx.cancelRequested || call == 2; };
  result = Sort(kSortByCaptureDate, QStringLiteral("yyyymmdd"), false);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.sorted, 2);  // a (once more, into its date folder) and b; c is left
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("c.jpg")));
  EXPECT_TRUE(ctx.lines.isEmpty());
}

// A failed move never counts and never changes the row.
TEST_F(ASortJob, leavesBothFilesWhenTheTargetNameIsTaken) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("20071224")));
  WriteFile(root + QStringLiteral("20071224/a.jpg"), "schon da");

  const SortResult result = Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false);
  EXPECT_EQ(result.sorted, 0);
  EXPECT_EQ(result.failed, 1);
  EXPECT_EQ(ReadFile(root + QStringLiteral("a.jpg")), QByteArray("a.jpg"));
  EXPECT_EQ(ReadFile(root + QStringLiteral("20071224/a.jpg")), QByteArray("schon da"));
  EXPECT_EQ(list.row(0).texts[kTextFolder], root);
  ASSERT_EQ(ctx.lines.size(), 3);
  EXPECT_EQ(ctx.lines[0], kSortErrorLine);
  EXPECT_TRUE(ctx.lines[1].startsWith(root + QStringLiteral("a.jpg : "))) << ctx.lines[1].toStdString();
  EXPECT_GT(ctx.lines[1].size(), (root + QStringLiteral("a.jpg : ")).size());
  EXPECT_EQ(ctx.lines[2], QStringLiteral("Es wurden 0 Bilder erfolgreich sortiert."));
}

TEST_F(ASortJob, reportsAFolderThatCannotBeMadeAndGoesOn) {
  const QString locked = root + QStringLiteral("gesperrt/");
  ASSERT_TRUE(QDir().mkpath(locked));
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"),
           QString(), QString(), locked);
  AddPhoto(QStringLiteral("b.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  ReadOnlyFolder readOnly(locked);
  if (!readOnly.IsReady()) GTEST_SKIP() << "no read-only folder on this machine";

  const SortResult result = Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false);
  EXPECT_EQ(result.sorted, 1);
  EXPECT_EQ(result.failed, 1);
  EXPECT_TRUE(QFile::exists(locked + QStringLiteral("a.jpg")));
  EXPECT_EQ(list.row(0).texts[kTextFolder], locked);
  EXPECT_EQ(list.row(1).texts[kTextFolder], root + QStringLiteral("20071224/"));
  ASSERT_EQ(ctx.lines.size(), 3);
  EXPECT_EQ(ctx.lines[0], kSortErrorLine);
  EXPECT_TRUE(ctx.lines[1].startsWith(locked + QStringLiteral("a.jpg : ")));
  EXPECT_TRUE(ctx.lines[1].contains(locked + QStringLiteral("20071224")));
  EXPECT_EQ(ctx.lines[2], kSummaryOne);
}

TEST_F(ASortJob, reportsAMoveIntoAReadOnlyDateFolder) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  const QString dateFolder = root + QStringLiteral("20071224");
  ASSERT_TRUE(QDir().mkpath(dateFolder));
  ReadOnlyFolder readOnly(dateFolder);
  if (!readOnly.IsReady()) GTEST_SKIP() << "no read-only folder on this machine";

  const SortResult result = Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false);
  EXPECT_EQ(result.sorted, 0);
  EXPECT_EQ(result.failed, 1);
  EXPECT_EQ(ReadFile(root + QStringLiteral("a.jpg")), QByteArray("a.jpg"));
  EXPECT_FALSE(QFile::exists(dateFolder + QStringLiteral("/a.jpg")));
  EXPECT_EQ(list.row(0).texts[kTextFolder], root);
  ASSERT_EQ(ctx.lines.size(), 3);
  EXPECT_EQ(ctx.lines[0], kSortErrorLine);
  EXPECT_TRUE(ctx.lines[1].startsWith(root + QStringLiteral("a.jpg : ")));
}

TEST_F(ASortJob, reportsAFileThatIsGone) {
  AddPhoto(QStringLiteral("a.jpg"), QStringLiteral("24.12.2007"), QStringLiteral("-"));
  ASSERT_TRUE(QFile::remove(root + QStringLiteral("a.jpg")));
  EXPECT_EQ(Sort(kSortByFileDate, QStringLiteral("yyyymmdd"), false).failed, 1);
  EXPECT_EQ(list.row(0).texts[kTextFolder], root);
  EXPECT_EQ(ctx.lines.first(), kSortErrorLine);
}

TEST_F(ASortJob, writesTheOptionLinesOfTheDialog) {
  AppendSortOptionLines(ctx, SortOptions{kSortByCaptureDate, QStringLiteral("yyyymmdd"), true});
  AppendSortOptionLines(ctx, SortOptions{kSortByFileDate, QStringLiteral("yyyymmdd"), false});
  EXPECT_EQ(ctx.lines, (QStringList{QStringLiteral(" --- Bilder sortieren Hersteller und Modell --- "),
                                    QStringLiteral(" --- Bilder sortieren nach Exifdatum --- "),
                                    QStringLiteral(" --- Bilder sortieren nach Dateidatum --- ")}));
}

}  // namespace
