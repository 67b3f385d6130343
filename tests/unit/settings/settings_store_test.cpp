#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "common/file_error.h"
#include "file_system_fixtures.h"
#include "settings/settings_store.h"
#include "file_bytes.h"

namespace {

class ASettingsFile : public ::testing::Test {
 protected:
  QString Ini() const { return dir.filePath(QStringLiteral("Velmora.ini")); }
  AppSettings LoadFrom(const QByteArray& bytes, const AppSettings& current = {}) {
    WriteBytes(Ini(), bytes);
    return LoadSettings(Ini(), current);
  }
  QTemporaryDir dir;
};

TEST_F(ASettingsFile, givesTheZeroFilledRecordOnAFirstStartWithoutFile) {
  EXPECT_EQ(LoadSettings(Ini()), AppSettings());
  EXPECT_FALSE(QFile::exists(Ini()));
}

TEST_F(ASettingsFile, readsEveryKeyFromItsSection) {
  const AppSettings settings = LoadFrom(
      "[Allgemein]\r\nBeenden=1\r\nPosition=1\r\nAutoSave=1\r\nShowSave=1\r\nGitter=1\r\n"
      "ClearView=1\r\nPlayEnd=1\r\nKlangEnd=/snd/end.wav\r\nPlayErr=1\r\nKlangErr=/snd/err.wav\r\n"
      "Norton=1\r\nDelete=1\r\nInsert=1\r\nInsOption=1\r\nDelimeter=2\r\nVorschau=1\r\n"
      "Explorer=1\r\n[Ordner]\r\nStdAusgabe=1\r\nStdOrdner=/out/\r\nZipAusgabe=1\r\n"
      "ZipOrdner=/zip/\r\nStart=1\r\nStartOrdner=/start/\r\n[Programme]\r\nEigenBTSoft=1\r\n"
      "BASoft=/bin/edit\r\nBTSoft=/bin/view\r\nGeoTagger=/bin/geo\r\n");
  AppSettings expected;
  expected.Beenden = expected.Position = expected.AutoSave = expected.ShowSave = true;
  expected.Gitter = expected.ClearView = expected.PlayEnd = expected.PlayErr = true;
  expected.Norton = expected.Delete = expected.Insert = expected.Vorschau = true;
  expected.Explorer = expected.StdAusgabe = expected.ZipAusgabe = expected.Start = true;
  expected.EigenBTSoft = true;
  expected.KlangEnd = "/snd/end.wav";
  expected.KlangErr = "/snd/err.wav";
  expected.InsOption = 1;
  expected.Delimeter = 2;
  expected.StdOrdner = "/out/";
  expected.ZipOrdner = "/zip/";
  expected.StartOrdner = "/start/";
  expected.BASoft = "/bin/edit";
  expected.BTSoft = "/bin/view";
  expected.GeoTagger = "/bin/geo";
  EXPECT_EQ(settings, expected);
}

TEST_F(ASettingsFile, ignoresKeysInTheWrongSectionAndMatchesNamesInAnyCase) {
  const AppSettings settings =
      LoadFrom("[Ordner]\nGitter=1\n[ALLGEMEIN]\nnorton=1\n[Programme]\nStdOrdner=/x/\n");
  EXPECT_FALSE(settings.Gitter);
  EXPECT_TRUE(settings.Norton);
  EXPECT_EQ(settings.StdOrdner, QString());
}

TEST_F(ASettingsFile, readsNumbersAndFlagsByTheirEncoding) {
  struct Case {
    const char* stored;
    int number;  // InsOption read with a current value of 7
    bool flag;   // Gitter read with a current value of true
  };
  const Case cases[] = {
      {"2", 2, true},          {"0", 0, false},        {"-3", -3, true},
      {" 5 ", 5, true},        {"0x2", 2, true},       {"0X1f", 31, true},
      {"0x0", 0, false},       {"0xFFFFFFFF", -1, true}, {"abc", 7, true},
      {"0x", 7, true},         {"12abc", 7, true},     {"", 7, true},
      {"4294967296", 7, true}, {"0x100000000", 7, true}, {"1.5", 7, true},
  };
  AppSettings current;
  current.InsOption = 7;
  current.Gitter = true;
  for (const Case& c : cases) {
    const QByteArray line = QByteArray(c.stored);
    const AppSettings settings =
        LoadFrom("[Allgemein]\r\nInsOption=" + line + "\r\nGitter=" + line + "\r\n", current);
    EXPECT_EQ(settings.InsOption, c.number) << "stored: \"" << c.stored << '"';
    EXPECT_EQ(settings.Gitter, c.flag) << "stored: \"" << c.stored << '"';
  }
}

TEST_F(ASettingsFile, takesTheExamplesDelimeterAbcAsZeroAndInsOptionHexAsTwo) {
  const AppSettings settings = LoadFrom("[Allgemein]\r\nDelimeter=abc\r\nInsOption=0x2\r\n");
  EXPECT_EQ(settings.Delimeter, 0);
  EXPECT_EQ(settings.InsOption, 2);
}

TEST_F(ASettingsFile, readsTextsAsStoredButKeepsATrimmedCurrentValueForAMissingKey) {
  AppSettings current;
  current.StdOrdner = "  /behalten/  ";
  current.KlangEnd = " alt.wav";
  const QByteArray longText(3000, 'a');
  const AppSettings settings =
      LoadFrom("[Allgemein]\r\nKlangEnd=\r\nKlangErr=" + longText + "\r\n[Ordner]\r\n"
               "ZipOrdner=/mit blank/ordner/\r\n", current);
  EXPECT_EQ(settings.StdOrdner, "/behalten/");
  EXPECT_EQ(settings.KlangEnd, QString()) << "a present but empty key is an empty text";
  EXPECT_EQ(settings.KlangErr, QString(2047, u'a'));
  EXPECT_EQ(settings.ZipOrdner, "/mit blank/ordner/");
}

TEST_F(ASettingsFile, decodesUtf8AndLatin1Lines) {
  const AppSettings settings =
      LoadFrom("[Ordner]\r\nStdOrdner=/Gr\xC3\xBC\xC3\x9F" "e/\r\nZipOrdner=/Gr\xFC\xDF" "e/\r\n");
  EXPECT_EQ(settings.StdOrdner, QStringLiteral("/Grüße/"));
  EXPECT_EQ(settings.ZipOrdner, QStringLiteral("/Grüße/"));
}

TEST_F(ASettingsFile, isWrittenInTableOrderWithTrimmedTexts) {
  AppSettings settings;
  settings.Position = true;
  settings.KlangEnd = "  /snd/end.wav ";
  settings.InsOption = 2;
  settings.Delimeter = 1;
  settings.StdOrdner = " /out/";
  settings.GeoTagger = "/bin/geo  ";
  SaveSettings(settings, Ini());
  EXPECT_EQ(ReadBytes(Ini()),
            "[Allgemein]\r\nBeenden=0\r\nPosition=1\r\nAutoSave=0\r\nShowSave=0\r\nGitter=0\r\n"
            "ClearView=0\r\nPlayEnd=0\r\nKlangEnd=/snd/end.wav\r\nPlayErr=0\r\nKlangErr=\r\n"
            "Norton=0\r\nDelete=0\r\nInsert=0\r\nInsOption=2\r\nDelimeter=1\r\nVorschau=0\r\n"
            "Explorer=0\r\n[Ordner]\r\nStdAusgabe=0\r\nStdOrdner=/out/\r\nZipAusgabe=0\r\n"
            "ZipOrdner=\r\nStart=0\r\nStartOrdner=\r\n[Programme]\r\nEigenBTSoft=0\r\nBASoft=\r\n"
            "BTSoft=\r\nGeoTagger=/bin/geo\r\n");
  AppSettings expected = settings;
  expected.KlangEnd = "/snd/end.wav";
  expected.StdOrdner = "/out/";
  expected.GeoTagger = "/bin/geo";
  EXPECT_EQ(LoadSettings(Ini()), expected);
}

TEST_F(ASettingsFile, keepsForeignSectionsKeysCommentsAndBlankLinesOnSave) {
  WriteBytes(Ini(),
             "; Kommentar am Anfang\r\n"
             "\r\n"
             "[Fremd]\r\n"
             "Schluessel = Wert mit Blanks  \r\n"
             "# anderer Kommentar\r\n"
             "\r\n"
             "[Allgemein]\r\n"
             "Gitter=1\r\n"
             "Eigenes=\xE4\xF6\xFC\r\n"
             "  Norton = 1\r\n"
             "\r\n"
             "; Ende Allgemein\r\n"
             "[Position]\r\n"
             "Top=33\r\n"
             "zeile ohne gleichheitszeichen\r\n");
  AppSettings settings;
  settings.Gitter = false;
  settings.Norton = true;
  settings.GeoTagger = "/bin/geo";
  SaveSettings(settings, Ini());
  const QByteArray saved = ReadBytes(Ini());
  EXPECT_TRUE(saved.startsWith("; Kommentar am Anfang\r\n\r\n[Fremd]\r\n"
                               "Schluessel = Wert mit Blanks  \r\n# anderer Kommentar\r\n\r\n"
                               "[Allgemein]\r\nGitter=0\r\nEigenes=\xE4\xF6\xFC\r\nNorton=1\r\n"
                               "Beenden=0\r\n"))
      << saved.constData();
  EXPECT_TRUE(saved.contains("Explorer=0\r\n\r\n; Ende Allgemein\r\n[Position]\r\nTop=33\r\n"
                             "zeile ohne gleichheitszeichen\r\n[Ordner]\r\n"))
      << saved.constData();
  EXPECT_TRUE(saved.endsWith("GeoTagger=/bin/geo\r\n"));
  EXPECT_EQ(LoadSettings(Ini()), settings);
  EXPECT_EQ(LoadWindowPosition(Ini()).Top, 33);
}

TEST_F(ASettingsFile, keepsLinesItCannotReadByteForByte) {
  const QByteArray foreign = QByteArray("bin\x00\x01\xFF\xFE=\x80\r\n", 12) + "a\rb\r\n" +
                             "[ohne Ende\r\n" + QByteArray(5000, 'z') + "\r\n";
  WriteBytes(Ini(), foreign);
  EXPECT_EQ(LoadSettings(Ini()), AppSettings());
  SaveSettings(AppSettings(), Ini());
  const QByteArray saved = ReadBytes(Ini());
  EXPECT_TRUE(saved.startsWith(foreign));
  EXPECT_TRUE(saved.mid(foreign.size()).startsWith("[Allgemein]\r\nBeenden=0\r\n"));
}

TEST_F(ASettingsFile, keepsLfLineEndsAndAByteOrderMarkOfAnExistingFile) {
  WriteBytes(Ini(), "\xEF\xBB\xBF[Allgemein]\nGitter=1\n");
  SaveSettings(AppSettings(), Ini());
  const QByteArray saved = ReadBytes(Ini());
  EXPECT_TRUE(saved.startsWith("\xEF\xBB\xBF[Allgemein]\nGitter=0\nBeenden=0\n"));
  EXPECT_FALSE(saved.contains('\r'));
  EXPECT_EQ(LoadSettings(Ini()), AppSettings());
}

TEST_F(ASettingsFile, staysIntactWhenItsFolderRefusesTheSave) {
  const QByteArray old = "[Allgemein]\r\nGitter=1\r\n; fremd\r\n";
  WriteBytes(Ini(), old);
  ReadOnlyFolder readOnly(dir.path());
  if (!readOnly.IsReady()) GTEST_SKIP() << "cannot make a read-only folder here";
  AppSettings settings;
  settings.Norton = true;
  EXPECT_THROW(SaveSettings(settings, Ini()), FileError);
  settings.Position = true;
  EXPECT_THROW(SaveWindowPosition(settings, QRect(1, 2, 700, 500), false, Ini()), FileError);
  EXPECT_EQ(ReadBytes(Ini()), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Velmora.ini"});
}

TEST_F(ASettingsFile, isSavedThroughALinkAndKeepsItsPermissions) {
  const QString real = dir.filePath(QStringLiteral("echt.ini"));
  WriteBytes(real, "[Allgemein]\r\nGitter=1\r\n");
  ASSERT_TRUE(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  ASSERT_TRUE(QFile::link(real, Ini()));
  SaveSettings(AppSettings(), Ini());
  EXPECT_TRUE(QFileInfo(Ini()).isSymLink());
  EXPECT_TRUE(ReadBytes(real).startsWith("[Allgemein]\r\nGitter=0\r\n"));
  EXPECT_EQ(QFileInfo(real).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(ASettingsFile, namesTheFileInTheErrorOfAFailedSave) {
  const QString missingFolderIni = dir.filePath(QStringLiteral("fehlt/Velmora.ini"));
  try {
    SaveSettings(AppSettings(), missingFolderIni);
    FAIL() << "no error raised";
  } catch (const FileError& error) {
    EXPECT_TRUE(error.Text().contains(missingFolderIni)) << error.Text().toStdString();
  }
}

}  // namespace
