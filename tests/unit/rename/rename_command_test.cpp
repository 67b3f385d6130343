// velmora-cli rename, run as a program on photos in a temporary folder.

#include "fixture_builder.h"
#include "qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun {
  int exitCode = -1;
  QString out;
  QString err;
};

std::string PhotoWithExif() {
  fixture::TiffBuilder tiff(fixture::ByteOrder::Big);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Canon").Ascii(ifd0, 0x0110, "Canon PowerShot A70").Pointer(ifd0, 0x8769, exif);
  tiff.Ascii(exif, 0x9003, "2006:05:03 10:00:00").Long(exif, 0xA002, {16}).Long(exif, 0xA003, {16});
  return fixture::JpegBuilder().App1Exif(tiff.Build()).Image(16, 16).Build();
}

class TheRenameCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    // ctest passes VELMORA_CLI; without it the program is taken from the build tree.
    cli_ = qEnvironmentVariable("VELMORA_CLI");
    if (cli_.isEmpty()) cli_ = QStringLiteral(VELMORA_BINARY_DIR "/src/cli/velmora-cli");
    if (!QFileInfo(cli_).isExecutable()) GTEST_SKIP() << "velmora-cli is not built";
    photos_ = dir_.path() + "/fotos/";
    QDir().mkpath(photos_);
    const std::string bytes = PhotoWithExif();
    for (const char* name : {"IMG_0001.JPG", "IMG_0002.JPG"}) {
      QFile file(photos_ + name);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(bytes.data(), qint64(bytes.size()));
    }
  }

  CliRun Run(const QStringList& args) {
    QProcess process;
    process.start(cli_, QStringList{"rename"} + args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }

  QTemporaryDir dir_;
  QString cli_;
  QString photos_;
};

TEST_F(TheRenameCommand, showsTheNewNamesOnADryRunAndChangesNothing) {
  const CliRun run = Run({"--pattern", "%EXM %EXD", "--separator", "Unterstrich", "--dry-run", photos_});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  // The folder walk decides the row order, so the counters may come either way.
  QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
  lines.sort();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith("IMG_0001.JPG ---> Canon_03.05.2006_")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("IMG_0002.JPG ---> Canon_03.05.2006_")) << lines[1].toStdString();
  EXPECT_TRUE(run.out.contains("_1.jpg\n") && run.out.contains("_2.jpg\n"));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "IMG_0001.JPG"));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "IMG_0002.JPG"));
}

TEST_F(TheRenameCommand, copiesAndPacksAndPrintsTheJobLog) {
  const QString target = dir_.path() + "/ziel";
  QDir().mkpath(target);
  const CliRun run = Run({"--pattern", "Rom", "--front", "--copy", target, "--zip", target, "--zip-name", "Rom", photos_});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("- Dateien umbenennnen und kopieren\n"));
  EXPECT_TRUE(run.out.contains("Anzahl Bilder zum umbenennen: 2\n"));
  EXPECT_TRUE(run.out.contains(" ---> 1 Rom.jpg\n"));
  EXPECT_TRUE(run.out.contains("Zipdatei wurde erfolgreich erstellt !\n"));
  EXPECT_TRUE(run.out.contains(": Ende der Verarbeitung\n"));
  EXPECT_TRUE(QFileInfo::exists(target + "/1 Rom.jpg"));
  EXPECT_TRUE(QFileInfo::exists(target + "/2 Rom.jpg"));
  EXPECT_TRUE(QFileInfo::exists(target + "/Rom.zip"));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "IMG_0001.JPG"));
}

TEST_F(TheRenameCommand, exitsWithOneWhenAFileFailed) {
  QFile taken(photos_ + "Rom 1.jpg");
  ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
  taken.close();
  const CliRun run = Run({"--pattern", "Rom", photos_ + "IMG_0001.JPG"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.contains("IMG_0001.JPG konnte nicht umbenannt werden !"));
}

TEST_F(TheRenameCommand, refusesWhatTheDialogRefusesWithItsMessages) {
  struct Case {
    QStringList args;
    QString message;
  };
  const Case cases[] = {
      {{"--pattern", "  "}, "Bitte geben Sie einen Namen für die Dateien an !"},
      {{"--pattern", "a", "--upper", "--lower"}, "Sie können nur Groß oder Klein markieren !"},
      {{"--pattern", "a", "--start", " "}, "Bitte geben Sie ein Startzähler an !"},
      {{"--pattern", "a", "--move", "/gibt/es/nicht"}, "Der angegebene Ordner existiert nicht !"},
      {{"--pattern", "a", "--zip", "/tmp"}, "Bitte geben Sie einen Zip-Dateinamen an !"},
      {{"--pattern", "a", "--exif-file", "all"}, "Bitte geben Sie einen Dateinamen an !"},
  };
  for (const Case& c : cases) {
    const CliRun run = Run(c.args + QStringList{photos_});
    EXPECT_EQ(run.exitCode, 2) << c.message.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
  EXPECT_TRUE(QFileInfo::exists(photos_ + "IMG_0001.JPG"));
  EXPECT_EQ(Run({photos_}).exitCode, 2);                                     // no pattern
  EXPECT_EQ(Run({"--pattern", "a", "--separator", "Komma", photos_}).exitCode, 2);
}

}  // namespace
