#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "common/file_move.h"
#include "file_system_fixtures.h"
#include "file_bytes.h"

namespace {

// A file with an old modification time, so a copy that loses it shows.
QString MakePhoto(const QString& folder, const QString& name, const QByteArray& bytes) {
  const QString path = folder + name;
  WriteBytes(path, bytes);
  QFile file(path);
  file.open(QIODevice::ReadWrite);
  file.setFileTime(QDateTime(QDate(2007, 12, 24), QTime(14, 5, 0)), QFileDevice::FileModificationTime);
  return path;
}

QDateTime ModificationTime(const QString& path) { return QFileInfo(path).lastModified(); }

const QByteArray kPhoto = QByteArray("\xFF\xD8 Bilddaten \xFF\xD9", 15);

// The same cases run within one file system and across two.
class AFileMove : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) {
      other = std::make_unique<OtherFileSystemFolder>();
      if (!other->IsReady()) GTEST_SKIP() << "no second file system available";
      targetFolder = other->Path();
    } else {
      targetFolder = targetDir.path() + u'/';
    }
    sourceFolder = sourceDir.path() + u'/';
  }
  QTemporaryDir sourceDir;
  QTemporaryDir targetDir;
  std::unique_ptr<OtherFileSystemFolder> other;
  QString sourceFolder;
  QString targetFolder;
};

TEST_P(AFileMove, movesTheFileWithItsContentAndTime) {
  const QString source = MakePhoto(sourceFolder, "a.jpg", kPhoto);
  const QDateTime time = ModificationTime(source);
  const FileOpResult result = MoveFileNoReplace(source, targetFolder + "b.jpg");
  ASSERT_TRUE(result.Ok()) << result.reason.toStdString();
  EXPECT_TRUE(result.reason.isEmpty());
  EXPECT_FALSE(QFile::exists(source));
  EXPECT_EQ(ReadBytes(targetFolder + "b.jpg"), kPhoto);
  EXPECT_EQ(ModificationTime(targetFolder + "b.jpg"), time);
}

TEST_P(AFileMove, neverReplacesAnExistingTarget) {
  const QString source = MakePhoto(sourceFolder, "a.jpg", kPhoto);
  WriteBytes(targetFolder + "a.jpg", "anderes Bild");
  const FileOpResult result = MoveFileNoReplace(source, targetFolder + "a.jpg");
  EXPECT_EQ(result.error, FileOpError::TargetExists);
  EXPECT_FALSE(result.reason.isEmpty());
  EXPECT_EQ(ReadBytes(source), kPhoto);
  EXPECT_EQ(ReadBytes(targetFolder + "a.jpg"), "anderes Bild");

  EXPECT_EQ(MoveFileNoReplace(source, source).error, FileOpError::TargetExists);
  EXPECT_EQ(CopyFileNoReplace(source, source).error, FileOpError::TargetExists);
  EXPECT_EQ(ReadBytes(source), kPhoto) << "a file moved or copied onto itself stays whole";
}

TEST_P(AFileMove, leavesTheSourceWhenTheTargetFolderIsMissingOrReadOnly) {
  const QString source = MakePhoto(sourceFolder, "a.jpg", kPhoto);
  FileOpResult result = MoveFileNoReplace(source, targetFolder + "fehlt/a.jpg");
  EXPECT_EQ(result.error, FileOpError::Failed);
  EXPECT_EQ(result.reason, QStringLiteral("Der Zielordner existiert nicht."));
  EXPECT_EQ(ReadBytes(source), kPhoto);

  ASSERT_TRUE(QDir().mkdir(targetFolder + "gesperrt"));
  {
    ReadOnlyFolder readOnly(targetFolder + "gesperrt");
    if (!readOnly.IsReady()) GTEST_SKIP() << "cannot make a read-only folder here";
    result = MoveFileNoReplace(source, targetFolder + "gesperrt/a.jpg");
  }
  EXPECT_EQ(result.error, FileOpError::Failed);
  EXPECT_FALSE(result.reason.isEmpty());
  EXPECT_EQ(ReadBytes(source), kPhoto);
  EXPECT_FALSE(QFile::exists(targetFolder + "gesperrt/a.jpg"));
}

TEST_P(AFileMove, leavesTheSourceWhenItCannotBeRemoved) {
  const QString source = MakePhoto(sourceFolder, "a.jpg", kPhoto);
  ReadOnlyFolder readOnly(sourceDir.path());
  if (!readOnly.IsReady()) GTEST_SKIP() << "cannot make a read-only folder here";
  const FileOpResult result = MoveFileNoReplace(source, targetFolder + "a.jpg");
  EXPECT_EQ(result.error, FileOpError::Failed);
  EXPECT_EQ(ReadBytes(source), kPhoto);
  EXPECT_FALSE(QFile::exists(targetFolder + "a.jpg")) << "no second copy is left behind";
}

TEST_P(AFileMove, reportsAMissingSource) {
  const FileOpResult result = MoveFileNoReplace(sourceFolder + "fehlt.jpg", targetFolder + "a.jpg");
  EXPECT_EQ(result.error, FileOpError::SourceMissing);
  EXPECT_FALSE(result.reason.isEmpty());
  EXPECT_FALSE(QFile::exists(targetFolder + "a.jpg"));
}

TEST_P(AFileMove, copiesWithoutTouchingTheSource) {
  const QString source = MakePhoto(sourceFolder, "a.jpg", kPhoto);
  ASSERT_EQ(::chmod(QFile::encodeName(source).constData(), 0640), 0);
  const FileOpResult result = CopyFileNoReplace(source, targetFolder + "kopie.jpg");
  ASSERT_TRUE(result.Ok()) << result.reason.toStdString();
  EXPECT_EQ(ReadBytes(source), kPhoto);
  EXPECT_EQ(ReadBytes(targetFolder + "kopie.jpg"), kPhoto);
  EXPECT_EQ(ModificationTime(targetFolder + "kopie.jpg"), ModificationTime(source));
  EXPECT_EQ(QFileInfo(targetFolder + "kopie.jpg").permissions(), QFileInfo(source).permissions());

  WriteBytes(targetFolder + "da.jpg", "anderes Bild");
  EXPECT_EQ(CopyFileNoReplace(source, targetFolder + "da.jpg").error, FileOpError::TargetExists);
  EXPECT_EQ(ReadBytes(targetFolder + "da.jpg"), "anderes Bild");
  EXPECT_EQ(CopyFileNoReplace(sourceFolder + "fehlt.jpg", targetFolder + "x.jpg").error,
            FileOpError::SourceMissing);
  EXPECT_FALSE(QFile::exists(targetFolder + "x.jpg"));
}

// Every way of moving keeps the rules, whichever the file system supports.
TEST_P(AFileMove, keepsItsRulesInEveryFallbackWay) {
  struct Way {
    const char* name;
    FileOpResult (*move)(const QString&, const QString&);
  };
  const Way ways[] = {{"hard link", &file_move_fallbacks::MoveByHardLink},
                      {"reservation", &file_move_fallbacks::MoveOverReservation}};
  for (const Way& way : ways) {
    if (GetParam() && way.move == &file_move_fallbacks::MoveOverReservation) continue;
    const QString source = MakePhoto(sourceFolder, "a.jpg", kPhoto);
    WriteBytes(targetFolder + "da.jpg", "anderes Bild");
    FileOpResult result = way.move(source, targetFolder + "da.jpg");
    EXPECT_EQ(result.error, FileOpError::TargetExists) << way.name;
    EXPECT_EQ(ReadBytes(targetFolder + "da.jpg"), "anderes Bild") << way.name;
    EXPECT_EQ(ReadBytes(source), kPhoto) << way.name;

    result = way.move(source, targetFolder + "fehlt/a.jpg");
    EXPECT_FALSE(result.Ok()) << way.name;
    EXPECT_EQ(ReadBytes(source), kPhoto) << way.name;

    result = way.move(source, targetFolder + "neu.jpg");
    ASSERT_TRUE(result.Ok()) << way.name << ": " << result.reason.toStdString();
    EXPECT_FALSE(QFile::exists(source)) << way.name;
    EXPECT_EQ(ReadBytes(targetFolder + "neu.jpg"), kPhoto) << way.name;

    result = way.move(sourceFolder + "fehlt.jpg", targetFolder + "x.jpg");
    EXPECT_FALSE(result.Ok()) << way.name;
    EXPECT_FALSE(QFile::exists(targetFolder + "x.jpg")) << way.name << ": no reservation left";
    QFile::remove(targetFolder + "neu.jpg");
    QFile::remove(targetFolder + "da.jpg");
  }
}

INSTANTIATE_TEST_SUITE_P(OnOneAndAcrossTwoFileSystems, AFileMove, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "acrossFileSystems" : "oneFileSystem"; });

TEST(AFileCopy, leavesNoPartialTargetWhenTheDiskIsFull) {
  OtherFileSystemFolder small(256 * 1024);
  if (!small.IsReady()) GTEST_SKIP() << "cannot mount a small tmpfs here";
  QTemporaryDir sourceDir;
  const QString source = MakePhoto(sourceDir.path() + u'/', "gross.jpg", QByteArray(1024 * 1024, 'x'));
  FileOpResult result = CopyFileNoReplace(source, small.Path() + "gross.jpg");
  EXPECT_EQ(result.error, FileOpError::Failed);
  EXPECT_EQ(result.reason, QStringLiteral("Nicht genug Speicherplatz."));
  EXPECT_FALSE(QFile::exists(small.Path() + "gross.jpg"));

  result = MoveFileNoReplace(source, small.Path() + "gross.jpg");
  EXPECT_EQ(result.error, FileOpError::Failed);
  EXPECT_EQ(QFileInfo(source).size(), 1024 * 1024);
  EXPECT_FALSE(QFile::exists(small.Path() + "gross.jpg"));
}

}  // namespace
