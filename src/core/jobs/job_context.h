#pragma once
// The one way an engine talks to the world while it runs: it appends JobLog lines, moves the
// status and progress panels, lets events run, reads the cancel flag and asks or tells the user.
// The log window implements it, the command line has a console version, and tests use
// RecordingJobContext (tests/support/recording_job_context.h). The clock and the log folder are
// part of it, so tests fix dates and times and keep log files in a temporary folder.
//
// How an engine uses it, row by row:
//   ctx.ProcessEvents();                    // let "Abbrechen" through
//   if (ctx.CancelRequested()) return ...;  // stop at once, no summary line
//   ... work on the row ...
//   ctx.AppendLine(...); ctx.SetJobProgress(percent);
// and at the end FinishJob(ctx) (job_log.h) when the engine runs its own closing sequence.

#include <QDateTime>
#include <QString>
#include <QStringList>

struct AppSettings;

enum class MessageKind { Information, Error, Warning, Confirmation };

class JobContext {
 public:
  virtual ~JobContext() = default;

  // JobLog. Job dialogs empty it only through BeginJobLog (job_log.h); job code only appends.
  virtual void ClearJobLog() = 0;
  virtual void AppendLine(const QString& line) = 0;
  virtual QStringList JobLogLines() const = 0;

  // JobStatusPanel text (the status bar's mini-HTML, see the kJobStatus... texts in job_log.h);
  // JobProgressPanel position 0..100 (values outside are clamped).
  virtual void SetJobStatus(const QString& miniHtml) = 0;
  virtual void SetJobProgress(int percent) = 0;

  // Lets the message queue run, so windows repaint and "Abbrechen" is seen.
  virtual void ProcessEvents() = 0;
  // The shared cancel flag: set by "Abbrechen", cleared by "Start". Engines only read it.
  virtual bool CancelRequested() const = 0;

  // A message box: information, error or warning with OK.
  virtual void ShowMessage(MessageKind kind, const QString& text) = 0;
  // A question with Yes and No; true only on Yes.
  virtual bool AskYesNo(MessageKind kind, const QString& text) = 0;

  // Hourglass while busy, the normal cursor otherwise.
  virtual void SetBusyCursor(bool busy) = 0;
  // Starts a WAV file asynchronously when enabled; does nothing otherwise.
  virtual void PlaySoundIfEnabled(const QString& wavFile, bool enabled) = 0;

  // Settings as they are at the moment of use.
  virtual const AppSettings& Settings() const = 0;
  // The current local date and time.
  virtual QDateTime Now() const = 0;
  // The folder that automatic log files go to, with a trailing separator
  // (UserDataFolder + "Logdat/" in the program).
  virtual QString LogFolder() const = 0;
  // Computer and user name for the JobLog's start line.
  virtual QString ComputerName() const = 0;
  virtual QString UserName() const = 0;
};
