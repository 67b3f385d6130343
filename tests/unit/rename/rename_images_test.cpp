#include "jobs/rename_images.h"

#include "catalogue/photo_list.h"
#include "fixture_builder.h"
#include "qstring_printer.h"
#include "recording_job_context.h"
#include "seven_zip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kEndLine = QStringLiteral("24.12.2007 14:05:09 : Ende der Verarbeitung");
const QStringList kRunHead{QString(), QStringLiteral(" --- Verarbeitung --- "), QString()};

// A small real JPEG with make, model and capture date in its EXIF block.
std::string PhotoBytes() {
  fixture::TiffBuilder tiff(fixture::ByteOrder::Little);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Canon").Ascii(ifd0, 0x0110, "Canon PowerShot A70").Pointer(ifd0, 0x8769, exif);
  tiff.Ascii(exif, 0x9003, "2006:05:03 10:00:00").Long(exif, 0xA002, {16}).Long(exif, 0xA003, {16});
  return fixture::JpegBuilder().App1Exif(tiff.Build()).Image(16, 16).Build();
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ARenameRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    photos_ = dir_.path() + QStringLiteral("/fotos/");
    target_ = dir_.path() + QStringLiteral("/ziel/");
    QDir().mkpath(photos_);
    QDir().mkpath(target_);
    options_.pattern = QStringLiteral("Urlaub");
  }

  // Writes the photo and appends its row; withExif false gives the row "-" as a photo without
  // camera data shows it.
  void AddPhoto(const QString& name, bool checked = true, bool withExif = true, const std::string& bytes = PhotoBytes()) {
    QFile file(photos_ + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
    PhotoRow row;
    row.checked = checked;
    row.caption = name;
    row.texts = {photos_, "11.12.2026", "10:00:00", "JPEG-Datei", "16x16", "03.05.2006", " 10:00:00",
                 "Canon PowerShot A70", "Canon"};
    if (!withExif)
      for (int position = kTextSize; position < kPhotoTextCount; ++position) row.texts[position] = "-";
    list_.append(row);
  }

  RenameRunResult Run() { return RenameImages(options_, list_, context_); }

  QStringList Captions() const {
    QStringList captions;
    for (int index = 0; index < list_.rowCount(); ++index) captions << list_.row(index).caption;
    return captions;
  }

  int ErrorSounds() const {
    int count = 0;
    for (const auto& sound : context_.sounds) count += sound.wavFile == "fehler.wav" && sound.enabled;
    return count;
  }

  QTemporaryDir dir_;
  QString photos_;
  QString target_;
  PhotoList list_;
  RenameOptions options_;
  RecordingJobContext context_;
};

TEST_F(ARenameRun, numbersEveryRowAndRenamesOnlyCheckedOnes) {
  AddPhoto("IMG_0001.JPG");
  AddPhoto("IMG_0002.JPG", false);
  AddPhoto("IMG_0003.JPG");

  const RenameRunResult result = Run();

  EXPECT_EQ(Captions(), (QStringList{"Urlaub 1.jpg", "IMG_0002.JPG", "Urlaub 3.jpg"}));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "Urlaub 1.jpg"));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "IMG_0002.JPG"));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "Urlaub 3.jpg"));
  EXPECT_FALSE(QFileInfo::exists(photos_ + "IMG_0001.JPG"));
  EXPECT_EQ(context_.lines, kRunHead + QStringList({"Umbenennen: IMG_0001.JPG ---> Urlaub 1.jpg",
                                                    "Umbenennen: IMG_0003.JPG ---> Urlaub 3.jpg", QString(), kEndLine}));
  EXPECT_EQ(context_.statuses.first(), QStringLiteral("<B><FONT color=\"clBlue\">Umbenennnen</B></FONT>"));
  EXPECT_EQ(context_.progress, QList<int>({33, 66, 0}));
  EXPECT_EQ(result.handledFiles, 2);
  EXPECT_FALSE(result.AnyFailure());
  // ClearView off: the rows stay and lose their check marks.
  ASSERT_EQ(list_.rowCount(), 3);
  for (int index = 0; index < 3; ++index) EXPECT_FALSE(list_.row(index).checked);
}

TEST_F(ARenameRun, skipsRowsWithoutCameraDataButUsesUpTheirNumbers) {
  options_.startCounter = 7;
  options_.zeroFill = true;
  options_.counterWidth = 3;
  options_.useSeparator = true;
  options_.separatorIndex = 1;
  AddPhoto("a.JPG");
  AddPhoto("b.jpg", true, false);
  AddPhoto("c.jpg");
  Run();
  EXPECT_EQ(Captions(), (QStringList{"Urlaub_007.jpg", "b.jpg", "Urlaub_009.jpg"}));
  EXPECT_EQ(context_.LinesContaining("b.jpg"), QStringList());
}

TEST_F(ARenameRun, refusesToRenameOntoAnExistingName) {
  context_.settings.PlayErr = true;
  context_.settings.KlangErr = "fehler.wav";
  AddPhoto("IMG_0001.JPG");
  QFile other(photos_ + "Urlaub 1.jpg");
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.write("anderes Foto");
  other.close();

  const RenameRunResult result = Run();

  EXPECT_EQ(context_.lines.mid(3, 2), (QStringList{"Umbenennen: IMG_0001.JPG ---> Urlaub 1.jpg",
                                                   "Datei: " + photos_ + "IMG_0001.JPG konnte nicht umbenannt werden !"}));
  EXPECT_EQ(ReadAll(photos_ + "Urlaub 1.jpg"), QByteArray("anderes Foto"));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "IMG_0001.JPG"));
  EXPECT_EQ(Captions(), QStringList{"IMG_0001.JPG"});
  EXPECT_EQ(ErrorSounds(), 1);
  EXPECT_EQ(context_.progress, QList<int>{0});
  EXPECT_EQ(result.failedFiles, QStringList{photos_ + "IMG_0001.JPG"});
}

TEST_F(ARenameRun, neverCopiesOrMovesOverAFileInTheTargetFolder) {
  struct Case {
    RenameAction action;
    QString logLine;
    QString failure;
  };
  const Case cases[] = {
      {RenameAction::CopyTo, "Kopieren: a.jpg ---> Urlaub 1.jpg", " konnte nicht kopiert werden !"},
      {RenameAction::MoveTo, "Verschieben: a.jpg ---> Urlaub 1.jpg", " konnte nicht verschoben werden !"},
  };
  for (const Case& c : cases) {
    list_.clear();
    context_.lines.clear();
    QFile::remove(photos_ + "a.jpg");
    AddPhoto("a.jpg");
    QFile other(target_ + "Urlaub 1.jpg");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("anderes Foto");
    other.close();
    options_.action = c.action;
    options_.targetFolder = target_;

    Run();

    EXPECT_EQ(context_.lines.mid(3, 2), (QStringList{c.logLine, "Datei: " + photos_ + "a.jpg" + c.failure}));
    EXPECT_EQ(ReadAll(target_ + "Urlaub 1.jpg"), QByteArray("anderes Foto"));
    EXPECT_TRUE(QFileInfo::exists(photos_ + "a.jpg"));
    EXPECT_EQ(list_.row(0).FilePath(), photos_ + "a.jpg");
  }
}

TEST_F(ARenameRun, copiesToTheTargetFolderAndTheRowFollowsTheCopy) {
  options_.action = RenameAction::CopyTo;
  options_.targetFolder = dir_.path() + "/ziel";  // without the trailing separator
  options_.resize = true;
  options_.sizeIndex = 0;
  options_.quality = 80;
  AddPhoto("a.jpg");
  const QByteArray original = ReadAll(photos_ + "a.jpg");

  Run();

  EXPECT_EQ(context_.lines[3], "Kopieren: a.jpg ---> Urlaub 1.jpg");
  EXPECT_EQ(list_.row(0).caption, "Urlaub 1.jpg");
  EXPECT_EQ(list_.row(0).texts[kTextFolder], target_);
  EXPECT_EQ(ReadAll(photos_ + "a.jpg"), original);
  EXPECT_EQ(QImageReader(target_ + "Urlaub 1.jpg").size(), QSize(640, 480));

  // A second run works on the copy.
  list_.setChecked(0, true);
  options_.action = RenameAction::RenameInPlace;
  options_.resize = false;
  options_.pattern = "Rom";
  Run();
  EXPECT_EQ(list_.row(0).FilePath(), target_ + "Rom 1.jpg");
  EXPECT_TRUE(QFileInfo::exists(target_ + "Rom 1.jpg"));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "a.jpg"));
}

TEST_F(ARenameRun, movesToTheTargetFolder) {
  options_.action = RenameAction::MoveTo;
  options_.targetFolder = target_;
  AddPhoto("a.jpg");
  Run();
  EXPECT_EQ(list_.row(0).FilePath(), target_ + "Urlaub 1.jpg");
  EXPECT_TRUE(QFileInfo::exists(target_ + "Urlaub 1.jpg"));
  EXPECT_FALSE(QFileInfo::exists(photos_ + "a.jpg"));
}

TEST_F(ARenameRun, pointsTheRowAtTheNewNameWhenALaterStepFails) {
  context_.settings.PlayErr = true;
  context_.settings.KlangErr = "fehler.wav";
  options_.resize = true;
  options_.sizeIndex = 1;
  AddPhoto("kaputt.jpg", true, true, "\xFF\xD8\xFF\xE0 damaged");

  const RenameRunResult result = Run();

  EXPECT_TRUE(QFileInfo::exists(photos_ + "Urlaub 1.jpg"));
  EXPECT_EQ(list_.row(0).FilePath(), photos_ + "Urlaub 1.jpg");
  EXPECT_EQ(context_.lines[4], "Datei: " + photos_ + "kaputt.jpg konnte nicht umbenannt werden !");
  EXPECT_EQ(ErrorSounds(), 1);
  EXPECT_EQ(result.failedFiles.size(), 1);
}

TEST_F(ARenameRun, writesAnExifReportBesideEveryPhoto) {
  for (int form : {0, 1}) {
    list_.clear();
    QDir(photos_).removeRecursively();
    QDir().mkpath(photos_);
    AddPhoto("a.jpg");
    options_.writeExif = true;
    options_.exifScope = ExifFileScope::PerImage;
    options_.exifForm = form;
    options_.exifFileName = "alle";
    Run();
    const QString report = photos_ + (form == 0 ? "urlaub 1.txt" : "urlaub 1.html");
    EXPECT_TRUE(ReadAll(report).contains("Canon PowerShot A70")) << form;
    // With one file per image there is no file for all images.
    EXPECT_FALSE(QFileInfo::exists(photos_ + "alle.txt"));
    EXPECT_FALSE(QFileInfo::exists(target_ + "alle.txt"));
  }
}

TEST_F(ARenameRun, collectsTheReportsOfAllImagesInOneFile) {
  for (int form : {0, 1}) {
    list_.clear();
    context_.lines.clear();
    QDir(photos_).removeRecursively();
    QDir().mkpath(photos_);
    AddPhoto("a.jpg");
    AddPhoto("b.jpg");
    options_.writeExif = true;
    options_.exifScope = ExifFileScope::AllImages;
    options_.exifForm = form;
    options_.exifFileName = " alle ";
    options_.targetFolder = target_;  // used even for a rename in place

    Run();

    EXPECT_EQ(context_.LinesContaining("Extrahiere EXIF für Datei: "),
              (QStringList{"Extrahiere EXIF für Datei: " + photos_ + "Urlaub 1.jpg",
                           "Extrahiere EXIF für Datei: " + photos_ + "Urlaub 2.jpg"}));
    const QByteArray all = ReadAll(target_ + (form == 0 ? "alle.txt" : "alle.html"));
    EXPECT_EQ(all.count("Canon PowerShot A70") >= 2, true) << form;
    EXPECT_TRUE(all.contains("\r\n"));
  }
}

TEST_F(ARenameRun, writesTheDescriptionFileIntoTheLastFolder) {
  options_.action = RenameAction::CopyTo;
  options_.targetFolder = target_;
  options_.writeDescription = true;
  options_.descriptionLines = {"Urlaub in Rom", "Mai 2006"};
  AddPhoto("a.jpg");
  Run();
  EXPECT_EQ(ReadAll(target_ + "Liesmich.txt"), QByteArray("Urlaub in Rom\r\nMai 2006\r\n"));
}

TEST_F(ARenameRun, emptiesTheListWithClearView) {
  context_.settings.ClearView = true;
  AddPhoto("a.jpg");
  Run();
  EXPECT_EQ(list_.rowCount(), 0);
  EXPECT_EQ(context_.lines.last(), kEndLine);
}

TEST_F(ARenameRun, stopsAtOnceWhenCancelledAfterTwoOfFiveFiles) {
  options_.writeDescription = true;
  options_.pack = true;
  options_.zipFolder = target_;
  options_.zipName = "Fotos";
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}) AddPhoto(name);
  context_.onProcessEvents = [this](int) {
    if (context_.LinesContaining("Umbenennen: ").size() == 2) context_.cancelRequested = true;
  };

  const RenameRunResult result = Run();

  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(Captions(), (QStringList{"Urlaub 1.jpg", "Urlaub 2.jpg", "c.jpg", "d.jpg", "e.jpg"}));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "Urlaub 2.jpg"));
  EXPECT_FALSE(QFileInfo::exists(photos_ + "Liesmich.txt"));
  EXPECT_FALSE(QFileInfo::exists(target_ + "Fotos.zip"));
  EXPECT_EQ(context_.LinesContaining("Ende der Verarbeitung"), QStringList());
  for (int index = 0; index < list_.rowCount(); ++index) EXPECT_TRUE(list_.row(index).checked);
}

TEST_F(ARenameRun, onAnEmptyListSaysThereIsNothingToDoAndFinishes) {
  const RenameRunResult result = Run();
  EXPECT_EQ(context_.lines, kRunHead + QStringList({"Die Liste enthält keine Bilder, es gibt nichts zu tun.",
                                                    QString(), kEndLine}));
  EXPECT_EQ(result.handledFiles, 0);
  EXPECT_FALSE(result.AnyFailure());
}

TEST_F(ARenameRun, packsTheDescriptionAndEveryCheckedRowAndMovesThemIn) {
  if (!SevenZipAvailable()) GTEST_SKIP() << "7zz is not installed";
  options_.writeDescription = true;
  options_.descriptionLines = {"Rom"};
  options_.pack = true;
  options_.zipMove = true;
  options_.zipFolder = target_;
  options_.zipName = "Fotos";
  AddPhoto("a.jpg");
  AddPhoto("b.jpg", true, false);  // skipped by the renaming, packed all the same
  AddPhoto("c.jpg", false);

  const RenameRunResult result = Run();

  EXPECT_FALSE(result.AnyFailure());
  EXPECT_EQ(SevenZipListValues(target_ + "Fotos.zip", "Path"), QStringList({"Liesmich.txt", "Urlaub 1.jpg", "b.jpg"}));
  EXPECT_FALSE(QFileInfo::exists(photos_ + "Urlaub 1.jpg"));
  EXPECT_FALSE(QFileInfo::exists(photos_ + "b.jpg"));
  EXPECT_TRUE(QFileInfo::exists(photos_ + "c.jpg"));
  EXPECT_TRUE(context_.lines.contains("Zipdatei wurde erfolgreich erstellt !"));
}

TEST(APlannedRename, listsOldAndNewNamesOfTheRowsTheJobWouldHandle) {
  PhotoList list;
  for (const char* name : {"a.JPG", "b.jpg", "c.jpg"}) {
    PhotoRow row;
    row.checked = QString(name) != "b.jpg";
    row.caption = name;
    row.texts[kTextFolder] = "/nirgends/";
    row.texts[kTextSize] = "16x16";
    list.append(row);
  }
  RenameOptions options;
  options.pattern = "Rom";
  options.counterInFront = true;
  EXPECT_EQ(PlannedRenames(options, list, QDateTime::currentDateTime()),
            (QStringList{"a.JPG ---> 1 Rom.jpg", "c.jpg ---> 3 Rom.jpg"}));
}

}  // namespace
