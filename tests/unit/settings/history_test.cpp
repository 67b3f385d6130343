#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/file_error.h"
#include "file_system_fixtures.h"
#include "settings/history.h"
#include "file_bytes.h"

namespace {

class AHistoryField : public ::testing::Test {
 protected:
  QString Folder() const { return dir.path() + u'/'; }
  QString FolderHistory() const { return Folder() + QLatin1String(kFolderHistoryFile); }
  QTemporaryDir dir;
};

TEST_F(AHistoryField, loadsNothingWithoutItsFile) {
  HistoryField field(kFolderHistoryFile, Folder());
  field.SetLookupList({"alt"});
  LoadHistory(field);
  EXPECT_TRUE(field.LookupList().isEmpty());
}

TEST_F(AHistoryField, loadsTheLinesAsTheyStand) {
  WriteBytes(FolderHistory(), "/a/\r\n /b/ \r\n\r\n/A/\r\n/a/\n/c/");
  HistoryField field(kFolderHistoryFile, Folder());
  LoadHistory(field);
  EXPECT_EQ(field.LookupList(), (QStringList{"/a/", " /b/ ", "", "/A/", "/a/", "/c/"}));
}

TEST_F(AHistoryField, addsByTheRulesForBlanksLetterCaseAndEmptyText) {
  struct Case {
    const char* what;
    QString text;
    HistoryCommit kind;
    QStringList added;
  };
  const Case cases[] = {
      {"new word", "Wort", HistoryCommit::FieldLeft, {"Wort"}},
      {"leading blank", " Wort", HistoryCommit::FieldLeft, {"Wort", " Wort"}},
      {"blanks around", " Wort  ", HistoryCommit::FieldLeft, {"Wort", " Wort  "}},
      {"present in other case", "/BILDER/", HistoryCommit::FieldLeft, {}},
      {"present with blank", " /bilder/", HistoryCommit::FieldLeft, {" /bilder/"}},
      {"empty", "", HistoryCommit::FieldLeft, {}},
      {"blanks only", "   ", HistoryCommit::FieldLeft, {}},
      {"line break", "/zwei\nZeilen/", HistoryCommit::FieldLeft, {}},
      {"picker, line break", "/a\r\nb/", HistoryCommit::AsTypedOnly, {}},
      {"picker, blank", " Wort", HistoryCommit::AsTypedOnly, {" Wort"}},
      {"picker, present", "/Bilder/", HistoryCommit::AsTypedOnly, {}},
      {"picker, new", "/neu/", HistoryCommit::AsTypedOnly, {"/neu/"}},
  };
  for (const Case& c : cases) {
    WriteBytes(FolderHistory(), "/bilder/\n");
    HistoryField field(kFolderHistoryFile, Folder());
    LoadHistory(field);
    CommitHistory(field, c.text, c.kind);
    const QStringList expected = QStringList{"/bilder/"} + c.added;
    EXPECT_EQ(field.LookupList(), expected) << c.what;
    // The file is rewritten (CR LF) even when nothing was added.
    QByteArray bytes;
    for (const QString& entry : expected) bytes += entry.toUtf8() + "\r\n";
    EXPECT_EQ(ReadBytes(FolderHistory()), bytes) << c.what;
  }
}

TEST_F(AHistoryField, writesAnEmptyFileWhenLeftEmptyWithoutHistory) {
  HistoryField field(kNameHistoryFile, Folder());
  LoadHistory(field);
  CommitHistory(field, QString());
  EXPECT_TRUE(QFile::exists(Folder() + QLatin1String(kNameHistoryFile)));
  EXPECT_EQ(ReadBytes(Folder() + QLatin1String(kNameHistoryFile)), QByteArray());
}

TEST_F(AHistoryField, keepsWhatAnotherFieldOfTheSameFileAddedMeanwhile) {
  HistoryField mainWindowFolder(kFolderHistoryFile, Folder());
  HistoryField renameTargetFolder(kFolderHistoryFile, Folder());
  LoadHistory(mainWindowFolder);
  LoadHistory(renameTargetFolder);
  CommitHistory(renameTargetFolder, "/ziel/");
  CommitHistory(mainWindowFolder, "/quelle/");
  EXPECT_EQ(ReadBytes(FolderHistory()), "/ziel/\r\n/quelle/\r\n");
  EXPECT_EQ(mainWindowFolder.LookupList(), (QStringList{"/ziel/", "/quelle/"}));
  CommitHistory(renameTargetFolder, "/ziel/");
  EXPECT_EQ(ReadBytes(FolderHistory()), "/ziel/\r\n/quelle/\r\n");
}

TEST_F(AHistoryField, keepsEntriesDeletedMeanwhileDeleted) {
  WriteBytes(FolderHistory(), "/alt/\r\n/bleibt/\r\n");
  HistoryField field(kFolderHistoryFile, Folder());
  LoadHistory(field);
  WriteHistoryFile(FolderHistory(), {"/bleibt/"});  // the history dialog deleted "/alt/"
  CommitHistory(field, "/neu/");
  EXPECT_EQ(ReadBytes(FolderHistory()), "/bleibt/\r\n/neu/\r\n");
}

TEST_F(AHistoryField, keepsItsNewEntriesWhenTheFileCannotBeWritten) {
  WriteBytes(FolderHistory(), "/alt/\r\n");
  HistoryField field(kFolderHistoryFile, Folder());
  LoadHistory(field);
  ReadOnlyFolder readOnly(dir.path());
  if (!readOnly.IsReady()) GTEST_SKIP() << "cannot make a read-only folder here";
  EXPECT_THROW(CommitHistory(field, "/neu/"), FileError);
  EXPECT_EQ(field.LookupList(), (QStringList{"/alt/", "/neu/"}));
  EXPECT_EQ(ReadBytes(FolderHistory()), "/alt/\r\n");
}

TEST_F(AHistoryField, storesTextsAsUtf8AndReadsOldLatin1Entries) {
  WriteBytes(FolderHistory(), "/Gr\xFC\xDF" "e/\r\n");
  HistoryField field(kFolderHistoryFile, Folder());
  LoadHistory(field);
  CommitHistory(field, QStringLiteral("/GRÜSSE/"));
  CommitHistory(field, QStringLiteral("/grÜße/"));
  EXPECT_EQ(field.LookupList(), (QStringList{QStringLiteral("/Grüße/"), QStringLiteral("/GRÜSSE/")}));
  EXPECT_EQ(ReadBytes(FolderHistory()), "/Gr\xC3\xBC\xC3\x9F" "e/\r\n/GR\xC3\x9CSSE/\r\n");
}

}  // namespace
