// IPTC lines of an APP13 segment.

#include <gtest/gtest.h>

#include "fixture_builder.h"
#include "metadata/iptc_data.h"
#include "metadata/timg_data.h"
#include "photo_reading.h"

using fixture::IptcDataset;

namespace {

// The segment's Data (length bytes first) for a payload.
std::string SegmentData(const std::string& payload) {
  return fixture::BE16(static_cast<std::uint16_t>(payload.size() + 2)) + payload;
}

std::vector<std::string> LinesOf(const std::string& payload) {
  TIPTCdata iptc(nullptr);
  return iptc.IptcLines(SegmentData(payload));
}

}  // namespace

TEST(AnIptcReader, givesOneLinePerNamedDatasetInFileOrder) {
  const std::string datasets = IptcDataset(2, 0, std::string("\x00\x04", 2)) + IptcDataset(2, 25, "sunset") +
                               IptcDataset(2, 25, "beach") + IptcDataset(2, 120, "Holiday");
  const auto read = fixture::ReadPhotoBytes(fixture::JpegBuilder().App13Iptc(datasets).FakeScan().Build());
  ASSERT_TRUE(read.result);
  ASSERT_NE(read.data->Iptc, nullptr);
  EXPECT_EQ(read.data->Iptc->IptcLines(read.data->IptcSection->Data),
            (std::vector<std::string>{"Keywords = sunset", "Keywords = beach", "Image caption = Holiday"}));
}

TEST(AnIptcReader, namesUndefinedDatasetsOfRecordsTwoAndEightAsCustom) {
  const auto lines = LinesOf(fixture::PhotoshopIptcPayload(
      IptcDataset(2, 200, "xyz") + IptcDataset(8, 10, "sub") + IptcDataset(8, 99, "raw")));
  EXPECT_EQ(lines, (std::vector<std::string>{"Custom_200 = xyz", "Subfile = sub", "Custom_99 = raw"}));
}

TEST(AnIptcReader, skipsEnvelopeDatasetsAndPassesBytesOnUnchanged) {
  const std::string utf8 = "Z\xC3\xBCrich";
  const auto lines = LinesOf(fixture::PhotoshopIptcPayload(IptcDataset(1, 90, "\x1B%G") + IptcDataset(2, 90, utf8)));
  EXPECT_EQ(lines, (std::vector<std::string>{"City = " + utf8}));
}

TEST(AnIptcReader, givesNoLinesWithoutADatasetMarker) {
  EXPECT_TRUE(LinesOf(std::string("Photoshop 3.0\0" "8BIM\x04\x04\0\0\0\0\0\0", 26)).empty());
  EXPECT_TRUE(LinesOf("").empty());
  EXPECT_TRUE(LinesOf(std::string("\x1C\x03", 2)).empty());
}

TEST(AnIptcReader, searchesFromPositionThirteenWithoutThePhotoshopMark) {
  // The first 12 positions (length bytes and 10 payload bytes) are not searched.
  const auto lines = LinesOf(std::string("\x1C\x02", 2) + std::string(8, ' ') + IptcDataset(2, 5, "Name"));
  EXPECT_EQ(lines, (std::vector<std::string>{"Object name = Name"}));
}

TEST(AnIptcReader, readsOnPastTheIptcResourceAndCutsValuesAtTheEnd) {
  std::string payload = fixture::PhotoshopIptcPayload(IptcDataset(2, 5, "Title"));
  payload += IptcDataset(2, 105, "Head");  // bytes after the resource that look like a dataset
  payload += std::string("\x1C\x02\x78\x01\x00" "cut", 8);  // claims 256 bytes
  EXPECT_EQ(LinesOf(payload),
            (std::vector<std::string>{"Object name = Title", "Image headline = Head", "Image caption = cut"}));
}

TEST(AnIptcReader, readsDatasetsOneByOne) {
  const std::string data = std::string("\0\0", 2) + IptcDataset(2, 55, "20040101") + IptcDataset(2, 0, "x");
  std::int64_t q = 4;  // the record number of the first dataset
  const TTagEntry first = TIPTCdata::ReadDataset(data, q);
  EXPECT_EQ(first.Name, "DateCreated");
  EXPECT_EQ(first.Label, "Date created");
  EXPECT_EQ(first.IptcCode, 2);
  EXPECT_EQ(first.TagNumber, 55);
  EXPECT_EQ(first.Text, "20040101");
  EXPECT_EQ(q, 4 + 4 + 8 + 1);
  const TTagEntry skipped = TIPTCdata::ReadDataset(data, q);
  EXPECT_TRUE(skipped.Name.empty());
}
