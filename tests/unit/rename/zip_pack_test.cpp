#include "jobs/zip_pack.h"
#include "jobs/zip_pack_archive.h"

#include "file_system_fixtures.h"
#include "recording_job_context.h"
#include "qstring_printer.h"
#include "seven_zip.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kPackingFailed = QStringLiteral("Es ist ein Fehler beim packen der Dateien aufgetreten !");

class AZipPacking : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!SevenZipAvailable()) GTEST_SKIP() << "7zz is not installed";
    ASSERT_TRUE(dir_.isValid());
    root_ = dir_.path() + u'/';
    QDir(root_).mkpath(QStringLiteral("fotos"));
    QDir(root_).mkpath(QStringLiteral("zip"));
    options_.pack = true;
    options_.zipFolder = root_ + QStringLiteral("zip");
    options_.zipName = QStringLiteral("Fotos");
    context_.settings.PlayErr = true;
    context_.settings.KlangErr = QStringLiteral("fehler.wav");
  }

  // A file with compressible content and the given modification time.
  QString MakeFile(const QString& name, const QByteArray& content, const QDateTime& time) {
    const QString path = root_ + QStringLiteral("fotos/") + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.flush();
    file.setFileTime(time, QFileDevice::FileModificationTime);
    return path;
  }

  QString Archive() const { return ZipArchivePath(options_); }

  QByteArray Extracted(const QString& entry, const QString& password) {
    const QString out = root_ + QStringLiteral("out");
    QDir(out).removeRecursively();
    const SevenZipRun run = RunSevenZip({QStringLiteral("x"), QStringLiteral("-y"), QStringLiteral("-p") + password,
                                         QStringLiteral("-o") + out, Archive()});
    QFile file(out + u'/' + entry);
    if (run.exitCode != 0 || !file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  QTemporaryDir dir_;
  QString root_;
  RenameOptions options_;
  RecordingJobContext context_;
  const QDateTime older_{QDate(2006, 5, 3), QTime(10, 0, 0)};
  const QDateTime newer_{QDate(2007, 12, 24), QTime(14, 5, 0)};
};

TEST_F(AZipPacking, writesTheListedFilesWithDeflateAndStoresPackedSuffixes) {
  const QString a = MakeFile("Urlaub 1.jpg", QByteArray(5000, 'a'), older_);
  const QString b = MakeFile("Bild.PNG", QByteArray(5000, 'b'), newer_);

  ASSERT_TRUE(PackRenamedFiles(options_, {a, b}, context_));

  EXPECT_EQ(Archive(), root_ + QStringLiteral("zip/Fotos.zip"));
  EXPECT_EQ(context_.lines, (QStringList{QString(), "Dateien werden nun gepackt. Bitte warten...",
                                         "Zipdatei: " + Archive(), "Zipdatei wurde erfolgreich erstellt !"}));
  EXPECT_EQ(context_.statuses.first(), QStringLiteral("<B><FONT color=\"clBlue\">Packen</B></FONT>"));
  EXPECT_EQ(context_.progress.last(), 0);
  EXPECT_TRUE(context_.progress.contains(100));
  EXPECT_EQ(RunSevenZip({"t", Archive()}).exitCode, 0);
  EXPECT_EQ(SevenZipListValues(Archive(), "Path"), (QStringList{"Urlaub 1.jpg", "Bild.PNG"}));
  EXPECT_EQ(SevenZipListValues(Archive(), "Method"), (QStringList{"Deflate:Maximum", "Store"}));
  // The archive carries the time of its newest entry; the sources stay.
  EXPECT_EQ(QFileInfo(Archive()).lastModified(), newer_);
  EXPECT_TRUE(QFileInfo::exists(a));
  EXPECT_TRUE(QFileInfo::exists(b));
}

TEST_F(AZipPacking, storesFolderNamesWithoutTheLeadingSeparator) {
  options_.zipFolderNames = true;
  const QString a = MakeFile("a.jpg", "eins", older_);
  ASSERT_TRUE(PackRenamedFiles(options_, {a}, context_));
  EXPECT_EQ(SevenZipListValues(Archive(), "Path"), QStringList{a.mid(1)});
}

TEST_F(AZipPacking, encryptsWithAes256SoOnlyTheRightPasswordOpensIt) {
  options_.zipEncrypt = true;
  options_.zipPassword = QStringLiteral("geheim1 ");  // as typed, blank included
  const QString a = MakeFile("a.jpg", QByteArray(3000, 'x'), older_);
  ASSERT_TRUE(PackRenamedFiles(options_, {a}, context_));

  EXPECT_EQ(SevenZipListValues(Archive(), "Method"), QStringList{"AES-256 Deflate:Maximum"});
  EXPECT_EQ(RunSevenZip({"t", "-pgeheim1 ", Archive()}).exitCode, 0);
  EXPECT_EQ(Extracted("a.jpg", "geheim1 "), QByteArray(3000, 'x'));
  EXPECT_NE(RunSevenZip({"t", "-pgeheim1", Archive()}).exitCode, 0);
  EXPECT_NE(RunSevenZip({"t", "-pfalsch", Archive()}).exitCode, 0);
}

TEST_F(AZipPacking, refusesEncryptionWithoutPasswordAndWritesNothing) {
  options_.zipEncrypt = true;
  options_.zipPassword.clear();  // the password dialog was cancelled
  options_.zipMove = true;
  const QString a = MakeFile("a.jpg", "eins", older_);

  EXPECT_FALSE(PackRenamedFiles(options_, {a}, context_));

  EXPECT_FALSE(QFileInfo::exists(Archive()));
  EXPECT_TRUE(QFileInfo::exists(a));
  EXPECT_EQ(context_.lines.last(), kPackingFailed);
  ASSERT_EQ(context_.messages.size(), 1);
  EXPECT_EQ(context_.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(context_.messages[0].text, kPackingFailed);
  ASSERT_EQ(context_.sounds.size(), 1);
  EXPECT_EQ(context_.sounds[0].wavFile, QStringLiteral("fehler.wav"));
  EXPECT_TRUE(context_.sounds[0].enabled);
}

TEST_F(AZipPacking, movesIntoTheArchiveOnlyAfterItWasWrittenCompletely) {
  options_.zipMove = true;
  const QString a = MakeFile("a.jpg", "eins", older_);
  const QString b = MakeFile("b.jpg", "zwei", older_);
  ASSERT_TRUE(PackRenamedFiles(options_, {a, b}, context_));
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_FALSE(QFileInfo::exists(b));
  EXPECT_EQ(Extracted("b.jpg", {}), QByteArray("zwei"));
}

TEST_F(AZipPacking, movesEncryptedFilesInOnlyAfterTheyReadBack) {
  options_.zipMove = true;
  options_.zipEncrypt = true;
  options_.zipPassword = QStringLiteral("geheim1");
  const QString a = MakeFile("a.jpg", QByteArray(70000, 'a'), older_);
  ASSERT_TRUE(PackRenamedFiles(options_, {a}, context_));
  EXPECT_FALSE(QFileInfo::exists(a));
  EXPECT_EQ(Extracted("a.jpg", "geheim1"), QByteArray(70000, 'a'));
}

TEST_F(AZipPacking, findsADamagedEntryBeforeAnythingIsDeleted) {
  const QString a = MakeFile("a.jpg", QByteArray(70000, 'a'), older_);
  ASSERT_TRUE(PackRenamedFiles(options_, {a}, context_));
  EXPECT_TRUE(ZipHoldsFiles(Archive(), {a}, false));
  // Flip one byte of the compressed data: the entry keeps its name and size but fails its CRC.
  QFile archive(Archive());
  ASSERT_TRUE(archive.open(QIODevice::ReadWrite));
  QByteArray bytes = archive.readAll();
  // The first entry's data follows its local header: 30 bytes, the name, the extra field.
  const auto le16 = [&bytes](int at) { return qsizetype(uchar(bytes[at])) | qsizetype(uchar(bytes[at + 1])) << 8; };
  const qsizetype dataStart = 30 + le16(26) + le16(28);
  ASSERT_LT(dataStart + 10, bytes.size());
  bytes[dataStart + 10] = char(bytes[dataStart + 10] ^ 0x55);
  archive.seek(0);
  archive.write(bytes);
  archive.close();
  EXPECT_FALSE(ZipHoldsFiles(Archive(), {a}, false));
}

TEST_F(AZipPacking, deletesNothingWhenTheArchiveCannotBeWritten) {
  options_.zipMove = true;
  const QString a = MakeFile("a.jpg", "eins", older_);
  ReadOnlyFolder readOnly(options_.zipFolder);
  if (!readOnly.IsReady()) GTEST_SKIP() << "cannot make a read-only folder here";

  EXPECT_FALSE(PackRenamedFiles(options_, {a}, context_));

  EXPECT_TRUE(QFileInfo::exists(a));
  EXPECT_FALSE(QFileInfo::exists(Archive()));
  EXPECT_EQ(context_.lines.last(), kPackingFailed);
  EXPECT_FALSE(context_.lines.contains("Zipdatei wurde erfolgreich erstellt !"));
}

TEST_F(AZipPacking, deletesNothingWhenOneFileIsMissing) {
  options_.zipMove = true;
  const QString a = MakeFile("a.jpg", "eins", older_);
  EXPECT_FALSE(PackRenamedFiles(options_, {a, root_ + QStringLiteral("fotos/fehlt.jpg")}, context_));
  EXPECT_TRUE(QFileInfo::exists(a));
  EXPECT_EQ(context_.lines.last(), kPackingFailed);
}

TEST_F(AZipPacking, keepsBothFilesWhenTwoShareAnEntryName) {
  options_.zipMove = true;
  const QString a = MakeFile("a.jpg", "eins", older_);
  QDir(root_).mkpath(QStringLiteral("fotos/unter"));
  const QString b = MakeFile("unter/a.jpg", "zwei", older_);
  EXPECT_FALSE(PackRenamedFiles(options_, {a, b}, context_));
  EXPECT_TRUE(QFileInfo::exists(a));
  EXPECT_TRUE(QFileInfo::exists(b));
}

TEST_F(AZipPacking, extendsAnExistingArchiveAndReplacesAnEntryOfTheSameName) {
  const QString a = MakeFile("a.jpg", "alt", older_);
  const QString b = MakeFile("b.jpg", "bleibt", older_);
  ASSERT_TRUE(PackRenamedFiles(options_, {a, b}, context_));
  QFile::remove(a);
  MakeFile("a.jpg", "neu", newer_);
  const QString c = MakeFile("c.jpg", "dazu", older_);

  ASSERT_TRUE(PackRenamedFiles(options_, {a, c}, context_));

  QStringList paths = SevenZipListValues(Archive(), "Path");
  paths.sort();
  EXPECT_EQ(paths, (QStringList{"a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(Extracted("a.jpg", {}), QByteArray("neu"));
  EXPECT_EQ(Extracted("b.jpg", {}), QByteArray("bleibt"));
}

TEST(APackFileList, putsTheDescriptionFileFirstThenEveryCheckedRow) {
  RenameOptions options;
  options.writeDescription = true;
  options.descriptionFileName = QStringLiteral(" Liesmich.txt ");
  EXPECT_EQ(PackFileList(options, "/ziel", {"/ziel/a.jpg", "/anders/b.jpg"}),
            (QStringList{"/ziel/Liesmich.txt", "/ziel/a.jpg", "/anders/b.jpg"}));
  options.writeDescription = false;
  EXPECT_EQ(PackFileList(options, "/ziel", {"/ziel/a.jpg"}), QStringList{"/ziel/a.jpg"});
}

TEST(AZipArchivePath, appendsZipToTheGivenNameEvenWhenItHasOne) {
  RenameOptions options;
  options.zipFolder = QStringLiteral(" /tmp/Zip ");
  options.zipName = QStringLiteral("Fotos.zip");
  EXPECT_EQ(ZipArchivePath(options), QStringLiteral("/tmp/Zip/Fotos.zip.zip"));
}

TEST(AStoreOnlyRule, coversTheCompressedSuffixesInAnyCase) {
  for (const char* name : {"a.gif", "a.PNG", "a.tar.gz", "a.Zip", "a.jar", "a.rar"})
    EXPECT_TRUE(IsStoreOnlyFile(QString::fromLatin1(name))) << name;
  for (const char* name : {"a.jpg", "Liesmich.txt", "gif", "a.gz.txt"})
    EXPECT_FALSE(IsStoreOnlyFile(QString::fromLatin1(name))) << name;
}

}  // namespace
