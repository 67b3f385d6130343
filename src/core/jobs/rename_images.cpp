#include "jobs/rename_images.h"

#include "catalogue/reader_text.h"

#include "catalogue/photo_list.h"
#include "common/file_move.h"
#include "common/path_helpers.h"
#include "metadata/exif_report.h"
#include "jobs/job_context.h"
#include "jobs/job_log.h"
#include "jobs/rename_name.h"
#include "jobs/resize_jpeg.h"
#include "jobs/zip_pack.h"
#include "settings/app_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string>
#include <vector>

namespace {

const QString kNothingToDo = QStringLiteral("Die Liste enthält keine Bilder, es gibt nichts zu tun.");

struct ActionTexts {
  const char16_t* logVerb;     // before " ---> "
  const char16_t* failedVerb;  // at the end of the failure line
};

// By RenameAction: the JobLog line before the operation and the failure line.
constexpr ActionTexts kActionTexts[] = {
    {u"Umbenennen: ", u" konnte nicht umbenannt werden !"},
    {u"Kopieren: ", u" konnte nicht kopiert werden !"},
    {u"Verschieben: ", u" konnte nicht verschoben werden !"},
};

// The report writers let the job's events run first and do nothing once cancel is set.
ExifReportOptions ReportOptionsFor(JobContext& context) {
  ExifReportOptions options;
  options.ShortDate = UserShortDate;
  options.LetEventsRunAndCheckCancel = [&context] {
    context.ProcessEvents();
    return context.CancelRequested();
  };
  return options;
}

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Thrown when a file after the last row cannot be written; it ends the run.
struct ClosingFileError {
  QString text;
};

class RenameRun {
 public:
  RenameRun(const RenameOptions& options, PhotoList& list, JobContext& context)
      : options_(options), list_(list), context_(context) {}

  RenameRunResult Run();

 private:
  enum class Step { Go, Cancelled };

  Step HandleRow(int index, int counter);
  Step HandleFile(int index, const QString& newFileName);
  bool DoFileOperation(const QString& source, const QString& newPath);
  void WriteExifForAllImages();
  void WriteDescriptionFile();
  void Pack();
  void ClearOrUncheckList();
  void WriteLines(const QString& path, const QStringList& lines);
  bool Cancelled() {
    context_.ProcessEvents();
    return context_.CancelRequested();
  }

  const RenameOptions& options_;
  PhotoList& list_;
  JobContext& context_;
  RenameRunResult result_;
  QDateTime runTime_;
  QString lastFolder_;
  std::vector<std::string> exifList_;
  int progressStep_ = 0;
  int progress_ = 0;
};

RenameRunResult RenameRun::Run() {
  runTime_ = context_.Now();
  context_.ProcessEvents();
  context_.SetBusyCursor(true);
  context_.AppendLine(QString());
  context_.AppendLine(QStringLiteral(" --- Verarbeitung --- "));
  context_.AppendLine(QString());
  context_.SetJobStatus(kJobStatusRenaming);

  // After ClearView emptied the list, "Start" may run the job again on nothing.
  if (list_.isEmpty()) {
    context_.AppendLine(kNothingToDo);
    FinishJob(context_);
    context_.SetJobProgress(0);
    return result_;
  }
  progressStep_ = 100 / list_.rowCount();

  // The counter grows for every row, checked or not, handled or skipped.
  int counter = options_.startCounter;
  for (int index = 0; index < list_.rowCount(); ++index, ++counter) {
    if (Cancelled() || HandleRow(index, counter) == Step::Cancelled) {
      result_.cancelled = true;
      return result_;
    }
  }

  try {
    WriteExifForAllImages();
    WriteDescriptionFile();
  } catch (const ClosingFileError& error) {
    context_.ShowMessage(MessageKind::Error, error.text);
    context_.SetBusyCursor(false);
    result_.aborted = true;
    return result_;
  }
  Pack();
  ClearOrUncheckList();
  FinishJob(context_);
  context_.SetJobProgress(0);
  return result_;
}

RenameRun::Step RenameRun::HandleRow(int index, int counter) {
  if (!RenameHandlesRow(list_.row(index))) return Step::Go;
  if (Cancelled()) return Step::Cancelled;
  return HandleFile(index, NewFileNameForRow(options_, counter, list_.row(index), runTime_));
}

RenameRun::Step RenameRun::HandleFile(int index, const QString& newFileName) {
  const PhotoRow before = list_.row(index);
  const QString source = before.FilePath();
  // A file removed or renamed outside the program is skipped without a line.
  if (!QFileInfo::exists(source)) return Step::Go;
  if (Cancelled()) return Step::Cancelled;

  const int action = int(options_.action);
  const QString targetFolder = WithTrailingBackslash(options_.targetFolder.trimmed());
  const QString newFolder = options_.action == RenameAction::RenameInPlace ? before.texts[kTextFolder] : targetFolder;
  const QString newPath = newFolder + newFileName;
  context_.AppendLine(QString::fromUtf16(kActionTexts[action].logVerb) + before.caption + QStringLiteral(" ---> ") +
                      newFileName);

  bool ok = DoFileOperation(source, newPath);
  if (ok) {
    // The row follows the file at once, so it never points at a name that is gone.
    list_.setCaption(index, newFileName);
    if (options_.action != RenameAction::RenameInPlace) list_.setText(index, kTextFolder, newFolder);
    lastFolder_ = options_.action == RenameAction::RenameInPlace ? before.texts[kTextFolder] : targetFolder;
    try {
      if (options_.resize) ResizeJpeg(newPath, options_.quality, options_.sizeIndex, context_);
      if (options_.writeExif) {
        if (options_.exifScope == ExifFileScope::PerImage) {
          WriteImageExifFile(NativePath(newPath), options_.exifForm, ReportOptionsFor(context_));
        } else {
          context_.AppendLine(QStringLiteral("Extrahiere EXIF für Datei: ") + newPath);
          AppendImageExifReport(NativePath(newPath), exifList_, options_.exifForm, ReportOptionsFor(context_));
        }
      }
    } catch (const std::exception&) {
      ok = false;
    }
  }
  if (!ok) {
    context_.PlaySoundIfEnabled(context_.Settings().KlangErr, context_.Settings().PlayErr);
    context_.AppendLine(QStringLiteral("Datei: ") + source + QString::fromUtf16(kActionTexts[action].failedVerb));
    result_.failedFiles << source;
    return Step::Go;
  }
  progress_ += progressStep_;
  context_.SetJobProgress(progress_);
  ++result_.handledFiles;
  return Step::Go;
}

bool RenameRun::DoFileOperation(const QString& source, const QString& newPath) {
  switch (options_.action) {
    case RenameAction::RenameInPlace:
    case RenameAction::MoveTo:
      // A file that already has its new name and place needs no move.
      if (QFileInfo(source).absoluteFilePath() == QFileInfo(newPath).absoluteFilePath()) return true;
      return MoveFileNoReplace(source, newPath).Ok();
    case RenameAction::CopyTo:
      // Never over an existing file: that may be an unrelated photo.
      return CopyFileNoReplace(source, newPath).Ok();
  }
  return false;
}

void RenameRun::WriteExifForAllImages() {
  // With one file per image the reports are beside the photos; there is no list to write.
  if (!options_.writeExif || options_.exifScope != ExifFileScope::AllImages) return;
  // The target folder when one is given, else the folder the photos went to.
  const QString folder = options_.targetFolder.trimmed().isEmpty() ? lastFolder_ : options_.targetFolder.trimmed();
  const QString extension = options_.exifForm == 1 ? QStringLiteral(".html") : QStringLiteral(".txt");
  const QString path = WithTrailingBackslash(folder) + options_.exifFileName.trimmed() + extension;
  try {
    SaveReportLines(exifList_, NativePath(path));
  } catch (const ReportFileError& error) {
    throw ClosingFileError{QString::fromLocal8Bit(error.what())};
  }
}

void RenameRun::WriteDescriptionFile() {
  if (!options_.writeDescription) return;
  WriteLines(WithTrailingBackslash(lastFolder_) + options_.descriptionFileName.trimmed(), options_.descriptionLines);
}

void RenameRun::WriteLines(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return;
  throw ClosingFileError{QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden !\r\n\r\n%2")
                             .arg(path, file.errorString())};
}

void RenameRun::Pack() {
  if (!options_.pack) return;
  QStringList checkedFiles;
  for (int index = 0; index < list_.rowCount(); ++index) {
    const PhotoRow& row = list_.row(index);
    if (row.checked) checkedFiles << WithTrailingBackslash(row.texts[kTextFolder]) + row.caption;
  }
  if (!PackRenamedFiles(options_, PackFileList(options_, lastFolder_, checkedFiles), context_))
    result_.packingFailed = true;
}

void RenameRun::ClearOrUncheckList() {
  if (context_.Settings().ClearView)
    list_.clear();
  else
    list_.setAllChecked(false);
}

}  // namespace

bool RenameHandlesRow(const PhotoRow& row) {
  // "-" marks a photo without camera data; an empty cell (reading broken off) is taken the same way.
  const QString size = row.texts[kTextSize].trimmed();
  return row.checked && !size.isEmpty() && size != QString::fromUtf16(kNoDataText);
}

QString NewFileNameForRow(const RenameOptions& options, int counter, const PhotoRow& row, const QDateTime& now) {
  const NameCells cells{row.texts[kTextCaptureDate], row.texts[kTextMake], row.texts[kTextSize], row.texts[kTextModel]};
  return BuildNewName(options, counter, cells, now) + u'.' + ExtractExtLower(row.caption);
}

QStringList PlannedRenames(const RenameOptions& options, const PhotoList& list, const QDateTime& now) {
  QStringList lines;
  for (int index = 0; index < list.rowCount(); ++index) {
    const PhotoRow& row = list.row(index);
    if (RenameHandlesRow(row))
      lines << row.caption + QStringLiteral(" ---> ") + NewFileNameForRow(options, options.startCounter + index, row, now);
  }
  return lines;
}

RenameRunResult RenameImages(const RenameOptions& options, PhotoList& list, JobContext& context) {
  return RenameRun(options, list, context).Run();
}
