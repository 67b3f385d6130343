#pragma once
// Maker notes byte by byte, and photos that carry them.
//
//   fixture::MakerNoteBuilder note(fixture::ByteOrder::Big, "Nikon\0\x01\0"s);
//   note.Short(0x0003, {3});
//   std::string jpeg = fixture::PhotoWithMakerNote(
//       fixture::MakerNotePhoto{}.WithMake("NIKON").WithNote(note)).jpeg;

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fixture_builder.h"

namespace fixture {

// Where the value offsets of a maker note count from.
enum class NoteOffsets {
  ExifHeader,  // from the TIFF header of the EXIF data (most makes)
  NoteByte10,  // from byte 10 of the note (Nikon type 3 notes carry a TIFF header there)
  NoteStart,   // from the note's first byte (Fujifilm)
};

// A maker note: prefix bytes, then a directory (count, 12-byte entries, a zero link), then the
// values longer than 4 bytes in the order added.
class MakerNoteBuilder {
 public:
  explicit MakerNoteBuilder(ByteOrder order, std::string prefix = {});

  MakerNoteBuilder& Entry(std::uint16_t tag, std::uint16_t format, std::uint32_t count,
                          std::string_view valueBytes);
  MakerNoteBuilder& Ascii(std::uint16_t tag, std::string_view text);  // with a terminating zero
  MakerNoteBuilder& Short(std::uint16_t tag, std::vector<std::uint16_t> values);
  MakerNoteBuilder& Long(std::uint16_t tag, std::vector<std::uint32_t> values);
  MakerNoteBuilder& Rational(std::uint16_t tag, std::vector<std::pair<std::uint32_t, std::uint32_t>> values);
  MakerNoteBuilder& Undefined(std::uint16_t tag, std::string_view bytes);
  // An entry whose value field holds exactly these 4 bytes (an offset anywhere).
  MakerNoteBuilder& Field(std::uint16_t tag, std::uint16_t format, std::uint32_t count, std::uint32_t field);
  // The entry count written (the entries stay as added).
  MakerNoteBuilder& CountOverride(std::uint16_t count);
  // Bytes after the values.
  MakerNoteBuilder& Tail(std::string_view bytes);

  ByteOrder Order() const { return order_; }
  std::size_t Size() const;
  // The note; offsetOfFirstByte is the offset, in the note's offset frame, of its first byte.
  std::string Build(std::int64_t offsetOfFirstByte) const;

 private:
  struct Item {
    std::uint16_t tag, format;
    std::uint32_t count;
    std::string value;
    std::optional<std::uint32_t> field;
  };
  ByteOrder order_;
  std::string prefix_;
  std::vector<Item> items_;
  std::optional<std::uint16_t> countOverride_;
  std::string tail_;
};

// The prefix of a Nikon type 3 note: "Nikon\0", version, two zero bytes, then a TIFF header
// ("MM\0*" or "II*\0") whose first-directory offset is 8: the directory starts at byte 18.
std::string NikonType3Prefix(ByteOrder order);

struct MakerNotePhoto {
  ByteOrder order = ByteOrder::Little;
  std::string make;
  std::string model = "Model";
  std::optional<std::string> exifVersion = std::string("0210");  // none: no ExifVersion entry
  MakerNoteBuilder note = MakerNoteBuilder(ByteOrder::Little);
  NoteOffsets offsets = NoteOffsets::ExifHeader;
  // Bytes after the EXIF structure (inside the EXIF segment): room for values outside the note.
  std::string tail;
  // When above 0: an ExifImageWidth SHORT entry after the MakerNote entry (the walk goes on).
  std::uint16_t widthAfterNote = 0;

  MakerNotePhoto& WithOrder(ByteOrder value) { order = value; return *this; }
  MakerNotePhoto& WithMake(std::string value) { make = std::move(value); return *this; }
  MakerNotePhoto& WithModel(std::string value) { model = std::move(value); return *this; }
  MakerNotePhoto& WithExifVersion(std::optional<std::string> value) { exifVersion = std::move(value); return *this; }
  MakerNotePhoto& WithNote(MakerNoteBuilder value) { note = std::move(value); return *this; }
  MakerNotePhoto& WithOffsets(NoteOffsets value) { offsets = value; return *this; }
  MakerNotePhoto& WithTail(std::string value) { tail = std::move(value); return *this; }
  MakerNotePhoto& WithWidthAfterNote(std::uint16_t value) { widthAfterNote = value; return *this; }
};

struct BuiltPhoto {
  std::string tiff;             // the TIFF structure (also the whole .tif/.nef file)
  std::string jpeg;             // a JPEG with that structure in its EXIF segment and a real image
  std::uint32_t noteOffset = 0; // offset of the maker note's first byte from the TIFF header
  std::uint32_t tailOffset = 0; // offset of the tail's first byte
};

// IFD0 with Make and Model, an Exif directory with ExifVersion and the MakerNote.
BuiltPhoto PhotoWithMakerNote(const MakerNotePhoto& photo);

}  // namespace fixture
