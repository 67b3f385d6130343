#include "jobs/sort_images.h"

#include <QFile>
#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>

#include "catalogue/photo_list.h"
#include "common/file_error.h"
#include "common/file_move.h"
#include "common/path_helpers.h"
#include "jobs/job_context.h"
#include "jobs/sort_date_pattern.h"

namespace {

// A make or model text as one folder level: it never adds a level of its own or climbs out of
// the photo's folder, whatever the camera wrote.
QString AsFolderName(const QString& cell) {
  QString name = cell.trimmed();
  name.replace(kPathSeparator, QLatin1Char('_'));
  name.replace(QChar(u'\0'), QLatin1Char('_'));  // the file system would cut the name there
  if (!name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c == u'.'; })) {
    name.fill(QLatin1Char('_'));
  }
  return name;
}

// The folder that the row's photo goes to, without trailing separator.
QString TargetFolder(const PhotoRow& row, const SortOptions& options, const QString& dateName) {
  QString base = WithTrailingBackslash(row.texts[kTextFolder]);
  if (options.byMakeAndModel) {
    base += WithTrailingBackslash(AsFolderName(row.texts[kTextMake]));
    base += AsFolderName(row.texts[kTextModel]);
  }
  return WithTrailingBackslash(base) + dateName;
}

// Creates the folder with every missing parent; on failure returns the reason.
QString MakeFolder(const QString& folder) {
  std::error_code error;
  const std::filesystem::path path(QFile::encodeName(folder).toStdString());
  std::filesystem::create_directories(path, error);
  if (!error) return QString();
  return QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden: %2")
      .arg(folder, QString::fromLocal8Bit(error.message()));
}

// Why a row could not be sorted; empty for a row whose date cell is no date.
struct RowFailure {
  QString detail;
};

void LogFailure(JobContext& ctx, const QString& detail) {
  ctx.AppendLine(kSortErrorLine);
  if (!detail.isEmpty()) ctx.AppendLine(detail);
}

// Sorts one row; returns nothing on success, the failure otherwise.
std::optional<RowFailure> SortRow(PhotoList& list, int index, const SortOptions& options) {
  const PhotoRow& row = list.row(index);
  const int dateText = options.dateSource == kSortByFileDate ? kTextDate : kTextCaptureDate;
  const QDate date = ParseListDate(row.texts[dateText]);
  if (!date.isValid()) return RowFailure{};

  const QString target = TargetFolder(row, options, FormatSortDate(date, options.datePattern));
  const QString source = WithTrailingBackslash(row.texts[kTextFolder]) + row.caption;
  if (const QString reason = MakeFolder(target); !reason.isEmpty()) {
    return RowFailure{source + QStringLiteral(" : ") + reason};
  }
  const FileOpResult moved = MoveFileNoReplace(source, WithTrailingBackslash(target) + row.caption);
  if (!moved.Ok()) return RowFailure{source + QStringLiteral(" : ") + moved.reason};

  list.setText(index, kTextFolder, WithTrailingBackslash(target));
  return std::nullopt;
}

}  // namespace

void AppendSortOptionLines(JobContext& ctx, const SortOptions& options) {
  if (options.byMakeAndModel) {
    ctx.AppendLine(QStringLiteral(" --- Bilder sortieren Hersteller und Modell --- "));
  }
  if (options.dateSource == kSortByFileDate) {
    ctx.AppendLine(QStringLiteral(" --- Bilder sortieren nach Dateidatum --- "));
  } else if (options.dateSource == kSortByCaptureDate) {
    ctx.AppendLine(QStringLiteral(" --- Bilder sortieren nach Exifdatum --- "));
  }
}

SortResult SortImages(PhotoList& list, const SortOptions& options, JobContext& ctx) {
  SortResult result;
  if (options.dateSource != kSortByFileDate && options.dateSource != kSortByCaptureDate) {
    return result;
  }
  int checked = 0;
  for (int i = 0; i < list.rowCount(); ++i) checked += list.row(i).checked ? 1 : 0;

  int handled = 0;
  for (int i = 0; i < list.rowCount(); ++i) {
    if (!list.row(i).checked) continue;
    // The file date lets events run before it looks at the flag, the capture date after.
    if (options.dateSource == kSortByFileDate) ctx.ProcessEvents();
    if (ctx.CancelRequested()) {
      result.cancelled = true;
      return result;
    }
    if (options.dateSource == kSortByCaptureDate) ctx.ProcessEvents();
    if (i >= list.rowCount()) break;  // the list may have changed while events ran

    std::optional<RowFailure> failure;
    try {
      failure = SortRow(list, i, options);
    } catch (const FileError& error) {
      failure = RowFailure{list.row(i).FilePath() + QStringLiteral(" : ") + error.Text()};
    } catch (const std::exception& error) {
      failure = RowFailure{list.row(i).FilePath() + QStringLiteral(" : ") +
                           QString::fromLocal8Bit(error.what())};
    }
    if (failure) {
      LogFailure(ctx, failure->detail);
      ++result.failed;
    } else {
      ++result.sorted;
    }
    ++handled;
    ctx.SetJobProgress(checked > 0 ? handled * 100 / std::max(checked, handled) : 0);
  }
  ctx.AppendLine(QStringLiteral("Es wurden %1 Bilder erfolgreich sortiert.").arg(result.sorted));
  return result;
}
