#include "common/path_helpers.h"

#include <QFileInfo>

QString WithTrailingBackslash(const QString& text) {
  if (text.isEmpty() || text.endsWith(kPathSeparator)) return text;
  return text + kPathSeparator;
}

QString ExtractFolderPart(const QString& path) {
  const qsizetype last = path.lastIndexOf(kPathSeparator);
  return last < 0 ? QString() : path.left(last + 1);
}

QString ExtractNamePart(const QString& path) {
  return path.mid(path.lastIndexOf(kPathSeparator) + 1);
}

QString ExtractExtLower(const QString& text) {
  return text.mid(text.lastIndexOf(u'.') + 1).toLower();
}

QString ExtractBaseNameLower(const QString& path) {
  const QString name = ExtractNamePart(path);
  const qsizetype dot = name.indexOf(u'.');
  return dot < 0 ? QString() : name.left(dot).toLower();
}

QString EnsureExtension(const QString& name, const QString& extension) {
  return name.contains(u'.') ? name : name + u'.' + extension;
}

bool IsValidFileName(const QString& text, bool longNames) {
  // '/' and NUL are forbidden in both modes: they cannot stand in a Linux file name.
  static const QString kLongForbidden = QStringLiteral("\"<>\\|/") + QChar(u'\0');
  static const QString kShortForbidden = QStringLiteral(" \"'+;<=>[\\]|/") + QChar(u'\0');
  const QString& forbidden = longNames ? kLongForbidden : kShortForbidden;
  for (const QChar c : text)
    if (forbidden.contains(c)) return false;
  return true;
}

QString ReplaceAll(const QString& text, const QString& pattern, const QString& replacement) {
  if (pattern.isEmpty()) return text;
  if (!replacement.contains(pattern)) {
    // Always the first occurrence left in the text, searching again from the start.
    QString result = text;
    for (qsizetype at = result.indexOf(pattern); at >= 0; at = result.indexOf(pattern))
      result.replace(at, pattern.size(), replacement);
    return result;
  }
  // The replacement would be found again: replace each original occurrence exactly once.
  QString result;
  qsizetype from = 0;
  for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern, from)) {
    result += text.mid(from, at - from) + replacement;
    from = at + pattern.size();
  }
  return result + text.mid(from);
}

QDateTime FileWriteTime(const QString& path) {
  const QFileInfo info(path);
  return info.exists() ? info.lastModified().toLocalTime() : QDateTime();
}

bool FolderExists(const QString& path) {
  return !path.isEmpty() && QFileInfo(path).isDir();
}
