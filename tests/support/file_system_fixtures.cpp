#include "file_system_fixtures.h"

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace {

bool CanCreateFileIn(const QString& folder) {
  const QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.write-probe"));
  const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.constData());
  return true;
}

bool SetImmutable(const QString& folder, bool on) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return done;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& folder) : folder_(folder) {
  ::chmod(QFile::encodeName(folder_).constData(), 0555);
  if (!CanCreateFileIn(folder_)) {
    ready_ = true;
    return;
  }
  immutable_ = SetImmutable(folder_, true);
  ready_ = immutable_ && !CanCreateFileIn(folder_);
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (immutable_) SetImmutable(folder_, false);
  ::chmod(QFile::encodeName(folder_).constData(), 0755);
}

bool SameFileSystem(const QString& a, const QString& b) {
  struct stat first {}, second {};
  if (::stat(QFile::encodeName(a).constData(), &first) != 0 ||
      ::stat(QFile::encodeName(b).constData(), &second) != 0)
    return true;
  return first.st_dev == second.st_dev;
}

OtherFileSystemFolder::OtherFileSystemFolder(qint64 sizeLimitBytes) {
  const QString temp = QDir::tempPath();
  const QString shm = QStringLiteral("/dev/shm");
  if (sizeLimitBytes == 0 && QDir(shm).exists() && !SameFileSystem(shm, temp)) {
    holder_ = std::make_unique<QTemporaryDir>(shm + QStringLiteral("/velmora-test-XXXXXX"));
    if (holder_->isValid() && CanCreateFileIn(holder_->path())) {
      path_ = holder_->path() + u'/';
      return;
    }
    holder_.reset();
  }
  holder_ = std::make_unique<QTemporaryDir>();
  if (!holder_->isValid()) return;
  const QByteArray target = QFile::encodeName(holder_->path());
  const QByteArray options =
      "size=" + QByteArray::number(sizeLimitBytes > 0 ? sizeLimitBytes : qint64(64) << 20);
  if (::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) != 0) {
    holder_.reset();
    return;
  }
  mountPoint_ = holder_->path();
  path_ = mountPoint_ + u'/';
}

OtherFileSystemFolder::~OtherFileSystemFolder() {
  if (!mountPoint_.isEmpty()) ::umount2(QFile::encodeName(mountPoint_).constData(), MNT_DETACH);
}
