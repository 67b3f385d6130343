#include "jobs/zip_pack.h"

#include "common/path_helpers.h"
#include "jobs/job_context.h"
#include "jobs/job_log.h"
#include "jobs/zip_pack_archive.h"
#include "settings/app_settings.h"

#include <QFile>

namespace {

const QString kPackingFailed = QStringLiteral("Es ist ein Fehler beim packen der Dateien aufgetreten !");

void ReportPackingFailure(JobContext& context) {
  context.PlaySoundIfEnabled(context.Settings().KlangErr, context.Settings().PlayErr);
  context.ShowMessage(MessageKind::Error, kPackingFailed);
  context.AppendLine(kPackingFailed);
}

}  // namespace

QStringList PackFileList(const RenameOptions& options, const QString& lastFolder, const QStringList& checkedRowFiles) {
  QStringList files;
  if (options.writeDescription) files << WithTrailingBackslash(lastFolder) + options.descriptionFileName.trimmed();
  files << checkedRowFiles;
  return files;
}

bool PackRenamedFiles(const RenameOptions& options, const QStringList& files, JobContext& context) {
  const QString archivePath = ZipArchivePath(options);
  context.AppendLine(QString());
  context.AppendLine(QStringLiteral("Dateien werden nun gepackt. Bitte warten..."));
  context.AppendLine(QStringLiteral("Zipdatei: ") + archivePath);
  context.SetJobStatus(kJobStatusPacking);

  ZipAddRequest request;
  request.archivePath = archivePath;
  request.files = files;
  request.storeFolderNames = options.zipFolderNames;
  // An empty password would give an archive the user believes protected: AddFilesToZip refuses it.
  request.encrypt = options.zipEncrypt;
  request.password = options.zipPassword;

  QString errorText;
  const auto progress = [&context](int percent) {
    context.SetJobProgress(percent);
    context.ProcessEvents();
  };
  if (!AddFilesToZip(request, progress, &errorText)) {
    ReportPackingFailure(context);
    return false;
  }
  if (options.zipMove) {
    // A photo leaves the disk only once the closed archive proves to hold every entry.
    if (!ZipHoldsFiles(archivePath, files, options.zipFolderNames, options.zipEncrypt ? options.zipPassword : QString())) {
      ReportPackingFailure(context);
      return false;
    }
    for (const QString& file : files) QFile::remove(file);
  }
  context.AppendLine(QStringLiteral("Zipdatei wurde erfolgreich erstellt !"));
  context.SetJobProgress(0);
  return true;
}
