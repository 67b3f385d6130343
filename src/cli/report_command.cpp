// velmora-cli report FILE...: the text EXIF report of each file, as the extraction job collects it.

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QTextStream>

#include <string>
#include <vector>

#include "catalogue/reader_text.h"
#include "cli_command.h"
#include "metadata/exif_report.h"

namespace {

int RunReport(const QStringList& args) {
  const cli::Command& command = *cli::FindCommand("report");
  if (args.isEmpty()) return cli::UsageError(command, "keine Datei angegeben");
  for (const QString& arg : args)
    if (arg.size() > 1 && arg.startsWith('-')) return cli::UsageError(command, "unbekannte Option \"" + arg + "\"");

  ExifReportOptions options;
  options.ShortDate = UserShortDate;
  QTextStream out(stdout);
  out.setEncoding(QStringConverter::Utf8);
  for (const QString& file : args) {
    std::vector<std::string> lines;
    AppendImageExifReport(QFile::encodeName(file).toStdString(), lines, kReportFormText, options);
    // Items may hold CR LF breaks of their own (the summary, the Canon settings); a terminal
    // gets the platform's line ends.
    for (const std::string& line : lines) out << DecodeReaderText(line).replace("\r\n", "\n") << '\n';
  }
  return cli::kExitOk;
}

}  // namespace

VELMORA_CLI_COMMAND("report", "report DATEI...   EXIF-Bericht jeder Datei als Text ausgeben", RunReport);
