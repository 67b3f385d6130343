// Invariants of the static tables and the label rule.

#include <gtest/gtest.h>

#include <set>

#include "metadata/iptc_data.h"
#include "metadata/tag_entry.h"
#include "metadata/tag_tables.h"

TEST(ATagTable, hasUniqueTagNumbersAndNonEmptyNames) {
  const std::pair<const char*, std::span<const TagDefinition>> tables[] = {
      {"EXIF", ExifTagDefinitions()}, {"GPS", GpsTagDefinitions()}, {"IPTC", IptcTagDefinitions()}};
  for (const auto& [what, table] : tables) {
    SCOPED_TRACE(what);
    std::set<std::pair<int, int>> numbers;
    for (const auto& d : table) {
      EXPECT_FALSE(d.Name.empty());
      EXPECT_TRUE(numbers.insert({d.IptcCode, d.TagNumber}).second) << d.Name;
    }
  }
  EXPECT_EQ(ExifTagDefinitions().size(), 250u);
  EXPECT_EQ(GpsTagDefinitions().size(), 31u);
  EXPECT_EQ(IptcTagDefinitions().size(), 49u);
  EXPECT_EQ(UnknownTagDefinition().TagNumber, 0);
  EXPECT_EQ(UnknownTagDefinition().Name, "Unknown");
}

TEST(ATagTable, keepsItsOddSpellingsAndGivenLabels) {
  const std::pair<std::uint16_t, const char*> exifNames[] = {
      {0x0122, "GrayReponseUnit"}, {0x0123, "GrayReponseCurve"}, {0xA405, "FocalLengthin35mmFilm"},
      {0x9216, "TIFF/EPStandardID"}, {0xA216, "TIFF/EPStandardID"}, {0x83BB, "IPTC/NAA"}};
  for (const auto& [tag, name] : exifNames) EXPECT_EQ(LookupTagDefinition(tag, 1).Name, name);
  EXPECT_EQ(LookupTagDefinition(0x0017, 2).Name, "GPSDestBearingkRef");
  const std::pair<std::uint16_t, const char*> labels[] = {
      {0x83BB, "IPTC/NAA"}, {0xA216, "TIFF/EPStandardID"}, {0xA405, "Focal Length in 35mm Film"},
      {0x9216, "TIFF/ EPStandard ID"}, {0xA002, "Exif Image Width"}, {0x8827, "ISOSpeed Ratings"},
      {0x0124, "T4 Options"}};
  for (const auto& [tag, label] : labels) {
    EXPECT_EQ(EntryFromDefinition(LookupTagDefinition(tag, 1)).Label, label);
  }
  EXPECT_EQ(EntryFromDefinition(LookupTagDefinition(0x0001, 2)).Label, "GPSLatitude Ref");
  EXPECT_EQ(EntryFromDefinition(UnknownTagDefinition()).Label, "Unknown");
}

TEST(ATagTable, looksUpByDirectoryKind) {
  EXPECT_EQ(LookupTagDefinition(0x0001, 1).Name, "InteroperabilityIndex");
  EXPECT_EQ(LookupTagDefinition(0x0001, 4).Name, "InteroperabilityIndex");
  EXPECT_EQ(LookupTagDefinition(0x0001, 2).Name, "GPSLatitudeRef");
  EXPECT_EQ(LookupTagDefinition(0x0001, 3).Name, "Unknown");
  EXPECT_EQ(LookupTagDefinition(0xC4A5, 1).Name, "Unknown");
  EXPECT_EQ(LookupTagDefinition(0x001E, 2).Name, "GPSDifferential");
  EXPECT_EQ(FindDefinition(IptcTagDefinitions(), 10, 8)->Name, "Subfile");
  EXPECT_EQ(FindDefinition(IptcTagDefinitions(), 10, 2)->Name, "Urgency");
  EXPECT_EQ(FindDefinition(IptcTagDefinitions(), 10, 1), nullptr);
}

TEST(ATagTable, givesFormatSizes) {
  const int sizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 0, 0};
  for (int format = 0; format < 15; ++format) EXPECT_EQ(FormatSize(format), sizes[format]) << format;
  EXPECT_EQ(FormatSize(-1), 0);
}
