// Every layout of the maker-note decoder, each read from a crafted photo.

#include <gtest/gtest.h>

#include <functional>

#include "golden_file.h"
#include "maker_note_builder.h"
#include "maker_note_reading.h"
#include "metadata/image_info.h"
#include "metadata/maker_note.h"

namespace {

using fixture::ByteOrder;
using fixture::MakerNoteBuilder;
using fixture::MakerNotePhoto;
using fixture::NoteOffsets;
using reports_test::ReadMakerNoteOf;
using namespace std::string_literals;

using Lines = std::vector<std::string>;

// The same Nikon type 2/3 directory, behind whatever prefix the case needs.
MakerNoteBuilder NikonType3Note(ByteOrder order, std::string prefix) {
  MakerNoteBuilder note(order, std::move(prefix));
  note.Short(0x0002, {0, 200})
      .Ascii(0x0004, "FINE ")
      .Undefined(0x0010, "skipped data")
      .Rational(0x0084, {{180, 10}, {700, 10}, {35, 10}, {45, 10}})
      .Ascii(0x008D, "MODE2");
  return note;
}

const Lines kNikonType3Lines = {"ISO Speed = 0, 200", "Quality = \"FINE \"",
                                "Lens information = 18.0-70.0(mm)  F3.5-F4.5",
                                "Color Mode = Mode 2 (Adobe RGB)"};

std::vector<std::uint16_t> CanonSettingsValues() {
  std::vector<std::uint16_t> values(34, 0);
  auto at = [&values](int position, std::uint16_t value) {
    values[static_cast<std::size_t>(position - 1)] = value;
  };
  at(1, 68);
  at(2, 1);
  at(4, 2);
  at(5, 1);
  at(12, 1);
  at(15, 65535);
  at(16, 1);
  at(17, 16);
  at(18, 3);
  at(21, 1);
  at(24, 300);
  at(25, 100);
  at(26, 32);
  at(33, 9);
  return values;
}

MakerNoteBuilder CanonNote(ByteOrder order) {
  std::vector<std::uint16_t> shotInfo(19, 0);
  shotInfo[7] = 1;       // White balance: Sunny
  shotInfo[8] = 4;       // Sequence Number
  shotInfo[15] = 65504;  // Flash bias: -1 EV
  shotInfo[18] = 250;    // Distance
  MakerNoteBuilder note(order);
  note.Short(0x0000, {1, 2, 3})
      .Short(0x0001, CanonSettingsValues())
      .Short(0x0004, shotInfo)
      .Ascii(0x0007, "Firmware Version 1.00")
      .Ascii(0x0009, "Jo Owner")
      .Long(0x000C, {1234567})
      .Short(0x000F, {0x0101, 0x0300, 0x0701, 0x0101});
  return note;
}

const Lines kCanonLines = {
    "Macro mode = Macro",
    "Self Timer =  1",
    "Compression Rate = Normal",
    "Flash Mode = Auto",
    "Drive Mode = Single",
    "Focus Mode = One-Shot",
    "Image Size = Large",
    "Easy Shoot = Manual",
    "Contrast = Normal",
    "Saturation = Low",
    "Sharpness = High",
    "CCD ISO = 50",
    "AF Point = Normal",
    "Exposure Mode = High",
    "Long focal =  300",
    "Short focal =  100",
    "Focal Units =  32",
    "Flash Details =  0",
    "ExposureInfo1 = \r\nMacro mode = Macro\r\nSelf Timer =  1\r\nCompression Rate = Normal\r\nFlash Mode = "
    "Auto"
    "\r\nDrive Mode = Single\r\nFocus Mode = One-Shot\r\nImage Size = Large\r\nEasy Shoot = Manual"
    "\r\nContrast = Normal\r\nSaturation = Low\r\nSharpness = High\r\nCCD ISO = 50\r\nAF Point = Normal"
    "\r\nExposure Mode = High\r\nLong focal =  300\r\nShort focal =  100\r\nFocal Units =  32\r\nFlash "
    "Details =  0",
    "White balance = Sunny",
    "Sequence Number =  4",
    "OpticalZoom Step =  0",
    "AF point =  0",
    "Flash bias = -1 EV",
    "Distance =  250",
    "ExposureInfo2 = \r\nWhite balance = Sunny\r\nSequence Number =  4\r\nOpticalZoom Step =  0\r\nAF point "
    "=  0"
    "\r\nFlash bias = -1 EV\r\nDistance =  250",
    "FirmwareVersion = \"Firmware Version 1.00\"",
    "OwnerName = \"Jo Owner\"",
    "CameraSerialNumber = 1234567",
    "Noise Reduction =  On",
    "Mirror Lockup = Disable",
    "AEB Sequence =  0, -, + / Disabled",
    "CustomFunctions = \r\nNoise Reduction =  On\r\nMirror Lockup = Disable\r\nAEB Sequence =  0, -, + / "
    "Disabled"};

struct LayoutCase {
  const char* name;
  const char* fileName;
  std::function<MakerNotePhoto()> photo;
  Lines expected;
};

std::vector<LayoutCase> LayoutCases() {
  return {
      {"Nikon type 3: ExifVersion above 0210, directory at byte 18, offsets from byte 10", "nikon3.jpg",
       [] {
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("NIKON CORPORATION")
             .WithModel("NIKON D100")
             .WithExifVersion("0220")
             .WithNote(NikonType3Note(ByteOrder::Big, fixture::NikonType3Prefix(ByteOrder::Big)))
             .WithOffsets(NoteOffsets::NoteByte10);
       },
       kNikonType3Lines},
      {"Nikon type 3: a NEF without ExifVersion whose model is NIKON D70", "d70.nef",
       [] {
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("NIKON CORPORATION")
             .WithModel("NIKON D70")
             .WithExifVersion(std::nullopt)
             .WithNote(NikonType3Note(ByteOrder::Big, fixture::NikonType3Prefix(ByteOrder::Big)))
             .WithOffsets(NoteOffsets::NoteByte10);
       },
       kNikonType3Lines},
      {"Nikon: the same note in a JPEG without ExifVersion is read as type 1 and finds no entries",
       "d70.jpg",
       [] {
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("NIKON CORPORATION")
             .WithModel("NIKON D70")
             .WithExifVersion(std::nullopt)
             .WithNote(NikonType3Note(ByteOrder::Big, fixture::NikonType3Prefix(ByteOrder::Big)))
             .WithOffsets(NoteOffsets::NoteByte10);
       },
       {}},
      {"Nikon type 1: ExifVersion 0210 and a note beginning with Nikon",
       "nikon1.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Little, "Nikon\0\x01\0"s);
         note.Short(0x0003, {3})
             .Short(0x0009, {1})
             .Ascii(0x0008, "AF-C  ")
             .Short(0x000B, {1})
             .Short(0x0006, {1});
         return MakerNotePhoto{}.WithMake("NIKON").WithModel("E950").WithExifVersion("0210").WithNote(note);
       },
       {"Quality = Vga Fine", "Focus = \"AF-C  \"", "Converter = Used", "ISOSpeed = "}},
      {"Nikon type 2: ExifVersion 0210 and a note without the Nikon prefix",
       "nikon2.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Big);
         note.Short(0x0001, {2})
             .Ascii(0x0004, "NORMAL")
             .Rational(0x0084, {{70, 10}, {210, 10}, {28, 10}, {4, 1}});
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("NIKON")
             .WithModel("E990")
             .WithExifVersion("0210")
             .WithNote(note);
       },
       {"Family ID = 2", "Quality = \"NORMAL\"", "Lens information = 7.0-21.0(mm)  F2.8-F4.0"}},
      {"Olympus: directory at byte 8",
       "olympus.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Little, "OLYMP\0\x01\0"s);
         note.Long(0x0200, {0, 0, 0})
             .Short(0x0201, {2})
             .Short(0x0202, {0})
             .Rational(0x0204, {{100, 100}})
             .Ascii(0x0207, "SX751")
             .Undefined(0x0F00, "skipped data");
         return MakerNotePhoto{}.WithMake("OLYMPUS OPTICAL CO.,LTD").WithModel("C960Z,D460Z").WithNote(note);
       },
       {"SpecialMode = 0, 0, 0", "JpegQual = HQ", "Macro = Normal", "Digital Zoom Ratio = 100/100",
        "Firmware = \"SX751\""}},
      {"Casio type 1: a note without header",
       "casio1.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Big);
         note.Short(0x0001, {5}).Short(0x0008, {1}).Long(0x000A, {65537}).Short(0x0014, {244});
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("CASIO")
             .WithModel("QV-3000EX")
             .WithNote(note);
       },
       {"RecordingMode = Landscape", "DigitalZoom = 2X Digital Zoom", "CCDSensitivity = +3.0"}},
      {"Casio type 2: a note beginning with QVC, directory at byte 6",
       "casio2.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Big, "QVC\0\0\0"s);
         note.Short(0x0008, {2})
             .Short(0x0009, {21})
             .Undefined(0x0E00,
                        "PrintIM\0"s
                        "0250")
             .Short(0x2012, {12})
             .Short(0x3001, {1});
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("CASIO COMPUTER CO.,LTD.")
             .WithModel("EX-Z3")
             .WithNote(note);
       },
       {"Quality = Super Fine", "ImageSize = 2592 x 1944", "\tPrint Image Matching Info = \"PrintIM.0250\"",
        "White Balance = Flash", "Self Timer = On"}},
      {"Fujifilm in a big-endian file: the note is read little-endian, offsets from its start",
       "fuji.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Little, "FUJIFILM"s + fixture::U32(12, ByteOrder::Little));
         note.Undefined(0x0000, "0130")
             .Ascii(0x1000, "NORMAL ")
             .Short(0x1001, {3})
             .Short(0x1002, {256})
             .Short(0x1031, {768})
             .Short(0x1300, {1});
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("FUJIFILM")
             .WithModel("FinePix40i")
             .WithNote(note)
             .WithOffsets(NoteOffsets::NoteStart)
             .WithWidthAfterNote(3072);
       },
       {"Version = \"0130\"", "Quality = \"NORMAL \"", "Sharpness = Normal", "WhiteBalance = Daylight",
        "PictureMode = Manual exposure", "BlurWarning = Blur warning"}},
      {"Canon: settings, shot information and custom functions derive entries before their tag", "canon.jpg",
       [] {
         return MakerNotePhoto{}
             .WithMake("Canon")
             .WithModel("Canon PowerShot S40")
             .WithNote(CanonNote(ByteOrder::Little))
             .WithWidthAfterNote(2272);
       },
       kCanonLines},
      {"Canon in a TIFF-structured file: offsets map 16 bytes later",
       "canon.tif",
       [] {
         MakerNoteBuilder note(ByteOrder::Big);
         note.Ascii(0x0009, "Tiff Owner").Ascii(0x0007, "Firmware 2");
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("Canon")
             .WithModel("Canon EOS D30")
             .WithNote(note);
       },
       {"OwnerName = \"Tiff Owner\"", "FirmwareVersion = \"Firmware 2\""}},
      {"Seiko: directory at byte 8, the lower-case skip",
       "seiko.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Little, "EPSON\0\x01\0"s);
         note.Long(0x0200, {0, 1, 0})
             .Short(0x0201, {2})
             .Ascii(0x020A, "fine photo")
             .Short(0x0300, {7})
             .Undefined(0x0F00, "dump data");
         return MakerNotePhoto{}.WithMake("SEIKO EPSON CORP.").WithModel("PhotoPC 850Z").WithNote(note);
       },
       {"Special Mode = 0, 1, 0", "JpegQuality = 2", "Comments = \"fine photo\"", "?? = 7"}},
      {"Sanyo: directory at byte 8",
       "sanyo.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Little, "SANYO\0\x01\0"s);
         note.Long(0x0200, {0, 0, 0}).Short(0x0201, {512}).Short(0x0203, {1}).Undefined(0x0F00, "dumpdata!");
         return MakerNotePhoto{}.WithMake("SANYO Electric Co.,Ltd.").WithModel("SR6").WithNote(note);
       },
       {"Special Mode = 0, 0, 0", "JpegQuality = 512", "DataDump = \"dumpdata!\""}},
      {"Minolta: the definition of tag 0 is listed like the others",
       "minolta.jpg",
       [] {
         MakerNoteBuilder note(ByteOrder::Big);
         note.Undefined(0x0000, "MLT0").Undefined(0x0E00, "PrintIM");
         return MakerNotePhoto{}
             .WithOrder(ByteOrder::Big)
             .WithMake("Minolta Co., Ltd.")
             .WithModel("DiMAGE 7")
             .WithNote(note);
       },
       {"ModelID = \"MLT0\"", "PIMdata = \"PrintIM\""}},
  };
}

TEST(AMakerNoteLayout, decodesEveryLayoutOfTheKnownMakes) {
  fixture::TempDir dir;
  for (const LayoutCase& c : LayoutCases()) {
    SCOPED_TRACE(c.name);
    const fixture::BuiltPhoto built = fixture::PhotoWithMakerNote(c.photo());
    const bool tiff = std::string(c.fileName).ends_with(".nef") || std::string(c.fileName).ends_with(".tif");
    const auto result = ReadMakerNoteOf(dir, c.fileName, tiff ? built.tiff : built.jpeg);
    ASSERT_TRUE(result.read);
    EXPECT_TRUE(result.hasMakerNote);
    EXPECT_EQ(result.makerLines, c.expected);
  }
}

TEST(AMakerNoteLayout, leavesTheFileByteOrderAndBufferIntactAfterTheNote) {
  fixture::TempDir dir;
  // Fujifilm switches to little-endian for the note only; the entry after it is big-endian again.
  for (const LayoutCase& c : LayoutCases()) {
    const MakerNotePhoto photo = c.photo();
    if (photo.widthAfterNote == 0) continue;
    SCOPED_TRACE(c.name);
    TimgData data(255);
    ASSERT_TRUE(data.ReadPhotoFile(dir.Write(c.fileName, fixture::PhotoWithMakerNote(photo).jpeg)));
    EXPECT_EQ(data.Exif->PixelWidth, photo.widthAfterNote);
    EXPECT_EQ(data.Exif->TagTextOf("ExifImageWidth"), std::to_string(photo.widthAfterNote));
    EXPECT_EQ(data.Exif->BigEndian, photo.order == ByteOrder::Big);
    EXPECT_EQ(data.ErrorText, "<none>");
  }
}

TEST(AMakerNoteLayout, listsMakerNoteEntriesBeforeTheMakerNoteEntryItself) {
  fixture::TempDir dir;
  TimgData data(255);
  ASSERT_TRUE(data.ReadPhotoFile(dir.Write(
      "canon.jpg",
      fixture::PhotoWithMakerNote(MakerNotePhoto{}.WithMake("Canon").WithNote(CanonNote(ByteOrder::Little)))
          .jpeg)));
  const int makerNote = data.Exif->IndexOfTag("MakerNote");
  ASSERT_GE(makerNote, 0);
  for (int i = 0; i < static_cast<int>(data.Exif->Tags.size()); ++i)
    if (data.Exif->Tags[static_cast<std::size_t>(i)].Group == 1) {
      EXPECT_LT(i, makerNote);
    }
}

TEST(AMakerNoteLayout, readsNoMakerNoteOfAnUnsupportedMake) {
  fixture::TempDir dir;
  const auto result = ReadMakerNoteOf(
      dir, "pentax.jpg",
      fixture::PhotoWithMakerNote(
          MakerNotePhoto{}.WithMake("PENTAX Corporation").WithNote(CanonNote(ByteOrder::Little)))
          .jpeg);
  ASSERT_TRUE(result.read);
  EXPECT_FALSE(result.hasMakerNote);
  EXPECT_TRUE(result.makerLines.empty());
}

// The Nikon choice, row by row: ExifVersion as text, then the NEF rule, then the "Nikon" prefix.
TEST(AMakerNoteLayout, choosesTheNikonTypeByVersionModelAndPrefix) {
  struct NikonCase {
    const char* exifVersion;
    const char* model;
    bool fromTiff;
    const char* raw;
    const char* expected;
  };
  const NikonCase cases[] = {
      {"0220", "E5700", false, "Nikon", "Nikon type 3"},
      {"0211", "E5700", false, "", "Nikon type 3"},
      {"02100", "E5700", false, "", "Nikon type 3"},  // longer, so greater
      {"0300", "E5700", false, "Nikon", "Nikon type 3"},
      {"0210", "E5700", false, "Nikon", "Nikon type 1"},
      {"0200", "E5700", false, "Nikon", "Nikon type 1"},
      {"021", "E5700", false, "Nikon", "Nikon type 1"},  // a prefix compares smaller
      {"0210", "E5700", false, "nikon", "Nikon type 2"},
      {"", "NIKON D70", true, "Nikon", "Nikon type 3"},
      {"", "D1X", true, "", "Nikon type 3"},              // no blank: the first character counts
      {"", "NIKON D70", false, "Nikon", "Nikon type 1"},  // a JPEG, not a NEF
      {"", "NIKON E950", true, "", "Nikon type 2"},
      {"", "NIKON ", true, "", "Nikon type 2"},  // nothing after the blank
  };
  TimgData parent(255);
  for (const NikonCase& c : cases) {
    SCOPED_TRACE(std::string(c.exifVersion) + " / " + c.model);
    TImageInfo info(&parent, 255);
    info.MakeText = "NIKON CORPORATION";
    info.ModelText = c.model;
    info.ExifVersion = c.exifVersion;
    info.MakerNoteRaw = c.raw;
    const auto layout = ChooseMakerNoteLayout(info, c.fromTiff);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->Name, c.expected);
  }
}

// Where values lie: offsets from the EXIF TIFF header (o + 10 - M, 16 bytes later in a TIFF file),
// from the note's byte 10 (o + 11) or from its start (o + 1).
TEST(AMakerNoteLayout, placesDirectoriesAndValuesAsEachLayoutSays) {
  struct PlaceCase {
    const char* make;
    bool fromTiff;
    const char* expectedName;
    int directoryStart;
    int offsetBase;
    bool littleEndian;
  };
  const PlaceCase cases[] = {
      {"OLYMPUS", false, "Olympus", 8, 10 - 100, false},
      {"OLYMPUS", true, "Olympus", 8, 10 - 116, false},
      {"CASIO", false, "Casio type 1", 0, 10 - 100, false},
      {"FUJIFILM", false, "Fujifilm", 12, 1, true},
      {"FUJIFILM", true, "Fujifilm", 12, 1, true},
      {"Canon", false, "Canon", 0, 10 - 100, false},
      {"Canon", true, "Canon", 0, 10 - 116, false},
      {"SEIKO EPSON", false, "Seiko", 8, 10 - 100, false},
      {"Sanyo", false, "Sanyo", 8, 10 - 100, false},
      {"MINOLTA", false, "Minolta", 0, 10 - 100, false},
  };
  TimgData parent(255);
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(std::string(c.make) + (c.fromTiff ? " (TIFF)" : ""));
    TImageInfo info(&parent, 255);
    info.MakeText = c.make;
    info.MakerNoteOffset = 100;
    const auto layout = ChooseMakerNoteLayout(info, c.fromTiff);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->Name, c.expectedName);
    EXPECT_EQ(layout->DirectoryStart, c.directoryStart);
    EXPECT_EQ(layout->OffsetBase, c.offsetBase);
    EXPECT_EQ(layout->LittleEndian, c.littleEndian);
  }
  TImageInfo other(&parent, 255);
  other.MakeText = "Kodak";
  EXPECT_FALSE(ChooseMakerNoteLayout(other, false).has_value());
}

// The fuzz target starts from one crafted photo per layout (VELMORA_UPDATE_GOLDEN=1 writes them).
TEST(TheFuzzSeeds, holdOneCraftedPhotoPerLayout) {
  for (const LayoutCase& c : LayoutCases()) {
    SCOPED_TRACE(c.name);
    const fixture::BuiltPhoto built = fixture::PhotoWithMakerNote(c.photo());
    const std::string name = c.fileName;
    const bool tiff = name.ends_with(".nef") || name.ends_with(".tif");
    // The fuzz target reads every input both as .jpg and as .tif.
    reports_test::ExpectSameAsFile(tiff ? built.tiff : built.jpeg,
                                   "fuzz/seeds/makernote-" + name.substr(0, name.find('.')) + (tiff ? ".tif" : ".jpg"));
  }
}

}  // namespace
