// velmora-cli rename --pattern TEXT [options] PATH...: reads the paths as "scan" does, with every
// row checked, and renames the photos as the rename job does. Prints the JobLog; exit code 1
// when any file failed, 2 for a wrong call or options the rename dialog would refuse.

#include "catalogue/catalogue_scan.h"
#include "catalogue/photo_list.h"
#include "cli_command.h"
#include "console_job_context.h"
#include "common/system_info.h"
#include "jobs/job_context.h"
#include "jobs/job_log.h"
#include "jobs/rename_images.h"
#include "jobs/rename_options.h"
#include "settings/app_settings.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

#include <functional>
#include <map>

namespace {

const char kUsage[] =
    "rename --pattern TEXT [--start N] [--width N] [--zeros] [--front] [--upper|--lower]\n"
    "         [--separator Strich|Unterstrich|Punkt] [--copy ORDNER|--move ORDNER]\n"
    "         [--resize 640x480|800x600|1024x768] [--quality N]\n"
    "         [--description DATEI] [--description-name NAME]\n"
    "         [--exif-file per-image|all] [--exif-form text|html] [--exif-name NAME]\n"
    "         [--zip ORDNER] [--zip-name NAME] [--zip-move] [--zip-paths] [--zip-password PW]\n"
    "         [--dry-run] PFAD...  Bilder umbenennen";

// The index of value in the captions, or -1.
template <size_t N>
int IndexOf(const QString& value, const char16_t* const (&captions)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (value == QString::fromUtf16(captions[i])) return int(i);
  return -1;
}

int SeparatorIndex(const QString& value) {
  for (size_t i = 0; i < std::size(kNameSeparators); ++i)
    if (value == QString::fromUtf16(kNameSeparators[i].caption)) return int(i);
  return -1;
}

bool ReadDescription(const QString& path, QStringList& lines, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden !").arg(path);
    return false;
  }
  const QByteArray bytes = file.readAll();
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (text.endsWith(u'\n')) text.chop(1);
  lines = text.isEmpty() ? QStringList() : text.split(u'\n');
  return true;
}

int RunRename(const QStringList& args) {
  const cli::Command& command = *cli::FindCommand("rename");
  RenameOptions options;
  QString startText = QStringLiteral("1");
  QStringList paths;
  bool dryRun = false;

  // Options with a value: each takes the next argument and returns an error text or empty.
  const std::map<QString, std::function<QString(const QString&)>> valued{
      {"--pattern", [&](const QString& v) { options.pattern = v; return QString(); }},
      {"--start",
       [&](const QString& v) {
         bool ok = false;
         const int n = v.trimmed().toInt(&ok);
         startText = v;
         if (!v.trimmed().isEmpty() && (!ok || n < 1 || n > 9999)) return QStringLiteral("--start braucht eine Zahl von 1 bis 9999");
         options.startCounter = ok ? n : 1;
         return QString();
       }},
      {"--width",
       [&](const QString& v) {
         bool ok = false;
         options.counterWidth = v.toInt(&ok);
         return ok && options.counterWidth >= 1 && options.counterWidth <= 9 ? QString()
                                                                            : QStringLiteral("--width braucht eine Zahl von 1 bis 9");
       }},
      {"--separator",
       [&](const QString& v) {
         options.useSeparator = true;
         options.separatorIndex = SeparatorIndex(v);
         return options.separatorIndex >= 0 ? QString() : QStringLiteral("--separator braucht Strich, Unterstrich oder Punkt");
       }},
      {"--copy", [&](const QString& v) { options.action = RenameAction::CopyTo; options.targetFolder = v; return QString(); }},
      {"--move", [&](const QString& v) { options.action = RenameAction::MoveTo; options.targetFolder = v; return QString(); }},
      {"--resize",
       [&](const QString& v) {
         options.resize = true;
         options.sizeIndex = IndexOf(v, kResizeSizeCaptions);
         return options.sizeIndex >= 0 ? QString() : QStringLiteral("--resize braucht 640x480, 800x600 oder 1024x768");
       }},
      {"--quality",
       [&](const QString& v) {
         bool ok = false;
         options.quality = v.toInt(&ok);
         return ok && options.quality >= 0 && options.quality <= 100 ? QString()
                                                                      : QStringLiteral("--quality braucht eine Zahl von 0 bis 100");
       }},
      {"--description",
       [&](const QString& v) {
         options.writeDescription = true;
         QString error;
         return ReadDescription(v, options.descriptionLines, error) ? QString() : error;
       }},
      {"--description-name", [&](const QString& v) { options.descriptionFileName = v; return QString(); }},
      {"--exif-file",
       [&](const QString& v) {
         options.writeExif = true;
         if (v == QLatin1String("per-image")) options.exifScope = ExifFileScope::PerImage;
         else if (v == QLatin1String("all")) options.exifScope = ExifFileScope::AllImages;
         else return QStringLiteral("--exif-file braucht per-image oder all");
         return QString();
       }},
      {"--exif-form",
       [&](const QString& v) {
         if (v == QLatin1String("text")) options.exifForm = 0;
         else if (v == QLatin1String("html")) options.exifForm = 1;
         else return QStringLiteral("--exif-form braucht text oder html");
         return QString();
       }},
      {"--exif-name", [&](const QString& v) { options.exifFileName = v; return QString(); }},
      {"--zip", [&](const QString& v) { options.pack = true; options.zipFolder = v; return QString(); }},
      {"--zip-name", [&](const QString& v) { options.zipName = v; return QString(); }},
      {"--zip-password",
       [&](const QString& v) {
         options.zipEncrypt = true;
         options.zipPassword = v;
         return QString();
       }},
  };
  const std::map<QString, bool*> flags{
      {"--zeros", &options.zeroFill},   {"--front", &options.counterInFront}, {"--upper", &options.upperCase},
      {"--lower", &options.lowerCase},  {"--zip-move", &options.zipMove},     {"--zip-paths", &options.zipFolderNames},
      {"--dry-run", &dryRun},
  };

  bool patternGiven = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (const auto flag = flags.find(arg); flag != flags.end()) {
      *flag->second = true;
    } else if (const auto option = valued.find(arg); option != valued.end()) {
      if (i + 1 >= args.size()) return cli::UsageError(command, arg + QStringLiteral(" braucht einen Wert"));
      const QString error = option->second(args[++i]);
      if (!error.isEmpty()) return cli::UsageError(command, error);
      patternGiven = patternGiven || arg == QLatin1String("--pattern");
    } else if (arg.startsWith(QLatin1String("--"))) {
      return cli::UsageError(command, QStringLiteral("unbekannte Option \"%1\"").arg(arg));
    } else {
      paths << arg;
    }
  }
  if (!patternGiven) return cli::UsageError(command, QStringLiteral("--pattern fehlt"));
  if (paths.isEmpty()) return cli::UsageError(command, QStringLiteral("PFAD fehlt"));

  // The rename dialog's own checks, with its messages.
  QString problem;
  if (options.upperCase && options.lowerCase) problem = QStringLiteral("Sie können nur Groß oder Klein markieren !");
  if (problem.isEmpty()) problem = FirstRenameOptionsProblem(options, startText);
  if (!problem.isEmpty()) {
    QTextStream(stderr) << "velmora-cli: " << problem << '\n';
    return cli::kExitUsage;
  }

  PhotoList list;
  QuietScanHost host;
  for (const QString& path : ReadPathsIntoList(list, paths, host))
    QTextStream(stderr) << "velmora-cli: \"" << path << "\" existiert nicht und wird übergangen\n";

  if (dryRun) {
    QTextStream out(stdout);
    for (const QString& line : PlannedRenames(options, list, QDateTime::currentDateTime())) out << line << '\n';
    return cli::kExitOk;
  }

  ConsoleJobContext context;
  BeginJobLog(context);
  for (const QString& line : RenameOptionLines(options)) context.AppendLine(line);
  int checked = 0;
  for (int index = 0; index < list.rowCount(); ++index) checked += list.row(index).checked ? 1 : 0;
  context.AppendLine(RenameCountLine(checked));
  const RenameRunResult result = RenameImages(options, list, context);
  return result.AnyFailure() ? cli::kExitFailures : cli::kExitOk;
}

}  // namespace

VELMORA_CLI_COMMAND("rename", kUsage, RunRename);
