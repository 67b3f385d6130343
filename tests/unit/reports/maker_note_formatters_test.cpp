#include "metadata/maker_note_formatters.h"

#include <gtest/gtest.h>

#include "metadata/image_info.h"
#include "metadata/timg_data.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries AsPairs(const std::vector<DerivedMakerNoteEntry>& entries) {
  Entries pairs;
  for (const DerivedMakerNoteEntry& entry : entries) pairs.emplace_back(entry.Label, entry.Text);
  return pairs;
}

// The rendered list of n SHORT values, all 0 except the given positions (counted from 1).
std::string Values(int n, std::initializer_list<std::pair<int, int>> set) {
  std::vector<int> values(static_cast<std::size_t>(n), 0);
  for (auto [position, value] : set) values[static_cast<std::size_t>(position - 1)] = value;
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) text += (i ? ", " : "") + std::to_string(values[i]);
  return text;
}

TEST(ANikonColorMode, namesTheThreeModesAndKeepsOthers) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"MODE1   \"", "Mode1 (sRGB)"},
      {"\"MODE2\"", "Mode 2 (Adobe RGB)"},
      {"\"MODE3a\"", "Mode 3 (sRGB): higher saturation"},
      {"\"COLOR\"", "COLOR"},
      {"\"mode1\"", "mode1"},  // the comparison keeps the letter case
      {"\"BW\"", "BW\""},      // five characters from the second, the closing quote included
      {"", ""},
  };
  for (auto [text, expected] : cases) EXPECT_EQ(NikonColorModeText(text), expected) << text;
}

TEST(ALensRange, writesFocalAndApertureRanges) {
  EXPECT_EQ(LensRangeText("180/10, 700/10, 35/10, 45/10"), "18.0-70.0(mm)  F3.5-F4.5");
  EXPECT_EQ(LensRangeText("50/1, 50/1, 14/10, 14/10"), "50.0-50.0(mm)  F1.4-F1.4");
  EXPECT_EQ(LensRangeText("0/0, 0/0, 0/0, 0/0"), "0.0-0.0(mm)  F0.0-F0.0");
  EXPECT_EQ(LensRangeText("180/10, 700/10"), "18.0-70.0(mm)  F0.0-F0.0");
}

TEST(ACanonSettings, decodesEachFieldAtItsPosition) {
  const std::string text = Values(34, {{2, 2}, {4, 5}, {5, 16}, {6, 1}, {8, 6}, {11, 6}, {12, 11}, {14, 65535},
                                       {15, 1}, {16, 0}, {17, 16}, {18, 1}, {20, 65535}, {21, 0}, {24, 105},
                                       {25, 35}, {26, 1}, {29, 7}, {33, 1}});
  EXPECT_EQ(AsPairs(CanonSettingsFields(text)),
            (Entries{{"Macro mode", "Normal"},
                     {"Self Timer", " 2"},
                     {"Compression Rate", "SuperFine"},
                     {"Flash Mode", "External flash"},
                     {"Drive Mode", "Continuous"},
                     {"Focus Mode", "MF"},
                     {"Image Size", "1.5 MPixel"},
                     {"Easy Shoot", "Pan Focus"},
                     {"Contrast", "Low"},
                     {"Saturation", "High"},
                     {"Sharpness", "Normal"},
                     {"CCD ISO", "50"},
                     {"Metering Mode", "High"},
                     {"AF Point", "Low"},
                     {"Exposure Mode", "Normal"},
                     {"Long focal", " 105"},
                     {"Short focal", " 35"},
                     {"Focal Units", " 1"},
                     {"Flash Details", " 7"},
                     {"Focus Mode", "High"}}));
}

TEST(ACanonSettings, leavesOutValuesNotInTheListAndPositionsBeyondTheList) {
  // Macro mode 0 is not in its list; the list ends after position 3.
  EXPECT_EQ(AsPairs(CanonSettingsFields("6, 0, 9")), (Entries{{"Self Timer", " 0"}}));
  EXPECT_EQ(AsPairs(CanonSettingsFields("")), Entries{});
  EXPECT_EQ(AsPairs(CanonSettingsFields("\"text\"")), Entries{});
}

TEST(ACanonShotInfo, decodesWhiteBalanceFlashBiasAndPlainFields) {
  const std::string text = Values(19, {{8, 4}, {9, 3}, {11, 12}, {14, 2}, {16, 65524}, {19, 1800}});
  EXPECT_EQ(AsPairs(CanonShotInfoFields(text)), (Entries{{"White balance", "Flourescent"},
                                                         {"Sequence Number", " 3"},
                                                         {"OpticalZoom Step", " 12"},
                                                         {"AF point", " 2"},
                                                         {"Flash bias", "-0.33 EV"},
                                                         {"Distance", " 1800"}}));
}

TEST(ACanonCustomFunction, splitsEachValueIntoFunctionAndSetting) {
  // Every value but the last; function 0, function 16, an unknown setting and a text add nothing.
  const std::string text = "257, 0, 4097, 2047, 1537, 1793, 1794, 3841, 3584, x, 514, 257";
  EXPECT_EQ(AsPairs(CanonCustomFunctionFields(text)), (Entries{{"Noise Reduction", " On"},
                                                               {"AV Shutter Speed", " 1/200 (fixed)"},
                                                               {"AEB Sequence", " 0, -, + / Disabled"},
                                                               {"AEB Sequence", " -, 0, + / Enabled"},
                                                               {"Shutter Release w/o CF Card", "Disable"},
                                                               {"Superimposed Display", " On"},
                                                               {"Shutter AE Lock Button", "AF/AF lock"}}));
  EXPECT_EQ(AsPairs(CanonCustomFunctionFields("257")), Entries{});
}

TEST(ACanonFormatter, appendsTheDerivedEntriesAndReturnsThemAsLines) {
  TimgData parent(255);
  TImageInfo info(&parent, 255);
  const std::string text = CanonCustomFunctionsText("257, 768, 0", info);
  EXPECT_EQ(text, "\r\nNoise Reduction =  On\r\nMirror Lockup = Disable");
  ASSERT_EQ(info.Tags.size(), 2u);
  EXPECT_EQ(info.Tags[0].Label, "Noise Reduction");
  EXPECT_EQ(info.Tags[0].Text, " On");
  EXPECT_EQ(info.Tags[0].Group, 1);
  EXPECT_EQ(info.Tags[1].Label, "Mirror Lockup");

  TImageInfo empty(&parent, 255);
  EXPECT_EQ(CanonSettingsText("0", empty), "");
  EXPECT_TRUE(empty.Tags.empty());
}

}  // namespace
