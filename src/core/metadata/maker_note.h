#pragma once
// TmsInfo: reads the maker note of one file. It picks a layout from the camera make, walks the
// maker-note directory with the matching vendor table and appends the decoded entries to the
// image's tag list as group 1. Eight makes are known: Nikon, Olympus, Casio, Fujifilm, Canon,
// Seiko, Sanyo and Minolta.

#include <optional>
#include <span>
#include <string_view>

#include "metadata/tag_entry.h"

class TImageInfo;

// Where a maker note's directory and values lie, for one make.
struct MakerNoteLayout {
  std::string_view Name;                // "Nikon type 3", "Canon", ...
  std::span<const TagDefinition> Table;
  int DirectoryStart = 0;               // maker-note byte of the entry count, counted from 0
  int OffsetBase = 0;                   // a value offset o lies at maker-note position o + OffsetBase
  int FallbackBase = 0;                 // ... or, past the note's end, at o + FallbackBase of the EXIF data
  bool LittleEndian = false;            // read little-endian whatever the file's byte order
};

// The layout for the image's make, model, EXIF version and maker-note bytes; none when the make
// is not one of the eight. fromTiff: the file is TIFF-structured (offsets map 16 bytes later).
std::optional<MakerNoteLayout> ChooseMakerNoteLayout(const TImageInfo& info, bool fromTiff);

class TmsInfo {
 public:
  TmsInfo(bool fromTiff, TImageInfo& info) : FromTiff(fromTiff), Info(info) {}

  bool FromTiff;
  TImageInfo& Info;

  // Walks the maker note when the make is known; true then. A failure inside the walk is
  // written into the parent's ErrorText and never leaves this call.
  bool ReadMakerNote();
};
