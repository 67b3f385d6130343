// The JPEG segment scan and the file read around it: which segments are kept, which are
// dropped, where the scan stops, and what ErrorText says afterwards.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "fixture_builder.h"
#include "metadata/jpeg_byte_source.h"
#include "metadata/timg_data.h"
#include "photo_reading.h"

using fixture::ByteOrder;
using fixture::JpegBuilder;
using fixture::ReadPhotoBytes;
using fixture::TiffBuilder;

namespace {

std::string MinimalTiff(ByteOrder order = ByteOrder::Little) {
  TiffBuilder tiff(order);
  const int ifd0 = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Canon");
  return tiff.Build();
}

}  // namespace

TEST(AJpegScan, acceptsAnExifSegmentAsTheFirstSegment) {
  const auto read = ReadPhotoBytes(JpegBuilder().App1Exif(MinimalTiff()).Image().Build());
  EXPECT_TRUE(read.result);
  EXPECT_TRUE(read.data->HasExif());
  EXPECT_EQ(read.data->ErrorText, "<none>");
  EXPECT_EQ(read.data->Exif->MakeText, "Canon");
  ASSERT_NE(read.data->ExifSection, nullptr);
  EXPECT_EQ(read.data->ExifSection, &read.data->Section(1));
  EXPECT_EQ(read.data->ExifSection->Marker, 0xE1);
  EXPECT_EQ(read.data->ExifSection->Data.size(), static_cast<std::size_t>(read.data->ExifSection->Length));
}

TEST(AJpegScan, keepsEachSegmentWithItsLengthBytesAndStopsAtTheStartOfScan) {
  const auto read = ReadPhotoBytes(
      JpegBuilder().App0Jfif().Com("first").Dqt().Image().Com("after the image").Build());
  EXPECT_TRUE(read.result);
  const TimgData& d = *read.data;
  // APP0, COM, DQT, then the image's own DQT, SOF, DHT..., SOS: the scan ends at SOS.
  EXPECT_EQ(d.Sections[static_cast<std::size_t>(d.SectionCount - 1)].Marker, 0xDA);
  EXPECT_EQ(d.Section(2).Data, std::string("\x00\x07" "first", 7));
  EXPECT_EQ(d.Section(2).Length, 7);
  EXPECT_EQ(d.CommentText(), "first");  // the COM after the image data is never read
  EXPECT_EQ(d.JfifSection, &d.Sections[0]);
}

TEST(AJpegScan, stopsAfterFiveSegmentsWithoutMetadata) {
  const auto read = ReadPhotoBytes(JpegBuilder()
                                       .App0Jfif()
                                       .App2("icc")
                                       .App2("icc")
                                       .Dqt()
                                       .App1Exif(MinimalTiff())
                                       .Image()
                                       .Build());
  EXPECT_FALSE(read.result);
  EXPECT_EQ(read.data->SectionCount, 5);
  EXPECT_EQ(read.data->ExifSection, nullptr);
  EXPECT_EQ(read.data->ErrorText, "Not an EXIF file");
}

TEST(AJpegScan, dropsAnApp1AfterTheFifthSegment) {
  const auto read = ReadPhotoBytes(JpegBuilder()
                                       .App0Jfif()
                                       .Com("note")
                                       .App2("a")
                                       .Dqt()
                                       .App2("b")
                                       .App1Exif(MinimalTiff())
                                       .FakeScan()
                                       .Build());
  EXPECT_TRUE(read.result);  // because of the comment
  EXPECT_FALSE(read.data->HasExif());
  EXPECT_EQ(read.data->SectionCount, 6);  // the APP1 does not count; SOS takes its slot
  EXPECT_EQ(read.data->Section(6).Marker, 0xDA);
}

TEST(AJpegScan, dropsASecondApp1SegmentAndReusesItsSlot) {
  const auto read = ReadPhotoBytes(JpegBuilder()
                                       .App1Exif(MinimalTiff())
                                       .App1("http://ns.example/xmp\0<x:xmpmeta/>")
                                       .Com("c")
                                       .FakeScan()
                                       .Build());
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->SectionCount, 3);
  EXPECT_EQ(read.data->Section(2).Marker, 0xFE);
  EXPECT_EQ(read.data->CommentSection, &read.data->Section(2));
  EXPECT_EQ(read.data->Exif->MakeText, "Canon");
}

TEST(AJpegScan, takesTheLastCommentAndTheFirstIptcSegment) {
  const auto read = ReadPhotoBytes(JpegBuilder()
                                       .Com("one")
                                       .App13("first iptc")
                                       .Com("two")
                                       .App13("second iptc")
                                       .FakeScan()
                                       .Build());
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->CommentText(), "two");
  ASSERT_NE(read.data->IptcSection, nullptr);
  EXPECT_EQ(read.data->IptcSection->Data.substr(2), "first iptc");
  EXPECT_NE(read.data->Iptc, nullptr);
  EXPECT_FALSE(read.data->HasExif());
}

TEST(AJpegScan, skipsFillBytesAndTakesAMarkerWithoutALeadingFf) {
  const std::string exif = fixture::ExifPayload(MinimalTiff());
  JpegBuilder builder;
  builder.Raw("\xFF\xFF\xFF\xE1").Raw(fixture::BE16(static_cast<std::uint16_t>(exif.size() + 2))).Raw(exif);
  // A COM marker byte with no 0xFF before it.
  builder.Raw("\xFE").Raw(fixture::BE16(5)).Raw("abc").FakeScan();
  const auto read = ReadPhotoBytes(builder.Build());
  ASSERT_TRUE(read.result);
  EXPECT_TRUE(read.data->HasExif());
  EXPECT_EQ(read.data->CommentText(), "abc");
}

TEST(AJpegScan, readsTheCommentAsItStands) {
  const std::string text("  caf\xE9 \x01 text \0 ", 16);
  const auto read = ReadPhotoBytes(JpegBuilder().Com(text).FakeScan().Build());
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->CommentText(), text);
}

TEST(AJpegScan, keepsTheCompleteSegmentsOfAFileThatEndsEarly) {
  struct Case {
    const char* what;
    std::string tail;
  };
  const Case cases[] = {
      {"inside a payload", std::string("\xFF\xE2\x00\x40" "short", 9)},
      {"inside a length field", std::string("\xFF\xE2\x00", 3)},
      {"after a marker", std::string("\xFF\xE2", 2)},
      {"inside fill bytes", std::string("\xFF\xFF", 2)},
      {"between segments", std::string()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto read = ReadPhotoBytes(JpegBuilder().Com("kept").Raw(c.tail).Build());
    EXPECT_TRUE(read.result);
    EXPECT_EQ(read.data->SectionCount, 1);
    EXPECT_EQ(read.data->CommentText(), "kept");
    EXPECT_EQ(read.data->ErrorText, "<none>");
  }
}

TEST(AJpegScan, readsSegmentsThatReachPastTheFirstReadBlock) {
  // Segments of every size around the read block boundaries, the EXIF segment last.
  TiffBuilder tiff(ByteOrder::Big);
  const int ifd0 = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Far").Undefined(ifd0, 0x927C, std::string(60000, 'n'));
  for (std::size_t commentSize : {100u, 16370u, 16380u, 40000u, 65000u}) {
    SCOPED_TRACE(commentSize);
    const std::string comment(commentSize, 'c');
    const auto read = ReadPhotoBytes(
        JpegBuilder().Com(comment).App2(std::string(16384, 'i')).App1Exif(tiff.Build()).Image().Build());
    ASSERT_TRUE(read.result);
    EXPECT_EQ(read.data->CommentText(), comment);
    ASSERT_TRUE(read.data->HasExif());
    EXPECT_EQ(read.data->Exif->MakeText, "Far");
    EXPECT_EQ(read.data->Exif->MakerNoteRaw.size(), 60000u);
  }
}

TEST(AJpegScan, worksOnBytesHeldInMemory) {
  MemoryByteSource source(JpegBuilder().App1Exif(MinimalTiff(ByteOrder::Big)).Com("m").FakeScan().Build());
  TimgData data(255);
  EXPECT_TRUE(data.ScanJpegSegments(source));
  EXPECT_EQ(data.SectionCount, 3);
  EXPECT_EQ(data.Exif->MakeText, "Canon");
  EXPECT_TRUE(data.BigEndian);
}

TEST(AJpegScan, readsTheExtensionWithoutRegardToCase) {
  const std::string jpeg = JpegBuilder().App1Exif(MinimalTiff()).FakeScan().Build();
  for (const char* name : {"a.JPG", "b.Jpeg", "c.jpe", "d.jpeg"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(ReadPhotoBytes(jpeg, name).result);
  }
  const auto png = ReadPhotoBytes(jpeg, "e.png");
  EXPECT_FALSE(png.result);
  EXPECT_EQ(png.data->ErrorText, "Not an EXIF file");
  EXPECT_EQ(png.data->FileSize, static_cast<std::int64_t>(jpeg.size()));
  EXPECT_NE(png.data->FileTime, 0);
  EXPECT_NE(png.data->FileName.find("e.png"), std::string::npos);
}

TEST(AJpegScan, takesTheFirstDirectoryAtOffsetEightWhenTheHeaderSaysZero) {
  TiffBuilder tiff(ByteOrder::Big);
  tiff.Ascii(tiff.AddDirectory(), 0x0110, "Model Z").FirstDirectoryOffset(0);
  const auto read = ReadPhotoBytes(fixture::JpegWithExif(tiff.Build()));
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->Exif->ModelText, "Model Z");
}

TEST(AJpegScan, reportsAThumbnailDirectoryWorthReading) {
  TiffBuilder tiff;
  const int ifd0 = tiff.AddDirectory();
  const int ifd1 = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Make").Next(ifd0, ifd1);
  tiff.Short(ifd1, 0x0103, {6}).Long(ifd1, 0x0201, {0}).Long(ifd1, 0x0202, {300});
  const auto small = ReadPhotoBytes(fixture::JpegWithExif(tiff.Build()));
  EXPECT_FALSE(small.data->HasThumbnail());  // fewer than 257 bytes from IFD1 to the end
  tiff.Tail(std::string(300, '\x55'));
  const auto big = ReadPhotoBytes(fixture::JpegWithExif(tiff.Build()));
  EXPECT_TRUE(big.data->HasThumbnail());
  EXPECT_EQ(big.data->Exif->ThumbOffset, static_cast<int>(tiff.DirectoryOffset(ifd1)));
}

// ---- the failure table ----

TEST(AFailedRead, ofAMissingFileLeavesEverythingEmpty) {
  fixture::TempDir dir;
  TimgData data(255);
  EXPECT_FALSE(data.ReadPhotoFile(dir.Path() + "missing.jpg"));
  EXPECT_EQ(data.ErrorText, "");
  EXPECT_EQ(data.FileName, "");
  EXPECT_EQ(data.FileSize, 0);
}

TEST(AFailedRead, ofAFileThatCannotBeOpenedSaysIllegalExifConstruction) {
  // A socket exists in the folder but cannot be opened for reading, even by root.
  fixture::TempDir dir;
  const std::string path = dir.Path() + "socket.jpg";
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) GTEST_SKIP() << "temporary path too long";
  std::copy(path.begin(), path.end(), address.sun_path);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  TimgData data(255);
  EXPECT_FALSE(data.ReadPhotoFile(path));
  EXPECT_EQ(data.ErrorText, "Illegal Exif construction");
  EXPECT_EQ(data.FileName, path);
  ::close(fd);
}

TEST(AFailedRead, ofAPipeNamedLikeAPhotoDoesNotWaitForAWriter) {
  fixture::TempDir dir;
  const std::string path = dir.Path() + "pipe.jpg";
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  TimgData data(255);
  EXPECT_FALSE(data.ReadPhotoFile(path));
  EXPECT_EQ(data.ErrorText, "Not an EXIF file");
}

TEST(AFailedRead, ofAFolderNamedLikeAPhotoIsLikeAMissingFile) {
  fixture::TempDir dir;
  const std::string path = dir.Path() + "folder.jpg";
  ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
  TimgData data(255);
  EXPECT_FALSE(data.ReadPhotoFile(path));
  EXPECT_EQ(data.ErrorText, "");
}

TEST(AFailedRead, ofFilesWithoutTheirStartMarkSaysNotAnExifFile) {
  const std::string notJpeg = std::string("\xFF\xD9\xFF\xE1", 4) + fixture::ExifPayload(MinimalTiff());
  const auto jpeg = ReadPhotoBytes(notJpeg, "x.jpg");
  EXPECT_FALSE(jpeg.result);
  EXPECT_EQ(jpeg.data->ErrorText, "Not an EXIF file");
  EXPECT_EQ(jpeg.data->FileSize, static_cast<std::int64_t>(notJpeg.size()));
  const auto tiff = ReadPhotoBytes("XX*\0" + MinimalTiff().substr(4), "x.tif");
  EXPECT_FALSE(tiff.result);
  EXPECT_EQ(tiff.data->ErrorText, "Not an EXIF file");
}

TEST(AFailedRead, ofAJpegWithoutMetadataKeepsTheSegmentsRead) {
  const auto read = ReadPhotoBytes(JpegBuilder().App0Jfif().Dqt().FakeScan().Build());
  EXPECT_FALSE(read.result);
  EXPECT_EQ(read.data->ErrorText, "Not an EXIF file");
  EXPECT_EQ(read.data->SectionCount, 3);
  EXPECT_FALSE(read.data->HasMetadata());
}

TEST(AFailedRead, isNoFailureForAnApp1WithABrokenHeader) {
  struct Case {
    const char* what;
    std::string payload;
    const char* message;
  };
  const Case cases[] = {
      {"no Exif mark", "XMP data without the mark", "Incorrect Exif header"},
      {"Exif without zero byte", std::string("ExifX\0II*\0\x08\0\0\0", 14), "Incorrect Exif header"},
      {"no byte-order mark", std::string("Exif\0\0XX*\0\x08\0\0\0", 14), "Invalid Exif alignment marker"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto read = ReadPhotoBytes(JpegBuilder().App1(c.payload).FakeScan().Build());
    EXPECT_TRUE(read.result);
    EXPECT_EQ(read.data->ErrorText, "<none>");
    EXPECT_TRUE(read.data->HasExif());
    EXPECT_TRUE(read.data->Exif->Tags.empty());
    // The parse message stays visible when the read fails afterwards.
    const auto failed =
        ReadPhotoBytes(JpegBuilder().App1(c.payload).Raw(std::string("\xFF\xE2\x00\x01", 4)).Build());
    EXPECT_FALSE(failed.result);
    EXPECT_EQ(failed.data->ErrorText, c.message);
  }
}

TEST(AFailedRead, ofAMainDirectoryOutsideTheSegmentKeepsWhatWasFilledIn) {
  TiffBuilder tiff;
  tiff.Ascii(tiff.AddDirectory(), 0x010F, "Canon").FirstDirectoryOffset(5000);
  const auto read = ReadPhotoBytes(JpegBuilder().Com("c").App1Exif(tiff.Build()).FakeScan().Build());
  EXPECT_FALSE(read.result);
  EXPECT_EQ(read.data->ErrorText, "Not an EXIF file");
  EXPECT_NE(read.data->ExifSection, nullptr);
  EXPECT_NE(read.data->CommentSection, nullptr);
}

TEST(AFailedRead, ofASegmentLengthBelowTwoKeepsTheSegmentsBefore) {
  for (std::uint16_t length : {0, 1}) {
    SCOPED_TRACE(length);
    const auto read = ReadPhotoBytes(
        JpegBuilder().Com("c").Raw("\xFF\xE2").Raw(fixture::BE16(length)).FakeScan().Build());
    EXPECT_FALSE(read.result);
    EXPECT_EQ(read.data->ErrorText, "Not an EXIF file");
    EXPECT_EQ(read.data->SectionCount, 1);
    EXPECT_EQ(read.data->CommentText(), "c");
  }
}

TEST(AFailedRead, isForgottenByTheNextReadOfTheSameObject) {
  fixture::TempDir dir;
  TimgData data(255);
  EXPECT_TRUE(data.ReadPhotoFile(dir.Write("a.jpg", fixture::JpegWithExif(MinimalTiff()))));
  EXPECT_FALSE(data.ReadPhotoFile(dir.Write("b.jpg", JpegBuilder().Dqt().FakeScan().Build())));
  EXPECT_FALSE(data.HasExif());
  EXPECT_EQ(data.Exif, nullptr);
  EXPECT_EQ(data.ErrorText, "Not an EXIF file");
}
