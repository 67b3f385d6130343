// The maker-note directory walk: values outside the note, entries it does not list, empty
// values and a walk that fails half-way.

#include <gtest/gtest.h>

#include <limits>

#include "maker_note_builder.h"
#include "maker_note_reading.h"
#include "metadata/image_info.h"
#include "metadata/maker_note.h"
#include "metadata/maker_note_tables.h"
#include "metadata/timg_data.h"

namespace {

using fixture::ByteOrder;
using fixture::MakerNoteBuilder;
using fixture::MakerNotePhoto;
using fixture::NoteOffsets;
using reports_test::ReadMakerNoteOf;
using namespace std::string_literals;

// A photo whose maker note holds one ASCII entry (tag) pointing at the bytes after the EXIF
// structure, outside the note. fieldFor turns the tail's offset and the note's offset and size
// into the offset the note stores.
struct OutsideCase {
  const char* name;
  const char* fileName;
  const char* make;
  ByteOrder order;
  std::string prefix;
  NoteOffsets offsets;
  std::uint16_t tag;
  const char* expected;
};

std::uint32_t OffsetOfTail(const OutsideCase& c, std::uint32_t tailOffset, std::uint32_t noteOffset) {
  switch (c.offsets) {
    case NoteOffsets::ExifHeader:
      return tailOffset;
    case NoteOffsets::NoteByte10:
      return tailOffset - noteOffset - 10;
    case NoteOffsets::NoteStart:
      return tailOffset - noteOffset;
  }
  return 0;
}

// A value reaching past the note's bytes is read at its own place in the EXIF data, for every
// layout and in TIFF-structured files too.
TEST(AMakerNoteWalk, readsValuesOutsideTheNoteAtTheirPlaceInTheExifData) {
  const OutsideCase cases[] = {
      {"Canon", "canon.jpg", "Canon", ByteOrder::Little, "", NoteOffsets::ExifHeader, 0x0009,
       "OwnerName = \"Owner Outside\""},
      {"Canon, TIFF-structured", "canon.tif", "Canon", ByteOrder::Big, "", NoteOffsets::ExifHeader, 0x0009,
       "OwnerName = \"Owner Outside\""},
      {"Olympus", "olympus.jpg", "OLYMPUS", ByteOrder::Little, "OLYMP\0\x01\0"s, NoteOffsets::ExifHeader,
       0x0207, "Firmware = \"Owner Outside\""},
      {"Nikon type 3", "nikon.jpg", "NIKON", ByteOrder::Big, fixture::NikonType3Prefix(ByteOrder::Big),
       NoteOffsets::NoteByte10, 0x0004, "Quality = \"Owner Outside\""},
      {"Fujifilm", "fuji.jpg", "FUJIFILM", ByteOrder::Little,
       "FUJIFILM"s + fixture::U32(12, ByteOrder::Little), NoteOffsets::NoteStart, 0x1000,
       "Quality = \"Owner Outside\""},
  };
  fixture::TempDir dir;
  for (const OutsideCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string tail = "Owner Outside\0"s;
    // The note's size does not depend on the field, so a first build gives the offsets.
    auto photoWith = [&](std::uint32_t field) {
      MakerNoteBuilder note(c.order, c.prefix);
      note.Field(c.tag, fixture::kAscii, static_cast<std::uint32_t>(tail.size()), field);
      return MakerNotePhoto{}
          .WithOrder(c.order)
          .WithMake(c.make)
          .WithExifVersion("0220")
          .WithNote(note)
          .WithOffsets(c.offsets)
          .WithTail(tail);
    };
    const fixture::BuiltPhoto probe = fixture::PhotoWithMakerNote(photoWith(0));
    const fixture::BuiltPhoto built =
        fixture::PhotoWithMakerNote(photoWith(OffsetOfTail(c, probe.tailOffset, probe.noteOffset)));
    const bool tiff = std::string(c.fileName).ends_with(".tif");
    const auto result = ReadMakerNoteOf(dir, c.fileName, tiff ? built.tiff : built.jpeg);
    EXPECT_EQ(result.makerLines, std::vector<std::string>{c.expected});
  }
}

TEST(AMakerNoteWalk, cutsAValueWhereTheExifDataEnds) {
  fixture::TempDir dir;
  auto photoWith = [](std::uint32_t field) {
    MakerNoteBuilder note(ByteOrder::Little);
    note.Field(0x0009, fixture::kAscii, 5000, field)
        .Field(0x0007, fixture::kUndefined, 0x7FFFFFFF, 0x7FFFFFF0);
    return MakerNotePhoto{}.WithMake("Canon").WithNote(note).WithTail("short");
  };
  const fixture::BuiltPhoto probe = fixture::PhotoWithMakerNote(photoWith(0));
  const auto result =
      ReadMakerNoteOf(dir, "cut.jpg", fixture::PhotoWithMakerNote(photoWith(probe.tailOffset)).jpeg);
  ASSERT_TRUE(result.read);
  EXPECT_EQ(result.makerLines, (std::vector<std::string>{"OwnerName = \"short\"", "FirmwareVersion = \"\""}));
}

TEST(AMakerNoteWalk, readsAValueBeforeTheNoteFromTheExifData) {
  // Offset 0 is the TIFF header of the EXIF data: "II*\0" and the first directory's offset.
  fixture::TempDir dir;
  MakerNoteBuilder note(ByteOrder::Little);
  note.Field(0x0009, fixture::kAscii, 6, 0);
  const auto result = ReadMakerNoteOf(
      dir, "canon.jpg", fixture::PhotoWithMakerNote(MakerNotePhoto{}.WithMake("Canon").WithNote(note)).jpeg);
  EXPECT_EQ(result.makerLines, std::vector<std::string>{"OwnerName = \"II*\""});
}

TEST(AMakerNoteWalk, listsNeitherSkipTagsNorTagsWithoutDefinition) {
  fixture::TempDir dir;
  MakerNoteBuilder note(ByteOrder::Little);
  note.Short(0x0000, {1, 2, 3})                          // Skip
      .Field(0x0010, fixture::kUndefined, 90000, 12345)  // Skip, its value far outside
      .Short(0x0099, {5})                                // no definition
      .Short(0x0008, {42});
  const auto result = ReadMakerNoteOf(
      dir, "canon.jpg", fixture::PhotoWithMakerNote(MakerNotePhoto{}.WithMake("Canon").WithNote(note)).jpeg);
  EXPECT_EQ(result.makerLines, std::vector<std::string>{"ImageNumber = 42"});
}

TEST(AMakerNoteWalk, rendersEntriesWithoutBytesInsteadOfSkippingThem) {
  fixture::TempDir dir;
  MakerNoteBuilder note(ByteOrder::Big);
  note.Entry(0x0007, fixture::kAscii, 0, "")
      .Entry(0x0008, 13, 5, "")  // a format code without a size
      .Entry(0x000C, fixture::kShort, 0, "")
      .Entry(0x0009, fixture::kUndefined, 0, "");
  const auto result = ReadMakerNoteOf(
      dir, "canon.jpg",
      fixture::PhotoWithMakerNote(MakerNotePhoto{}.WithOrder(ByteOrder::Big).WithMake("Canon").WithNote(note))
          .jpeg);
  EXPECT_EQ(result.makerLines, (std::vector<std::string>{"FirmwareVersion = \"\"", "ImageNumber = 0",
                                                         "CameraSerialNumber = ", "OwnerName = \"\""}));
}

// Two entries fit in the note; the count claims 40, so the third entry runs off the note.
MakerNoteBuilder NoteThatEndsEarly() {
  MakerNoteBuilder note(ByteOrder::Little);
  note.Short(0x0008, {7}).Long(0x000C, {99}).CountOverride(40);
  return note;
}

TEST(AMakerNoteWalk, keepsTheEntriesBeforeAFailureAndReportsIt) {
  TimgData parent(255);
  parent.ErrorText = "<none>";
  TImageInfo info(&parent, 255);
  info.Buffer = "the EXIF data";
  info.WalkMakerNoteDirectory(NoteThatEndsEarly().Build(0), CanonTags(), 0, 1, 0);

  EXPECT_TRUE(parent.ErrorText.starts_with("Error Detected = ")) << parent.ErrorText;
  EXPECT_GT(parent.ErrorText.size(), std::string("Error Detected = ").size());
  ASSERT_EQ(info.Tags.size(), 2u);
  EXPECT_EQ(info.Tags[0].Label + " = " + info.Tags[0].Text, "ImageNumber = 7");
  EXPECT_EQ(info.Tags[1].Label + " = " + info.Tags[1].Text, "CameraSerialNumber = 99");
  // The EXIF data comes back after the walk.
  EXPECT_EQ(info.Buffer, "the EXIF data");
}

TEST(AMakerNoteWalk, letsTheExifWalkGoOnAfterAFailure) {
  fixture::TempDir dir;
  const auto result = ReadMakerNoteOf(
      dir, "canon.jpg",
      fixture::PhotoWithMakerNote(
          MakerNotePhoto{}.WithMake("Canon").WithNote(NoteThatEndsEarly()).WithWidthAfterNote(1600))
          .jpeg);
  ASSERT_TRUE(result.read);
  EXPECT_TRUE(result.hasMakerNote);
  EXPECT_EQ(result.makerLines, (std::vector<std::string>{"ImageNumber = 7", "CameraSerialNumber = 99"}));
  EXPECT_NE(std::find(result.exifLines.begin(), result.exifLines.end(), "Exif Image Width = 1600"),
            result.exifLines.end());
}

TEST(AMakerNoteWalk, copesWithANoteAtTheFarEndsOfTheOffsetRange) {
  for (int offset : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
    TimgData parent(255);
    TImageInfo info(&parent, 255);
    info.MakeText = "Canon";
    info.MakerNoteOffset = offset;  // such a note has no bytes
    EXPECT_TRUE(TmsInfo(true, info).ReadMakerNote());
    EXPECT_TRUE(info.Tags.empty());
    EXPECT_TRUE(parent.ErrorText.starts_with("Error Detected = ")) << parent.ErrorText;
  }
}

TEST(AMakerNoteWalk, appendsDerivedEntriesAsTextEntriesOfTheMakerNoteGroup) {
  TimgData parent(255);
  TImageInfo info(&parent, 255);
  info.AppendMakerNoteTag("CCD ISO", "50");
  ASSERT_EQ(info.Tags.size(), 1u);
  const TTagEntry& entry = info.Tags[0];
  EXPECT_EQ(entry.Group, 1);
  EXPECT_EQ(entry.TagNumber, 0);
  EXPECT_EQ(entry.Name, "CCD ISO");
  EXPECT_EQ(entry.Label, "CCD ISO");
  EXPECT_EQ(entry.Text, "50");
  EXPECT_EQ(entry.RawBytes, "50");
  EXPECT_EQ(entry.RawSize, 2);
  EXPECT_EQ(entry.Format, 2);
  EXPECT_EQ(entry.ValuePos, 0);
}

}  // namespace
