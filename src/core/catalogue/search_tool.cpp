#include "catalogue/search_tool.h"

#include "catalogue/path_mask.h"
#include "common/path_helpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

constexpr int kInitialCapacity = 100;

// The folders that stand for the computer's drives on this system: there is one file-system root.
const QStringList& DriveRoots() {
  static const QStringList roots{QStringLiteral("/")};
  return roots;
}

void LetEventsRun() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace

// A folder's identity; a folder reached again under another name (a link) has the same one.
struct TSearchTool::FolderId {
  dev_t device;
  ino_t inode;
  bool operator==(const FolderId&) const = default;
};

const QString& TSearchTool::DriveListRoot() {
  static const QString root = QStringLiteral("Computer") + kPathSeparator;
  return root;
}

TSearchTool::TSearchTool() = default;

TSearchTool::~TSearchTool() {
  StopSearch();
  ReleaseThread();
}

void TSearchTool::StartSearch(const QString& root, const QString& mask, bool recursive, bool threaded) {
  StopSearch();
  // Called from a handler of the running search (or from events run while we wait for it),
  // that search cannot end yet; it was asked to stop, and a new one cannot begin before it has.
  if (Busy() || releasing_) return;
  ReleaseThread();

  recursive_ = recursive;
  mask_ = mask;
  // Cleared here rather than in the walk: a stop asked for right after a threaded start, before
  // the worker has begun, must not be lost.
  stopRequested_.store(0);
  busy_.store(-1);
  currentFolder_ = root;
  elapsedMs_.store(0);
  // The receiver settings as they are now; changing them during a threaded walk has no effect.
  receiver_ = NotifyWindow;
  handler_ = NotifyHandler;
  startFinishMode_ = StartFinishMode;
  folderMode_ = FolderMode;
  foundMode_ = FoundMode;
  collectFiles_ = CollectFiles;
  collectFolders_ = CollectFolders;

  threaded_ = threaded;
  if (threaded) {
    thread_ = QThread::create([this] { Walk(); });
    thread_->start();
  } else {
    Walk();
  }
}

void TSearchTool::StopSearch() {
  stopRequested_.store(1);
  if (!Busy()) return;
  // A search in the caller is further up this very call stack, and a sent notification holds
  // the worker until its handler returns: in both cases waiting here would never end.
  if (!threaded_ || sentHandlersRunning_.load() > 0) return;
  ReleaseThread();
}

void TSearchTool::ReleaseThread() {
  if (!thread_ || releasing_) return;
  // The worker may wait for a sent notification, so events run while we wait for it.
  releasing_ = true;
  while (!thread_->wait(QDeadlineTimer(100))) LetEventsRun();
  releasing_ = false;
  delete thread_;
  thread_ = nullptr;
}

bool TSearchTool::ClearResults() {
  if (Busy()) return false;
  std::vector<QString>().swap(foundFiles_);
  std::vector<QString>().swap(foundFolders_);
  fileCount_.store(0);
  folderCount_.store(0);
  fileCapacity_ = 0;
  folderCapacity_ = 0;
  return true;
}

void TSearchTool::Walk() {
  QElapsedTimer clock;
  clock.start();
  Notify(SM_STARTED, 0, QString(), startFinishMode_);

  fileCount_.store(0);
  fileCapacity_ = collectFiles_ ? kInitialCapacity : 0;
  foundFiles_.assign(static_cast<size_t>(fileCapacity_), QString());
  folderCount_.store(0);
  folderCapacity_ = collectFolders_ ? kInitialCapacity : 0;
  foundFolders_.assign(static_cast<size_t>(folderCapacity_), QString());

  // A root without a last separator gets one; an empty root searches nothing.
  const QString root = WithTrailingBackslash(currentFolder_);
  if (!root.isEmpty()) SearchRoot(root);

  currentFolder_.clear();
  if (collectFiles_) {
    fileCapacity_ = fileCount_.load();
    foundFiles_.resize(static_cast<size_t>(fileCapacity_));
    foundFiles_.shrink_to_fit();
  }
  if (collectFolders_) {
    folderCapacity_ = folderCount_.load();
    foundFolders_.resize(static_cast<size_t>(folderCapacity_));
    foundFolders_.shrink_to_fit();
  }
  elapsedMs_.store(static_cast<int>(clock.elapsed()));
  stopRequested_.store(0);
  busy_.store(0);
  Notify(SM_FINISHED, 0, QString(), startFinishMode_);
}

void TSearchTool::SearchRoot(const QString& root) {
  std::vector<FolderId> ancestors;
  if (root != DriveListRoot()) {
    if (FolderExists(root)) ReadFolder(root, ancestors);
    return;
  }
  for (const QString& driveRoot : DriveRoots()) {
    if (StopRequested()) break;
    currentFolder_ = driveRoot;
    Notify(SM_FOLDER, 0, currentFolder_, folderMode_);
    if (PathMatchesMask(driveRoot, mask_)) AddEntry(driveRoot, true);
    if (recursive_ && FolderExists(driveRoot)) ReadFolder(driveRoot, ancestors);
  }
}

void TSearchTool::ReadFolder(const QString& folder, std::vector<FolderId>& ancestors) {
  if (StopRequested()) return;
  DIR* dir = opendir(QFile::encodeName(folder).constData());
  if (!dir) return;  // a folder that cannot be listed is skipped
  const int dirFd = dirfd(dir);
  struct stat folderStat;
  if (fstat(dirFd, &folderStat) != 0) {
    closedir(dir);
    return;
  }
  // Reached again through a link below itself: reading it would never end.
  const FolderId id{folderStat.st_dev, folderStat.st_ino};
  if (std::find(ancestors.begin(), ancestors.end(), id) != ancestors.end()) {
    closedir(dir);
    return;
  }
  ancestors.push_back(id);

  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
    // The entry type is known for most entries; links and unknown types need one look.
    bool isFolder = entry->d_type == DT_DIR;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat target;
      isFolder = fstatat(dirFd, name, &target, 0) == 0 && S_ISDIR(target.st_mode);
    }
    const QString fullPath = folder + QFile::decodeName(name);
    if (isFolder) {
      if (PathMatchesMask(fullPath, mask_)) AddEntry(fullPath, true);
      if (recursive_) {
        const QString subfolder = fullPath + kPathSeparator;
        currentFolder_ = subfolder;
        Notify(SM_FOLDER, 0, currentFolder_, folderMode_);
        ReadFolder(subfolder, ancestors);
        currentFolder_ = folder;
        Notify(SM_FOLDER, 0, currentFolder_, folderMode_);
      }
    } else if (PathMatchesMask(fullPath, mask_)) {
      AddEntry(fullPath, false);
    }
    if (StopRequested()) break;
  }
  ancestors.pop_back();
  closedir(dir);
}

void TSearchTool::AddEntry(const QString& path, bool isFolder) {
  const bool collect = isFolder ? collectFolders_ : collectFiles_;
  std::vector<QString>& list = isFolder ? foundFolders_ : foundFiles_;
  std::atomic<int>& count = isFolder ? folderCount_ : fileCount_;
  int& capacity = isFolder ? folderCapacity_ : fileCapacity_;
  const int message = isFolder ? SM_DIRECTORY : SM_FILE;

  const int index = count.load();
  if (!collect) {
    // Nothing is stored; a sent notification still carries the path.
    Notify(message, index, foundMode_ == NotifySend ? path : QString(), foundMode_);
    return;
  }
  if (index == capacity) {
    capacity = std::max(capacity * 2, kInitialCapacity);
    list.resize(static_cast<size_t>(capacity));
  }
  list[static_cast<size_t>(index)] = path;
  Notify(message, index, path, foundMode_);
  count.store(index + 1);
}

void TSearchTool::Notify(int message, int index, const QString& path, unsigned int mode) {
  if (!receiver_ || !handler_) return;
  if (mode == NotifyPost) {
    // The handler and the path travel as copies: the walk goes on and may grow its lists.
    QMetaObject::invokeMethod(
        receiver_, [handler = handler_, message, index, path] { handler(message, index, path); },
        Qt::QueuedConnection);
  } else if (mode == NotifySend) {
    auto deliver = [this, message, index, &path] {
      sentHandlersRunning_.fetch_add(1);
      handler_(message, index, path);
      sentHandlersRunning_.fetch_sub(1);
    };
    if (receiver_->thread() == QThread::currentThread())
      deliver();
    else
      QMetaObject::invokeMethod(receiver_, deliver, Qt::BlockingQueuedConnection);
  }
}
