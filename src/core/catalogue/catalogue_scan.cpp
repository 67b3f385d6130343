#include "catalogue/catalogue_scan.h"

#include "catalogue/photo_cells.h"
#include "catalogue/search_tool.h"
#include "common/path_helpers.h"
#include "metadata/timg_data.h"

#include <QElapsedTimer>
#include <QFile>

#include <sys/stat.h>

#include <utility>
#include <vector>

namespace {

// Rows on their way into the list. A view repaints once per batch rather than once per row;
// a batch is handed over when events are about to run and the last one is old enough.
class RowBatch {
 public:
  explicit RowBatch(PhotoList& list) : list_(list) { sinceFlush_.start(); }
  ~RowBatch() { Flush(); }

  void Add(PhotoRow row) { rows_.push_back(std::move(row)); }
  void FlushIfDue() {
    if (!rows_.empty() && sinceFlush_.elapsed() >= kRowBatchIntervalMs) Flush();
  }
  void Flush() {
    if (!rows_.empty()) list_.appendRows(std::exchange(rows_, {}));
    sinceFlush_.restart();
  }

 private:
  PhotoList& list_;
  std::vector<PhotoRow> rows_;
  QElapsedTimer sinceFlush_;
};

// Reads the file's metadata (the reader never throws; a file it cannot read gets "-" like one
// without EXIF data).
void ReadPhotoFile(TimgData& reader, const QString& path) {
  reader.ReadPhotoFile(QFile::encodeName(path).toStdString());
}

}  // namespace

int ScanFolderIntoList(PhotoList& list, const QString& folder, ScanHost& host) {
  host.ProcessEvents();
  host.ClearCancelRequest();
  host.SetBusyCursor(true);

  TSearchTool search;
  host.ProcessEvents();
  search.StartSearch(folder.trimmed(), QStringLiteral("*.jpg"), true, false);
  host.ProcessEvents();
  host.ShowProgress(QString::fromUtf16(kScanProgressText));

  int added = 0;
  {
    RowBatch batch(list);
    // Rows of one folder share its text rather than each holding a copy.
    QString lastFolder;
    const int count = search.FileCount();
    for (int i = 0; i < count; ++i) {
      // The file's name and folder exactly as found: blanks at their ends belong to the name.
      const QString& path = search.FoundFile(i);
      batch.FlushIfDue();
      host.ProcessEvents();
      if (host.CancelRequested()) break;

      PhotoRow row;
      row.caption = ExtractNamePart(path);
      QString folderText = ExtractFolderPart(path);
      if (folderText == lastFolder)
        folderText = lastFolder;
      else
        lastFolder = folderText;
      row.texts[kTextFolder] = folderText;
      row.texts[kTextType] = TypeText(row.caption);
      // The reader looks at the file anyway: its last-write time spares another look. The
      // camera texts join the row only after the cancel check below.
      TimgData reader(kBuildCameraValues);
      ReadPhotoFile(reader, path);
      if (!reader.FileName.empty())
        SetWriteTimeTexts(row, reader.FileTime);
      else
        SetWriteTimeTexts(row, path);

      batch.FlushIfDue();
      host.ProcessEvents();
      if (host.CancelRequested()) {
        // Begun but not finished: the row stays, unchecked, with texts 0 to 3.
        batch.Add(std::move(row));
        break;
      }

      host.ProcessEvents();
      SetCameraTexts(row, reader);
      row.checked = true;
      batch.Add(std::move(row));
      ++added;
      host.ShowFileCount(added);

      batch.FlushIfDue();
      host.ProcessEvents();
      host.StepProgress();
      if (host.CancelRequested()) break;
    }
  }

  host.HideProgress();
  host.SetBusyCursor(false);
  return added;
}

bool AddImageRow(PhotoList& list, const QString& path, ScanHost& host) {
  // A folder given with a last separator stands for the folder itself.
  QString entryPath = path;
  while (entryPath.size() > 1 && entryPath.endsWith(kPathSeparator)) entryPath.chop(1);
  struct stat entry;
  if (entryPath.isEmpty() || lstat(QFile::encodeName(entryPath).constData(), &entry) != 0) return false;

  PhotoRow row;
  row.caption = ExtractNamePart(entryPath);
  row.texts[kTextFolder] = ExtractFolderPart(entryPath);
  SetWriteTimeTexts(row, entryPath);
  row.texts[kTextType] = TypeText(row.caption);
  TimgData reader(kBuildCameraValues);
  ReadPhotoFile(reader, entryPath);
  if (reader.HasExif()) host.ProcessEvents();
  SetCameraTexts(row, reader);
  row.checked = true;
  list.append(std::move(row));
  host.ShowFileCount(list.rowCount());
  return true;
}

QStringList ReadPathsIntoList(PhotoList& list, const QStringList& paths, ScanHost& host) {
  QStringList missing;
  for (const QString& path : paths) {
    if (FolderExists(path))
      ScanFolderIntoList(list, path, host);
    else if (!AddImageRow(list, path, host))
      missing << path;
  }
  return missing;
}
