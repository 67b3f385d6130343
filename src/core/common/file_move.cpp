#include "common/file_move.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kCopyBufferSize = 1 << 20;

struct ErrnoText {
  int error;
  const char* text;
};
// German reasons for the failures a move or copy commonly meets; others keep the system's text.
constexpr ErrnoText kErrnoTexts[] = {
    {EACCES, "Zugriff verweigert."},
    {EPERM, "Zugriff verweigert."},
    {EROFS, "Das Ziel ist schreibgeschützt."},
    {ENOSPC, "Nicht genug Speicherplatz."},
    {EDQUOT, "Nicht genug Speicherplatz."},
    {ENOENT, "Der Zielordner existiert nicht."},
    {ENOTDIR, "Ein Teil des Zielpfads ist kein Ordner."},
    {EISDIR, "Das Ziel ist ein Ordner."},
    {ENAMETOOLONG, "Der Dateiname ist zu lang."},
    {EBUSY, "Die Datei wird gerade benutzt."},
    {ETXTBSY, "Die Datei wird gerade benutzt."},
};

QString TextOfErrno(int error) {
  for (const ErrnoText& known : kErrnoTexts) {
    if (known.error == error) return QString::fromUtf8(known.text);
  }
  return QString::fromLocal8Bit(std::strerror(error));
}

FileOpResult Failure(FileOpError error, QString reason) {
  return FileOpResult{error, std::move(reason)};
}
FileOpResult SourceMissing() {
  return Failure(FileOpError::SourceMissing, QStringLiteral("Die Quelldatei existiert nicht."));
}
FileOpResult FailureOfErrno(int error) {
  if (error == EEXIST)
    return Failure(FileOpError::TargetExists, QStringLiteral("Die Zieldatei existiert bereits."));
  return Failure(FileOpError::Failed, TextOfErrno(error));
}

// Closes the descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the error close() found (a late write error on some file systems).
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// Copies into a target it creates itself (O_EXCL), so an existing file is never touched and a
// failed copy can always remove what it made. `durable` waits until the data is on disk, for a
// move that deletes the source afterwards.
FileOpResult CopyExclusive(const QByteArray& source, const QByteArray& target, bool durable) {
  FileDescriptor in(::open(source.constData(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) {
    if (errno == ENOENT) return SourceMissing();
    return FailureOfErrno(errno);
  }
  struct stat sourceStat {};
  if (::fstat(in.get(), &sourceStat) != 0) return FailureOfErrno(errno);
  if (!S_ISREG(sourceStat.st_mode))
    return Failure(FileOpError::Failed, QStringLiteral("Die Quelle ist keine Datei."));

  FileDescriptor out(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                            sourceStat.st_mode & 07777));
  if (out.get() < 0) return FailureOfErrno(errno);

  const auto abandon = [&target](int error) {
    ::unlink(target.constData());
    return FailureOfErrno(error);
  };

  std::vector<char> buffer(kCopyBufferSize);
  off_t copied = 0;
  for (;;) {
    const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return abandon(errno);
    }
    if (got == 0) break;
    if (!WriteAll(out.get(), buffer.data(), static_cast<size_t>(got))) return abandon(errno);
    copied += got;
  }
  if (copied != sourceStat.st_size) {
    ::unlink(target.constData());
    return Failure(FileOpError::Failed,
                   QStringLiteral("Die Kopie ist unvollständig (%1 von %2 Bytes).")
                       .arg(copied)
                       .arg(static_cast<qint64>(sourceStat.st_size)));
  }
  const struct timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
  if (::futimens(out.get(), times) != 0) return abandon(errno);
  if (durable && ::fsync(out.get()) != 0) return abandon(errno);
  if (const int error = out.Close(); error != 0) return abandon(error);
  return {};
}

FileOpResult MoveAcrossFileSystems(const QByteArray& source, const QByteArray& target) {
  FileOpResult copy = CopyExclusive(source, target, /*durable=*/true);
  if (!copy.Ok()) return copy;
  struct stat sourceStat {}, targetStat {};
  if (::stat(source.constData(), &sourceStat) != 0 || ::stat(target.constData(), &targetStat) != 0 ||
      sourceStat.st_size != targetStat.st_size) {
    ::unlink(target.constData());
    return Failure(FileOpError::Failed, QStringLiteral("Die Kopie hat nicht die Größe der Quelldatei."));
  }
  if (::unlink(source.constData()) != 0) {
    const int error = errno;
    ::unlink(target.constData());  // the source stays, so the copy must go
    return FailureOfErrno(error);
  }
  return {};
}

}  // namespace

namespace file_move_fallbacks {

FileOpResult MoveByHardLink(const QString& source, const QString& target) {
  const QByteArray from = QFile::encodeName(source);
  const QByteArray to = QFile::encodeName(target);
  if (::link(from.constData(), to.constData()) == 0) {
    if (::unlink(from.constData()) != 0) {
      const int error = errno;
      ::unlink(to.constData());
      return FailureOfErrno(error);
    }
    return {};
  }
  const int error = errno;
  if (error == EXDEV) return MoveAcrossFileSystems(from, to);
  if (error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK)
    return MoveOverReservation(source, target);
  return FailureOfErrno(error);
}

FileOpResult MoveOverReservation(const QString& source, const QString& target) {
  const QByteArray from = QFile::encodeName(source);
  const QByteArray to = QFile::encodeName(target);
  const int reservation = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (reservation < 0) return FailureOfErrno(errno);
  ::close(reservation);
  if (::rename(from.constData(), to.constData()) != 0) {
    const int error = errno;
    ::unlink(to.constData());
    return FailureOfErrno(error);
  }
  return {};
}

}  // namespace file_move_fallbacks

FileOpResult MoveFileNoReplace(const QString& source, const QString& target) {
  const QByteArray from = QFile::encodeName(source);
  const QByteArray to = QFile::encodeName(target);
  struct stat sourceStat {};
  if (::lstat(from.constData(), &sourceStat) != 0) {
    if (errno == ENOENT) return SourceMissing();
    return FailureOfErrno(errno);
  }
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
    return {};
  const int error = errno;
  if (error == EXDEV) return MoveAcrossFileSystems(from, to);
  // A file system without the atomic no-replace rename.
  if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP)
    return file_move_fallbacks::MoveByHardLink(source, target);
  return FailureOfErrno(error);
}

FileOpResult CopyFileNoReplace(const QString& source, const QString& target) {
  return CopyExclusive(QFile::encodeName(source), QFile::encodeName(target), /*durable=*/false);
}
