// The EXIF directory walk: rendering of every format, remembered values, sub-directories,
// damaged directories and the look-ups over the found tags.

#include <gtest/gtest.h>

#include <functional>

#include "fixture_builder.h"
#include "metadata/image_info.h"
#include "metadata/timg_data.h"
#include "photo_reading.h"

using fixture::ByteOrder;
using fixture::TiffBuilder;

namespace {

fixture::ReadPhoto ReadTiff(const TiffBuilder& tiff) {
  return fixture::ReadPhotoBytes(fixture::JpegWithExif(tiff.Build()));
}

// The text of one tag written into IFD0 by add, read back through a JPEG file.
std::string TextOfTag(ByteOrder order, const char* name,
                      const std::function<void(TiffBuilder&, int)>& add) {
  TiffBuilder tiff(order);
  add(tiff, tiff.AddDirectory());
  const auto read = ReadTiff(tiff);
  EXPECT_TRUE(read.result);
  return read.data->HasExif() ? read.data->Exif->TagTextOf(name) : "<no exif>";
}

}  // namespace

TEST(ADirectoryWalk, readsThePixelSizeAsShortOrLongInEitherByteOrder) {
  for (auto order : {ByteOrder::Little, ByteOrder::Big}) {
    for (bool asLong : {false, true}) {
      SCOPED_TRACE(testing::Message() << (order == ByteOrder::Big ? "MM" : "II") << (asLong ? " LONG" : " SHORT"));
      TiffBuilder tiff(order);
      const int ifd0 = tiff.AddDirectory();
      const int exif = tiff.AddDirectory();
      tiff.Pointer(ifd0, 0x8769, exif);
      if (asLong) tiff.Long(exif, 0xA002, {3072}).Long(exif, 0xA003, {2304});
      else tiff.Short(exif, 0xA002, {3072}).Short(exif, 0xA003, {2304});
      const auto read = ReadTiff(tiff);
      ASSERT_TRUE(read.result);
      const TImageInfo& info = *read.data->Exif;
      EXPECT_EQ(info.TagTextOf("ExifImageWidth"), "3072");
      EXPECT_EQ(info.TagTextOf("ExifImageLength"), "2304");
      EXPECT_EQ(info.PixelWidth, 3072);
      EXPECT_EQ(info.PixelHeight, 2304);
      EXPECT_EQ(info.WidthPos, static_cast<int>(tiff.EntryOffset(exif, 0xA002)) + 9 + 8);
    }
  }
}

TEST(ADirectoryWalk, rendersValuesByTheirTableEntry) {
  using Add = std::function<void(TiffBuilder&, int)>;
  struct Case {
    const char* name;
    Add add;
    std::string text;
  };
  const Case cases[] = {
      {"Make", [](TiffBuilder& t, int d) { t.Ascii(d, 0x010F, "Canon"); }, "Canon"},
      {"Make", [](TiffBuilder& t, int d) { t.Raw(d, 0x010F, 2, 8, std::string("Canon\0\0\0", 8)); }, "Canon.."},
      {"Orientation", [](TiffBuilder& t, int d) { t.Short(d, 0x0112, {1}); }, "Normal"},
      {"Orientation", [](TiffBuilder& t, int d) { t.Short(d, 0x0112, {2}); }, ""},
      {"ExposureTime", [](TiffBuilder& t, int d) { t.Rational(d, 0x829A, {{1, 160}}); }, "1/160 sec"},
      {"FNumber", [](TiffBuilder& t, int d) { t.Rational(d, 0x829D, {{28, 10}}); }, "F2.8"},
      {"FNumber", [](TiffBuilder& t, int d) { t.Rational(d, 0x829D, {{0, 0}}); }, "F0.0"},
      {"XResolution", [](TiffBuilder& t, int d) { t.Rational(d, 0x011A, {{72, 1}}); }, "72.00"},
      {"FocalLength", [](TiffBuilder& t, int d) { t.Rational(d, 0x920A, {{58, 10}}); }, " 5.80 mm"},
      {"BrightnessValue", [](TiffBuilder& t, int d) { t.SRational(d, 0x9203, {{5, 0}}); }, "5/0"},
      {"BrightnessValue", [](TiffBuilder& t, int d) { t.SRational(d, 0x9203, {{-3, 2}}); }, "-3/2"},
      {"ExposureIndex", [](TiffBuilder& t, int d) { t.SShort(d, 0x9215, {-1}); }, "65535"},
      {"ExposureIndex", [](TiffBuilder& t, int d) { t.SLong(d, 0x9215, {-1}); }, "-1"},
      {"BitsPerSample", [](TiffBuilder& t, int d) { t.Short(d, 0x0102, {8, 8, 8}); }, "8, 8, 8"},
      {"Gamma", [](TiffBuilder& t, int d) { t.Raw(d, 0x0301, 11, 2, std::string(8, '\x01')); }, "-9999.99, -9999.99"},
      {"ComponentsConfiguration", [](TiffBuilder& t, int d) { t.Undefined(d, 0x9101, std::string("\x01\x02\x03\x00", 4)); }, "YCbCr"},
      {"FlashPixVersion", [](TiffBuilder& t, int d) { t.Undefined(d, 0xA000, "0100"); }, "\"0100\""},
      {"ImageDescription", [](TiffBuilder& t, int d) { t.Ascii(d, 0x010E, "tab\there"); }, "tab.here"},
      {"Flash", [](TiffBuilder& t, int d) { t.Short(d, 0x9209, {25}); }, "On, auto mode"},
      {"SceneCaptureType", [](TiffBuilder& t, int d) { t.Short(d, 0xA406, {3}); }, "Night scene"},
      {"ResolutionUnit", [](TiffBuilder& t, int d) { t.Short(d, 0x0128, {2}); }, "Inch"},
      {"Title", [](TiffBuilder& t, int d) { t.Byte(d, 0x9C9B, {84, 0, 101, 0, 115, 0, 116, 0, 0, 0}); }, "Test"},
  };
  for (auto order : {ByteOrder::Little, ByteOrder::Big}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.name << " " << (order == ByteOrder::Big ? "MM" : "II"));
      EXPECT_EQ(TextOfTag(order, c.name, c.add), c.text);
    }
  }
}

TEST(ADirectoryWalk, rendersAtMost128ComponentsAndCutsPlainTextsToFiftyCharacters) {
  std::vector<std::uint8_t> counting(200);
  for (int i = 0; i < 200; ++i) counting[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
  std::vector<std::uint8_t> ucs2;
  for (int i = 0; i < 100; ++i) ucs2.insert(ucs2.end(), {'A', 0});
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  tiff.Byte(ifd0, 0x0150, counting).Byte(ifd0, 0x9C9F, ucs2);
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  const auto dotRange = read.data->Exif->FindTag("DotRange");
  EXPECT_EQ(dotRange.Text, "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,");
  EXPECT_EQ(dotRange.RawSize, 200);
  // The formatter's text is not cut: 128 rendered values give 64 characters.
  EXPECT_EQ(read.data->Exif->TagTextOf("Subject"), std::string(64, 'A'));
}

TEST(ADirectoryWalk, listsEntriesWithTheirDefinitionAndRawValue) {
  TiffBuilder tiff(ByteOrder::Big);
  const int ifd0 = tiff.AddDirectory();
  tiff.Short(ifd0, 0xA40C, {2}).Ascii(ifd0, 0x0131, "Editor 1.0");
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  const auto& tags = read.data->Exif->Tags;
  ASSERT_EQ(tags.size(), 2u);
  EXPECT_EQ(tags[0].Name, "SubjectDistanceRange");
  EXPECT_EQ(tags[0].Label, "Subject Distance Range");
  EXPECT_EQ(tags[0].Text, "Close view");
  EXPECT_EQ(tags[0].Format, 3);
  EXPECT_EQ(tags[0].RawBytes, std::string("\x00\x02", 2));
  EXPECT_EQ(tags[0].RawSize, 2);
  EXPECT_EQ(tags[0].Group, 0);
  EXPECT_EQ(tags[0].ValuePos, static_cast<int>(tiff.EntryOffset(ifd0, 0xA40C)) + 9 + 8);
  EXPECT_EQ(tags[1].Text, "Editor 1.0");
  EXPECT_EQ(tags[1].ValuePos, static_cast<int>(tiff.ValueOffset(ifd0, 0x0131)) + 9);
  EXPECT_EQ(tags[1].RawBytes, std::string("Editor 1.0\0", 11));
}

TEST(ADirectoryWalk, takesTheDateOfTheExifDirectoryReadAfterIfd0) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x0132, "2001:01:01 00:00:00").Pointer(ifd0, 0x8769, exif);
  tiff.Ascii(exif, 0x9003, "2002:02:02 12:34:56");
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->Exif->DateTimeText, "2002:02:02 12:34:56");
}

TEST(ADirectoryWalk, placesSubDirectoryEntriesBeforeTheirPointerEntry) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  const int gps = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Make").Pointer(ifd0, 0x8769, exif).Pointer(ifd0, 0x8825, gps)
      .Ascii(ifd0, 0x0131, "Soft");
  tiff.Short(exif, 0x8827, {100});
  tiff.Byte(gps, 0x0000, {2, 2, 0, 0}).Ascii(gps, 0x0001, "N")
      .Rational(gps, 0x0002, {{48, 1}, {8, 1}, {2100, 100}})
      .Rational(gps, 0x0007, {{14, 1}, {3, 1}, {59, 1}}).Short(gps, 0x001E, {1});
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  std::vector<std::string> names;
  for (const auto& t : read.data->Exif->Tags) names.push_back(t.Name);
  // GPSVersionID (tag number 0) never shows.
  EXPECT_EQ(names, (std::vector<std::string>{"Make", "ISOSpeedRatings", "ExifOffset", "GPSLatitudeRef",
                                             "GPSLatitude", "GPSTimeStamp", "GPSDifferential", "GPSInfo",
                                             "Software"}));
  EXPECT_EQ(read.data->Exif->TagTextOf("GPSLatitude"), "48 Degrees 8 Minutes 21 Seconds");
  EXPECT_EQ(read.data->Exif->FindTag("GPSLatitudeRef").Label, "GPSLatitude Ref");
  EXPECT_EQ(read.data->Exif->TagTextOf("GPSTimeStamp"), "14:3:59");
}

TEST(ADirectoryWalk, leavesTagsWithoutDefinitionOutOfTheList) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  tiff.Short(ifd0, 0xC4A5, {7}).Short(ifd0, 0x0112, {1}).Raw(ifd0, 0x0131, 13, 1, "abcd")
      .Raw(ifd0, 0x0132, 0, 1, "abcd");
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  ASSERT_EQ(read.data->Exif->Tags.size(), 1u);  // unknown tag and size-0 formats are skipped
  EXPECT_EQ(read.data->Exif->Tags[0].Name, "Orientation");
}

TEST(ADirectoryWalk, stopsDirectoryCyclesOfAnyLength) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  const int interop = tiff.AddDirectory();
  const int gps = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Cycle").Pointer(ifd0, 0x8769, exif).Pointer(ifd0, 0x8825, gps);
  tiff.Short(exif, 0x8827, {200}).Pointer(exif, 0xA005, interop).Pointer(exif, 0x8769, ifd0);
  tiff.Ascii(interop, 0x0001, "R98").Pointer(interop, 0xA005, exif).Pointer(interop, 0x014A, interop);
  tiff.Pointer(gps, 0x8825, gps).Ascii(gps, 0x0001, "S");
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  const TImageInfo& info = *read.data->Exif;
  EXPECT_EQ(info.TagTextOf("ISOSpeedRatings"), "200");
  EXPECT_EQ(info.TagTextOf("InteroperabilityIndex"), "R98");
  EXPECT_EQ(info.TagTextOf("GPSLatitudeRef"), "S");
  int isoEntries = 0;
  for (const auto& t : info.Tags) isoEntries += t.Name == "ISOSpeedRatings";
  EXPECT_EQ(isoEntries, 1);
}

TEST(ADirectoryWalk, abandonsADamagedSubDirectoryAndGoesOn) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  tiff.RawField(ifd0, 0x8769, 4, 1, 60000)  // Exif directory far outside the segment
      .RawField(ifd0, 0x8825, 4, 1, 0xFFFFFFF0u)  // negative offset
      .Ascii(ifd0, 0x0110, "Still read");
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->Exif->ModelText, "Still read");
  EXPECT_EQ(read.data->ErrorText, "<none>");
}

TEST(ADirectoryWalk, reportsAnIllegallySizedDirectoryInTheParent) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Make").CountOverride(ifd0, 60000);
  const std::string segment = "\0\0" + fixture::ExifPayload(tiff.Build());
  TimgData parent(255);
  TImageInfo info(&parent, 255);
  info.Buffer = segment;
  info.WalkDirectory(17, 9, 1, static_cast<std::int64_t>(segment.size()) - 6);
  EXPECT_EQ(parent.ErrorText, "Illegally sized directory");
  EXPECT_TRUE(info.Tags.empty());
  // A whole read still ends with "<none>".
  const auto read = ReadTiff(tiff);
  EXPECT_TRUE(read.result);
  EXPECT_EQ(read.data->ErrorText, "<none>");
}

TEST(ADirectoryWalk, readsUserCommentWithOrWithoutTerminatingZero) {
  struct Case {
    std::string value;
    std::string text;
  };
  const Case cases[] = {
      {std::string("ASCII\0\0\0Hello", 13), "Hello"},
      {std::string("ASCII\0\0\0Hello\0", 14), "Hello"},
      {std::string("ASCII\0\0\0  padded  \0\0\0", 21), "padded"},
      {std::string("ASCII\0\0\0", 8), ""},
      {std::string("ASC", 3), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TiffBuilder tiff;
    tiff.Undefined(tiff.AddDirectory(), 0x9286, c.value);
    const auto read = ReadTiff(tiff);
    ASSERT_TRUE(read.result);
    EXPECT_EQ(read.data->Exif->TagTextOf("UserComment"), c.text);
  }
}

TEST(ADirectoryWalk, cutsValueBytesThatReachPastTheSegment) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  tiff.RawField(ifd0, 0x010E, 2, 100, 38);  // 100 bytes from the tail: the segment ends earlier
  tiff.RawField(ifd0, 0x0131, 2, 100, 50000);  // entirely outside
  tiff.Tail("tail text");
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->Exif->FindTag("ImageDescription").RawBytes, "tail text");
  EXPECT_EQ(read.data->Exif->FindTag("Software").RawSize, 0);
}

TEST(ADirectoryWalk, remembersMakerNoteVersionAndFlash) {
  TiffBuilder tiff(ByteOrder::Big);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Pointer(ifd0, 0x8769, exif);
  tiff.Undefined(exif, 0x9000, "0220").Short(exif, 0x9209, {89}).Undefined(exif, 0x927C, "Vendor note!");
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  const TImageInfo& info = *read.data->Exif;
  EXPECT_EQ(info.ExifVersion, "0220");
  EXPECT_EQ(info.FlashValue, 89);
  EXPECT_EQ(info.TagTextOf("Flash"), "On, auto mode, red-eye reduction");
  EXPECT_EQ(info.MakerNoteRaw, "Vendor note!");
  EXPECT_EQ(info.MakerNoteOffset, static_cast<int>(tiff.ValueOffset(exif, 0x927C)) + 9);
}

TEST(ADirectoryWalk, keepsAFlashOfSeveralComponentsAsRendered) {
  TiffBuilder tiff;
  tiff.Short(tiff.AddDirectory(), 0x9209, {16, 1});
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->Exif->TagTextOf("Flash"), "16, 1");
}

// ---- look-ups and iterations ----

TEST(ATagLookUp, ignoresCaseAndTakesTheFirstOfTwoEntriesWithOneName) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  tiff.Short(ifd0, 0xA002, {640}).Rational(ifd0, 0x920E, {{1000, 1}}).Rational(ifd0, 0xA20E, {{2000, 1}});
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.result);
  const TImageInfo& info = *read.data->Exif;
  EXPECT_EQ(info.IndexOfTag("exifimagewidth"), 0);
  EXPECT_EQ(info.TagTextOf("FOCALPLANEXRESOLUTION"), "1000/1");
  EXPECT_EQ(info.TagIntValue("FocalPlaneXResolution"), 1000);
  EXPECT_EQ(info.IndexOfTag("Missing"), -1);
  EXPECT_EQ(info.TagTextOf("Missing"), "");
  EXPECT_EQ(info.FindTag("Missing").TagNumber, 0);
  EXPECT_EQ(info.TagNumberValue("Missing"), 0);
  EXPECT_GE(TImageInfo::IndexOfTagDefinition("focallengthin35mmfilm"), 0);
  EXPECT_EQ(TImageInfo::IndexOfTagDefinition("Unknown"), -1);
}

TEST(ATagLookUp, roundsHalvesToEven) {
  for (auto [numerator, expected] : {std::pair{25, 2}, {35, 4}, {-25, -2}, {26, 3}}) {
    TiffBuilder tiff;
    tiff.SRational(tiff.AddDirectory(), 0x9204, {{numerator, 10}});
    const auto read = ReadTiff(tiff);
    EXPECT_EQ(read.data->Exif->TagIntValue("ExposureBiasValue"), expected) << numerator;
  }
}

TEST(ATagIteration, visitsTheEntriesOfOneGroup) {
  TimgData parent(255);
  TImageInfo info(&parent, 255);
  for (int i = 0; i < 5; ++i) {
    TTagEntry entry;
    entry.TagNumber = static_cast<std::uint16_t>(i + 1);
    entry.Group = i % 2;
    entry.Name = "T" + std::to_string(i);
    info.AppendTag(entry);
  }
  TTagEntry ignored;
  EXPECT_EQ(info.AppendTag(ignored), 4);  // tag number 0: not appended
  std::vector<std::string> group1;
  TTagEntry entry;
  info.RewindTags();
  while (info.NextFoundTag(1, entry)) group1.push_back(entry.Name);
  EXPECT_EQ(group1, (std::vector<std::string>{"T1", "T3"}));
  EXPECT_EQ(entry.TagNumber, 0);  // cleared when nothing is left
  info.RewindTags();
  ASSERT_TRUE(info.NextFoundTag(0, entry));
  EXPECT_EQ(entry.Name, "T0");
}

// ---- thumbnail directory and new pixel sizes ----

TEST(AThumbnailWalk, listsTheThumbnailDirectoryWithoutChangingThePhotoValues) {
  TiffBuilder tiff(ByteOrder::Big);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  const int ifd1 = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Maker").Pointer(ifd0, 0x8769, exif).Next(ifd0, ifd1);
  tiff.Long(exif, 0xA002, {1600}).Long(exif, 0xA003, {1200});
  tiff.Short(ifd1, 0x0103, {6}).Short(ifd1, 0x0100, {160}).Short(ifd1, 0x0101, {120})
      .Long(ifd1, 0x0201, {400}).Long(ifd1, 0x0202, {300}).Tail(std::string(400, '\xAA'));
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.data->HasThumbnail());
  TImageInfo& info = *read.data->Exif;
  const auto tagsBefore = info.Tags.size();
  EXPECT_TRUE(info.ReadThumbnailTags());
  std::vector<std::string> texts;
  TTagEntry entry;
  info.RewindThumbTags();
  while (info.NextFoundThumbTag(0, entry)) texts.push_back(entry.Name + "=" + entry.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Compression=Jpeg", "ImageWidth=160", "ImageLength=120",
                                             "JPEGInterchangeFormat=400", "JPEGInterchangeFormatLength=300"}));
  EXPECT_EQ(info.Tags.size(), tagsBefore);
  EXPECT_EQ(info.PixelWidth, 1600);
  EXPECT_EQ(info.PixelHeight, 1200);
}

TEST(AThumbnailWalk, keepsTheEntriesBeforeADamagedEntry) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  const int ifd1 = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Maker").Next(ifd0, ifd1);
  tiff.Short(ifd1, 0x0103, {6}).Short(ifd1, 0x0128, {2}).Tail(std::string(300, '\0'));
  const auto read = ReadTiff(tiff);
  ASSERT_TRUE(read.data->HasThumbnail());
  TImageInfo& info = *read.data->Exif;
  // Cut the buffer inside the second entry of the thumbnail directory.
  const std::int64_t countPos = info.ThumbOffset + 9;
  info.Buffer.resize(static_cast<std::size_t>(countPos + 2 + 12 + 6));
  EXPECT_FALSE(info.ReadThumbnailTags());
  ASSERT_EQ(info.ThumbTags.size(), 1u);
  EXPECT_EQ(info.ThumbTags[0].Text, "Jpeg");
}

TEST(AFitSize, writesTheNewSizeInTheEntrysOwnFormatAndByteOrder) {
  for (auto order : {ByteOrder::Little, ByteOrder::Big}) {
    SCOPED_TRACE(order == ByteOrder::Big ? "MM" : "II");
    TiffBuilder tiff(order);
    const int ifd0 = tiff.AddDirectory();
    const int exif = tiff.AddDirectory();
    tiff.Pointer(ifd0, 0x8769, exif);
    tiff.Short(exif, 0xA002, {3072}).Long(exif, 0xA003, {2304});
    const auto read = ReadTiff(tiff);
    ASSERT_TRUE(read.result);
    read.data->Exif->FitSizeTags(600, 800);
    EXPECT_EQ(read.data->Exif->PixelWidth, 3072);  // the stored values stay
    // Read the changed segment again.
    const std::string segment = read.data->ExifSection->Data.substr(2);
    const auto again = fixture::ReadPhotoBytes(fixture::JpegBuilder().App1(segment).FakeScan().Build());
    ASSERT_TRUE(again.result);
    EXPECT_EQ(again.data->Exif->PixelWidth, 800);
    EXPECT_EQ(again.data->Exif->PixelHeight, 600);
    EXPECT_EQ(again.data->Exif->FindTag("ExifImageWidth").Format, 3);
    EXPECT_EQ(again.data->Exif->FindTag("ExifImageLength").Format, 4);
  }
}

TEST(AFitSize, leavesTheSegmentAloneWhenTheSizeIsUnknownOrUnchanged) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  tiff.Short(ifd0, 0xA002, {800}).Short(ifd0, 0xA003, {600});
  const auto read = ReadTiff(tiff);
  const std::string before = read.data->ExifSection->Data;
  read.data->Exif->FitSizeTags(600, 800);
  EXPECT_EQ(read.data->ExifSection->Data, before);
  TiffBuilder noSize;
  noSize.Short(noSize.AddDirectory(), 0xA002, {800});
  const auto partial = ReadTiff(noSize);
  const std::string partialBefore = partial.data->ExifSection->Data;
  partial.data->Exif->FitSizeTags(10, 10);
  EXPECT_EQ(partial.data->ExifSection->Data, partialBefore);
}
