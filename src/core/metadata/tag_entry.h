#pragma once
// One record type for a tag definition in a table and for a tag found in a file.
// Definitions are constexpr data (TagDefinition); found tags are runtime records (TTagEntry)
// that start as a copy of their definition.

#include <cstdint>
#include <string>
#include <string_view>

class TImageInfo;

// A special formatter: turns the rendered text of an entry into its final text. Most ignore the
// TImageInfo; formatters that derive entries of their own append them to it.
using TagFormatter = std::string (*)(const std::string& text, TImageInfo& info);

struct TagDefinition {
  std::uint16_t TagNumber = 0;
  std::string_view Name;        // search name, compared ignoring case
  std::string_view Label;       // display name; empty: derived from Name (LabelFromName)
  std::string_view ValueList;   // "1:None Specified,2:Inch" or empty
  std::string_view FormatText;  // "%5.2f", "%s sec", "F%0.1f" or empty
  TagFormatter Formatter = nullptr;
  std::uint16_t IptcCode = 0;   // record number of IPTC definitions, 0 elsewhere
};

struct TTagEntry {
  std::int32_t Group = 0;        // 0 EXIF directories, 1 maker note
  std::uint16_t Format = 0;      // EXIF format code 1..12
  std::uint16_t IptcCode = 0;    // IPTC record number
  std::uint16_t TagNumber = 0;
  std::string Name;
  std::string Label;
  std::string ValueList;
  std::string Text;              // the rendered value
  std::string RawBytes;          // the value's bytes as stored
  std::int32_t ValuePos = 0;     // 1-based position of the value in the buffer
  std::string FormatText;
  std::int32_t RawSize = 0;
  TagFormatter Formatter = nullptr;
};

// The label rule: the first character stays; a blank goes before every capital letter A-Z that
// follows a character other than a capital letter ("ExifImageWidth" -> "Exif Image Width").
std::string LabelFromName(std::string_view name);

// A found entry that starts as a copy of the definition (label derived when the table gives none).
TTagEntry EntryFromDefinition(const TagDefinition& definition);
