#include "metadata/image_info.h"

#include <algorithm>
#include <limits>

#include "metadata/maker_note.h"
#include "metadata/read_failure.h"
#include "metadata/tag_tables.h"
#include "metadata/timg_data.h"
#include "metadata/value_rendering.h"

namespace {

constexpr std::uint16_t kTagImageWidth = 0x0100;
constexpr std::uint16_t kTagImageLength = 0x0101;
constexpr std::uint16_t kTagMake = 0x010F;
constexpr std::uint16_t kTagModel = 0x0110;
constexpr std::uint16_t kTagDateTime = 0x0132;
constexpr std::uint16_t kTagSubIfds = 0x014A;
constexpr std::uint16_t kTagExifOffset = 0x8769;
constexpr std::uint16_t kTagGpsInfo = 0x8825;
constexpr std::uint16_t kTagExifVersion = 0x9000;
constexpr std::uint16_t kTagDateTimeOriginal = 0x9003;
constexpr std::uint16_t kTagFlash = 0x9209;
constexpr std::uint16_t kTagMakerNote = 0x927C;
constexpr std::uint16_t kTagUserComment = 0x9286;
constexpr std::uint16_t kTagExifImageWidth = 0xA002;
constexpr std::uint16_t kTagExifImageLength = 0xA003;
constexpr std::uint16_t kTagInteropOffset = 0xA005;

// Nesting limit of sub-directory walks; the visited set already stops cycles, this bounds the
// stack for long chains of distinct directories.
constexpr int kMaxWalkDepth = 32;

bool BuildsTexts(int buildMode) {
  return buildMode == 2 || buildMode == 255 || buildMode == kBuildCameraValues;
}
bool BuildsLists(int buildMode) {
  return buildMode == 4 || buildMode == 255 || buildMode == kBuildCameraValues;
}

// The entries the list-row mode keeps: those behind MakeText, ModelText, DateTimeText and the
// two pixel-size texts looked up by name.
bool IsCameraValueEntry(std::uint16_t tag, const TagDefinition& definition) {
  return tag == kTagMake || tag == kTagModel || tag == kTagDateTime || tag == kTagDateTimeOriginal ||
         SameNameIgnoringCase(definition.Name, "ExifImageWidth") ||
         SameNameIgnoringCase(definition.Name, "ExifImageLength");
}

// The size bytes of buffer from 1-based position pos, cut where the buffer ends.
std::string BytesFrom(const std::string& buffer, std::int64_t pos, std::int64_t size) {
  const auto total = static_cast<std::int64_t>(buffer.size());
  if (pos < 1 || pos > total || size <= 0) return {};
  const std::int64_t available = total - (pos - 1);
  return buffer.substr(static_cast<std::size_t>(pos - 1),
                       static_cast<std::size_t>(std::min(size, available)));
}

// Leading and trailing blanks and control characters removed.
std::string TrimControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return std::string(text);
}

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

TImageInfo::TImageInfo(TimgData* parent, int buildMode) : Parent(parent), BuildMode(buildMode) {
  Tags.reserve(48);  // a camera file lists about this many entries
}

TImageInfo::~TImageInfo() = default;

void TImageInfo::SetParentError(const std::string& text) {
  if (Parent != nullptr) Parent->ErrorText = text;
}

void TImageInfo::WalkDirectory(std::int64_t start, std::int64_t base, int kind,
                               std::int64_t maxLength) {
  if (walkDepth_ == 0) visitedDirectories_.clear();
  if (walkDepth_ >= kMaxWalkDepth) return;
  if (!visitedDirectories_.insert(start).second) return;
  struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
  } guard(walkDepth_);

  const int count = ReadU16(start);
  if (2 + 12 * static_cast<std::int64_t>(count) > base + maxLength) {
    SetParentError(kErrorIllegalDirectorySize);
    return;
  }
  if (kind == kDirectoryMain && ThumbOffset == 0 && !FromTiff) {
    ThumbOffset = ReadU32(start + 2 + 12 * static_cast<std::int64_t>(count));
    ThumbLength = ClampToInt(base + maxLength - ThumbOffset);
  }
  WalkEntries(start, base, kind, maxLength, count);
}

void TImageInfo::WalkSubDirectory(std::int64_t position, std::int64_t base, int kind,
                                  std::int64_t maxLength) {
  try {
    WalkDirectory(position, base, kind, maxLength);
  } catch (const std::exception&) {
    // A damaged sub-directory is abandoned; the enclosing directory goes on.
  }
}

void TImageInfo::WalkEntries(std::int64_t start, std::int64_t base, int kind,
                             std::int64_t maxLength, int count) {
  for (int i = 0; i < count; ++i) {
    const std::int64_t e = start + 2 + 12 * static_cast<std::int64_t>(i);
    const auto tag = static_cast<std::uint16_t>(ReadU16(e));
    const int format = ReadU16(e + 2);
    const auto components = static_cast<std::uint32_t>(ReadU32(e + 4));
    const std::int64_t size = static_cast<std::int64_t>(FormatSize(format)) * components;
    if (size == 0) continue;
    const std::int64_t valuePos = size <= 4 ? e + 8 : ReadU32(e + 8) + base;
    std::string raw = BytesFrom(Buffer, valuePos, size);

    const TagDefinition& definition = LookupTagDefinition(tag, kind);
    const bool wanted = BuildMode != kBuildCameraValues || IsCameraValueEntry(tag, definition);
    std::string text;
    if (wanted && BuildsTexts(BuildMode)) {
      if (format == kFormatAscii) {
        text = raw.substr(0, static_cast<std::size_t>(std::min<std::int64_t>(
                                 size - 1, static_cast<std::int64_t>(raw.size()))));
      } else if (format == kFormatUndefined) {
        text = "\"" + raw.substr(0, raw.find('\0')) + "\"";
      } else {
        text = ValueToText(raw, format, definition.ValueList, definition.FormatText, BigEndian);
      }
      if (definition.TagNumber != 0 && definition.Formatter != nullptr) {
        text = definition.Formatter(text, *this);
      } else {
        text = PrintableText(text);
      }
      // The 8-byte character-code prefix is dropped; every byte after it belongs to the text.
      if (tag == kTagUserComment) text = TrimControls(std::string_view(raw).substr(std::min<std::size_t>(8, raw.size())));
    }

    // The thumbnail directory describes the thumbnail: it does not change the photo's values.
    if (kind != kDirectoryThumbnail) {
      const int value = RoundHalfEven(ValueToNumber(raw, format, BigEndian));
      switch (tag) {
        case kTagImageWidth:
        case kTagExifImageWidth:
          WidthPos = ClampToInt(e + 8);
          PixelWidth = value;
          break;
        case kTagImageLength:
        case kTagExifImageLength:
          HeightPos = ClampToInt(e + 8);
          PixelHeight = value;
          break;
        case kTagMake: MakeText = text.substr(0, 32); break;
        case kTagModel: ModelText = text.substr(0, 40); break;
        case kTagDateTime:
        case kTagDateTimeOriginal: DateTimeText = text.substr(0, 20); break;
        case kTagExifVersion: ExifVersion = raw.substr(0, 6); break;
        case kTagFlash: FlashValue = value; break;
        case kTagSubIfds:
        case kTagExifOffset:
        case kTagInteropOffset: {
          const std::int64_t p = ReadU32(valuePos) + base;
          if (p != start) WalkSubDirectory(p, base, kDirectoryMain, maxLength);
          break;
        }
        case kTagGpsInfo:
          WalkSubDirectory(ReadU32(valuePos) + base, base, kDirectoryGps, maxLength);
          break;
        case kTagMakerNote: {
          if (BuildMode == kBuildCameraValues) break;
          MakerNoteRaw = raw;
          MakerNoteOffset = ClampToInt(valuePos);
          TmsInfo makerNote(FromTiff, *this);
          HasMakerNote = makerNote.ReadMakerNote();
          break;
        }
        default: break;
      }
    }

    if (wanted && BuildsLists(BuildMode) && definition.TagNumber != 0) {
      try {
        TTagEntry entry = EntryFromDefinition(definition);
        entry.Text = std::move(text);
        entry.RawSize = static_cast<std::int32_t>(raw.size());
        entry.RawBytes = std::move(raw);
        entry.ValuePos = ClampToInt(valuePos);
        entry.Format = static_cast<std::uint16_t>(format);
        if (kind == kDirectoryThumbnail) AppendThumbTag(std::move(entry));
        else AppendTag(std::move(entry));
      } catch (const std::exception&) {
        // A failed append loses this entry only.
      }
    }
  }
}

bool TImageInfo::ReadThumbnailTags() {
  try {
    WalkDirectory(static_cast<std::int64_t>(ThumbOffset) + 9, 9, kDirectoryThumbnail,
                  static_cast<std::int64_t>(ThumbLength) - 12);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

int TImageInfo::AppendTag(const TTagEntry& entry) {
  if (entry.TagNumber != 0) Tags.push_back(entry);
  return static_cast<int>(Tags.size()) - 1;
}

int TImageInfo::AppendThumbTag(const TTagEntry& entry) {
  if (entry.TagNumber != 0) ThumbTags.push_back(entry);
  return static_cast<int>(ThumbTags.size()) - 1;
}

int TImageInfo::AppendTag(TTagEntry&& entry) {
  if (entry.TagNumber != 0) Tags.push_back(std::move(entry));
  return static_cast<int>(Tags.size()) - 1;
}

int TImageInfo::AppendThumbTag(TTagEntry&& entry) {
  if (entry.TagNumber != 0) ThumbTags.push_back(std::move(entry));
  return static_cast<int>(ThumbTags.size()) - 1;
}

int TImageInfo::IndexOfTag(std::string_view name) const {
  for (std::size_t i = 0; i < Tags.size(); ++i) {
    if (SameNameIgnoringCase(Tags[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

std::string TImageInfo::TagTextOf(std::string_view name) const {
  const int index = IndexOfTag(name);
  return index < 0 ? std::string() : Tags[static_cast<std::size_t>(index)].Text;
}

TTagEntry TImageInfo::FindTag(std::string_view name) const {
  const int index = IndexOfTag(name);
  return index < 0 ? TTagEntry() : Tags[static_cast<std::size_t>(index)];
}

double TImageInfo::TagNumberValue(std::string_view name) const {
  const int index = IndexOfTag(name);
  if (index < 0) return 0;
  const auto& entry = Tags[static_cast<std::size_t>(index)];
  return ValueToNumber(entry.RawBytes, entry.Format, BigEndian);
}

int TImageInfo::TagIntValue(std::string_view name) const {
  return RoundHalfEven(TagNumberValue(name));
}

int TImageInfo::IndexOfTagDefinition(std::string_view name) {
  return ::IndexOfTagDefinition(name);
}

bool TImageInfo::NextFoundTag(int group, TTagEntry& entry) {
  entry = TTagEntry();
  while (tagCursor_ < Tags.size() && Tags[tagCursor_].Group != group) ++tagCursor_;
  if (tagCursor_ >= Tags.size()) return false;
  entry = Tags[tagCursor_++];
  return true;
}

bool TImageInfo::NextFoundThumbTag(int group, TTagEntry& entry) {
  entry = TTagEntry();
  while (thumbCursor_ < ThumbTags.size() && ThumbTags[thumbCursor_].Group != group) ++thumbCursor_;
  if (thumbCursor_ >= ThumbTags.size()) return false;
  entry = ThumbTags[thumbCursor_++];
  return true;
}

void TImageInfo::FitSizeTags(int height, int width) {
  if (PixelHeight <= 0 || PixelWidth <= 0) return;
  if (PixelHeight == height && PixelWidth == width) return;
  if (Parent == nullptr || Parent->ExifSection == nullptr) return;
  std::string& data = Parent->ExifSection->Data;
  // The entry's format field lies six bytes before its value field.
  const auto writeInFormat = [&](int valuePos, int value) {
    if (!RangeInside(valuePos - 6, 2, data.size())) return;
    const unsigned a = static_cast<unsigned char>(data[static_cast<std::size_t>(valuePos - 7)]);
    const unsigned b = static_cast<unsigned char>(data[static_cast<std::size_t>(valuePos - 6)]);
    const unsigned format = BigEndian ? (a << 8) | b : (b << 8) | a;
    if (format == kFormatShort && RangeInside(valuePos, 2, data.size())) {
      WriteU16(data, valuePos, static_cast<std::uint16_t>(value));
    } else if (format == kFormatLong && RangeInside(valuePos, 4, data.size())) {
      WriteU32(data, valuePos, static_cast<std::uint32_t>(value));
    }
  };
  writeInFormat(HeightPos, height);
  writeInFormat(WidthPos, width);
}
