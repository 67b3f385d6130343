#pragma once
// The JobLog and the runner steps every job shares: the start, end and cancel lines, the
// automatic log file and the closing sequence. Everything goes through a JobContext, so the same
// steps run in the log window, on the command line and under test.

#include <QDateTime>
#include <QString>
#include <QStringList>

class JobContext;

// JobStatusPanel texts in the status bar's mini-HTML ("Umbenennnen" is written with three n).
inline const QString kJobStatusRenaming =
    QStringLiteral("<B><FONT color=\"clBlue\">Umbenennnen</B></FONT>");
inline const QString kJobStatusPacking =
    QStringLiteral("<B><FONT color=\"clBlue\">Packen</B></FONT>");
inline const QString kJobStatusFinished =
    QStringLiteral("<B><FONT color=\"clBlue\">Fertig !</B></FONT>");
inline const QString kJobStatusCancelled =
    QStringLiteral("<B><FONT color=\"clRed\">Abbruch !</B></FONT>");

// The lines of the current job. At program start it holds one empty line.
class JobLog {
 public:
  void Clear() { lines_.clear(); }
  void Append(const QString& line) { lines_.append(line); }
  const QStringList& Lines() const { return lines_; }

 private:
  QStringList lines_{QString()};
};

// "dd.mm.yyyy hh:mm:ss : computer/user : Start der Verarbeitung"
QString JobLogStartLine(const QDateTime& now, const QString& computerName, const QString& userName);
// "dd.mm.yyyy hh:mm:ss : Ende der Verarbeitung"
QString JobLogEndLine(const QDateTime& now);
// "dd.mm.yyyy hh:mm:ss : Manueller Abbruch der Verarbeitung !"
QString JobLogCancelLine(const QDateTime& now);
// "Log_" + hhmm + "_" + yyyymmdd + ".txt"
QString JobLogFileName(const QDateTime& now);
// The lines as a log file holds them: UTF-8, every line ended by CR LF.
QByteArray JobLogFileBytes(const QStringList& lines);
// Writes the lines to the file, replacing an existing one only once the new text is complete.
// On failure returns false and sets errorText to a German message that names the file.
bool WriteJobLogFile(const QString& path, const QStringList& lines, QString* errorText);

// Empties the JobLog and adds the start line. Job dialogs call it before their option lines.
void BeginJobLog(JobContext& ctx);
// With AutoSave on, writes the JobLog to LogFolder() + JobLogFileName(Now()); otherwise nothing.
// A file that cannot be written is reported as an error box; then it returns false.
bool SaveJobLogFile(JobContext& ctx);
// The closing sequence: empty line, end line, SaveJobLogFile, the end sound when PlayEnd is on,
// "Fertig !", normal cursor. A log file that cannot be written ends it after the error box
// (no sound, no "Fertig !"), with the normal cursor back.
void FinishJob(JobContext& ctx);
// What "Abbrechen" writes after it set the cancel flag: empty line, cancel line, "Abbruch !",
// SaveJobLogFile, normal cursor.
void LogJobCancel(JobContext& ctx);
