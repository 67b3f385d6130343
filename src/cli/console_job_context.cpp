#include "console_job_context.h"

#include <cstdio>

#include "common/system_info.h"

ConsoleJobContext::ConsoleJobContext() : out_(stdout) {}

void ConsoleJobContext::ClearJobLog() { lines_.clear(); }

void ConsoleJobContext::AppendLine(const QString& line) {
  lines_.append(line);
  out_ << line << '\n';
}

QStringList ConsoleJobContext::JobLogLines() const { return lines_; }

void ConsoleJobContext::ShowMessage(MessageKind, const QString& text) {
  out_.flush();
  QTextStream(stderr) << "velmora-cli: " << text << '\n';
}

bool ConsoleJobContext::AskYesNo(MessageKind kind, const QString& text) {
  ShowMessage(kind, text);
  return false;
}

QDateTime ConsoleJobContext::Now() const { return QDateTime::currentDateTime(); }
QString ConsoleJobContext::ComputerName() const { return CurrentComputerName(); }
QString ConsoleJobContext::UserName() const { return CurrentUserName(); }
