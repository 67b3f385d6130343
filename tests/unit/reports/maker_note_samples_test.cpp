// Maker notes of real camera photos: every supported make yields its section, and where exiftool
// decodes the same raw value our text is the rendering of that value. Reports of every sample
// (damaged ones included) are built without failure.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <filesystem>
#include <map>

#include "metadata/exif_report.h"
#include "metadata/maker_note_tables.h"
#include "metadata/tag_tables.h"
#include "metadata/timg_data.h"
#include "metadata/value_rendering.h"

namespace {

const std::string kSamples = VELMORA_SOURCE_DIR "/../shared/fixtures/samples";

enum class Kind {
  Ascii,   // our text is exiftool's text between double quotes (trailing blanks aside)
  Listed,  // our text is the value list's text for exiftool's raw number
  Plain,   // our text is exiftool's raw value; several values joined by ", "
  Field,   // a Canon field: a blank, then exiftool's raw number
};

struct SampleCase {
  const char* file;
  const char* exiftoolTag;
  const char* label;
  Kind kind;
  std::string_view values = {};
};

// Value lists of the vendor tables, by tag.
std::string_view ListOf(std::span<const TagDefinition> table, std::uint16_t tag) {
  return FindDefinition(table, tag)->ValueList;
}

std::vector<SampleCase> Cases() {
  return {
      {"canon-ixus.jpg", "Canon:MacroMode", "Macro mode", Kind::Listed, "1:Macro,2:Normal"},
      {"canon-ixus.jpg", "Canon:Quality", "Compression Rate", Kind::Listed,
       "0:SuperFine,1:Fine,2:Normal,3:Basic,5:SuperFine"},
      {"canon-ixus.jpg", "Canon:CanonFlashMode", "Flash Mode", Kind::Listed,
       "0:Not fired,1:Auto,2:On,3:Red-eye,4:Slow sync,5:Auto+red-eye,6:On+red eye,16:External flash"},
      {"canon-ixus.jpg", "Canon:ContinuousDrive", "Drive Mode", Kind::Listed, "0:Single,1:Continuous"},
      {"canon-ixus.jpg", "Canon:FocusMode", "Focus Mode", Kind::Listed,
       "0:One-Shot,1:AI Servo,2:AI Focus,3:MF,4:Single,5:Continuous,6:MF"},
      {"canon-ixus.jpg", "Canon:CanonImageSize", "Image Size", Kind::Listed,
       "0:Large,1:Medium,2:Small,4:5MPixel,5:2 MPixel,6:1.5 MPixel"},
      {"canon-ixus.jpg", "Canon:EasyMode", "Easy Shoot", Kind::Listed,
       "0:Full Auto,1:Manual,2:Landscape,3:Fast Shutter,4:Slow Shutter,5:Night,6:B&W,7:Sepia,8:Portrait,"
       "9:Sports,10:Macro/Close-Up,11:Pan Focus"},
      {"canon-ixus.jpg", "Canon:Contrast", "Contrast", Kind::Listed, "65535:Low,0:Normal,1:High"},
      {"canon-ixus.jpg", "Canon:WhiteBalance", "White balance", Kind::Listed,
       "0:Auto,1:Sunny,2:Cloudy,3:Tungsten,4:Flourescent,5:Flash,6:Custom"},
      {"canon-ixus.jpg", "Canon:OpticalZoomCode", "OpticalZoom Step", Kind::Field},
      {"canon-ixus.jpg", "Canon:CanonImageType", "ImageType", Kind::Ascii},
      {"canon-ixus.jpg", "Canon:CanonFirmwareVersion", "FirmwareVersion", Kind::Ascii},
      {"canon-ixus.jpg", "Canon:OwnerName", "OwnerName", Kind::Ascii},
      {"fujifilm-finepix40i.jpg", "FujiFilm:Quality", "Quality", Kind::Ascii},
      {"fujifilm-finepix40i.jpg", "FujiFilm:Sharpness", "Sharpness", Kind::Listed, ListOf(FujifilmTags(), 0x1001)},
      {"fujifilm-finepix40i.jpg", "FujiFilm:WhiteBalance", "WhiteBalance", Kind::Listed,
       ListOf(FujifilmTags(), 0x1002)},
      {"fujifilm-finepix40i.jpg", "FujiFilm:FujiFlashMode", "FlashMode", Kind::Listed, ListOf(FujifilmTags(), 0x1010)},
      {"fujifilm-finepix40i.jpg", "FujiFilm:Macro", "Macro", Kind::Listed, ListOf(FujifilmTags(), 0x1020)},
      {"fujifilm-finepix40i.jpg", "FujiFilm:FocusMode", "Focusmode", Kind::Listed, ListOf(FujifilmTags(), 0x1021)},
      {"fujifilm-finepix40i.jpg", "FujiFilm:PictureMode", "PictureMode", Kind::Listed,
       ListOf(FujifilmTags(), 0x1031)},
      {"fujifilm-finepix40i.jpg", "FujiFilm:AutoBracketing", "ContTake/Bracket", Kind::Listed,
       ListOf(FujifilmTags(), 0x1100)},
      {"nikon-e950.jpg", "Nikon:Quality", "Quality", Kind::Listed, ListOf(NikonType1Tags(), 0x0003)},
      {"nikon-e950.jpg", "Nikon:ColorMode", "ColorMode", Kind::Listed, ListOf(NikonType1Tags(), 0x0004)},
      {"nikon-e950.jpg", "Nikon:ImageAdjustment", "ImageAdjustment", Kind::Listed, ListOf(NikonType1Tags(), 0x0005)},
      {"nikon-e950.jpg", "Nikon:CCDSensitivity", "ISOSpeed", Kind::Listed, ListOf(NikonType1Tags(), 0x0006)},
      {"nikon-e950.jpg", "Nikon:WhiteBalance", "WhiteBalance", Kind::Listed, ListOf(NikonType1Tags(), 0x0007)},
      {"nikon-e950.jpg", "Nikon:Converter", "Converter", Kind::Listed, ListOf(NikonType1Tags(), 0x000B)},
      {"olympus-c960.jpg", "Olympus:Quality", "JpegQual", Kind::Listed, ListOf(OlympusTags(), 0x0201)},
      {"olympus-c960.jpg", "Olympus:Macro", "Macro", Kind::Listed, ListOf(OlympusTags(), 0x0202)},
      {"olympus-c960.jpg", "Olympus:CameraType", "Firmware", Kind::Ascii},
      {"sanyo-vpcg250.jpg", "Sanyo:SpecialMode", "Special Mode", Kind::Plain},
      {"sanyo-vpcg250.jpg", "Sanyo:SanyoQuality", "JpegQuality", Kind::Plain},
      {"sanyo-vpcsx550.jpg", "Sanyo:SanyoQuality", "JpegQuality", Kind::Plain},
  };
}

// exiftool's raw maker-note values of a file (-n), by group and tag name.
std::map<std::string, std::string> ExiftoolValues(const std::string& file) {
  QProcess process;
  process.start("exiftool", {"-j", "-n", "-G1", "-MakerNotes:all", QString::fromStdString(file)});
  std::map<std::string, std::string> values;
  if (!process.waitForFinished(60000)) return values;
  const QJsonObject object = QJsonDocument::fromJson(process.readAllStandardOutput()).array().at(0).toObject();
  for (auto it = object.begin(); it != object.end(); ++it) {
    const QJsonValue value = it.value();
    values[it.key().toStdString()] =
        value.isDouble() ? std::to_string(value.toInteger()) : value.toString().toStdString();
  }
  return values;
}

// The first group-1 entry with this label.
std::optional<std::string> MakerNoteText(const TImageInfo& exif, const std::string& label) {
  for (const TTagEntry& entry : exif.Tags)
    if (entry.Group == 1 && entry.Label == label) return entry.Text;
  return std::nullopt;
}

std::string Expected(const SampleCase& c, std::string raw) {
  switch (c.kind) {
    case Kind::Ascii: return "\"" + raw + "\"";  // exiftool may keep or drop trailing blanks
    case Kind::Listed: {
      // exiftool reads these SHORTs signed; the lists hold them unsigned.
      if (raw.starts_with('-')) raw = std::to_string(65536 + std::stoi(raw));
      return LookupValueText(c.values, raw);
    }
    case Kind::Plain: {
      std::string joined;
      for (char ch : raw) joined += ch == ' ' ? std::string(", ") : std::string(1, ch);
      return joined;
    }
    case Kind::Field: return " " + raw;
  }
  return {};
}

std::string WithoutTrailingBlanksInQuotes(std::string text) {
  while (text.size() > 2 && text.ends_with(" \"")) text.erase(text.size() - 2, 1);
  return text;
}

bool HaveSamplesAndExiftool() {
  return std::filesystem::is_directory(kSamples + "/exif-org") &&
         !QStandardPaths::findExecutable("exiftool").isEmpty();
}

TEST(ARealMakerNote, yieldsASectionForEverySupportedMake) {
  if (!std::filesystem::is_directory(kSamples + "/exif-org")) GTEST_SKIP() << "no sample photos";
  for (const char* file : {"canon-ixus.jpg", "fujifilm-finepix40i.jpg", "nikon-e950.jpg", "olympus-c960.jpg",
                           "sanyo-vpcg250.jpg", "sanyo-vpcsx550.jpg"}) {
    SCOPED_TRACE(file);
    std::vector<std::string> lines;
    AppendImageExifReport(kSamples + "/exif-org/" + file, lines, kReportFormText);
    const auto heading = std::find(lines.begin(), lines.end(), "Hersteller-Informationen:");
    ASSERT_NE(heading, lines.end());
    ASSERT_GE(lines.end() - heading, 3);
    EXPECT_EQ(heading[1], "");
    EXPECT_NE(heading[2], "");  // at least one entry
  }
}

TEST(ARealMakerNote, rendersTheRawValuesExiftoolReads) {
  if (!HaveSamplesAndExiftool()) GTEST_SKIP() << "no sample photos or no exiftool";
  std::map<std::string, std::map<std::string, std::string>> exiftool;
  for (const SampleCase& c : Cases()) {
    SCOPED_TRACE(std::string(c.file) + " " + c.exiftoolTag);
    const std::string path = kSamples + "/exif-org/" + c.file;
    if (!exiftool.contains(c.file)) exiftool[c.file] = ExiftoolValues(path);
    const auto raw = exiftool[c.file].find(c.exiftoolTag);
    ASSERT_NE(raw, exiftool[c.file].end()) << "exiftool does not read it";
    TimgData data(255);
    ASSERT_TRUE(data.ReadPhotoFile(path));
    ASSERT_TRUE(data.Exif->HasMakerNote);
    const auto text = MakerNoteText(*data.Exif, c.label);
    ASSERT_TRUE(text.has_value()) << "no entry " << c.label;
    const std::string expected = Expected(c, raw->second);
    EXPECT_FALSE(expected.empty());
    if (c.kind == Kind::Ascii) {
      EXPECT_EQ(WithoutTrailingBlanksInQuotes(*text), WithoutTrailingBlanksInQuotes(expected));
    } else {
      EXPECT_EQ(*text, expected);
    }
  }
}

TEST(ARealPhotoReport, isBuiltForEverySampleInBothForms) {
  if (!std::filesystem::is_directory(kSamples)) GTEST_SKIP() << "no sample photos";
  int reported = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kSamples)) {
    if (!entry.is_regular_file()) continue;
    SCOPED_TRACE(entry.path().string());
    for (int form : {kReportFormText, kReportFormHtml}) {
      std::vector<std::string> lines;
      AppendImageExifReport(entry.path().string(), lines, form);
      ASSERT_GE(lines.size(), 2u);
      EXPECT_EQ(lines.back(), "");
    }
    ++reported;
  }
  EXPECT_GT(reported, 20);
}

}  // namespace
