#include "jobs/job_log.h"

#include <QSaveFile>

#include "jobs/job_context.h"
#include "settings/app_settings.h"

namespace {

QString Stamp(const QDateTime& now) {
  return now.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

}  // namespace

QString JobLogStartLine(const QDateTime& now, const QString& computerName,
                        const QString& userName) {
  return Stamp(now) + QStringLiteral(" : ") + computerName + QLatin1Char('/') + userName +
         QStringLiteral(" : Start der Verarbeitung");
}

QString JobLogEndLine(const QDateTime& now) {
  return Stamp(now) + QStringLiteral(" : Ende der Verarbeitung");
}

QString JobLogCancelLine(const QDateTime& now) {
  return Stamp(now) + QStringLiteral(" : Manueller Abbruch der Verarbeitung !");
}

QString JobLogFileName(const QDateTime& now) {
  return QStringLiteral("Log_") + now.toString(QStringLiteral("HHmm")) + QLatin1Char('_') +
         now.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".txt");
}

QByteArray JobLogFileBytes(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += line.toUtf8();
    bytes += "\r\n";
  }
  return bytes;
}

bool WriteJobLogFile(const QString& path, const QStringList& lines, QString* errorText) {
  QSaveFile file(path);
  const QByteArray bytes = JobLogFileBytes(lines);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
    return true;
  }
  if (errorText) {
    *errorText = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden !\r\n\r\n%2")
                     .arg(path, file.errorString());
  }
  return false;
}

void BeginJobLog(JobContext& ctx) {
  ctx.ClearJobLog();
  ctx.AppendLine(JobLogStartLine(ctx.Now(), ctx.ComputerName(), ctx.UserName()));
}

bool SaveJobLogFile(JobContext& ctx) {
  if (!ctx.Settings().AutoSave) return true;
  QString error;
  if (WriteJobLogFile(ctx.LogFolder() + JobLogFileName(ctx.Now()), ctx.JobLogLines(), &error)) {
    return true;
  }
  ctx.ShowMessage(MessageKind::Error, error);
  return false;
}

void FinishJob(JobContext& ctx) {
  ctx.AppendLine(QString());
  ctx.AppendLine(JobLogEndLine(ctx.Now()));
  if (!SaveJobLogFile(ctx)) {
    ctx.SetBusyCursor(false);  // the error ends the sequence, but never leaves the hourglass
    return;
  }
  ctx.PlaySoundIfEnabled(ctx.Settings().KlangEnd, ctx.Settings().PlayEnd);
  ctx.SetJobStatus(kJobStatusFinished);
  ctx.SetBusyCursor(false);
}

void LogJobCancel(JobContext& ctx) {
  ctx.AppendLine(QString());
  ctx.AppendLine(JobLogCancelLine(ctx.Now()));
  ctx.SetJobStatus(kJobStatusCancelled);
  SaveJobLogFile(ctx);
  ctx.SetBusyCursor(false);
}
