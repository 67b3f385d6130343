// The special formatters, the number parser they share, and the derived 35 mm focal length.

#include <gtest/gtest.h>

#include "fixture_builder.h"
#include "metadata/exif_formatters.h"
#include "metadata/image_info.h"
#include "metadata/timg_data.h"
#include "photo_reading.h"

using fixture::TiffBuilder;

TEST(ATextToNumber, readsFractionsAndMixedNumbers) {
  const std::pair<const char*, double> cases[] = {
      {"48/1", 48},   {"2100/100", 21}, {"1 1/2", 1.5}, {"  -3/4 ", -0.75}, {"7/0", 0},
      {"48", 0},      {"", 0},          {"a/b", 0},     {"1.5/2", 0},       {"x 1/2", 0},
      {"2 -1/2", 1.5}, {"1/2/3", 0},
  };
  for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(TextToNumber(text), number) << text;
}

TEST(AFormatter, translatesComponentsConfiguration) {
  EXPECT_EQ(ComponentsText(std::string("\"\x01\x02\x03\"", 5)), "YCbCr");
  EXPECT_EQ(ComponentsText(std::string("\"\x04\x05\x06\"", 5)), "RGB");
  EXPECT_EQ(ComponentsText("\"\""), "");  // 0 0 0 0: the UNDEFINED text holds no bytes
  EXPECT_EQ(ComponentsText("\""), "");
}

TEST(AFormatter, turnsTheApexShutterSpeedIntoAnExposureTime) {
  const std::pair<const char*, const char*> cases[] = {
      {"8/1", "0.0039 sec (1/256)"},
      {"6643856/1000000", "0.0100 sec (1/100)"},
      {"0/1", "1.0000 sec"},
      {"-1/1", "2.0000 sec"},
      {"1/1", "0.5000 sec (1/2)"},
      {"garbage", "1.0000 sec"},
  };
  for (const auto& [text, result] : cases) EXPECT_EQ(ShutterSpeedText(text), result) << text;
}

TEST(AFormatter, describesTheFlashBits) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "Off"},
      {"16", "Off, surpressed"},
      {"25", "On, auto mode"},
      {"89", "On, auto mode, red-eye reduction"},
      {"7", "On, strobe return"},
      {"31", "On, strobe return, auto mode"},
      {"3", "On, UNKNOWN"},
      {"5", "On, no strobe return"},
      {"9", "On, forced"},
      {"32", "Off, no flash function"},
      {"1, 0", "1, 0"},  // not one whole number: kept as rendered
  };
  for (const auto& [text, result] : cases) EXPECT_EQ(FlashText(text), result) << text;
}

TEST(AFormatter, readsUcs2FromTheLowBytes) {
  EXPECT_EQ(Ucs2Text("84, 0, 101, 0, 115, 0, 116, 0, 0, 0"), "Test");
  EXPECT_EQ(Ucs2Text("84, 0, 101"), "T");  // the last value is never read
  EXPECT_EQ(Ucs2Text("233, 0, 0, 0"), "\xE9");
  EXPECT_EQ(Ucs2Text("65"), "");
  EXPECT_EQ(Ucs2Text("\"odd\", \"format\""), "\"odd\", \"format\"");
}

TEST(AFormatter, writesGpsDegreesAndTime) {
  EXPECT_EQ(GpsDegreesText("48/1, 8/1, 2100/100"), "48 Degrees 8 Minutes 21 Seconds");
  EXPECT_EQ(GpsDegreesText("48/1, 835/100, 0/1"), "48 Degrees 8 Minutes 21 Seconds");
  EXPECT_EQ(GpsDegreesText("0/0, 0/0, 0/0"), "0 Degrees 0 Minutes 0 Seconds");
  EXPECT_EQ(GpsDegreesText("12/1"), "12 Degrees 0 Minutes 0 Seconds");
  EXPECT_EQ(GpsTimeText("14/1, 3/1, 59/1"), "14:3:59");
}

// ---- 35 mm equivalent ----

namespace {

TiffBuilder CompactCamera() {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Short(ifd0, 0x0128, {2}).Pointer(ifd0, 0x8769, exif);
  tiff.Rational(exif, 0x920A, {{58, 10}})
      .Rational(exif, 0xA20E, {{3072000, 225}})
      .Rational(exif, 0xA20F, {{2304000, 169}})
      .Short(exif, 0xA210, {2})
      .Short(exif, 0xA002, {3072})
      .Short(exif, 0xA003, {2304});
  return tiff;
}

}  // namespace

TEST(AFocalLength35mm, isDerivedFromTheSensorSize) {
  const auto read = fixture::ReadPhotoBytes(fixture::JpegWithExif(CompactCamera().Build()));
  ASSERT_TRUE(read.result);
  const TImageInfo& info = *read.data->Exif;
  ASSERT_FALSE(info.Tags.empty());
  const TTagEntry& last = info.Tags.back();
  EXPECT_EQ(last.Name, "FocalLengthin35mmFilm");
  EXPECT_EQ(last.Label, "Focal Length in 35mm Film");
  EXPECT_EQ(last.TagNumber, 0xA405);
  EXPECT_EQ(last.Text, "35.11");
  EXPECT_EQ(last.FormatText, "%s mm");
  EXPECT_EQ(last.Format, 10);
  EXPECT_TRUE(last.RawBytes.empty());
}

TEST(AFocalLength35mm, keepsTheFilesOwnValue) {
  TiffBuilder tiff = CompactCamera();
  tiff.Short(1, 0xA405, {35});
  const auto read = fixture::ReadPhotoBytes(fixture::JpegWithExif(tiff.Build()));
  ASSERT_TRUE(read.result);
  int count = 0;
  for (const auto& t : read.data->Exif->Tags) count += t.TagNumber == 0xA405;
  EXPECT_EQ(count, 1);
  EXPECT_EQ(read.data->Exif->TagTextOf("FocalLengthin35mmFilm"), "35.00 mm");
}

TEST(AFocalLength35mm, needsAUnitAFocalLengthAndResolutions) {
  struct Case {
    const char* what;
    std::function<void(TiffBuilder&)> change;
    bool derived;
  };
  const Case cases[] = {
      {"centimetres via ResolutionUnit", [](TiffBuilder& t) { t.SetValue(1, 0xA210, fixture::U16(0, t.Order())).SetValue(0, 0x0128, fixture::U16(3, t.Order())); }, true},
      {"no unit", [](TiffBuilder& t) { t.SetValue(1, 0xA210, fixture::U16(1, t.Order())); }, false},
      {"focal length 0", [](TiffBuilder& t) { t.SetValue(1, 0x920A, fixture::U32(0, t.Order()) + fixture::U32(1, t.Order())); }, false},
      {"no y resolution", [](TiffBuilder& t) { t.SetValue(1, 0xA20F, fixture::U32(0, t.Order()) + fixture::U32(1, t.Order())); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TiffBuilder tiff = CompactCamera();
    c.change(tiff);
    const auto read = fixture::ReadPhotoBytes(fixture::JpegWithExif(tiff.Build()));
    ASSERT_TRUE(read.result);
    EXPECT_EQ(read.data->Exif->IndexOfTag("FocalLengthin35mmFilm") >= 0, c.derived);
  }
}
