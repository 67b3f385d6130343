#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "common/mini_html_label.h"
#include "job_window_fixture.h"
#include "jobs/job_log.h"

namespace {

const QString kStart = QStringLiteral("03.03.2008 09:07:30 : %1/%2 : Start der Verarbeitung");
const QString kEnd = QStringLiteral("03.03.2008 09:07:30 : Ende der Verarbeitung");
const QString kCancel = QStringLiteral("03.03.2008 09:07:30 : Manueller Abbruch der Verarbeitung !");
const QString kLogFile = QStringLiteral("Log_0907_20080303.txt");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray CrLfLines(const QStringList& lines) {
  return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

using ALogWindow = JobWindowTest;

TEST_F(ALogWindow, hasItsCaptionSizeMenuButtonsAndPanels) {
  EXPECT_EQ(logWindow->windowTitle(), QStringLiteral("Fortschritt / Protokoll"));
  EXPECT_EQ(logWindow->size(), QSize(616, 459));
  EXPECT_TRUE(logWindow->Memo1->isReadOnly());
  EXPECT_EQ(logWindow->Button1->text(), QStringLiteral("Start"));
  EXPECT_EQ(logWindow->Button2->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(logWindow->Button3->text(), QStringLiteral("Schließen"));
  EXPECT_EQ(logWindow->Speichernunter1->text(), QStringLiteral("Speichern unter ..."));
  EXPECT_EQ(logWindow->Drucken1->text(), QStringLiteral("Drucken"));
  auto* menuBar = logWindow->findChild<QMenuBar*>();
  ASSERT_NE(menuBar, nullptr);
  ASSERT_EQ(menuBar->actions().size(), 1);
  EXPECT_EQ(menuBar->actions()[0]->text(), QStringLiteral("Datei"));
  EXPECT_EQ(logWindow->JobStatusPanel->width(), 150);
  EXPECT_EQ(logWindow->JobProgressPanel->width(), 50);
  // The JobLog of a new program run holds one empty line.
  EXPECT_EQ(logWindow->JobLogLines(), QStringList{QString()});
}

TEST_F(ALogWindow, colorsTheProgressPanelByItsPosition) {
  const struct {
    int percent;
    QColor color;
  } cases[] = {{0, JobProgressColor(0)},         {69, QColor(0, 170, 0)},
               {70, QColor(255, 255, 0)},        {89, QColor(255, 255, 0)},
               {90, QColor(255, 165, 0)},        {100, QColor(255, 165, 0)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    EXPECT_EQ(JobProgressColor(c.percent), c.color);
    logWindow->SetJobProgress(c.percent);
    EXPECT_EQ(logWindow->JobProgressPanel->value(), c.percent);
    EXPECT_TRUE(logWindow->JobProgressPanel->styleSheet().contains(c.color.name()));
  }
  logWindow->SetJobProgress(250);
  EXPECT_EQ(logWindow->JobProgressPanel->value(), 100);
}

TEST_F(ALogWindow, runsTheSortJobFromTheDialogAndSavesTheLog) {
  settings.AutoSave = true;
  AddPhoto(QStringLiteral("a.jpg"));
  sortDialog->ComboBox1->setCurrentText(QStringLiteral("yyyymmdd"));
  bool cursorRestored = false;
  RunSortDialog([&] {
    EXPECT_TRUE(logWindow->isVisible());
    EXPECT_FALSE(sortDialog->isVisible());
    logWindow->Button1->click();
    cursorRestored = QApplication::overrideCursor() == nullptr;  // normal again after the job
    logWindow->Button3->click();
  });

  EXPECT_TRUE(cursorRestored);
  EXPECT_FALSE(logWindow->isVisible());
  EXPECT_TRUE(QFile::exists(photos + QStringLiteral("20071224/a.jpg")));
  EXPECT_EQ(list.row(0).texts[kTextFolder], photos + QStringLiteral("20071224/"));
  const QStringList expected = {
      kStart.arg(logWindow->ComputerName(), logWindow->UserName()),
      QStringLiteral(" --- Bilder sortieren nach Dateidatum --- "),
      QStringLiteral("Es wurden 1 Bilder erfolgreich sortiert."), QString(), kEnd};
  EXPECT_EQ(logWindow->JobLogLines(), expected);
  EXPECT_EQ(logWindow->Memo1->toPlainText(), expected.join(QLatin1Char('\n')));
  EXPECT_EQ(LogFiles(), QStringList{kLogFile});
  EXPECT_EQ(ReadAll(logs + kLogFile), CrLfLines(expected));
  EXPECT_EQ(logWindow->JobStatusPanel->MiniHtml(), kJobStatusFinished);
  EXPECT_TRUE(logWindow->JobStatusPanel->text().contains(QStringLiteral("Fertig !")));
  EXPECT_FALSE(logWindow->JobStatusPanel->text().contains(QStringLiteral("clBlue")));
  EXPECT_EQ(logWindow->JobProgressPanel->value(), 0);
  EXPECT_TRUE(logWindow->Button1->isEnabled());
}

TEST_F(ALogWindow, writesNoLogFileWithAutoSaveOff) {
  AddPhoto(QStringLiteral("a.jpg"));
  RunSortDialog([&] {
    logWindow->Button1->click();
    logWindow->Button3->click();
  });
  EXPECT_TRUE(QFile::exists(photos + QStringLiteral("24.12.2007/a.jpg")));
  EXPECT_EQ(logWindow->JobLogLines().last(), kEnd);
  EXPECT_TRUE(LogFiles().isEmpty());
}

TEST_F(ALogWindow, runsTheJobFromTheFirstRowWhenStartedAgainAfterACancel) {
  settings.AutoSave = true;
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) AddPhoto(QLatin1String(name));
  QStringList afterCancel;
  RunSortDialog([&] {
    // "Abbrechen" reaches the job when it first lets events run, before the first row.
    Soon([&] { logWindow->Button2->click(); });
    logWindow->Button1->click();
    afterCancel = logWindow->JobLogLines();
    logWindow->Button1->click();
    logWindow->Button3->click();
  });

  ASSERT_GE(afterCancel.size(), 4);
  // The cancel line, and then the sort branch's closing lines all the same.
  EXPECT_EQ(afterCancel.mid(afterCancel.size() - 4), (QStringList{QString(), kCancel, QString(), kEnd}));
  EXPECT_TRUE(afterCancel.filter(QStringLiteral("erfolgreich sortiert")).isEmpty());
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
    EXPECT_TRUE(QFile::exists(photos + QStringLiteral("24.12.2007/") + QLatin1String(name))) << name;
  }
  const QStringList lines = logWindow->JobLogLines();
  EXPECT_EQ(lines.mid(lines.size() - 3),
            (QStringList{QStringLiteral("Es wurden 3 Bilder erfolgreich sortiert."), QString(), kEnd}));
  EXPECT_EQ(ReadAll(logs + kLogFile), CrLfLines(lines));
}

TEST_F(ALogWindow, cancelsWithItsLinesAndStatusAlsoWithoutARunningJob) {
  settings.AutoSave = true;
  BeginJobLog(*logWindow);
  logWindow->Button2->click();
  EXPECT_TRUE(logWindow->CancelRequested());
  EXPECT_EQ(logWindow->JobLogLines().mid(1), (QStringList{QString(), kCancel}));
  EXPECT_EQ(logWindow->JobStatusPanel->MiniHtml(), kJobStatusCancelled);
  EXPECT_TRUE(ReadAll(logs + kLogFile).endsWith(kCancel.toUtf8() + "\r\n"));
}

TEST_F(ALogWindow, runsOnlyTheLatestPendingJobAndLocksWhatEachKindLocks) {
  int exifRuns = 0;
  int renameRuns = 0;
  QDialog exifDialog(mainWindow.get());
  QDialog renameDialog(mainWindow.get());

  logWindow->SetPendingJob({PendingJobKind::ExifExtraction, [&](JobContext& ctx) {
                              ++exifRuns;
                              EXPECT_NE(QApplication::overrideCursor(), nullptr);
                              EXPECT_TRUE(logWindow->Button3->isEnabled());
                              EXPECT_FALSE(logWindow->Button1->isEnabled());
                              logWindow->Button1Click();  // a second "Start" does not enter the job
                              FinishJob(ctx);
                              return JobRunEnd::Completed;
                            }},
                           &exifDialog);
  logWindow->Button1->click();
  EXPECT_EQ(exifRuns, 1);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  logWindow->SetPendingJob({PendingJobKind::Rename, [&](JobContext& ctx) {
                              ++renameRuns;
                              EXPECT_FALSE(logWindow->Button3->isEnabled());
                              logWindow->close();  // ignored while a rename runs
                              ctx.SetJobProgress(80);
                              FinishJob(ctx);
                              return JobRunEnd::Completed;
                            }},
                           &renameDialog);
  logWindow->show();
  logWindow->Button1->click();
  EXPECT_EQ(exifRuns, 1);
  EXPECT_EQ(renameRuns, 1);
  EXPECT_TRUE(logWindow->isVisible());
  EXPECT_TRUE(logWindow->Button3->isEnabled());
  EXPECT_EQ(logWindow->JobProgressPanel->value(), 0);

  // The PendingJob stays set: "Start" runs the rename again.
  logWindow->Button1->click();
  EXPECT_EQ(renameRuns, 2);
  logWindow->Button3->click();
  EXPECT_FALSE(logWindow->isVisible());
}

TEST_F(ALogWindow, leavesTheProgressOfACancelledExifExtraction) {
  logWindow->SetPendingJob({PendingJobKind::ExifExtraction, [&](JobContext& ctx) {
                              ctx.SetJobProgress(40);
                              return JobRunEnd::Cancelled;
                            }},
                           nullptr);
  logWindow->Button1->click();
  EXPECT_EQ(logWindow->JobProgressPanel->value(), 40);
}

TEST_F(ALogWindow, closesTheSortDialogWhenClosedByItsTitleBar) {
  AddPhoto(QStringLiteral("a.jpg"));
  const int result = RunSortDialog([&] { logWindow->close(); });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_FALSE(sortDialog->isVisible());
  EXPECT_FALSE(logWindow->isVisible());
  EXPECT_TRUE(QFile::exists(photos + QStringLiteral("a.jpg")));  // nothing ran
}

TEST_F(ALogWindow, savesTheJobLogUnderAChosenName) {
  BeginJobLog(*logWindow);
  logWindow->AppendLine(QStringLiteral("Zeile mit Umlauten: äöü"));
  const QString target = temp.path() + QStringLiteral("/gespeichert.txt");
  Soon([&] {
    ASSERT_TRUE(logWindow->SaveDialog1->isVisible());
    EXPECT_EQ(logWindow->SaveDialog1->nameFilters(), QStringList{QStringLiteral("Text (*.txt)")});
    EXPECT_TRUE(logWindow->SaveDialog1->defaultSuffix().isEmpty());
    logWindow->SaveDialog1->selectFile(target);
    static_cast<QDialog*>(logWindow->SaveDialog1)->accept();
  });
  logWindow->Speichernunter1->trigger();
  EXPECT_EQ(ReadAll(target), CrLfLines(logWindow->JobLogLines()));
}

TEST_F(ALogWindow, asksBeforeReplacingAFileAndKeepsItOnNo) {
  const QString target = temp.path() + QStringLiteral("/alt.txt");
  {
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alt");
  }
  QString question;
  Soon([&] {
    logWindow->SaveDialog1->selectFile(target);
    Soon([&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      question = box->text();
      for (QAbstractButton* button : box->buttons()) {
        if (button->text().contains(QStringLiteral("Nein"))) button->click();
      }
    });
    static_cast<QDialog*>(logWindow->SaveDialog1)->accept();
  });
  logWindow->Speichernunter1->trigger();
  EXPECT_TRUE(question.startsWith(QStringLiteral("Die angegebene Datei existiert bereits !")));
  EXPECT_EQ(ReadAll(target), QByteArray("alt"));
}

}  // namespace
