#include "metadata/jpeg_writer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "fixture_builder.h"
#include "metadata/timg_data.h"
#include "resize_test_photos.h"

using fixture::ByteOrder;
using fixture::JpegBuilder;
using fixture::TempDir;
using fixture::TiffBuilder;
using namespace resize_test;

namespace {

std::string SmallExif(ByteOrder order = ByteOrder::Little) {
  TiffBuilder tiff(order);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "Testkamera").Pointer(ifd0, 0x8769, exif);
  tiff.Short(exif, 0xA002, {64}).Long(exif, 0xA003, {48});
  return tiff.Build();
}

std::string Bytes(std::initializer_list<int> values) {
  std::string text;
  for (const int value : values) text.push_back(static_cast<char>(value));
  return text;
}

std::string FixedJfif() {
  return std::string(reinterpret_cast<const char*>(kFixedJfifHeader), sizeof kFixedJfifHeader);
}

std::string WithMarker(const Segment& segment) {
  return Bytes({0xFF, segment.marker}) + segment.data;
}

TEST(WriteMetadataSegments, writesSoiThenExifOrApp0OrTheFixedHeaderThenIptcAndComment) {
  const std::string exif = SmallExif();
  struct Case {
    const char* what;
    std::string source;
    std::vector<int> keptSourceSegments;  // indexes into the source's segments, in output order
    bool fixedHeader;
  };
  const std::string body = PictureBody(EncodedPicture(16, 16));
  const Case cases[] = {
      {"EXIF wins over APP0",
       JpegBuilder().App0Jfif().App1Exif(exif).App13Iptc("x").Com("c").Raw(body).Build(),
       {1, 2, 3}, false},
      {"APP0 without EXIF", JpegBuilder().App0Jfif().Com("nur Kommentar").Raw(body).Build(),
       {0, 1}, false},
      {"no APP0 and no EXIF", JpegBuilder().App13Iptc("y").Raw(body).Build(), {0}, true},
      {"first APP13 and last COM",
       JpegBuilder().App1Exif(exif).App13Iptc("erste").App13Iptc("zweite").Com("a").Com("b")
           .Raw(body).Build(),
       {0, 1, 4}, false},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TimgData data;
    ASSERT_TRUE(data.ReadPhotoFile(dir.Write("quelle.jpg", c.source)));
    const std::vector<Segment> source = HeaderSegments(c.source);
    std::string expected = c.fixedHeader ? FixedJfif() : std::string();
    for (const int index : c.keptSourceSegments) expected += WithMarker(source[index]);

    std::string out = "vorher";
    const int written = WriteMetadataSegments(data, out);

    EXPECT_EQ(out, "vorher" + Bytes({0xFF, 0xD8}) + expected);
    EXPECT_EQ(written, static_cast<int>(expected.size()));
  }
}

TEST(SkipEncoderHeaderSegments, passesOverApp0App1App13AndComOnceEachInThatOrder) {
  const std::string sof = WithMarker({0xC0, Bytes({0, 4, 1, 2})});
  const std::string app0 = WithMarker({0xE0, Bytes({0, 4, 'a', 'b'})});
  const std::string app1 = WithMarker({0xE1, Bytes({0, 3, 'e'})});
  const std::string com = WithMarker({0xFE, Bytes({0, 3, 'k'})});
  const std::string soi = Bytes({0xFF, 0xD8});
  struct Case {
    const char* what;
    std::string encoded;
    std::size_t expected;
  };
  const Case cases[] = {
      {"APP0 only", soi + app0 + sof, 2 + app0.size()},
      {"APP0, APP1, COM", soi + app0 + app1 + com + sof, 2 + app0.size() + app1.size() + com.size()},
      {"COM before APP0: APP0 stays", soi + com + app0 + sof, 2 + com.size()},
      {"two APP0: the second stays", soi + app0 + app0 + sof, 2 + app0.size()},
      {"nothing to skip", soi + sof, 2},
      {"a length beyond the end", soi + Bytes({0xFF, 0xE0, 0x40, 0x00}), 2},
      {"shorter than a segment head", soi + Bytes({0xFF}), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SkipEncoderHeaderSegments(c.encoded), c.expected);
  }
}

TEST(ReadJpegFrameSize, findsTheFrameHeaderOfAnEncodedPicture) {
  int width = 0, height = 0;
  ASSERT_TRUE(ReadJpegFrameSize(EncodedPicture(123, 45), width, height));
  EXPECT_EQ(width, 123);
  EXPECT_EQ(height, 45);
  EXPECT_FALSE(ReadJpegFrameSize(Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00}), width, height));
}

class SavingWithMetadata : public ::testing::Test {
 protected:
  TempDir dir;
  const std::string encoded = EncodedPicture(64, 48, 85);
};

TEST_F(SavingWithMetadata, putsTheSourceSegmentsBeforeTheEncodersOwnSegments) {
  const std::string source =
      JpegBuilder().App0Jfif().App1Exif(SmallExif()).Com("Notiz").Raw(PictureBody(EncodedPicture(640, 480))).Build();
  const std::string path = dir.Write("foto.jpg", source);

  SaveJpegWithMetadata(encoded, path, "", false);

  const std::vector<Segment> segments = HeaderSegments(source);
  EXPECT_EQ(fixture::ReadFileBytes(path),
            Bytes({0xFF, 0xD8}) + WithMarker(segments[1]) + WithMarker(segments[2]) +
                PictureBody(encoded));
}

TEST_F(SavingWithMetadata, writesTheEncodedBytesUnchangedWhenTheSourceHasNoMetadata) {
  const std::string path = dir.Write("foto.jpg", JpegBuilder().App0Jfif().Raw(PictureBody(encoded)).Build());
  const std::string other = EncodedPicture(32, 32, 60);

  SaveJpegWithMetadata(other, path, path, true);

  EXPECT_EQ(fixture::ReadFileBytes(path), other);
}

TEST_F(SavingWithMetadata, fitsTheExifPixelSizeInTheFilesByteOrder) {
  for (const ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
    SCOPED_TRACE(order == ByteOrder::Big ? "big-endian" : "little-endian");
    const std::string path = dir.Write(
        "foto.jpg", JpegBuilder().App1Exif(SmallExif(order)).Raw(PictureBody(EncodedPicture(640, 480))).Build());

    SaveJpegWithMetadata(encoded, path, path, true);

    TimgData data;
    ASSERT_TRUE(data.ReadPhotoFile(path));
    EXPECT_EQ(data.Exif->PixelWidth, 64);   // a SHORT entry
    EXPECT_EQ(data.Exif->PixelHeight, 48);  // a LONG entry
    EXPECT_EQ(data.Exif->MakeText, "Testkamera");
  }
}

TEST_F(SavingWithMetadata, takesTheSegmentsOfAnotherSourceAndLeavesItAlone) {
  const std::string source = JpegBuilder().App1Exif(SmallExif()).Com("Quelle").Raw(PictureBody(EncodedPicture(640, 480))).Build();
  const std::string sourcePath = dir.Write("quelle.jpg", source);
  const std::string target = dir.Path() + "neu.jpg";

  SaveJpegWithMetadata(encoded, target, sourcePath, true);

  EXPECT_EQ(fixture::ReadFileBytes(sourcePath), source);
  TimgData data;
  ASSERT_TRUE(data.ReadPhotoFile(target));
  EXPECT_EQ(data.CommentText(), "Quelle");
  EXPECT_EQ(data.Exif->PixelWidth, 64);
}

TEST(ReplaceFileSafely, keepsPermissionsAndFollowsALink) {
  TempDir dir;
  const std::string path = dir.Write("foto.jpg", "alt");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  const std::string link = dir.Path() + "verweis.jpg";
  ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);

  ReplaceFileSafely(link, "neu");

  struct stat info {};
  ASSERT_EQ(lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(fixture::ReadFileBytes(path), "neu");
  EXPECT_EQ(FolderEntries(dir.Path()), (QStringList{"foto.jpg", "verweis.jpg"}));
}

TEST(ReplaceFileSafely, failsInAMissingFolderWithAGermanMessage) {
  TempDir dir;
  try {
    ReplaceFileSafely(dir.Path() + "fehlt/foto.jpg", "neu");
    FAIL() << "no JpegWriteError";
  } catch (const JpegWriteError& error) {
    EXPECT_NE(std::string(error.what()).find("konnte nicht geschrieben werden"), std::string::npos);
  }
  EXPECT_TRUE(FolderEntries(dir.Path()).isEmpty());
}

}  // namespace
