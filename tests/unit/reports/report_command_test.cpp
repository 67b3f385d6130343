// velmora-cli report, run as a program.

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

#include <cstdlib>

#include "fixture_builder.h"
#include "metadata/exif_report.h"

namespace {

QString CliPath() {
  const char* fromCtest = std::getenv("VELMORA_CLI");
  return QString::fromUtf8(fromCtest ? fromCtest : VELMORA_BINARY_DIR "/src/cli/velmora-cli");
}

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

CliRun RunCli(const QStringList& files) {
  QProcess process;
  process.start(CliPath(), QStringList{"report"} + files);
  CliRun run;
  if (!process.waitForFinished(30000)) return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

// The report as the command prints it: one item per line, the file date left out (it follows
// the user's locale).
std::string WithoutFileDate(std::string text) {
  const std::size_t at = text.find("File Date: ");
  if (at != std::string::npos) text.erase(at, text.find('\n', at) - at);
  return text;
}

std::string ExpectedOutput(const std::vector<std::string>& paths) {
  std::string out;
  for (const std::string& path : paths) {
    std::vector<std::string> lines;
    AppendImageExifReport(path, lines, kReportFormText);
    for (std::string line : lines) {
      for (std::size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at)) line.erase(at, 1);
      out += WithoutFileDate(line) + "\n";
    }
  }
  return out;
}

TEST(TheReportCommand, printsTheTextReportOfEachFileInTurn) {
  const std::string sample = VELMORA_SOURCE_DIR "/tests/data/sample.jpg";
  fixture::TempDir dir;
  const std::string missing = dir.Path() + "fehlt.jpg";
  const CliRun run = RunCli({QString::fromStdString(sample), QString::fromStdString(missing)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(WithoutFileDate(run.out), ExpectedOutput({sample, missing}));
  for (const char* heading : {"Allgemeine-Informationen:", "Hersteller-Informationen:", "Vorschau-Informationen:",
                              "Kommentar:", "IPTC:", "Zusammenfassung:"})
    EXPECT_NE(run.out.find(std::string("\n") + heading + "\n"), std::string::npos) << heading;
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(TheReportCommand, printsLatin1TextsAsUtf8AndKeepsUtf8Texts) {
  fixture::TempDir dir;
  const std::string latin1 = dir.Write("latin1.jpg", fixture::JpegBuilder().Com("Gr\xFC\xDF""e").Image().Build());
  const std::string utf8 = dir.Write("utf8.jpg", fixture::JpegBuilder().Com("Gr\xC3\xBC\xC3\x9F""e").Image().Build());
  const CliRun run = RunCli({QString::fromStdString(latin1), QString::fromStdString(utf8)});
  ASSERT_EQ(run.exitCode, 0);
  const std::string greeting = "\nGr\xC3\xBC\xC3\x9F" "e\n";
  const std::size_t first = run.out.find(greeting);
  ASSERT_NE(first, std::string::npos) << run.out;
  EXPECT_NE(run.out.find(greeting, first + 1), std::string::npos) << run.out;
}

TEST(TheReportCommand, refusesACallWithoutFiles) {
  for (const QStringList& args : {QStringList{"report"}, QStringList{"report", "--gibts-nicht"}}) {
    QProcess process;
    process.start(CliPath(), args);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2) << args.join(' ').toStdString();
    const std::string err = process.readAllStandardError().toStdString();
    EXPECT_NE(err.find("report DATEI..."), std::string::npos) << err;
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
  }
}

}  // namespace
