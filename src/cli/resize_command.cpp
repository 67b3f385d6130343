// velmora-cli resize [-q QUALITÄT] [-g GRÖSSE] DATEI...: resizes and recompresses each JPEG in
// place as the rename job does, keeping its EXIF, IPTC and comment segments.

#include "cli_command.h"
#include "console_job_context.h"
#include "jobs/job_context.h"
#include "jobs/resize_jpeg.h"
#include "settings/app_settings.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// The value after an option, as a whole number within min..max; false when missing or wrong.
bool TakeNumber(const QStringList& args, qsizetype& i, int min, int max, int& value) {
  if (i + 1 >= args.size()) return false;
  bool ok = false;
  value = args[++i].toInt(&ok);
  return ok && value >= min && value <= max;
}

int RunResize(const QStringList& args) {
  const cli::Command& command = *cli::FindCommand("resize");
  int quality = 100, sizeIndex = 1;
  QStringList files;
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == "-q") {
      if (!TakeNumber(args, i, 0, 100, quality))
        return cli::UsageError(command, "-q braucht eine Qualität von 0 bis 100");
    } else if (args[i] == "-g") {
      if (!TakeNumber(args, i, 0, 2, sizeIndex))
        return cli::UsageError(command, "-g braucht eine Größe von 0 bis 2");
    } else {
      files << args[i];
    }
  }
  if (files.isEmpty()) return cli::UsageError(command, "DATEI fehlt");

  ConsoleJobContext context;
  int failures = 0;
  for (const QString& file : files) {
    try {
      ResizeJpeg(file, quality, sizeIndex, context);
    } catch (const ResizeError& error) {
      QTextStream(stderr) << "velmora-cli: " << error.Message() << "\n";
      ++failures;
    }
  }
  return failures ? cli::kExitFailures : cli::kExitOk;
}

}  // namespace

VELMORA_CLI_COMMAND("resize",
                    "resize [-q QUALITÄT] [-g GRÖSSE] DATEI...   JPEG-Dateien in der Größe ändern "
                    "(GRÖSSE 0 640x480, 1 800x600, 2 1024x768; Vorgabe -q 100 -g 1)",
                    RunResize);
