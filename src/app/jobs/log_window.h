#pragma once
// TForm3, the log window "Fortschritt / Protokoll": every batch job of the checked rows runs in
// it. A job dialog empties the JobLog (BeginJobLog), adds its option lines, and hands its job over
// with ShowModalWithPendingJob; "Start" runs it, "Abbrechen" sets the cancel flag, "Schließen"
// closes the window together with the job dialog. The window is the jobs' JobContext.
//
// Handing a job over, from a job dialog's "Ok" (the dialog runs in its own exec()):
//   hide();
//   BeginJobLog(*logWindow);
//   logWindow->AppendLine(...);                          // the dialog's option lines
//   logWindow->ShowModalWithPendingJob(job, this);       // returns when the log window closes;
//                                                        // it has closed `this` with done()
// The rename dialog first clears the status and progress panels (SetJobStatus({}),
// SetJobProgress(0)); the sort and EXIF dialogs leave them as the previous job left them.

#include <QColor>
#include <QDialog>
#include <QPointer>
#include <functional>

#include "jobs/job_context.h"
#include "jobs/job_log.h"
#include "jobs/pending_job.h"

class MiniHtmlLabel;
class QAction;
class QFileDialog;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The JobProgressPanel's colour: green below 70 per cent, yellow below 90, orange from 90.
QColor JobProgressColor(int percent);

class TForm3 : public QDialog, public JobContext {
  Q_OBJECT

 public:
  // settings: the program's AppSettings, read at the moment of use. mainWindow: the window the
  // log window is centred on and that comes to the front when it closes.
  TForm3(const AppSettings& settings, QWidget* mainWindow);
  ~TForm3() override;

  // Makes the job the PendingJob, with jobDialog the dialog that stays open (hidden) behind the
  // window, and shows the window modally; returns when the window closes.
  void ShowModalWithPendingJob(const PendingJob& job, QDialog* jobDialog);
  // The same without showing the window (for callers that show it themselves).
  void SetPendingJob(const PendingJob& job, QDialog* jobDialog);
  bool JobRunning() const { return running_; }

  // Writes the JobLog to path in the form of the automatic log file; an error box when it fails.
  bool SaveJobLogAs(const QString& path);

  // The clock and the log folder; the program keeps the defaults (local time, LogFolder()).
  void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
  void SetLogFolder(const QString& folder) { logFolder_ = folder; }

  // JobContext
  void ClearJobLog() override;
  void AppendLine(const QString& line) override;
  QStringList JobLogLines() const override { return log_.Lines(); }
  void SetJobStatus(const QString& miniHtml) override;
  void SetJobProgress(int percent) override;
  void ProcessEvents() override;
  bool CancelRequested() const override { return cancelRequested_; }
  void ShowMessage(MessageKind kind, const QString& text) override;
  bool AskYesNo(MessageKind kind, const QString& text) override;
  void SetBusyCursor(bool busy) override;
  void PlaySoundIfEnabled(const QString& wavFile, bool enabled) override;
  const AppSettings& Settings() const override { return settings_; }
  QDateTime Now() const override { return clock_(); }
  QString LogFolder() const override { return logFolder_; }
  QString ComputerName() const override;
  QString UserName() const override;

  // Controls, named as in the rest of the program.
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;  // "Start"
  QPushButton* Button2 = nullptr;  // "Abbrechen"
  QPushButton* Button3 = nullptr;  // "Schließen"
  QAction* Speichernunter1 = nullptr;
  QAction* Drucken1 = nullptr;
  QFileDialog* SaveDialog1 = nullptr;
  MiniHtmlLabel* JobStatusPanel = nullptr;
  QProgressBar* JobProgressPanel = nullptr;

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Speichernunter1Click();
  void Drucken1Click();

 public slots:
  // Every way of closing ends here: closes the job dialog and brings the main window forward.
  void done(int result) override;

 private:
  void CreateControls();
  void CloseJobDialog();

  const AppSettings& settings_;
  QPointer<QWidget> mainWindow_;
  JobLog log_;
  PendingJob pending_;
  bool hasPendingJob_ = false;
  QPointer<QDialog> jobDialog_;
  bool cancelRequested_ = false;
  bool running_ = false;
  bool busy_ = false;
  std::function<QDateTime()> clock_;
  QString logFolder_;
};
