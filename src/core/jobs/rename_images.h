#pragma once
// The rename job: walks the photo list from the first row to the last and gives every checked
// row with camera data a new name (in place, or copied or moved to the target folder), then
// writes the EXIF file for all images and the description file, packs, and clears or unchecks
// the list.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "jobs/rename_options.h"

class JobContext;
class PhotoList;
struct PhotoRow;

struct RenameRunResult {
  int handledFiles = 0;       // files renamed, copied or moved with every step done
  QStringList failedFiles;    // source paths of the files whose unit failed
  bool packingFailed = false;
  bool cancelled = false;     // stopped by CancelRequested: no closing steps ran
  bool aborted = false;       // a file after the last row could not be written: no closing steps

  bool AnyFailure() const { return !failedFiles.isEmpty() || packingFailed || aborted; }
};

// True when the rename job handles the row: checked and with camera data.
bool RenameHandlesRow(const PhotoRow& row);

// The new file name of a row: BuildNewName + "." + the row's extension in lower case.
QString NewFileNameForRow(const RenameOptions& options, int counter, const PhotoRow& row, const QDateTime& now);

// "old name ---> new name" for every row the job would handle, without touching any file.
QStringList PlannedRenames(const RenameOptions& options, const PhotoList& list, const QDateTime& now);

// Runs the job. Ends with FinishJob unless it was cancelled or a closing file failed.
RenameRunResult RenameImages(const RenameOptions& options, PhotoList& list, JobContext& context);
