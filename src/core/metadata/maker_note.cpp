#include "metadata/maker_note.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

#include "metadata/image_info.h"
#include "metadata/maker_note_tables.h"

namespace {

std::string UpperPrefix(const std::string& text, std::size_t length) {
  std::string prefix = text.substr(0, length);
  for (char& c : prefix) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return prefix;
}

// The character of the model after its first blank (the first one when there is no blank).
bool ModelSeriesIsD(const std::string& model) {
  const std::size_t blank = model.find(' ');
  const std::size_t index = blank == std::string::npos ? 0 : blank + 1;
  return index < model.size() && model[index] == 'D';
}

// A note so far away has no bytes: any base then reads nothing.
int ClampedToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

std::optional<MakerNoteLayout> ChooseMakerNoteLayout(const TImageInfo& info, bool fromTiff) {
  const std::string make = UpperPrefix(info.MakeText, 5);
  // M: the maker note's first byte in the EXIF data. In a TIFF-structured file an offset maps to
  // a position by adding -7 instead of 9, so offsets there count 16 bytes further.
  // Counted in 64 bits: a damaged file may place its maker note at any offset.
  const std::int64_t m = info.MakerNoteOffset;
  const std::int64_t shiftedM = m + (fromTiff ? 16 : 0);
  // Offsets counted from the TIFF header of the EXIF data.
  const std::int64_t exifOffsetBase = 10 - shiftedM;
  // A value that reaches past the maker-note bytes is read at its own place in the EXIF data:
  // maker-note position p is position m + p - 1 there.
  auto layout = [m](std::string_view name, std::span<const TagDefinition> table, int start,
                    std::int64_t offsetBase, bool littleEndian = false) {
    return MakerNoteLayout{name, table, start, ClampedToInt(offsetBase), ClampedToInt(m + offsetBase - 1),
                           littleEndian};
  };

  if (make == "NIKON") {
    // The version is compared as text, character by character.
    const bool type3 = info.ExifVersion > std::string("0210") ||
                       (info.ExifVersion.empty() && ModelSeriesIsD(info.ModelText) && fromTiff);
    // Type 3 notes carry a TIFF header of their own at byte 10; offsets count from there.
    if (type3) return layout("Nikon type 3", NikonType2And3Tags(), 18, 11);
    if (info.MakerNoteRaw.starts_with("Nikon")) return layout("Nikon type 1", NikonType1Tags(), 8, exifOffsetBase);
    return layout("Nikon type 2", NikonType2And3Tags(), 0, exifOffsetBase);
  }
  if (make == "OLYMP") return layout("Olympus", OlympusTags(), 8, exifOffsetBase);
  if (make == "CASIO") {
    if (info.MakerNoteRaw.starts_with("QVC")) return layout("Casio type 2", CasioType2Tags(), 6, exifOffsetBase);
    return layout("Casio type 1", CasioType1Tags(), 0, exifOffsetBase);
  }
  // Fujifilm notes are little-endian whatever the file's order; offsets count from the note.
  if (make == "FUJIF") return layout("Fujifilm", FujifilmTags(), 12, 1, true);
  if (make == "CANON") return layout("Canon", CanonTags(), 0, exifOffsetBase);
  if (make == "SEIKO") return layout("Seiko", SeikoTags(), 8, exifOffsetBase);
  if (make == "SANYO") return layout("Sanyo", SanyoTags(), 8, exifOffsetBase);
  if (make == "MINOL") return layout("Minolta", MinoltaTags(), 0, exifOffsetBase);
  return std::nullopt;
}

bool TmsInfo::ReadMakerNote() {
  const std::optional<MakerNoteLayout> layout = ChooseMakerNoteLayout(Info, FromTiff);
  if (!layout) return false;
  const bool bigEndian = Info.BigEndian;
  if (layout->LittleEndian) Info.BigEndian = false;
  Info.WalkMakerNoteDirectory(Info.MakerNoteRaw, layout->Table, layout->DirectoryStart,
                              layout->OffsetBase, layout->FallbackBase);
  Info.BigEndian = bigEndian;
  return true;
}
