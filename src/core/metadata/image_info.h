#pragma once
// TImageInfo: the EXIF directories of one file. It walks the TIFF-style directories of the EXIF
// segment (or of the head of a TIFF-structured file), renders every entry with a definition as
// text, remembers a few values (make, model, date, pixel size, flash) and lists the found tags.

#include <cstdint>
#include <ctime>
#include <functional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/end_ind.h"
#include "metadata/tag_entry.h"

class TimgData;

// Formats the date part of a file time for the summary's "File Date: " line.
using ShortDateFormatter = std::function<std::string(std::time_t)>;
// The default short date: dd.mm.yyyy in local time.
std::string DefaultShortDate(std::time_t time);

// A build mode for the photo list: texts and list entries only for the values a list row shows
// (make, model, date-time, the EXIF pixel size), no maker note. Those values come out exactly
// as with 255; everything else is left out, which makes a folder scan much cheaper.
inline constexpr int kBuildCameraValues = 1;

class TImageInfo : public tEndInd {
 public:
  TImageInfo(TimgData* parent, int buildMode);
  ~TImageInfo() override;
  TImageInfo(const TImageInfo&) = delete;
  TImageInfo& operator=(const TImageInfo&) = delete;

  std::vector<TTagEntry> Tags;       // found tags of groups 0 and 1, in the order found
  std::vector<TTagEntry> ThumbTags;  // tags of the thumbnail directory
  TimgData* Parent = nullptr;
  int BuildMode = 255;               // 2: texts, 4: lists, 255: both, kBuildCameraValues
  bool FromTiff = false;

  std::string ExifVersion;   // first 6 raw bytes of tag 0x9000
  std::string MakeText;      // at most 32 characters, not trimmed
  std::string ModelText;     // at most 40 characters, not trimmed
  std::string DateTimeText;  // DateTime or DateTimeOriginal, whichever was read last (<= 20)
  int PixelHeight = 0;
  int PixelWidth = 0;
  int HeightPos = 0;         // position of the value field of the last pixel-height entry
  int WidthPos = 0;          // position of the value field of the last pixel-width entry
  int FlashValue = 0;
  std::string MakerNoteRaw;  // bytes of tag 0x927C
  int MakerNoteOffset = 0;   // position of the MakerNote value in the buffer
  bool HasMakerNote = false; // the maker-note decoder recognised the make
  int ThumbOffset = 0;       // thumbnail directory offset from the TIFF header; 0 when none
  int ThumbLength = 0;       // bytes from the thumbnail directory to the end of the EXIF data

  // Reads one directory and its sub-directories. start: position of the entry count; base:
  // position of offset 0 of the TIFF header; kind: 1 main/Exif/Interop, 2 GPS, 4 thumbnail.
  // A read outside the buffer in this directory's own structure throws MetadataReadError.
  void WalkDirectory(std::int64_t start, std::int64_t base, int kind, std::int64_t maxLength);
  // Walks the thumbnail directory into ThumbTags. Callers check HasThumbnail first. A damaged
  // thumbnail directory keeps the entries read before the damage and gives false.
  bool ReadThumbnailTags();

  // Appends unless the entry's tag number is 0; returns the index of the (last) entry.
  int AppendTag(const TTagEntry& entry);
  int AppendTag(TTagEntry&& entry);
  int AppendThumbTag(const TTagEntry& entry);
  int AppendThumbTag(TTagEntry&& entry);

  // First entry of Tags whose Name equals name, ignoring case; -1 when none.
  virtual int IndexOfTag(std::string_view name) const;
  // Text of that entry; empty when none.
  virtual std::string TagTextOf(std::string_view name) const;
  // Copy of that entry; an all-empty entry when none.
  TTagEntry FindTag(std::string_view name) const;
  // ValueToNumber of the found entry; 0 when not found.
  double TagNumberValue(std::string_view name) const;
  // TagNumberValue rounded to the nearest integer, halves to even.
  int TagIntValue(std::string_view name) const;
  // Index of the first of the 250 EXIF definitions with this name, ignoring case; -1 when none.
  static int IndexOfTagDefinition(std::string_view name);

  // Iterations over Tags and ThumbTags, skipping entries of other groups.
  void RewindTags() { tagCursor_ = 0; }
  bool NextFoundTag(int group, TTagEntry& entry);
  void RewindThumbTags() { thumbCursor_ = 0; }
  bool NextFoundThumbTag(int group, TTagEntry& entry);

  // Writes a new pixel size into the EXIF segment's bytes of the parent (for a resized copy).
  void FitSizeTags(int height, int width);

  // Adds the derived 35 mm equivalent focal length when the file carries none.
  void Compute35mmFocalLength();
  // The short description of the photo, lines separated by CR LF, no trailing line break.
  std::string SummaryText(const ShortDateFormatter& shortDate = DefaultShortDate) const;

  // Maker notes (defined with the maker-note decoder): walks a maker-note directory held in
  // makerNote with a vendor table; value offsets o lie at maker-note position o + offsetBase,
  // or, when they reach past the maker-note bytes, at o + fallbackBase of the EXIF segment.
  void WalkMakerNoteDirectory(const std::string& makerNote, std::span<const TagDefinition> table,
                              int directoryStart, int offsetBase, int fallbackBase);
  // Appends a group-1 entry with Name and Label label, Text and RawBytes text, Format 2.
  void AppendMakerNoteTag(const std::string& label, const std::string& text);

 private:
  void WalkEntries(std::int64_t start, std::int64_t base, int kind, std::int64_t maxLength,
                   int count);
  void WalkSubDirectory(std::int64_t position, std::int64_t base, int kind,
                        std::int64_t maxLength);
  void SetParentError(const std::string& text);

  std::size_t tagCursor_ = 0;
  std::size_t thumbCursor_ = 0;
  std::set<std::int64_t> visitedDirectories_;  // stops directory cycles of any length
  int walkDepth_ = 0;
};
