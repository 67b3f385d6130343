// velmora-cli sort --by file|exif [--pattern P] [--make-model] PATH...: reads the paths as
// "scan" does, with every row checked, sorts the photos into date folders as the sort job does
// and prints the JobLog. Exit code 1 when any photo could not be sorted.

#include <QTextStream>
#include <cstdio>

#include "catalogue/catalogue_scan.h"
#include "catalogue/photo_list.h"
#include "cli_command.h"
#include "console_job_context.h"
#include "common/system_info.h"
#include "jobs/job_context.h"
#include "jobs/job_log.h"
#include "jobs/sort_date_pattern.h"
#include "jobs/sort_images.h"
#include "settings/app_settings.h"

namespace {

int RunSort(const QStringList& args) {
  const cli::Command& command = *cli::FindCommand("sort");
  SortOptions options;
  bool sourceGiven = false;
  QStringList paths;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--by")) {
      const QString value = i + 1 < args.size() ? args[++i] : QString();
      if (value == QLatin1String("file")) {
        options.dateSource = kSortByFileDate;
      } else if (value == QLatin1String("exif")) {
        options.dateSource = kSortByCaptureDate;
      } else {
        return cli::UsageError(command, QStringLiteral("--by braucht file oder exif"));
      }
      sourceGiven = true;
    } else if (arg == QLatin1String("--pattern")) {
      if (i + 1 >= args.size() || !IsSortDatePattern(args[i + 1])) {
        QStringList known;
        for (const char* pattern : kSortDatePatterns) known << QLatin1String(pattern);
        return cli::UsageError(command, QStringLiteral("--pattern braucht eines der Datumsformate ") +
                                            known.join(QStringLiteral(", ")));
      }
      options.datePattern = args[++i].trimmed();
    } else if (arg == QLatin1String("--make-model")) {
      options.byMakeAndModel = true;
    } else if (arg.startsWith(QLatin1String("--"))) {
      return cli::UsageError(command, QStringLiteral("unbekannte Option \"%1\"").arg(arg));
    } else {
      paths << arg;
    }
  }
  if (!sourceGiven) return cli::UsageError(command, QStringLiteral("--by fehlt"));
  if (paths.isEmpty()) return cli::UsageError(command, QStringLiteral("PFAD fehlt"));

  PhotoList list;
  QuietScanHost host;
  const QStringList missing = ReadPathsIntoList(list, paths, host);
  for (const QString& path : missing) {
    QTextStream(stderr) << "velmora-cli: \"" << path << "\" existiert nicht und wird übergangen\n";
  }

  ConsoleJobContext ctx;
  BeginJobLog(ctx);
  AppendSortOptionLines(ctx, options);
  const SortResult result = SortImages(list, options, ctx);
  FinishJob(ctx);
  return result.failed > 0 ? cli::kExitFailures : cli::kExitOk;
}

}  // namespace

VELMORA_CLI_COMMAND("sort",
                    "sort --by file|exif [--pattern MUSTER] [--make-model] PFAD...  Bilder in "
                    "Datumsordner sortieren",
                    RunSort);
