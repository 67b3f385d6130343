// TIFF-structured files: the first directory block at file offset 8 becomes slot 1.

#include <gtest/gtest.h>

#include "fixture_builder.h"
#include "metadata/timg_data.h"
#include "photo_reading.h"

using fixture::ByteOrder;
using fixture::ReadPhotoBytes;
using fixture::TiffBuilder;

namespace {

TiffBuilder CameraTiff(ByteOrder order) {
  TiffBuilder tiff(order);
  const int ifd0 = tiff.AddDirectory();
  const int exif = tiff.AddDirectory();
  const int ifd1 = tiff.AddDirectory();
  tiff.Ascii(ifd0, 0x010F, "NIKON CORPORATION")
      .Ascii(ifd0, 0x0110, "NIKON D70")
      .Long(ifd0, 0x0100, {3008})
      .Pointer(ifd0, 0x8769, exif)
      .Next(ifd0, ifd1);
  tiff.Ascii(exif, 0x9003, "2005:01:02 03:04:05").Short(exif, 0xA003, {2000});
  tiff.Short(ifd1, 0x0103, {6}).Tail(std::string(400, '\0'));
  return tiff;
}

}  // namespace

TEST(ATiffRead, walksTheDirectoryAtOffsetEightInEitherByteOrder) {
  for (auto order : {ByteOrder::Little, ByteOrder::Big}) {
    for (const char* name : {"a.tif", "b.TIFF", "c.nef"}) {
      SCOPED_TRACE(name);
      const auto read = ReadPhotoBytes(CameraTiff(order).Build(), name);
      ASSERT_TRUE(read.result);
      const TimgData& d = *read.data;
      EXPECT_EQ(d.ErrorText, "<none>");
      EXPECT_EQ(d.SectionCount, 1);
      EXPECT_EQ(d.ExifSection, &d.Sections[0]);
      EXPECT_FALSE(d.BigEndian);  // only the EXIF object takes the byte order
      EXPECT_EQ(d.Exif->BigEndian, order == ByteOrder::Big);
      EXPECT_TRUE(d.Exif->FromTiff);
      EXPECT_FALSE(d.FromTiff);  // cleared when the read is done
      EXPECT_EQ(d.Exif->MakeText, "NIKON CORPORATION");
      EXPECT_EQ(d.Exif->DateTimeText, "2005:01:02 03:04:05");
      EXPECT_EQ(d.Exif->PixelWidth, 3008);
      EXPECT_EQ(d.Exif->PixelHeight, 2000);
      EXPECT_EQ(d.Exif->ThumbOffset, 0);  // no thumbnail directory for TIFF files
      EXPECT_FALSE(d.HasThumbnail());
      // Slot 1 starts at file offset 8: a value at offset o lies at position o - 7.
      const auto entry = d.Exif->FindTag("Model");
      EXPECT_EQ(d.ExifSection->Data.substr(static_cast<std::size_t>(entry.ValuePos - 1), 9), "NIKON D70");
    }
  }
}

TEST(ATiffRead, readsAtMost256000BytesAfterOffsetEight) {
  TiffBuilder tiff;
  tiff.Ascii(tiff.AddDirectory(), 0x010F, "Big").Tail(std::string(300000, 'x'));
  const auto read = ReadPhotoBytes(tiff.Build(), "big.tif");
  ASSERT_TRUE(read.result);
  EXPECT_EQ(read.data->ExifSection->Data.size(), 256000u);
}

TEST(ATiffRead, failsOnAFileTooShortForADirectory) {
  const auto read = ReadPhotoBytes(std::string("II*\0\x08\0\0\0", 8), "short.tif");
  EXPECT_FALSE(read.result);
  EXPECT_EQ(read.data->ErrorText, "Not an EXIF file");
}
