#pragma once
// Runs the independent 7zz archiver to check the archives the rename job writes.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

struct SevenZipRun {
  int exitCode = -1;
  QString output;
};

inline bool SevenZipAvailable() { return !QStandardPaths::findExecutable(QStringLiteral("7zz")).isEmpty(); }

inline SevenZipRun RunSevenZip(const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStringLiteral("7zz"), arguments);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAll())};
}

// The values of one key ("Path", "Method", ...) of `7zz l -slt`, in archive order, without the
// archive's own "Path" line.
inline QStringList SevenZipListValues(const QString& archive, const QString& key, const QString& password = {}) {
  QStringList arguments{QStringLiteral("l"), QStringLiteral("-slt"), QStringLiteral("-p") + password, archive};
  const QString output = RunSevenZip(arguments).output;
  QStringList values;
  bool inEntries = false;
  for (const QString& line : output.split(u'\n')) {
    if (line.startsWith(QStringLiteral("----------"))) inEntries = true;
    if (inEntries && line.startsWith(key + QStringLiteral(" = "))) values << line.mid(key.size() + 3).trimmed();
  }
  return values;
}
