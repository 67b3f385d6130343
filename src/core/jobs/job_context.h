#pragma once
// The one way an engine talks to the world while it runs: it appends JobLog lines, moves the
// status and progress panels, lets events run, reads the cancel flag and asks or tells the user.
// The log window implements it; tests use a recording double. The clock is part of it, so tests
// fix dates and times.

#include <QDateTime>
#include <QString>

struct AppSettings;

enum class MessageKind { Information, Error, Warning, Confirmation };

class JobContext {
 public:
  virtual ~JobContext() = default;

  // JobLog: every job only appends.
  virtual void AppendLine(const QString& line) = 0;
  // JobStatusPanel text (the status bar's mini-HTML); JobProgressPanel position 0..100.
  virtual void SetJobStatus(const QString& miniHtml) = 0;
  virtual void SetJobProgress(int percent) = 0;

  // Lets the message queue run, so windows repaint and "Abbrechen" is seen.
  virtual void ProcessEvents() = 0;
  virtual bool CancelRequested() const = 0;

  // A message box: information, error or warning with OK.
  virtual void ShowMessage(MessageKind kind, const QString& text) = 0;
  // A question with Yes and No; true only on Yes.
  virtual bool AskYesNo(MessageKind kind, const QString& text) = 0;

  virtual void SetBusyCursor(bool busy) = 0;
  // Starts a WAV file asynchronously when enabled.
  virtual void PlaySoundIfEnabled(const QString& wavFile, bool enabled) = 0;

  // Settings as they are at the moment of use.
  virtual const AppSettings& Settings() const = 0;
  // The current local date and time.
  virtual QDateTime Now() const = 0;
};
