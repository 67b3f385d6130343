#include "camera_photo.h"
#include "test_tree.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

QString CliPath() {
  const QString fromEnvironment = qEnvironmentVariable("VELMORA_CLI");
  return fromEnvironment.isEmpty() ? QStringLiteral(VELMORA_BINARY_DIR "/src/cli/velmora-cli")
                                   : fromEnvironment;
}

struct CliRun {
  int exitCode = -1;
  QString out;
  QString err;
};

CliRun RunCli(const QStringList& args) {
  QProcess process;
  process.start(CliPath(), args);
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

TEST(TheScanCommand, printsTheTenCellsOfEveryRowInListOrder) {
  TestTree tree;
  const QDateTime written(QDate(2021, 3, 4), QTime(5, 6, 7));
  CameraData other;
  other.make = "Nikon ";
  other.model = "Z 50";
  other.dateTime = "2019:12:31 23:59:58";
  other.size = std::make_pair(6000, 4000);
  SetWriteTime(tree.AddFile("album/Über.JPG", CameraJpeg(other)), written);
  SetWriteTime(tree.AddFile("single.jpg", CameraJpeg()), written);
  SetWriteTime(tree.AddFile("plain.jpg", PlainJpeg()), written);

  const CliRun run = RunCli({"scan", tree.Path("album"), tree.Path("missing"), tree.Path("single.jpg"),
                          tree.Path("plain.jpg")});

  EXPECT_EQ(0, run.exitCode);
  const QString expected =
      "Über.JPG\t" + tree.Path("album/") +
      "\t04.03.2021\t05:06:07\tJPEG-Datei\t4000x6000\t31.12.2019\t 23:59:58\tZ 50\tNikon\n"
      "single.jpg\t" + tree.Root() + "/" +
      "\t04.03.2021\t05:06:07\tJPEG-Datei\t48x64\t06.05.2023\t 07:08:09\tEOS 5\tCanon\n"
      "plain.jpg\t" + tree.Root() + "/" + "\t04.03.2021\t05:06:07\tJPEG-Datei\t-\t-\t-\t-\t-\n";
  EXPECT_EQ(expected, run.out);
  EXPECT_TRUE(run.err.contains(tree.Path("missing"))) << run.err.toStdString();
}

TEST(TheScanCommand, printsNothingForAnEmptyFolderAndRefusesAMissingPath) {
  TestTree tree;
  tree.AddFolder("empty");
  const CliRun empty = RunCli({"scan", tree.Path("empty")});
  EXPECT_EQ(0, empty.exitCode);
  EXPECT_TRUE(empty.out.isEmpty());
  EXPECT_TRUE(empty.err.isEmpty());

  const CliRun none = RunCli({"scan"});
  EXPECT_EQ(2, none.exitCode);
  EXPECT_TRUE(none.out.isEmpty());
}
