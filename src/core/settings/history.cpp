#include "settings/history.h"

#include <QFile>
#include <QSaveFile>
#include <optional>

#include "common/file_error.h"
#include "settings/ini_file.h"
#include "settings/user_data_folder.h"

HistoryField::HistoryField(QString fileName, QString folder)
    : fileName_(std::move(fileName)), folder_(std::move(folder)) {}

QString HistoryField::FilePath() const {
  return (folder_.isEmpty() ? UserDataFolder() : folder_) + fileName_;
}

QStringList ReadHistoryFile(const QString& path) {
  QFile file(path);
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly)) {
    throw FileError(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2")
                        .arg(path, file.errorString()));
  }
  const QByteArray bytes = file.readAll();
  QStringList entries;
  for (const QByteArray& raw : SplitStoredLines(bytes)) entries.append(DecodeStoredLine(raw));
  return entries;
}

void WriteHistoryFile(const QString& path, const QStringList& entries) {
  QByteArray bytes;
  for (const QString& entry : entries) {
    bytes += entry.toUtf8();
    bytes += "\r\n";
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw FileError(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden: %2")
                        .arg(path, file.errorString()));
  }
}

void LoadHistory(HistoryField& field) {
  try {
    field.SetLookupList(ReadHistoryFile(field.FilePath()));
  } catch (const FileError&) {
    // An unreadable history only means no suggestions; the file stays untouched.
    field.SetLookupList({});
  }
}

void CommitHistory(HistoryField& field, const QString& text, HistoryCommit kind) {
  const QString path = field.FilePath();
  // Starting from the file, not from the field's own list, keeps the entries that other fields
  // added since this one loaded. A file that cannot be read is not overwritten; the field's own
  // list still gains the text.
  QStringList entries;
  std::optional<FileError> readError;
  try {
    entries = ReadHistoryFile(path);
  } catch (const FileError& error) {
    entries = field.LookupList();
    readError = error;
  }
  const auto contains = [&entries](const QString& candidate) {
    return entries.contains(candidate, Qt::CaseInsensitive);
  };
  const QString trimmed = text.trimmed();
  // One entry per line: a text with a line break cannot be stored and stays out.
  const bool storable = !text.contains(u'\n') && !text.contains(u'\r');
  if (storable && !trimmed.isEmpty()) {
    if (kind == HistoryCommit::FieldLeft && !contains(trimmed)) entries.append(trimmed);
    if (!contains(text)) entries.append(text);
  }
  field.SetLookupList(entries);
  if (readError) throw *readError;
  WriteHistoryFile(path, entries);
}
