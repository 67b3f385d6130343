#include "metadata/iptc_data.h"

#include <algorithm>

#include "metadata/tag_tables.h"

namespace {

// IPTC-IIM dataset definitions of records 2 (application) and 8 (object data).
constexpr TagDefinition kIptcTags[] = {
    {0, "SKIP", "Record Version", {}, {}, nullptr, 2},
    {3, "ObjectType", "Object Type Ref", {}, {}, nullptr, 2},
    {4, "ObjectAttr", "Object Attribute Ref", {}, {}, nullptr, 2},
    {5, "ObjectName", "Object name", {}, {}, nullptr, 2},
    {7, "EditStatus", "Edit Status", {}, {}, nullptr, 2},
    {8, "EditorialUpdate", "Editorial Update", {}, {}, nullptr, 2},
    {10, "Urgency", "Urgency", {}, {}, nullptr, 2},
    {12, "SubRef", "Subject Reference", {}, {}, nullptr, 2},
    {15, "Category", "Category", {}, {}, nullptr, 2},
    {20, "SuppCategory", "Supplemental category", {}, {}, nullptr, 2},
    {22, "FixtureID", "Fixture ID", {}, {}, nullptr, 2},
    {25, "Keywords", "Keywords", {}, {}, nullptr, 2},
    {26, "ContentLocCode", "Content Location Code", {}, {}, nullptr, 2},
    {27, "ContentLocName", "Content Location Name", {}, {}, nullptr, 2},
    {30, "ReleaseDate", "Release Date", {}, {}, nullptr, 2},
    {35, "ReleaseTime", "Release Time", {}, {}, nullptr, 2},
    {37, "ExpireDate", "Expiration Date", {}, {}, nullptr, 2},
    {38, "ExpireTime", "Expiration Time", {}, {}, nullptr, 2},
    {40, "SpecialInstru", "Special Instructions", {}, {}, nullptr, 2},
    {42, "ActionAdvised", "Action Advised", {}, {}, nullptr, 2},
    {45, "RefService", "Reference Service", {}, {}, nullptr, 2},
    {47, "RefDate", "Reference Date", {}, {}, nullptr, 2},
    {50, "RefNumber", "Reference Number", {}, {}, nullptr, 2},
    {55, "DateCreated", "Date created", {}, {}, nullptr, 2},
    {60, "TimeCreated", "Time created", {}, {}, nullptr, 2},
    {62, "DigitizeDate", "Digital Creation Date", {}, {}, nullptr, 2},
    {63, "DigitizeTime", "Digital Creation Time", {}, {}, nullptr, 2},
    {65, "OriginatingProgram", "Originating Program", {}, {}, nullptr, 2},
    {70, "ProgramVersion", "Program version", {}, {}, nullptr, 2},
    {75, "ObjectCycle", "Object Cycle", {}, {}, nullptr, 2},
    {80, "ByLine", "ByLine", {}, {}, nullptr, 2},
    {85, "ByLineTitle", "ByLine Title", {}, {}, nullptr, 2},
    {90, "City", "City", {}, {}, nullptr, 2},
    {92, "SubLocation", "Sublocation", {}, {}, nullptr, 2},
    {95, "State", "Province/State", {}, {}, nullptr, 2},
    {100, "LocationCode", "Country/Primary Location Code", {}, {}, nullptr, 2},
    {101, "LocationName", "Country/Primary Location Name", {}, {}, nullptr, 2},
    {103, "TransmissionRef", "Original Transmission Reference", {}, {}, nullptr, 2},
    {105, "ImageHeadline", "Image headline", {}, {}, nullptr, 2},
    {110, "ImageCredit", "Image credit", {}, {}, nullptr, 2},
    {115, "Source", "Source", {}, {}, nullptr, 2},
    {116, "Copyright", "Copyright Notice", {}, {}, nullptr, 2},
    {118, "Contact", "Contact", {}, {}, nullptr, 2},
    {120, "ImageCaption", "Image caption", {}, {}, nullptr, 2},
    {122, "ImageCaptionWriter", "Image caption writer", {}, {}, nullptr, 2},
    {130, "ImageType", "Image type", {}, {}, nullptr, 2},
    {131, "Orientation", "Image Orientation", {}, {}, nullptr, 2},
    {135, "LangID", "Language ID", {}, {}, nullptr, 2},
    {10, "Subfile", "Subfile", {}, {}, nullptr, 8},
};

static_assert(std::size(kIptcTags) == 49);

constexpr unsigned char kDatasetMarker = 0x1C;
constexpr std::string_view kPhotoshopSignature = "Photoshop 3.0";

unsigned ByteAt(const std::string& data, std::int64_t pos) {
  return static_cast<unsigned char>(data[static_cast<std::size_t>(pos - 1)]);
}

// len bytes from 1-based position q, fewer when the data ends earlier.
std::string ValueAt(const std::string& data, std::int64_t q, std::int64_t len) {
  const auto total = static_cast<std::int64_t>(data.size());
  if (q < 1 || q > total) return {};
  return data.substr(static_cast<std::size_t>(q - 1),
                     static_cast<std::size_t>(std::min(len, total - (q - 1))));
}

}  // namespace

std::span<const TagDefinition> IptcTagDefinitions() { return kIptcTags; }

TTagEntry TIPTCdata::ReadDataset(const std::string& data, std::int64_t& q) {
  TTagEntry found;
  const auto total = static_cast<std::int64_t>(data.size());
  if (q < 1 || q + 3 > total) {
    q = total + 1;
    return found;
  }
  const unsigned record = ByteAt(data, q);
  const unsigned dataset = ByteAt(data, q + 1);
  const std::int64_t length = ByteAt(data, q + 2) * 256 + ByteAt(data, q + 3);
  q += 4;
  if (record == 2 || record == 8) {
    const TagDefinition* definition = FindDefinition(
        kIptcTags, static_cast<std::uint16_t>(dataset), static_cast<std::uint16_t>(record));
    if (definition != nullptr) {
      if (definition->Name != "SKIP") {
        found = EntryFromDefinition(*definition);
        found.Text = ValueAt(data, q, length);
      }
    } else {
      found.Name = "Custom_" + std::to_string(dataset);
      found.Label = found.Name;
      found.TagNumber = static_cast<std::uint16_t>(dataset);
      found.IptcCode = static_cast<std::uint16_t>(record);
      found.Text = ValueAt(data, q, length);
    }
  }
  // Past the value and the 0x1C byte expected to start the next dataset.
  q += length + 1;
  return found;
}

std::vector<std::string> TIPTCdata::IptcLines(const std::string& data) const {
  std::vector<std::string> lines;
  const auto signature = data.find(kPhotoshopSignature);
  const std::int64_t p = signature == std::string::npos ? 0 : static_cast<std::int64_t>(signature) + 1;
  const auto total = static_cast<std::int64_t>(data.size());
  std::int64_t first = 0;
  for (std::int64_t i = std::max<std::int64_t>(p + 13, 1); i + 1 <= total; ++i) {
    const unsigned next = ByteAt(data, i + 1);
    if (ByteAt(data, i) == kDatasetMarker && (next == 2 || next == 8)) {
      first = i;
      break;
    }
  }
  if (first == 0) return lines;
  std::int64_t q = first + 1;
  while (q < total - 2) {
    const TTagEntry dataset = ReadDataset(data, q);
    if (!dataset.Name.empty()) lines.push_back(dataset.Label + " = " + dataset.Text);
  }
  return lines;
}
