#include "camera_photo.h"
#include "metadata/timg_data.h"
#include "test_tree.h"

#include <QDirIterator>

namespace {

// What a list row takes from a reader.
struct RowValues {
  bool hasExif = false;
  std::string make, model, dateTime, length, width;
  bool operator==(const RowValues&) const = default;
};

RowValues ReadRowValues(const QString& path, int buildMode) {
  TimgData reader(buildMode);
  reader.ReadPhotoFile(QFile::encodeName(path).toStdString());
  RowValues values;
  values.hasExif = reader.HasExif();
  if (values.hasExif) {
    values.make = reader.Exif->MakeText;
    values.model = reader.Exif->ModelText;
    values.dateTime = reader.Exif->DateTimeText;
    values.length = reader.Exif->TagTextOf("ExifImageLength");
    values.width = reader.Exif->TagTextOf("exifimagewidth");
  }
  return values;
}

void ExpectSameValuesInBothModes(const QString& path) {
  const RowValues full = ReadRowValues(path, 255);
  const RowValues lean = ReadRowValues(path, kBuildCameraValues);
  EXPECT_TRUE(full == lean) << path.toStdString() << ": " << full.make << "|" << full.model << "|"
                            << full.dateTime << "|" << full.length << "x" << full.width << " vs "
                            << lean.make << "|" << lean.model << "|" << lean.dateTime << "|"
                            << lean.length << "x" << lean.width;
}

}  // namespace

TEST(TheListRowReadMode, givesTheSameRowValuesAsTheFullReadForCraftedPhotos) {
  TestTree tree;
  CameraData noSize;
  noSize.size.reset();
  CameraData emptyDate;
  emptyDate.dateTime = "";
  // A size written as LONG and a DateTime in the first directory besides DateTimeOriginal.
  fixture::TiffBuilder tiff(fixture::ByteOrder::Big);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, " Maker ").Ascii(ifd0, 0x0110, "Model\x01").Ascii(ifd0, 0x0132, "2001:02:03 04:05:06");
  tiff.Pointer(ifd0, 0x8769, exif).Ascii(exif, 0x9003, "2002:03:04 05:06:07");
  tiff.Undefined(exif, 0x927C, std::string("Nikon\0\x02\x10\0\0", 10) + std::string(40, '\x01'));
  tiff.Long(exif, 0xA002, {4000}).Long(exif, 0xA003, {3000});
  const std::string mixed = fixture::JpegBuilder().App1Exif(tiff.Build()).Image().Build();

  for (const QString& path :
       {tree.AddFile("full.jpg", CameraJpeg()), tree.AddFile("big.jpg", CameraJpeg(CameraData(), fixture::ByteOrder::Big)),
        tree.AddFile("nosize.jpg", CameraJpeg(noSize)), tree.AddFile("emptydate.jpg", CameraJpeg(emptyDate)),
        tree.AddFile("plain.jpg", PlainJpeg()),
        tree.AddFile("mixed.jpg", QByteArray(mixed.data(), static_cast<qsizetype>(mixed.size())))})
    ExpectSameValuesInBothModes(path);
}

TEST(TheListRowReadMode, givesTheSameRowValuesAsTheFullReadForTheSamplePhotos) {
  const QString samples = QStringLiteral(VELMORA_SOURCE_DIR "/../shared/fixtures/samples");
  if (!QFileInfo(samples).isDir()) GTEST_SKIP() << "no sample photos";
  int files = 0;
  QDirIterator it(samples, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    ExpectSameValuesInBothModes(it.next());
    ++files;
  }
  EXPECT_GT(files, 0);
}
