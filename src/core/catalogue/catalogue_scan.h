#pragma once
// Reading photos into the photo list: a whole folder tree (ScanFolderIntoList), one path
// (AddImageRow), or the paths of a command line (ReadPathsIntoList). Every JPEG becomes a row
// with its file data and the camera data of its EXIF block.

#include "catalogue/photo_list.h"
#include "catalogue/scan_host.h"

#include <QString>
#include <QStringList>

// The text of the progress form while a folder is read.
inline constexpr char16_t kScanProgressText[] = u"Ordner werden eingelesen. Bitte warten ...";

// Appends a row for every "*.jpg" file below folder (leading and trailing blanks of the folder
// text are ignored), in the order the walk finds them; the list is not emptied. Stops before the
// next row when the host's cancel flag is set; the rows added so far stay, and a row begun but
// not finished stays unchecked with texts 0 to 3. Returns the number of rows added.
// Rows reach the list in batches (a view repaints at most every kRowBatchIntervalMs).
int ScanFolderIntoList(PhotoList& list, const QString& folder, ScanHost& host);
inline constexpr int kRowBatchIntervalMs = 50;

// Appends one row for path, which may name a file of any type or a folder (the row then stands
// for the folder itself). A path that names nothing adds nothing. Returns whether a row was added.
bool AddImageRow(PhotoList& list, const QString& path, ScanHost& host);

// Reads each path in the given order into the list: a folder as a whole tree (as "Weiteren
// Ordner hinzufügen" does), anything else as AddImageRow does. Unless the host cancels, every
// row added is checked. Returns the paths that named nothing (they add no row).
QStringList ReadPathsIntoList(PhotoList& list, const QStringList& paths, ScanHost& host);
