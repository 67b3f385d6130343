#pragma once
// Writing files into a zip archive with libzip: deflate at level 9 (stored for suffixes that
// are compressed already), optional folder names and AES-256 encryption. An existing archive
// is extended; an entry of the same name is replaced.

#include <QString>
#include <QStringList>

#include <functional>

struct ZipAddRequest {
  QString archivePath;
  QStringList files;
  bool storeFolderNames = false;
  bool encrypt = false;
  QString password;
};

// The entry name of a file: its name, or its path without the leading separator.
QString ZipEntryName(const QString& file, bool storeFolderNames);

// True when files of this name are stored without compression.
bool IsStoreOnlyFile(const QString& file);

// Adds the files and closes the archive; on success the archive file carries the time of its
// newest entry. On failure the archive keeps what it held before, errorText says why, and the
// result is false. progress gets the per cent done (0..100) while the archive is written.
bool AddFilesToZip(const ZipAddRequest& request, const std::function<void(int)>& progress, QString* errorText);

// True when the archive opens without a consistency error and holds, for every file, an entry of
// the right size that reads back completely with a correct checksum (decrypted with password
// when it is encrypted). Used before any source file is deleted.
bool ZipHoldsFiles(const QString& archivePath, const QStringList& files, bool storeFolderNames,
                   const QString& password = QString());
