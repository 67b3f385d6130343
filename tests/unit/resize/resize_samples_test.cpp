// Real camera photos and damaged files from the shared sample collection.

#include "jobs/resize_jpeg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>

#include "fixture_builder.h"
#include "metadata/timg_data.h"
#include "recording_job_context.h"

namespace {

QStringList SampleJpegs(const QString& folder) {
  const QDir dir(QStringLiteral(VELMORA_SOURCE_DIR "/../shared/fixtures/samples/") + folder);
  QStringList paths;
  for (const QString& name : dir.entryList({"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files, QDir::Name))
    paths << dir.filePath(name);
  return paths;
}

TEST(ResizingCameraSamples, givesTheTargetSizeAndKeepsTheCameraData) {
  const QStringList samples = SampleJpegs("exif-org");
  if (samples.isEmpty()) GTEST_SKIP() << "the sample photos are not there";
  fixture::TempDir dir;
  RecordingJobContext context;
  for (const QString& sample : samples) {
    SCOPED_TRACE(sample.toStdString());
    TimgData before;
    const bool hadMetadata = before.ReadPhotoFile(sample.toStdString());
    const std::string path = dir.Write("foto.jpg", fixture::ReadFileBytes(sample.toStdString()));

    ResizeJpeg(QString::fromStdString(path), 85, 0, context);

    EXPECT_EQ(QImageReader(QString::fromStdString(path)).size(), QSize(640, 480));
    TimgData after;
    // A photo without EXIF, IPTC or comment in front (some keep only an APP0 and a maker
    // segment) becomes a plain JPEG.
    ASSERT_EQ(after.ReadPhotoFile(path), hadMetadata);
    if (!before.HasExif()) continue;
    ASSERT_TRUE(after.HasExif());
    EXPECT_EQ(after.Exif->MakeText, before.Exif->MakeText);
    EXPECT_EQ(after.Exif->DateTimeText, before.Exif->DateTimeText);
    if (before.Exif->PixelWidth > 0 && before.Exif->PixelHeight > 0) {
      EXPECT_EQ(after.Exif->PixelWidth, 640);
      EXPECT_EQ(after.Exif->PixelHeight, 480);
    }
  }
}

TEST(ResizingDamagedSamples, eitherWorksOrLeavesTheFileAsItWas) {
  const QStringList samples = SampleJpegs("invalid");
  if (samples.isEmpty()) GTEST_SKIP() << "the sample files are not there";
  fixture::TempDir dir;
  RecordingJobContext context;
  for (const QString& sample : samples) {
    SCOPED_TRACE(sample.toStdString());
    const std::string original = fixture::ReadFileBytes(sample.toStdString());
    const std::string path = dir.Write("foto.jpg", original);
    try {
      ResizeJpeg(QString::fromStdString(path), 85, 1, context);
      EXPECT_EQ(QImageReader(QString::fromStdString(path)).size(), QSize(800, 600));
    } catch (const ResizeError&) {
      EXPECT_EQ(fixture::ReadFileBytes(path), original);
    }
  }
}

}  // namespace
