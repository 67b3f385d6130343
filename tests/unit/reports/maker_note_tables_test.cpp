// Invariants of the vendor tables, and the few spellings that must stay exactly as they are.

#include "metadata/maker_note_tables.h"

#include <gtest/gtest.h>

#include <set>

#include "metadata/tag_tables.h"

namespace {

struct TableCase {
  const char* name;
  std::span<const TagDefinition> table;
  std::size_t size;
};

std::vector<TableCase> Tables() {
  return {{"Nikon type 1", NikonType1Tags(), 11}, {"Nikon type 2 and 3", NikonType2And3Tags(), 29},
          {"Olympus", OlympusTags(), 33},         {"Casio type 1", CasioType1Tags(), 26},
          {"Casio type 2", CasioType2Tags(), 45}, {"Fujifilm", FujifilmTags(), 18},
          {"Canon", CanonTags(), 16},             {"Seiko", SeikoTags(), 12},
          {"Sanyo", SanyoTags(), 6},              {"Minolta", MinoltaTags(), 2}};
}

TEST(AVendorTable, hasItsSizeUniqueTagNumbersLabelsAndWellFormedValueLists) {
  for (const TableCase& c : Tables()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.table.size(), c.size);
    std::set<std::uint16_t> numbers;
    for (const TagDefinition& definition : c.table) {
      EXPECT_TRUE(numbers.insert(definition.TagNumber).second) << definition.TagNumber;
      EXPECT_FALSE(definition.Name.empty());
      EXPECT_FALSE(definition.Label.empty()) << definition.Name;
      EXPECT_TRUE(definition.FormatText.empty());
      // Every pair of a value list is value:text, the value a whole number.
      std::string_view list = definition.ValueList;
      while (!list.empty()) {
        const std::string_view pair = list.substr(0, list.find(','));
        const std::size_t colon = pair.find(':');
        ASSERT_NE(colon, std::string_view::npos) << definition.Name;
        EXPECT_EQ(pair.substr(0, colon).find_first_not_of("0123456789"), std::string_view::npos) << pair;
        list.remove_prefix(std::min(list.size(), pair.size() + 1));
      }
    }
  }
}

TEST(AVendorTable, keepsItsOddSpellings) {
  const TagDefinition* releases = FindDefinition(NikonType2And3Tags(), 0x00A7);
  ASSERT_NE(releases, nullptr);
  EXPECT_EQ(releases->Name, "TotalShutterReleases ");
  EXPECT_EQ(releases->Label, "Total Shutter Releases ");
  EXPECT_EQ(FindDefinition(CasioType2Tags(), 0x0E00)->Label, "\tPrint Image Matching Info");
  EXPECT_EQ(FindDefinition(CasioType2Tags(), 0x0004)->Label, "Thumbnail OffSet");
  EXPECT_EQ(FindDefinition(CasioType2Tags(), 0x001D)->Label, "Focal Length (.1 mm)");
  EXPECT_EQ(FindDefinition(NikonType1Tags(), 0x0002)->Label, "FamilyID");  // labels are never derived
  EXPECT_EQ(FindDefinition(SeikoTags(), 0x0200)->Label, "Special Mode");
  EXPECT_EQ(FindDefinition(SeikoTags(), 0x0300)->Label, "??");
  EXPECT_EQ(FindDefinition(FujifilmTags(), 0x1100)->Label, "ContTake/Bracket");
  EXPECT_EQ(FindDefinition(FujifilmTags(), 0x1002)->ValueList.substr(FindDefinition(FujifilmTags(), 0x1002)->ValueList.rfind(':') + 1),
            "Custom white balance.");
  // Casio type 2 lists 2013 before 2012.
  const auto casio = CasioType2Tags();
  const auto at = [&casio](std::uint16_t tag) {
    return std::find_if(casio.begin(), casio.end(), [tag](const TagDefinition& d) { return d.TagNumber == tag; });
  };
  EXPECT_LT(at(0x2013), at(0x2012));
}

TEST(AVendorTable, marksSkippedTagsInAnyLetterCase) {
  EXPECT_TRUE(IsSkipLabel("Skip"));
  EXPECT_TRUE(IsSkipLabel("skip"));
  EXPECT_TRUE(IsSkipLabel("SKIP"));
  EXPECT_FALSE(IsSkipLabel("Skipped"));
  EXPECT_FALSE(IsSkipLabel(""));
  EXPECT_TRUE(IsSkipLabel(FindDefinition(SeikoTags(), 0x0F00)->Label));
  EXPECT_FALSE(IsSkipLabel(FindDefinition(SanyoTags(), 0x0F00)->Label));
}

}  // namespace
