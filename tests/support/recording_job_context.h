#pragma once
// A JobContext for tests: records every line, status text, progress value, message, question,
// cursor change and sound; answers questions from a queue; lets a test set the cancel flag at a
// chosen ProcessEvents call; fixes the clock, the names and the log folder.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "jobs/job_context.h"
#include "settings/app_settings.h"

class RecordingJobContext : public JobContext {
 public:
  struct Message {
    MessageKind kind;
    QString text;
    bool isQuestion;
  };
  struct Sound {
    QString wavFile;
    bool enabled;
  };

  // The JobLog starts empty here (not with the program's one empty line), so tests compare
  // exactly the lines a job wrote.
  QStringList lines;
  QStringList statuses;       // every SetJobStatus text, in order
  QList<int> progress;        // every SetJobProgress value, in order (clamped to 0..100)
  QList<bool> busyCursor;     // every SetBusyCursor call, in order
  QList<Message> messages;    // boxes and questions, in order
  QList<Sound> sounds;
  int processEventsCalls = 0;

  // Answers for AskYesNo, taken from the front; when empty, defaultAnswer.
  QList<bool> answers;
  bool defaultAnswer = false;

  bool cancelRequested = false;
  // Called on every ProcessEvents with the number of calls so far (1 for the first); a test
  // sets cancelRequested here to cancel in mid-job.
  std::function<void(int call)> onProcessEvents;

  AppSettings settings{};
  QDateTime now = QDateTime(QDate(2007, 12, 24), QTime(14, 5, 9));
  QString logFolder;  // with trailing separator; empty keeps files in the working folder
  QString computerName = QStringLiteral("rechner");
  QString userName = QStringLiteral("anwender");

  // The last status text, or empty.
  QString LastStatus() const { return statuses.isEmpty() ? QString() : statuses.last(); }
  // Lines that hold the text.
  QStringList LinesContaining(const QString& text) const { return lines.filter(text); }

  void ClearJobLog() override { lines.clear(); }
  void AppendLine(const QString& line) override { lines.append(line); }
  QStringList JobLogLines() const override { return lines; }
  void SetJobStatus(const QString& miniHtml) override { statuses.append(miniHtml); }
  void SetJobProgress(int percent) override;
  void ProcessEvents() override;
  bool CancelRequested() const override { return cancelRequested; }
  void ShowMessage(MessageKind kind, const QString& text) override;
  bool AskYesNo(MessageKind kind, const QString& text) override;
  void SetBusyCursor(bool busy) override { busyCursor.append(busy); }
  void PlaySoundIfEnabled(const QString& wavFile, bool enabled) override;
  const AppSettings& Settings() const override { return settings; }
  QDateTime Now() const override { return now; }
  QString LogFolder() const override { return logFolder; }
  QString ComputerName() const override { return computerName; }
  QString UserName() const override { return userName; }
};
