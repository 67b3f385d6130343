#pragma once
// Packing the files of a rename run into one zip archive, with the JobLog lines, the progress
// panel and the error path of the job.

#include <QString>
#include <QStringList>

#include "jobs/rename_options.h"

class JobContext;

// The files to pack, in order: the description file first (when one is written), then the file
// of every checked row, handled by the run or not.
QStringList PackFileList(const RenameOptions& options, const QString& lastFolder, const QStringList& checkedRowFiles);

// Packs the files into ZipArchivePath(options). True when the archive was written; on failure
// the error box, the error sound and the JobLog line, and no file is deleted.
bool PackRenamedFiles(const RenameOptions& options, const QStringList& files, JobContext& context);
