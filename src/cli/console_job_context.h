#pragma once
// The job context of a console run: the JobLog goes to stdout line by line as the job writes it,
// messages go to stderr. Nobody can press "Abbrechen", questions are answered No, no log file is
// written (AutoSave stays off) and no sound is played.

#include <QStringList>
#include <QTextStream>

#include "jobs/job_context.h"
#include "settings/app_settings.h"

class ConsoleJobContext : public JobContext {
 public:
  ConsoleJobContext();

  void ClearJobLog() override;
  void AppendLine(const QString& line) override;
  QStringList JobLogLines() const override;
  void SetJobStatus(const QString&) override {}
  void SetJobProgress(int) override {}
  void ProcessEvents() override {}
  bool CancelRequested() const override { return false; }
  void ShowMessage(MessageKind kind, const QString& text) override;
  bool AskYesNo(MessageKind kind, const QString& text) override;
  void SetBusyCursor(bool) override {}
  void PlaySoundIfEnabled(const QString&, bool) override {}
  const AppSettings& Settings() const override { return settings_; }
  QDateTime Now() const override;
  QString LogFolder() const override { return {}; }
  QString ComputerName() const override;
  QString UserName() const override;

 private:
  mutable QTextStream out_;
  QStringList lines_;
  AppSettings settings_{};
};
