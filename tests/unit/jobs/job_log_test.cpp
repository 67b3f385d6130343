#include "jobs/job_log.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "file_system_fixtures.h"
#include "recording_job_context.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AJobLog : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    ctx.logFolder = folder.path() + QStringLiteral("/");
    ctx.now = QDateTime(QDate(2008, 3, 3), QTime(9, 7, 5));
  }
  QString LogFile() const { return ctx.logFolder + QStringLiteral("Log_0907_20080303.txt"); }

  QTemporaryDir folder;
  RecordingJobContext ctx;
};

TEST_F(AJobLog, writesItsLinesWithTwoDigitFieldsAndTheLiteralTexts) {
  const QDateTime early(QDate(2007, 1, 2), QTime(3, 4, 5));
  EXPECT_EQ(JobLogStartLine(early, QStringLiteral("pc"), QStringLiteral("anna")),
            QStringLiteral("02.01.2007 03:04:05 : pc/anna : Start der Verarbeitung"));
  EXPECT_EQ(JobLogEndLine(early), QStringLiteral("02.01.2007 03:04:05 : Ende der Verarbeitung"));
  EXPECT_EQ(JobLogCancelLine(early),
            QStringLiteral("02.01.2007 03:04:05 : Manueller Abbruch der Verarbeitung !"));
  EXPECT_EQ(JobLogFileName(QDateTime(QDate(2007, 12, 24), QTime(14, 5, 59))),
            QStringLiteral("Log_1405_20071224.txt"));
  EXPECT_EQ(JobLogFileName(QDateTime(QDate(2008, 3, 3), QTime(23, 59))),
            QStringLiteral("Log_2359_20080303.txt"));
}

TEST_F(AJobLog, beginsWithOnlyTheStartLine) {
  ctx.lines = {QStringLiteral("alte Zeile")};
  BeginJobLog(ctx);
  EXPECT_EQ(ctx.lines, QStringList{QStringLiteral("03.03.2008 09:07:05 : rechner/anwender : Start der Verarbeitung")});
}

TEST_F(AJobLog, finishesInItsOrderAndSavesTheWholeLogWithAutoSave) {
  ctx.settings.AutoSave = true;
  ctx.settings.PlayEnd = true;
  ctx.settings.KlangEnd = QStringLiteral("/klang/ende.wav");
  BeginJobLog(ctx);
  ctx.AppendLine(QStringLiteral("Bild für Bild: äöüß"));
  FinishJob(ctx);

  const QStringList expected = {
      QStringLiteral("03.03.2008 09:07:05 : rechner/anwender : Start der Verarbeitung"),
      QStringLiteral("Bild für Bild: äöüß"), QString(),
      QStringLiteral("03.03.2008 09:07:05 : Ende der Verarbeitung")};
  EXPECT_EQ(ctx.lines, expected);
  EXPECT_EQ(ReadAll(LogFile()), (expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
  ASSERT_EQ(ctx.sounds.size(), 1);
  EXPECT_EQ(ctx.sounds[0].wavFile, QStringLiteral("/klang/ende.wav"));
  EXPECT_TRUE(ctx.sounds[0].enabled);
  EXPECT_EQ(ctx.statuses, QStringList{kJobStatusFinished});
  EXPECT_EQ(ctx.busyCursor, QList<bool>{false});
  EXPECT_TRUE(ctx.messages.isEmpty());
}

TEST_F(AJobLog, writesNoFileWithoutAutoSaveAndPassesPlayEndOff) {
  BeginJobLog(ctx);
  FinishJob(ctx);
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
  ASSERT_EQ(ctx.sounds.size(), 1);
  EXPECT_FALSE(ctx.sounds[0].enabled);
  EXPECT_EQ(ctx.LastStatus(), kJobStatusFinished);
}

TEST_F(AJobLog, replacesAFileOfTheSameMinute) {
  ctx.settings.AutoSave = true;
  QFile old(LogFile());
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(5000, 'x'));
  old.close();
  ctx.lines = {QStringLiteral("neu")};
  EXPECT_TRUE(SaveJobLogFile(ctx));
  EXPECT_EQ(ReadAll(LogFile()), QByteArray("neu\r\n"));
}

TEST_F(AJobLog, logsACancelWithItsOwnLineAndSavesIt) {
  ctx.settings.AutoSave = true;
  BeginJobLog(ctx);
  LogJobCancel(ctx);
  ASSERT_EQ(ctx.lines.size(), 3);
  EXPECT_EQ(ctx.lines[1], QString());
  EXPECT_EQ(ctx.lines[2], QStringLiteral("03.03.2008 09:07:05 : Manueller Abbruch der Verarbeitung !"));
  EXPECT_EQ(ctx.statuses, QStringList{kJobStatusCancelled});
  EXPECT_EQ(ctx.busyCursor, QList<bool>{false});
  EXPECT_TRUE(ReadAll(LogFile()).endsWith("Manueller Abbruch der Verarbeitung !\r\n"));
}

TEST_F(AJobLog, reportsALogFileThatCannotBeWrittenAndStopsTheClosingSteps) {
  ctx.settings.AutoSave = true;
  ctx.settings.PlayEnd = true;
  ctx.logFolder = folder.path() + QStringLiteral("/fehlt/");
  BeginJobLog(ctx);
  FinishJob(ctx);
  ASSERT_EQ(ctx.messages.size(), 1);
  EXPECT_EQ(ctx.messages[0].kind, MessageKind::Error);
  EXPECT_TRUE(ctx.messages[0].text.contains(ctx.logFolder + QStringLiteral("Log_0907_20080303.txt")));
  EXPECT_TRUE(ctx.sounds.isEmpty());
  EXPECT_TRUE(ctx.statuses.isEmpty());
  EXPECT_EQ(ctx.busyCursor, QList<bool>{false});  // never left with the hourglass
  EXPECT_EQ(ctx.lines.size(), 3);                  // the JobLog keeps its lines
}

TEST_F(AJobLog, keepsAnExistingLogFileWhenTheNewOneCannotBeWritten) {
  const QString path = folder.path() + QStringLiteral("/ro/Log.txt");
  ASSERT_TRUE(QDir().mkpath(folder.path() + QStringLiteral("/ro")));
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("alt\r\n");
  old.close();
  ReadOnlyFolder readOnly(folder.path() + QStringLiteral("/ro"));
  if (!readOnly.IsReady()) GTEST_SKIP() << "no read-only folder on this machine";
  QString error;
  EXPECT_FALSE(WriteJobLogFile(path, {QStringLiteral("neu")}, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(ReadAll(path), QByteArray("alt\r\n"));
}

}  // namespace
