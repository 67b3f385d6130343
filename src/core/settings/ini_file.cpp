#include "settings/ini_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "common/file_error.h"

QString DecodeStoredLine(const QByteArray& raw) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(raw);
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(raw);
}

QList<QByteArray> SplitStoredLines(const QByteArray& bytes) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype end = bytes.indexOf('\n', start);
    if (end < 0) end = bytes.size();
    QByteArray raw = bytes.mid(start, end - start);
    if (raw.endsWith('\r')) raw.chop(1);
    lines.append(raw);
    start = end + 1;
  }
  return lines;
}

bool IniFile::Read(const QString& path, QString* errorText) {
  lines_.clear();
  utf8Bom_ = false;
  lineEnd_ = "\r\n";
  QFile file(path);
  if (!file.exists()) return true;
  if (!file.open(QIODevice::ReadOnly)) {
    if (errorText) *errorText = file.errorString();
    return false;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (errorText) *errorText = file.errorString();
    return false;
  }
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    utf8Bom_ = true;
    bytes.remove(0, 3);
  }
  // The file keeps its own kind of line end; a new file gets CR LF.
  const qsizetype firstLf = bytes.indexOf('\n');
  if (firstLf > 0 && bytes.at(firstLf - 1) != '\r') lineEnd_ = "\n";
  for (const QByteArray& raw : SplitStoredLines(bytes)) lines_.append(ParseLine(raw));
  return true;
}

IniFile::Line IniFile::ParseLine(const QByteArray& raw) {
  Line line;
  line.raw = raw;
  const QString text = DecodeStoredLine(raw).trimmed();
  if (text.isEmpty() || text.startsWith(u';') || text.startsWith(u'#')) return line;
  if (text.startsWith(u'[')) {
    const qsizetype close = text.indexOf(u']');
    if (close > 0) {
      line.kind = LineKind::Section;
      line.name = text.mid(1, close - 1).trimmed();
    }
    return line;
  }
  const qsizetype equals = text.indexOf(u'=');
  if (equals > 0) {
    line.kind = LineKind::Entry;
    line.name = text.left(equals).trimmed();
    line.value = text.mid(equals + 1).trimmed();
  }
  return line;
}

int IniFile::FindSection(const QString& section) const {
  for (int i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == LineKind::Section &&
        lines_[i].name.compare(section, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

int IniFile::FindEntry(int sectionLine, const QString& key) const {
  for (int i = sectionLine + 1; i < lines_.size(); ++i) {
    if (lines_[i].kind == LineKind::Section) break;
    if (lines_[i].kind == LineKind::Entry && lines_[i].name.compare(key, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
  const int sectionLine = FindSection(section);
  if (sectionLine < 0) return std::nullopt;
  const int entry = FindEntry(sectionLine, key);
  if (entry < 0) return std::nullopt;
  return lines_[entry].value;
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
  int sectionLine = FindSection(section);
  if (sectionLine < 0) {
    lines_.append(ParseLine(QStringLiteral("[%1]").arg(section).toUtf8()));
    sectionLine = lines_.size() - 1;
  }
  const int entry = FindEntry(sectionLine, key);
  if (entry >= 0) {
    // The stored spelling of the key stays.
    lines_[entry] = ParseLine((lines_[entry].name + u'=' + value).toUtf8());
    return;
  }
  int insertAt = sectionLine + 1;
  for (int i = sectionLine + 1; i < lines_.size() && lines_[i].kind != LineKind::Section; ++i) {
    if (lines_[i].kind == LineKind::Entry) insertAt = i + 1;
  }
  lines_.insert(insertAt, ParseLine((key + u'=' + value).toUtf8()));
}

void IniFile::Write(const QString& path) const {
  QByteArray bytes;
  if (utf8Bom_) bytes += "\xEF\xBB\xBF";
  for (const Line& line : lines_) {
    bytes += line.raw;
    bytes += lineEnd_;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw FileError(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden: %2")
                        .arg(path, file.errorString()));
  }
}
