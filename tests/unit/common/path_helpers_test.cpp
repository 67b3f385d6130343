#include "common/path_helpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct PathCase {
  const char* input;
  const char* folder;
  const char* name;
  const char* extLower;
  const char* baseLower;
};

TEST(APathHelper, splitsPathsAtTheLastSeparatorAndDots) {
  const PathCase cases[] = {
      {"/fotos/urlaub/IMG_1.JPG", "/fotos/urlaub/", "IMG_1.JPG", "jpg", "img_1"},
      {"bild.tar.gz", "", "bild.tar.gz", "gz", "bild"},
      {"/fotos/ordner.x/bild", "/fotos/ordner.x/", "bild", "x/bild", ""},
      {"/fotos/", "/fotos/", "", "/fotos/", ""},
      {"", "", "", "", ""},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(ExtractFolderPart(c.input), QString(c.folder));
    EXPECT_EQ(ExtractNamePart(c.input), QString(c.name));
    EXPECT_EQ(ExtractExtLower(c.input), QString(c.extLower));
    EXPECT_EQ(ExtractBaseNameLower(c.input), QString(c.baseLower));
  }
}

TEST(APathHelper, appendsTheSeparatorOnlyWhereMissing) {
  EXPECT_EQ(WithTrailingBackslash(""), "");
  EXPECT_EQ(WithTrailingBackslash("/a"), "/a/");
  EXPECT_EQ(WithTrailingBackslash("/a/"), "/a/");
}

TEST(APathHelper, addsAnExtensionOnlyToNamesWithoutADot) {
  EXPECT_EQ(EnsureExtension("liste", "csv"), "liste.csv");
  EXPECT_EQ(EnsureExtension("liste.txt", "csv"), "liste.txt");
  EXPECT_EQ(EnsureExtension("a.b/liste", "csv"), "a.b/liste");
}

TEST(AFileNameCheck, refusesTheForbiddenCharactersOfEachMode) {
  EXPECT_TRUE(IsValidFileName("", true));
  EXPECT_TRUE(IsValidFileName("Urlaub 2007 [1]+;=", true));
  for (const QString& bad : {QString("a\"b"), QString("a<b"), QString("a>b"), QString("a\\b"),
                             QString("a|b"), QString("a/b"), QString("a") + QChar(u'\0')})
    EXPECT_FALSE(IsValidFileName(bad, true)) << bad.toStdString();
  for (const QString& bad : {QString("a b"), QString("a'b"), QString("a+b"), QString("a;b"),
                             QString("a=b"), QString("a[b"), QString("a]b"), QString("a/b")})
    EXPECT_FALSE(IsValidFileName(bad, false)) << bad.toStdString();
  EXPECT_TRUE(IsValidFileName("abc_1-2.jpg", false));
}

TEST(AReplaceAll, replacesFromTheLeftAndSearchesAgainFromTheStart) {
  EXPECT_EQ(ReplaceAll("<D>_<D>", "<D>", "2007"), "2007_2007");
  EXPECT_EQ(ReplaceAll("Ab", "A", "a"), "ab");  // letter case matters
  EXPECT_EQ(ReplaceAll("aab", "ab", "b"), "b");  // a new occurrence left behind is replaced too
  EXPECT_EQ(ReplaceAll("text", "", "x"), "text");
}

TEST(AReplaceAll, replacesEachOriginalOccurrenceOnceWhenTheReplacementHoldsThePattern) {
  EXPECT_EQ(ReplaceAll("x-x", "x", "xx"), "xx-xx");
  EXPECT_EQ(ReplaceAll("<M>", "<M>", "[<M>]"), "[<M>]");
}

TEST(AFileQuery, tellsFoldersAndWriteTimes) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath("a.jpg");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  EXPECT_TRUE(FolderExists(dir.path()));
  EXPECT_FALSE(FolderExists(file));
  EXPECT_FALSE(FolderExists(""));
  EXPECT_TRUE(FileWriteTime(file).isValid());
  EXPECT_LE(qAbs(FileWriteTime(file).secsTo(QDateTime::currentDateTime())), 60);
  EXPECT_FALSE(FileWriteTime(dir.filePath("fehlt.jpg")).isValid());
}

}  // namespace
