// The summary that closes every report.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include "fixture_builder.h"
#include "metadata/image_info.h"
#include "metadata/timg_data.h"
#include "photo_reading.h"

using fixture::TiffBuilder;

namespace {

std::string FixedDate(std::time_t) { return "24.12.2004"; }

// Reads the bytes padded to the given file size.
std::unique_ptr<TimgData> ReadPadded(const std::string& jpeg, std::size_t fileSize,
                                     const fixture::TempDir& dir) {
  std::string bytes = jpeg;
  bytes.resize(std::max(fileSize, jpeg.size()), '\0');
  auto data = std::make_unique<TimgData>(255);
  data->ReadPhotoFile(dir.Write("IMG_0001.JPG", bytes));
  return data;
}

TiffBuilder Camera() {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Canon").Ascii(ifd0, 0x0110, "Canon PowerShot S45 ").Pointer(ifd0, 0x8769, exif);
  tiff.Rational(exif, 0x829A, {{1, 160}})
      .Rational(exif, 0x829D, {{28, 10}})
      .Short(exif, 0x8827, {100})
      .Ascii(exif, 0x9003, "2004:12:24 18:30:00")
      .Short(exif, 0x9209, {25})
      .Rational(exif, 0x920A, {{58, 10}})
      .Short(exif, 0xA002, {2272})
      .Short(exif, 0xA003, {1704})
      .Short(exif, 0xA405, {35});
  return tiff;
}

}  // namespace

TEST(ASummary, listsTheFileAndCameraValues) {
  fixture::TempDir dir;
  const auto data = ReadPadded(fixture::JpegWithExif(Camera().Build()), 2048, dir);
  ASSERT_TRUE(data->HasExif());
  EXPECT_EQ(data->Exif->SummaryText(FixedDate),
            "File Name: IMG_0001.JPG\r\n"
            "File Size: 2k\r\n"
            "File Date: 24.12.2004\r\n"
            "Photo Date: 2004:12:24 18:30:00\r\n"
            "Make (Model): Canon (Canon PowerShot S45 )\r\n"
            "Dimensions: 2272 x 1704\r\n"
            "Exposure Time: 1/160 sec\r\n"
            "Focal Length:  5.80 mm\r\n"
            "Focal Length (35mm): 35.00 mm\r\n"
            "FNumber: F2.8\r\n"
            "ISO: 100\r\n"
            "Flash: Yes");
}

TEST(ASummary, fallsBackToTheShutterSpeedAndLeavesOutEmptyLines) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  tiff.SRational(ifd0, 0x9201, {{8, 1}}).Short(ifd0, 0x9209, {16});
  fixture::TempDir dir;
  const auto data = ReadPadded(fixture::JpegWithExif(tiff.Build()), 2047, dir);
  EXPECT_EQ(data->Exif->SummaryText(FixedDate),
            "File Name: IMG_0001.JPG\r\n"
            "File Size: 1k\r\n"
            "File Date: 24.12.2004\r\n"
            "Photo Date: \r\n"
            "Make (Model):  ()\r\n"
            "Dimensions: 0 x 0\r\n"
            "Exposure Time: 0.0039 sec (1/256)\r\n"
            "Flash: No");
}

TEST(ASummary, showsTheErrorOfAFailedRead) {
  TiffBuilder tiff;
  tiff.Ascii(tiff.AddDirectory(), 0x010F, "X").FirstDirectoryOffset(9000);
  fixture::TempDir dir;
  TimgData data(255);
  EXPECT_FALSE(data.ReadPhotoFile(dir.Write("broken.jpg", fixture::JpegWithExif(tiff.Build()))));
  ASSERT_NE(data.Exif, nullptr);
  EXPECT_EQ(data.Exif->SummaryText(FixedDate), "File Name: broken.jpg\r\nExif Error: Not an EXIF file");
}

TEST(ASummary, isEmptyWithoutAnExifSegment) {
  TimgData parent(255);
  TImageInfo info(&parent, 255);
  EXPECT_EQ(info.SummaryText(), "");
}

TEST(ASummary, writesTheFileDateAsDayMonthYearByDefault) {
  fixture::TempDir dir;
  const std::string path = dir.Write("dated.jpg", fixture::JpegWithExif(Camera().Build()));
  std::tm noon{};
  noon.tm_year = 2004 - 1900;
  noon.tm_mon = 2;
  noon.tm_mday = 7;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  utimbuf times{std::mktime(&noon), std::mktime(&noon)};
  ASSERT_EQ(::utime(path.c_str(), &times), 0);
  TimgData data(255);
  ASSERT_TRUE(data.ReadPhotoFile(path));
  EXPECT_NE(data.Exif->SummaryText().find("\r\nFile Date: 07.03.2004\r\n"), std::string::npos);
}
