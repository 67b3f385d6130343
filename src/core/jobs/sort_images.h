#pragma once
// The sort job: moves the checked photos into folders named after their file date or capture
// date, optionally below a folder for the camera make and one for the model. Every folder is made
// inside the photo's own folder, and an existing file is never replaced.

#include <QString>

class JobContext;
class PhotoList;

inline constexpr int kSortByFileDate = 0;     // the "Datum" cell
inline constexpr int kSortByCaptureDate = 1;  // the "Aufnahmedatum" cell

struct SortOptions {
  // kSortByFileDate or kSortByCaptureDate; any other value sorts nothing and logs nothing.
  int dateSource = kSortByFileDate;
  // One of kSortDatePatterns (sort_date_pattern.h); blanks around it are ignored.
  QString datePattern = QStringLiteral("dd.mm.yyyy");
  // Date folders below Make/Model/ (trimmed "Hersteller" and "Model" cells).
  bool byMakeAndModel = false;
};

struct SortResult {
  int sorted = 0;  // rows moved; the summary line's count
  int failed = 0;  // rows that got the error line; they are left as they were
  bool cancelled = false;
};

inline const QString kSortErrorLine = QStringLiteral("Es ist ein Fehler beim sortieren aufgetreten.");

// The option lines the sort dialog writes after the start line.
void AppendSortOptionLines(JobContext& ctx, const SortOptions& options);

// Walks the checked rows in list order. Before each one it lets events run and looks at the
// cancel flag (file date: events first; capture date: flag first); a set flag ends the job at
// once, without the summary line. A row whose date cell is no date, whose folder cannot be made
// or whose file cannot be moved gets the error line (with its path and the reason on the next
// line when the folder or the move failed) and stays as it was. A moved row's "Ordner" cell
// names the date folder, with a trailing separator. Ends with "Es wurden N Bilder erfolgreich
// sortiert.". The closing sequence (FinishJob) is left to the caller.
SortResult SortImages(PhotoList& list, const SortOptions& options, JobContext& ctx);
