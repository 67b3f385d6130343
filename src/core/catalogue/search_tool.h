#pragma once
// TSearchTool walks a folder tree and collects the full paths of the files (and, separately, the
// folders) whose whole path matches a file mask. It runs in the caller or on a worker thread; in
// the threaded mode it reports its progress to a receiver object by five notifications.

#include <QString>

#include <atomic>
#include <functional>
#include <vector>

class QObject;
class QThread;

// The notifications, numbered as the window messages they stand for.
enum SearchMessage : int {
  SM_STARTED = 2524,
  SM_FOLDER = 2525,     // path: the folder being read (CurrentFolder)
  SM_FILE = 2526,       // index: the new entry's index; path: the stored path
  SM_DIRECTORY = 2527,  // index: the new entry's index; path: the stored path
  SM_FINISHED = 2528,
};

// How a notification is delivered. Posted: queued to the receiver's thread, the walk goes on.
// Sent: the walk waits until the receiver has handled it. Any other code delivers nothing.
inline constexpr unsigned int NotifyPost = 0x10000002;
inline constexpr unsigned int NotifySend = 0x10000003;

// The handler runs in the receiver's thread. path is empty where there is none (started,
// finished, and a posted file or folder entry that is not collected).
using SearchNotifyHandler = std::function<void(int message, int index, const QString& path)>;

class TSearchTool {
 public:
  // The root that stands for the computer's list of drives ("Computer/"); on this system the
  // list holds the one file-system root "/".
  static const QString& DriveListRoot();

  TSearchTool();
  ~TSearchTool();
  TSearchTool(const TSearchTool&) = delete;
  TSearchTool& operator=(const TSearchTool&) = delete;

  // Stops a running search, then searches root for mask: in the caller (returns when done) or
  // on a worker thread (returns at once). Called from a handler of the running search, or while
  // StopSearch waits for it, it only asks that search to stop and starts nothing.
  void StartSearch(const QString& root, const QString& mask, bool recursive, bool threaded);
  // Asks a running search to stop and waits for it, letting events run meanwhile. Called from
  // inside one of the search's own notifications, it only asks: the search ends when the
  // handler has returned.
  void StopSearch();
  // Empties both result lists; false (and nothing changes) while a search runs.
  bool ClearResults();

  bool Busy() const { return busy_.load() != 0; }
  int FileCount() const { return fileCount_.load(); }
  int FolderCount() const { return folderCount_.load(); }
  // The results: valid after the search has finished, indices 0 .. count - 1.
  const QString& FoundFile(int index) const { return foundFiles_[static_cast<size_t>(index)]; }
  const QString& FoundFolder(int index) const { return foundFolders_[static_cast<size_t>(index)]; }
  const std::vector<QString>& FoundFiles() const { return foundFiles_; }
  const std::vector<QString>& FoundFolders() const { return foundFolders_; }
  // The allocated lengths of the result lists (they grow from 100 by doubling).
  int FileCapacity() const { return fileCapacity_; }
  int FolderCapacity() const { return folderCapacity_; }
  // The root, and during a walk the folder being read (read it while no threaded walk runs).
  QString CurrentFolder() const { return currentFolder_; }
  // Duration of the last search.
  int ElapsedMs() const { return elapsedMs_.load(); }

  // Settings, read when a search starts.
  bool CollectFiles = true;
  bool CollectFolders = true;
  QObject* NotifyWindow = nullptr;
  SearchNotifyHandler NotifyHandler;
  unsigned int StartFinishMode = NotifySend;  // SM_STARTED, SM_FINISHED
  unsigned int FolderMode = NotifyPost;       // SM_FOLDER
  unsigned int FoundMode = NotifyPost;        // SM_FILE, SM_DIRECTORY

 private:
  struct FolderId;
  void Walk();
  void SearchRoot(const QString& root);
  void ReadFolder(const QString& folder, std::vector<FolderId>& ancestors);
  void AddEntry(const QString& path, bool isFolder);
  void Notify(int message, int index, const QString& path, unsigned int mode);
  void ReleaseThread();
  bool StopRequested() const { return stopRequested_.load(std::memory_order_relaxed) != 0; }

  std::vector<QString> foundFiles_;
  std::atomic<int> fileCount_{0};
  int fileCapacity_ = 0;
  std::vector<QString> foundFolders_;
  std::atomic<int> folderCount_{0};
  int folderCapacity_ = 0;
  QString currentFolder_;
  QString mask_;
  bool recursive_ = false;
  std::atomic<int> elapsedMs_{0};
  std::atomic<int> busy_{0};           // -1 while a search runs
  std::atomic<int> stopRequested_{0};  // 1 when a stop was asked for
  QThread* thread_ = nullptr;
  bool threaded_ = false;
  bool releasing_ = false;  // waiting for the worker thread to end
  // Sent notifications being handled: the walk waits for them, so waiting for the walk there
  // would never end.
  std::atomic<int> sentHandlersRunning_{0};
  // The settings as they were when the running search started.
  QObject* receiver_ = nullptr;
  SearchNotifyHandler handler_;
  unsigned int startFinishMode_ = NotifySend;
  unsigned int folderMode_ = NotifyPost;
  unsigned int foundMode_ = NotifyPost;
  bool collectFiles_ = true;
  bool collectFolders_ = true;
};
