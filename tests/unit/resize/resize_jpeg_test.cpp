#include "jobs/resize_jpeg.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <sys/statvfs.h>

#include "file_system_fixtures.h"
#include "fixture_builder.h"
#include "metadata/timg_data.h"
#include "recording_job_context.h"
#include "resize_test_photos.h"

using fixture::ByteOrder;
using fixture::JpegBuilder;
using fixture::TempDir;
using fixture::TiffBuilder;
using namespace resize_test;

namespace {

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kDateTime = 0x0132,
                        kExifPointer = 0x8769, kDateTimeOriginal = 0x9003,
                        kExifImageWidth = 0xA002, kExifImageLength = 0xA003;

// An EXIF block as a camera writes it: make, model, dates and the pixel size.
std::string CameraExif(ByteOrder order, int width, int height, bool shortSize) {
  TiffBuilder tiff(order);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, kMake, "Testkamera")
      .Ascii(ifd0, kModel, "TK 12")
      .Ascii(ifd0, kDateTime, "2024:05:01 10:11:12")
      .Pointer(ifd0, kExifPointer, exif)
      .Ascii(exif, kDateTimeOriginal, "2024:05:01 09:08:07");
  if (shortSize)
    tiff.Short(exif, kExifImageWidth, {static_cast<std::uint16_t>(width)})
        .Short(exif, kExifImageLength, {static_cast<std::uint16_t>(height)});
  else
    tiff.Long(exif, kExifImageWidth, {static_cast<std::uint32_t>(width)})
        .Long(exif, kExifImageLength, {static_cast<std::uint32_t>(height)});
  return tiff.Build();
}

const std::string kIptc = fixture::IptcDataset(2, 120, "Sommerfest am See");
const std::string kComment = "Aufgenommen von Anna";

std::string PhotoWithMetadata(int width, int height, ByteOrder order = ByteOrder::Little,
                              bool shortSize = false) {
  return JpegBuilder()
      .App1Exif(CameraExif(order, width, height, shortSize))
      .App13Iptc(kIptc)
      .Com(kComment)
      .Raw(PictureBody(EncodedPicture(width, height)))
      .Build();
}

QImage Load(const std::string& path) {
  QImageReader reader(QString::fromStdString(path));
  return reader.read();
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

class AResizedPhoto : public ::testing::Test {
 protected:
  TempDir dir;
  RecordingJobContext context;
};

TEST_F(AResizedPhoto, hasTheTargetSizeAndKeepsExifIptcAndComment) {
  const std::string path = dir.Write("foto.jpg", PhotoWithMetadata(1600, 1200));

  EXPECT_EQ(ResizeJpeg(Q(path), 100, 1, context), ResizeOutcome::Resized);

  EXPECT_EQ(Load(path).size(), QSize(800, 600));
  const std::string written = fixture::ReadFileBytes(path);
  EXPECT_EQ(HeaderMarkers(written).front(), 0xE1);
  EXPECT_EQ(HeaderMarkers(written)[1], 0xED);
  EXPECT_EQ(HeaderMarkers(written)[2], 0xFE);
  TimgData data;
  ASSERT_TRUE(data.ReadPhotoFile(path));
  ASSERT_TRUE(data.HasExif());
  EXPECT_EQ(data.Exif->PixelWidth, 800);
  EXPECT_EQ(data.Exif->PixelHeight, 600);
  EXPECT_EQ(data.Exif->MakeText, "Testkamera");
  ASSERT_NE(data.IptcSection, nullptr);
  EXPECT_EQ(data.IptcSection->Data, HeaderSegments(PhotoWithMetadata(1600, 1200))[1].data);
  ASSERT_NE(data.CommentSection, nullptr);
  EXPECT_EQ(data.CommentText(), kComment);
  EXPECT_EQ(context.processEventsCalls, 1);
}

TEST_F(AResizedPhoto, readsBackItsSizeAndUnchangedCameraDataInExiftool) {
  if (!HaveExifTool()) GTEST_SKIP() << "exiftool is not installed";
  const std::string path = dir.Write("foto.jpg", PhotoWithMetadata(1600, 1200));

  ResizeJpeg(Q(path), 100, 1, context);

  const auto tags = ExifToolRead(path, {"ExifImageWidth", "ExifImageHeight", "Make", "Model",
                                        "DateTimeOriginal", "Comment", "Caption-Abstract", "Warning"});
  EXPECT_EQ(tags.value("ExifImageWidth"), "800");
  EXPECT_EQ(tags.value("ExifImageHeight"), "600");
  EXPECT_EQ(tags.value("Make"), "Testkamera");
  EXPECT_EQ(tags.value("Model"), "TK 12");
  EXPECT_EQ(tags.value("DateTimeOriginal"), "2024:05:01 09:08:07");
  EXPECT_EQ(tags.value("Comment"), Q(kComment));
  EXPECT_EQ(tags.value("Caption-Abstract"), "Sommerfest am See");
  EXPECT_FALSE(tags.contains("Warning")) << tags.value("Warning").toStdString();
}

TEST_F(AResizedPhoto, isStretchedToEachTableSizeWhateverItsShape) {
  struct Case {
    int width, height, sizeIndex;
    QSize expected;
  };
  const Case cases[] = {
      {1200, 1600, 0, {640, 480}},   // portrait, squeezed
      {3072, 2304, 1, {800, 600}},   // a camera's size
      {1024, 768, 2, {1024, 768}},   // already the target size
      {320, 200, 2, {1024, 768}},    // smaller than the target: enlarged
      {2000, 100, 0, {640, 480}},    // a strip: narrow one way, wide the other
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " index " << c.sizeIndex);
    const std::string path = dir.Write("foto.jpg", PhotoWithMetadata(c.width, c.height));
    ResizeJpeg(Q(path), 90, c.sizeIndex, context);
    EXPECT_EQ(Load(path).size(), c.expected);
  }
}

TEST_F(AResizedPhoto, keepsItsColoursAndBrightness) {
  // The picture's left-to-right red ramp and top-to-bottom green ramp survive the stretch.
  const std::string path = dir.Write("foto.jpg", PhotoWithMetadata(1600, 1200));
  const QImage before = QImage(QString::fromStdString(path)).scaled(
      800, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

  ResizeJpeg(Q(path), 100, 1, context);

  const QImage after = Load(path);
  for (const QPoint at : {QPoint(40, 40), QPoint(400, 300), QPoint(760, 560), QPoint(100, 500)}) {
    const QColor a = before.pixelColor(at), b = after.pixelColor(at);
    EXPECT_NEAR(a.red(), b.red(), 24) << at.x() << "," << at.y();
    EXPECT_NEAR(a.green(), b.green(), 8) << at.x() << "," << at.y();
    EXPECT_NEAR(a.blue(), b.blue(), 24) << at.x() << "," << at.y();
  }
}

TEST_F(AResizedPhoto, takesQualityZeroAsOneAndGrowsWithQuality) {
  const std::string original = PhotoWithMetadata(1600, 1200);
  auto resizedAt = [&](int quality) {
    const std::string path = dir.Write("foto.jpg", original);
    ResizeJpeg(Q(path), quality, 1, context);
    return fixture::ReadFileBytes(path);
  };
  const std::string q0 = resizedAt(0), q1 = resizedAt(1), q50 = resizedAt(50),
                    q100 = resizedAt(100);
  EXPECT_EQ(q0, q1);
  EXPECT_LT(q1.size(), q50.size());
  EXPECT_LT(q50.size(), q100.size());
  EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(q0)).size(), QSize(800, 600));
}

TEST_F(AResizedPhoto, withoutMetadataIsThePlainNewJpeg) {
  const std::string path = dir.Write("foto.jpg", EncodedPicture(1600, 1200));

  ResizeJpeg(Q(path), 80, 0, context);

  const std::string written = fixture::ReadFileBytes(path);
  const std::vector<int> markers = HeaderMarkers(written);
  EXPECT_EQ(markers.front(), 0xE0);  // the encoder's own JFIF header
  EXPECT_EQ(std::count(markers.begin(), markers.end(), 0xE1), 0);
  EXPECT_EQ(std::count(markers.begin(), markers.end(), 0xFE), 0);
  EXPECT_EQ(Load(path).size(), QSize(640, 480));
}

TEST_F(AResizedPhoto, fitsABigEndianShortWidthInPlace) {
  const std::string original = PhotoWithMetadata(1600, 1200, ByteOrder::Big, true);
  const std::string path = dir.Write("foto.jpg", original);

  ResizeJpeg(Q(path), 90, 2, context);

  TimgData data;
  ASSERT_TRUE(data.ReadPhotoFile(path));
  ASSERT_TRUE(data.HasExif());
  EXPECT_TRUE(data.BigEndian);
  EXPECT_EQ(data.Exif->PixelWidth, 1024);
  EXPECT_EQ(data.Exif->PixelHeight, 768);
  // Only the two value fields changed: the segment keeps its length.
  EXPECT_EQ(data.ExifSection->Data.size(), HeaderSegments(original)[0].data.size());
  if (HaveExifTool()) {
    const auto tags = ExifToolRead(path, {"ExifImageWidth", "ExifImageHeight"});
    EXPECT_EQ(tags.value("ExifImageWidth"), "1024");
    EXPECT_EQ(tags.value("ExifImageHeight"), "768");
  }
}

TEST_F(AResizedPhoto, fromGreyscaleStaysGreyAndFromCmykBecomesRgb) {
  const std::string grey = dir.Write("grau.jpg", EncodedPicture(1200, 900, 90, "grey"));
  const std::string cmyk = dir.Write("cmyk.jpg", EncodedPicture(1200, 900, 90, "cmyk"));

  ResizeJpeg(Q(grey), 90, 1, context);
  ResizeJpeg(Q(cmyk), 90, 1, context);

  const QImage greyImage = Load(grey);
  EXPECT_EQ(greyImage.size(), QSize(800, 600));
  EXPECT_TRUE(greyImage.isGrayscale());
  const QImage cmykImage = Load(cmyk);
  ASSERT_EQ(cmykImage.size(), QSize(800, 600));
  const QColor red = cmykImage.pixelColor(400, 300);
  EXPECT_GT(red.red(), 230);
  EXPECT_LT(red.green(), 25);
  EXPECT_LT(red.blue(), 25);
}

TEST_F(AResizedPhoto, acceptsStrayBytesBetweenSegments) {
  // Some editors leave padding between segments; the picture data itself is complete.
  const std::string path = dir.Write(
      "foto.jpg", JpegBuilder().App1Exif(CameraExif(ByteOrder::Little, 1600, 1200, false))
                      .Com(kComment).Raw(std::string("\0\0\0\0", 4))
                      .Raw(PictureBody(EncodedPicture(1600, 1200))).Build());

  EXPECT_EQ(ResizeJpeg(Q(path), 90, 1, context), ResizeOutcome::Resized);
  EXPECT_EQ(Load(path).size(), QSize(800, 600));
}

// ---- failures: the photo always stays byte for byte as it was

class AFailedResize : public AResizedPhoto {
 protected:
  // Runs the resize, expects a ResizeError naming the file, and returns its text.
  QString ExpectError(const std::string& path, int sizeIndex = 1) {
    try {
      ResizeJpeg(Q(path), 100, sizeIndex, context);
    } catch (const ResizeError& error) {
      EXPECT_TRUE(error.Message().contains(Q(path))) << error.what();
      return error.Message();
    }
    ADD_FAILURE() << "no ResizeError for " << path;
    return {};
  }
};

TEST_F(AFailedResize, leavesDamagedOrForeignFilesByteIdentical) {
  const std::string good = PhotoWithMetadata(1600, 1200);
  const std::size_t scanStart = good.find("\xFF\xDA");
  std::string corrupted = good;
  for (std::size_t i = scanStart + 200; i < scanStart + 260; ++i) corrupted[i] = '\xFF';
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"cut off in the image data", good.substr(0, good.size() / 2)},
      {"cut off in the header", good.substr(0, scanStart - 40)},
      {"scrambled image data", corrupted},
      {"no JPEG at all", "Dies ist eine Textdatei.\r\n"},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = dir.Write("kaputt.jpg", c.bytes);
    const QString message = ExpectError(path);
    EXPECT_TRUE(message.contains(QStringLiteral("kein lesbares JPEG-Bild"))) << message.toStdString();
    EXPECT_EQ(fixture::ReadFileBytes(path), c.bytes);
    EXPECT_EQ(FolderEntries(dir.Path()), QStringList{"kaputt.jpg"});
  }
}

TEST_F(AFailedResize, reportsAMissingFile) {
  const QString message = ExpectError(dir.Path() + "fehlt.jpg");
  EXPECT_TRUE(message.contains(QStringLiteral("konnte nicht gelesen werden")));
}

TEST_F(AFailedResize, refusesASizeOutsideTheTable) {
  const std::string original = PhotoWithMetadata(640, 480);
  const std::string path = dir.Write("foto.jpg", original);
  for (const int index : {-1, 3}) {
    const QString message = ExpectError(path, index);
    EXPECT_TRUE(message.contains(QStringLiteral("keine gültige Größe"))) << message.toStdString();
    EXPECT_EQ(fixture::ReadFileBytes(path), original);
  }
}

TEST_F(AFailedResize, inAReadOnlyFolderLeavesThePhotoAlone) {
  const std::string original = PhotoWithMetadata(1600, 1200);
  const std::string path = dir.Write("foto.jpg", original);
  ReadOnlyFolder readOnly(Q(dir.Path()));
  if (!readOnly.IsReady()) GTEST_SKIP() << "cannot make a read-only folder here";

  const QString message = ExpectError(path);

  EXPECT_TRUE(message.contains(QStringLiteral("konnte nicht geschrieben werden")));
  EXPECT_EQ(fixture::ReadFileBytes(path), original);
  EXPECT_EQ(FolderEntries(dir.Path()), QStringList{"foto.jpg"});
}

TEST_F(AFailedResize, onAFullDiskLeavesThePhotoAndNoHalfFile) {
  OtherFileSystemFolder small(4 << 20);
  if (!small.IsReady()) GTEST_SKIP() << "cannot mount a small file system here";
  const std::string folder = small.Path().toStdString();
  const std::string original = PhotoWithMetadata(1600, 1200);
  const std::string path = folder + "foto.jpg";
  {
    QFile file(Q(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(original.data(), static_cast<qint64>(original.size()));
  }
  // Fill the disk up to a few kilobytes, far less than the new picture needs.
  struct statvfs space {};
  ASSERT_EQ(statvfs(folder.c_str(), &space), 0);
  const qint64 free = static_cast<qint64>(space.f_bavail) * static_cast<qint64>(space.f_frsize);
  {
    QFile filler(Q(folder + "fueller.bin"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    filler.write(QByteArray(free - 8192, 'x'));
  }

  const QString message = ExpectError(path);

  EXPECT_TRUE(message.contains(QStringLiteral("konnte nicht geschrieben werden")));
  EXPECT_EQ(fixture::ReadFileBytes(path), original);
  EXPECT_EQ(FolderEntries(folder), (QStringList{"foto.jpg", "fueller.bin"}));
}

TEST_F(AResizedPhoto, isNotTouchedWhenCancelIsSet) {
  const std::string original = PhotoWithMetadata(1600, 1200);
  const std::string path = dir.Write("foto.jpg", original);
  context.cancelRequested = true;

  EXPECT_EQ(ResizeJpeg(Q(path), 100, 1, context), ResizeOutcome::Cancelled);

  EXPECT_EQ(fixture::ReadFileBytes(path), original);
  EXPECT_EQ(context.processEventsCalls, 1);
}

TEST_F(AResizedPhoto, seesACancelPressedWhileEventsRun) {
  const std::string original = PhotoWithMetadata(1600, 1200);
  const std::string path = dir.Write("foto.jpg", original);
  context.onProcessEvents = [&](int) { context.cancelRequested = true; };

  EXPECT_EQ(ResizeJpeg(Q(path), 100, 1, context), ResizeOutcome::Cancelled);
  EXPECT_EQ(fixture::ReadFileBytes(path), original);
}

}  // namespace
