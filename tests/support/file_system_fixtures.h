#pragma once
// Folders with special file-system properties for tests of failure paths: one that refuses new
// files (also for root), and one on another file system than the temporary folder. Each makes
// itself when the machine allows it; IsReady() tells, so a test can GTEST_SKIP() otherwise.

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A folder in which no file can be created or replaced. Uses the permission bits, and the
// immutable attribute where permissions do not stop the caller (root). The folder is made
// writable again before it is removed.
class ReadOnlyFolder {
 public:
  // Makes `folder` (an existing folder) read-only.
  explicit ReadOnlyFolder(const QString& folder);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
  bool IsReady() const { return ready_; }

 private:
  QString folder_;
  bool immutable_ = false;
  bool ready_ = false;
};

// A fresh folder on a file system other than the one of QDir::tempPath(): below /dev/shm when
// that is another device, otherwise a tmpfs mounted for the test (needs root). Removed (and
// unmounted) at the end of the scope. With a size limit it is always a tmpfs of that size, so a
// test can run a copy out of space.
class OtherFileSystemFolder {
 public:
  explicit OtherFileSystemFolder(qint64 sizeLimitBytes = 0);
  ~OtherFileSystemFolder();
  OtherFileSystemFolder(const OtherFileSystemFolder&) = delete;
  OtherFileSystemFolder& operator=(const OtherFileSystemFolder&) = delete;
  bool IsReady() const { return !path_.isEmpty(); }
  // The folder, ending with "/".
  const QString& Path() const { return path_; }

 private:
  std::unique_ptr<QTemporaryDir> holder_;
  QString mountPoint_;
  QString path_;
};

// True when both paths lie on the same device.
bool SameFileSystem(const QString& a, const QString& b);
