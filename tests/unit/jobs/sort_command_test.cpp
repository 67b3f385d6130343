// velmora-cli sort, run as a program on photos built byte by byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "fixture_builder.h"

namespace {

struct CliRun {
  int exitCode = -1;
  QString out;
  QString err;
};

class ASortCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    cli = qEnvironmentVariable("VELMORA_CLI");
    if (cli.isEmpty()) cli = QStringLiteral(VELMORA_BINARY_DIR "/src/cli/velmora-cli");
    if (!QFileInfo(cli).isExecutable()) GTEST_SKIP() << "velmora-cli is not built";
    ASSERT_TRUE(temp.isValid());
    root = temp.path() + QStringLiteral("/Bilder/");
    ASSERT_TRUE(QDir().mkpath(root));
  }

  // A real JPEG with make, model and capture date in its EXIF block.
  void WritePhoto(const QString& name, const char* make, const char* model, const char* dateTime) {
    fixture::TiffBuilder tiff(fixture::ByteOrder::Little);
    const int ifd0 = tiff.AddDirectory();
    const int exif = tiff.AddDirectory();
    tiff.Ascii(ifd0, 0x010F, make).Ascii(ifd0, 0x0110, model).Ascii(ifd0, 0x0132, dateTime);
    tiff.Pointer(ifd0, 0x8769, exif).Ascii(exif, 0x9003, dateTime);
    tiff.Long(exif, 0xA002, {8}).Long(exif, 0xA003, {8});
    Write(name, fixture::JpegBuilder().App1Exif(tiff.Build()).Image().Build());
  }
  void WritePhotoWithoutExif(const QString& name) { Write(name, fixture::EncodeTinyJpeg()); }
  void Write(const QString& name, const std::string& bytes) {
    QFile file(root + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
  }

  CliRun Run(QStringList args) {
    QProcess process;
    process.start(cli, QStringList{QStringLiteral("sort")} + args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }

  QString cli;
  QTemporaryDir temp;
  QString root;
};

TEST_F(ASortCommand, sortsByCaptureDateBelowMakeAndModelAndPrintsTheJobLog) {
  WritePhoto(QStringLiteral("a.jpg"), "Canon", "IXUS", "2007:12:24 10:11:12");
  WritePhoto(QStringLiteral("b.jpg"), "NIKON", "E950", "2001:04:06 11:51:40");
  const CliRun run = Run({QStringLiteral("--by"), QStringLiteral("exif"), QStringLiteral("--pattern"),
                          QStringLiteral("yyyymmdd"), QStringLiteral("--make-model"), root});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("Canon/IXUS/20071224/a.jpg")));
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("NIKON/E950/20010406/b.jpg")));

  const QStringList lines = run.out.split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 7) << run.out.toStdString();
  EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" : Start der Verarbeitung")));
  EXPECT_EQ(lines[1], QStringLiteral(" --- Bilder sortieren Hersteller und Modell --- "));
  EXPECT_EQ(lines[2], QStringLiteral(" --- Bilder sortieren nach Exifdatum --- "));
  EXPECT_EQ(lines[3], QStringLiteral("Es wurden 2 Bilder erfolgreich sortiert."));
  EXPECT_EQ(lines[4], QString());
  EXPECT_TRUE(lines[5].endsWith(QStringLiteral(" : Ende der Verarbeitung")));
  EXPECT_EQ(lines[6], QString());
}

TEST_F(ASortCommand, usesTheDefaultPatternAndExitsWithOneWhenARowFailed) {
  WritePhoto(QStringLiteral("a.jpg"), "Canon", "IXUS", "2007:12:24 10:11:12");
  WritePhotoWithoutExif(QStringLiteral("ohne.jpg"));
  const CliRun run = Run({QStringLiteral("--by"), QStringLiteral("exif"), root});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("24.12.2007/a.jpg")));
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("ohne.jpg")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("Es ist ein Fehler beim sortieren aufgetreten.\n")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("Es wurden 1 Bilder erfolgreich sortiert.\n")));
}

TEST_F(ASortCommand, refusesWrongCallsWithoutTouchingAFile) {
  WritePhoto(QStringLiteral("a.jpg"), "Canon", "IXUS", "2007:12:24 10:11:12");
  const QList<QStringList> wrongCalls = {
      {QStringLiteral("--by"), QStringLiteral("file"), QStringLiteral("--pattern"), QStringLiteral("yyyy-mm-dd"), root},
      {QStringLiteral("--by"), QStringLiteral("file"), QStringLiteral("--pattern")},
      {QStringLiteral("--by"), QStringLiteral("datum"), root},
      {root},
      {QStringLiteral("--by"), QStringLiteral("file")},
      {QStringLiteral("--by"), QStringLiteral("file"), QStringLiteral("--schnell"), root},
  };
  for (const QStringList& args : wrongCalls) {
    SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
    const CliRun run = Run(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(run.err.isEmpty());
  }
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("a.jpg")));
}

}  // namespace
