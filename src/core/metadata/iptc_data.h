#pragma once
// TIPTCdata: the IPTC-IIM datasets of an APP13 segment as readable lines "Label = value".
// Values are passed on as stored: no character conversion, no trimming.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "metadata/tag_entry.h"

class TimgData;

// The 49 IPTC definitions (records 2 and 8).
std::span<const TagDefinition> IptcTagDefinitions();

class TIPTCdata {
 public:
  explicit TIPTCdata(TimgData* owner) : Owner(owner) {}

  TimgData* Owner = nullptr;

  // The lines of the datasets in segment data (Data of the IPTC section, starting with its two
  // length bytes), in the order they occur.
  std::vector<std::string> IptcLines(const std::string& data) const;
  // Reads the dataset whose record number is at 1-based position q of data and advances q
  // past it and the 0x1C byte expected after it. An entry with an empty Name gives no line.
  static TTagEntry ReadDataset(const std::string& data, std::int64_t& q);
};
