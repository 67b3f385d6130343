#include "jobs/zip_pack_archive.h"

#include "common/path_helpers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <zip.h>

#include <memory>

namespace {

// Suffixes of files that are stored without compression.
constexpr const char* kStoreOnlySuffixes[] = {"gif", "png", "z",   "zip", "zoo", "arc", "lzh", "arj", "taz",
                                              "tgz", "lha", "rar", "ace", "cab", "gz",  "gzip", "jar"};

constexpr int kDeflateLevel = 9;

struct ZipDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscard>;

QString LibzipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  QString text = QString::fromUtf8(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}

ZipHandle OpenArchive(const QString& path, int flags, QString* errorText) {
  int code = 0;
  zip_t* archive = zip_open(QFile::encodeName(path).constData(), flags, &code);
  if (!archive && errorText) *errorText = path + QStringLiteral(": ") + LibzipErrorText(code);
  return ZipHandle(archive);
}

void ReportProgress(zip_t*, double done, void* state) {
  const auto* progress = static_cast<const std::function<void(int)>*>(state);
  if (progress && *progress) (*progress)(int(done * 100.0 + 0.5));
}

bool AddOneFile(zip_t* archive, const QString& file, const ZipAddRequest& request, QString* errorText) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_file_create(QFile::encodeName(file).constData(), 0, -1, &error);
  if (!source) {
    if (errorText) *errorText = file + QStringLiteral(": ") + QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return false;
  }
  zip_error_fini(&error);
  const QByteArray entryName = ZipEntryName(file, request.storeFolderNames).toUtf8();
  const zip_int64_t index = zip_file_add(archive, entryName.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    if (errorText) *errorText = file + QStringLiteral(": ") + QString::fromUtf8(zip_strerror(archive));
    return false;
  }
  const bool store = IsStoreOnlyFile(file);
  if (zip_set_file_compression(archive, zip_uint64_t(index), store ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                               store ? 0 : kDeflateLevel) != 0) {
    if (errorText) *errorText = file + QStringLiteral(": ") + QString::fromUtf8(zip_strerror(archive));
    return false;
  }
  if (request.encrypt) {
    const QByteArray password = request.password.toUtf8();
    if (zip_file_set_encryption(archive, zip_uint64_t(index), ZIP_EM_AES_256, password.constData()) != 0) {
      if (errorText) *errorText = file + QStringLiteral(": ") + QString::fromUtf8(zip_strerror(archive));
      return false;
    }
  }
  return true;
}

// The newest modification time of any entry; 0 when the archive holds none.
time_t NewestEntryTime(zip_t* archive) {
  time_t newest = 0;
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) == 0 && (stat.valid & ZIP_STAT_MTIME) && stat.mtime > newest)
      newest = stat.mtime;
  }
  return newest;
}

void SetArchiveTimeToNewestEntry(const QString& archivePath) {
  ZipHandle archive = OpenArchive(archivePath, ZIP_RDONLY, nullptr);
  if (!archive) return;
  const time_t newest = NewestEntryTime(archive.get());
  if (newest == 0) return;
  QFile file(archivePath);
  if (file.open(QIODevice::ReadOnly))
    file.setFileTime(QDateTime::fromSecsSinceEpoch(qint64(newest)), QFileDevice::FileModificationTime);
}

// Reads the entry to its end; libzip checks the CRC (and the AES authentication) on the way.
bool EntryReadsBack(zip_t* archive, const QByteArray& entryName, zip_uint64_t size, const QString& password) {
  const QByteArray passwordBytes = password.toUtf8();
  zip_file_t* entry = zip_fopen_encrypted(archive, entryName.constData(), 0,
                                          password.isEmpty() ? nullptr : passwordBytes.constData());
  if (!entry) return false;
  char buffer[64 * 1024];
  zip_uint64_t total = 0;
  zip_int64_t got = 0;
  while ((got = zip_fread(entry, buffer, sizeof buffer)) > 0) total += zip_uint64_t(got);
  const bool closedCleanly = zip_fclose(entry) == 0;
  return got == 0 && closedCleanly && total == size;
}

}  // namespace

QString ZipEntryName(const QString& file, bool storeFolderNames) {
  if (!storeFolderNames) return ExtractNamePart(file);
  QString path = QDir::cleanPath(file);
  while (path.startsWith(kPathSeparator)) path.remove(0, 1);
  return path;
}

bool IsStoreOnlyFile(const QString& file) {
  const QString name = ExtractNamePart(file);
  const qsizetype dot = name.lastIndexOf(u'.');
  if (dot < 0) return false;
  const QString suffix = name.mid(dot + 1).toLower();
  for (const char* storeSuffix : kStoreOnlySuffixes)
    if (suffix == QLatin1String(storeSuffix)) return true;
  return false;
}

bool AddFilesToZip(const ZipAddRequest& request, const std::function<void(int)>& progress, QString* errorText) {
  if (request.encrypt && request.password.isEmpty()) {
    if (errorText) *errorText = QStringLiteral("no password for the encryption");
    return false;
  }
  ZipHandle archive = OpenArchive(request.archivePath, ZIP_CREATE, errorText);
  if (!archive) return false;
  for (const QString& file : request.files)
    if (!AddOneFile(archive.get(), file, request, errorText)) return false;  // discards every change

  zip_register_progress_callback_with_state(archive.get(), 0.01, ReportProgress, nullptr,
                                            const_cast<std::function<void(int)>*>(&progress));
  if (zip_close(archive.get()) != 0) {
    if (errorText) *errorText = request.archivePath + QStringLiteral(": ") + QString::fromUtf8(zip_strerror(archive.get()));
    return false;
  }
  archive.release();  // closed and freed by zip_close
  if (!QFileInfo::exists(request.archivePath)) {
    if (errorText) *errorText = request.archivePath + QStringLiteral(": nothing was written");
    return false;
  }
  SetArchiveTimeToNewestEntry(request.archivePath);
  return true;
}

bool ZipHoldsFiles(const QString& archivePath, const QStringList& files, bool storeFolderNames,
                   const QString& password) {
  ZipHandle archive = OpenArchive(archivePath, ZIP_RDONLY | ZIP_CHECKCONS, nullptr);
  if (!archive) return false;
  QSet<QString> entryNames;
  for (const QString& file : files) {
    // Two files under one entry name: the archive holds only the later one.
    const QString name = ZipEntryName(file, storeFolderNames);
    if (entryNames.contains(name)) return false;
    entryNames.insert(name);
    const QByteArray entryName = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive.get(), entryName.constData(), 0, &stat) != 0) return false;
    if (!(stat.valid & ZIP_STAT_SIZE) || zip_uint64_t(QFileInfo(file).size()) != stat.size) return false;
    if (!EntryReadsBack(archive.get(), entryName, stat.size, password)) return false;
  }
  return true;
}
