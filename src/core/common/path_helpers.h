#pragma once
// Text helpers for paths and names. Paths are plain texts with the platform separator ('/');
// "last" and "first" refer to positions in the text, searches are case-sensitive.

#include <QDateTime>
#include <QString>

// The platform's path separator as a character and as a text.
inline constexpr QChar kPathSeparator = u'/';
inline const QString kPathSeparatorText = QStringLiteral("/");

// The text with a separator appended when it is not empty and does not end with one.
QString WithTrailingBackslash(const QString& text);
// The text up to and including its last separator; empty when it holds none.
QString ExtractFolderPart(const QString& path);
// The text after its last separator; the whole text when it holds none.
QString ExtractNamePart(const QString& path);
// The text after the last dot anywhere in the text, lower-cased; without a dot the whole text.
QString ExtractExtLower(const QString& text);
// Of the name part, the text before its first dot, lower-cased; empty when it holds no dot.
QString ExtractBaseNameLower(const QString& path);
// The name unchanged when it holds a dot anywhere, otherwise name + "." + extension.
QString EnsureExtension(const QString& name, const QString& extension);
// False when the text holds a character that cannot stand in a file name. Besides the
// characters refused on the original platform, '/' and NUL are refused: Linux forbids them.
bool IsValidFileName(const QString& text, bool longNames);
// Replaces every occurrence of pattern, one at a time from the left. A replacement that itself
// contains the pattern replaces each occurrence present before the call once, so it never loops.
QString ReplaceAll(const QString& text, const QString& pattern, const QString& replacement);
// The file's last-write time in local time; invalid when the file does not exist.
QDateTime FileWriteTime(const QString& path);
// True when the path names an existing folder.
bool FolderExists(const QString& path);
